// SPDX-License-Identifier: MIT
#pragma once

#include "platform/SoundDevice.h"

#include <QStringList>

#include <memory>

// A test double: opens and decodes files exactly like the real device (a broken WAV still fails at open) but
// plays nothing. Records every event in order as "open <file>", "play <file>" and "close <file>", with the
// file as it was given to open. A failed open records nothing.
class RecordingSoundDevice final : public SoundDevice {
public:
    RecordingSoundDevice() = default;
    Q_DISABLE_COPY_MOVE(RecordingSoundDevice)

    std::unique_ptr<SoundClip> open(const QString& filePath) override;

    QStringList events() const { return *m_events; }
    void clearEvents() { m_events->clear(); }

private:
    // Shared with the clips, which may outlive the device in a test that tears down in any order.
    std::shared_ptr<QStringList> m_events = std::make_shared<QStringList>();
};
