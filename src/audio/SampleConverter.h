// SPDX-License-Identifier: MIT
#pragma once

#include "platform/WavDecoder.h"

#include <QAudioFormat>
#include <QByteArray>

// Turns decoded 16-bit samples into the format an audio output accepts: sample type, channel count and rate.
// Used only when the output cannot take the sound as it was decoded, so the simple linear resampling is enough.
class SampleConverter final {
public:
    // The number of bytes convert() produces.
    static qint64 convertedSize(const WavDecoder::Sound& sound, const QAudioFormat& target);
    static QByteArray convert(const WavDecoder::Sound& sound, const QAudioFormat& target);
};
