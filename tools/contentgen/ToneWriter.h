// SPDX-License-Identifier: MIT
#pragma once

#include "ContentTables.h"

#include <QString>

#include <vector>

// The three short sounds of the screens, synthesised and written as WAV files: a bell-like ding and a
// record blip as 16-bit PCM, a two-note notify as IMA ADPCM (course sounds are not always plain PCM).
class ToneWriter final {
public:
    ToneWriter() = delete;

    static constexpr int kSampleRate = 22050;

    enum class Encoding { Pcm16, ImaAdpcm };

    static std::vector<float> samples(SoundKind kind);
    // Writes the sound to filePath; throws Error when the file cannot be written.
    static void write(SoundKind kind, const QString& filePath);
    // Writes mono samples (-1 to 1) at kSampleRate as a WAV file; throws Error when it cannot be written.
    static void write(const std::vector<float>& samples, Encoding encoding, const QString& filePath);
};
