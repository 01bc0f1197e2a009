// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Dialogs.h"

#include <QList>

// A test double: records every box in order and answers confirmations from a queue (No when it is empty).
class ScriptedDialogs final : public Dialogs {
public:
    struct Box {
        QString kind; // "error", "confirm" or "information"
        QString caption;
        QString text;
    };

    void error(const QString& caption, const QString& text) override;
    bool confirm(const QString& caption, const QString& text) override;
    void information(const QString& caption, const QString& text) override;

    void queueAnswer(bool yes) { m_answers.append(yes); }
    const QList<Box>& boxes() const { return m_boxes; }
    QStringList texts() const;
    void clear() { m_boxes.clear(); }

private:
    QList<Box> m_boxes;
    QList<bool> m_answers;
};
