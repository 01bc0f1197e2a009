// SPDX-License-Identifier: MIT
#pragma once

#include "platform/SoundDevice.h"

#include <QtGlobal>

// Plays sounds through the machine's default audio output. The file is decoded at open, so that a missing or
// broken file fails there; the audio output (see AudioOutput) is reached at the first play, which converts the
// sound to a format the output accepts when need be and returns at once. On a machine without an audio output,
// open still checks and decodes the file and play does nothing.
class RealSoundDevice final : public SoundDevice {
public:
    RealSoundDevice() = default;
    Q_DISABLE_COPY_MOVE(RealSoundDevice)

    std::unique_ptr<SoundClip> open(const QString& filePath) override;
};
