// SPDX-License-Identifier: MIT
#pragma once

#include "platform/SoundDevice.h"

#include <QtGlobal>

// Plays sounds through the machine's default audio output with Qt Multimedia. The file is decoded at open and
// converted to a format the output accepts; play starts the output and returns at once. On a machine without
// an audio output, open still checks and decodes the file and play does nothing.
class RealSoundDevice final : public SoundDevice {
public:
    RealSoundDevice() = default;
    Q_DISABLE_COPY_MOVE(RealSoundDevice)

    // A converted sound larger than this is refused at open (bounds memory for odd rates and formats).
    static constexpr qint64 kMaxPlayableBytes = qint64(256) * 1024 * 1024;

    std::unique_ptr<SoundClip> open(const QString& filePath) override;
};
