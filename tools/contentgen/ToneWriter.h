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

    static std::vector<float> samples(SoundKind kind);
    // Writes the sound to filePath; throws Error when the file cannot be written.
    static void write(SoundKind kind, const QString& filePath);
};
