// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

// The sounds of the exercises, synthesised at ToneWriter::kSampleRate: three effects of the anti-aircraft
// game (a gun shot, an explosion, a crack) made of filtered noise and falling tones, and a short tune that
// loops without a click, to play behind the GIF pictures.
class SoundEffects final {
public:
    SoundEffects() = delete;

    static std::vector<float> gunShot();
    static std::vector<float> explosion();
    static std::vector<float> crack();
    static std::vector<float> music();
};
