// SPDX-License-Identifier: MIT
#pragma once

#include "platform/ProcessStarter.h"

#include <QStringList>

// A test double: starts nothing and records every program file it was asked to start, in order.
class RecordingProcessStarter final : public ProcessStarter {
public:
    void start(const QString& programFile) override { m_started.append(programFile); }

    const QStringList& started() const { return m_started; }
    void clear() { m_started.clear(); }

private:
    QStringList m_started;
};
