// SPDX-License-Identifier: MIT
#pragma once

#include "platform/AudioOutput.h"

#include <QtGlobal>

// The audio output through Qt Multimedia: the default output device, a fresh QAudioSink per play reading the
// prepared samples in pull mode. Built into the audio module that AudioOutput::instance() loads.
class QtAudioOutput final : public AudioOutput {
public:
    QtAudioOutput() = default;
    Q_DISABLE_COPY_MOVE(QtAudioOutput)

    // A converted sound larger than this is refused (bounds memory for odd rates and formats).
    static constexpr qint64 MaxPlayableBytes = qint64(256) * 1024 * 1024;

    std::unique_ptr<AudioStream> prepare(const WavDecoder::Sound& sound, QString* error) override;
};
