// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

// Decodes a whole WAV file into interleaved signed 16-bit samples, whatever codec wrote it (PCM of any width,
// IMA and MS ADPCM, µ-law, A-law, float). Sounds are short, so decoding everything at open time keeps playback
// free of file access and lets a broken file fail at open.
class WavDecoder final {
public:
    struct Sound {
        int sampleRate = 0;
        int channelCount = 0;
        QByteArray samples; // interleaved qint16 in host byte order

        qint64 frameCount() const
        {
            return channelCount > 0 ? samples.size() / qint64(sizeof(qint16)) / channelCount : 0;
        }
    };

    // About six minutes of 44.1 kHz stereo: far beyond any course sound, small enough to keep memory bounded.
    static constexpr qint64 kMaxSamples = qint64(32) * 1024 * 1024;
    static constexpr int kMinSampleRate = 1000;
    static constexpr int kMaxSampleRate = 768000;

    // Throws Error::cannotOpen with the absolute path: the system's reason when the file cannot be read, the
    // decoder's text when it is not a valid WAV file, a limit message when it decodes to more than maxSamples.
    static Sound decode(const QString& filePath, qint64 maxSamples = kMaxSamples);
};
