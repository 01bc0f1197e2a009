// SPDX-License-Identifier: MIT
#include "SoundEffects.h"

#include "ToneWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kRate = ToneWriter::kSampleRate;
constexpr float kPeak = 0.9F;

// White noise from a fixed generator, so every run writes the same file.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : m_state(seed) {}
    double next()
    {
        m_state = m_state * 1664525U + 1013904223U;
        return static_cast<double>(m_state >> 8) / (1U << 24) * 2.0 - 1.0;
    }

private:
    std::uint32_t m_state;
};

// A one-pole low-pass filter; smaller factors keep less of the high frequencies.
class LowPass {
public:
    explicit LowPass(double factor) : m_factor(factor) {}
    double operator()(double x)
    {
        m_value += m_factor * (x - m_value);
        return m_value;
    }

private:
    double m_factor;
    double m_value = 0.0;
};

std::vector<float> buffer(double seconds)
{
    return std::vector<float>(static_cast<std::size_t>(seconds * kRate), 0.0F);
}

double time(std::size_t index)
{
    return static_cast<double>(index) / kRate;
}

void normalise(std::vector<float>& samples)
{
    float peak = 0.0F;
    for (const float s : samples)
        peak = std::max(peak, std::abs(s));
    if (peak > 0.0F)
        for (float& s : samples)
            s *= kPeak / peak;
}

// Fades the last seconds out so the sound ends in silence.
void fadeOut(std::vector<float>& samples, double seconds)
{
    const auto length = std::min(samples.size(), static_cast<std::size_t>(seconds * kRate));
    for (std::size_t i = 0; i < length; ++i)
        samples[samples.size() - 1 - i] *= static_cast<float>(static_cast<double>(i) / static_cast<double>(length));
}

} // namespace

// A bright crack of noise over a low thump whose pitch drops, then a short rumble.
std::vector<float> SoundEffects::gunShot()
{
    std::vector<float> out = buffer(0.7);
    Noise noise(0x2468ACE1U);
    LowPass body(0.12);
    double thumpPhase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = time(i);
        const double white = noise.next();
        thumpPhase += kTwoPi * (110.0 - 60.0 * std::min(t / 0.15, 1.0)) / kRate;
        const double value = 0.7 * white * std::exp(-t * 70.0) + 2.2 * body(white) * std::exp(-t * 9.0) +
                             0.8 * std::sin(thumpPhase) * std::exp(-t * 16.0);
        out[i] = static_cast<float>(value * std::min(1.0, t / 0.0015));
    }
    fadeOut(out, 0.05);
    normalise(out);
    return out;
}

// A deep rumble of heavily filtered noise that swells in a few milliseconds and dies slowly, with debris
// crackling in it.
std::vector<float> SoundEffects::explosion()
{
    std::vector<float> out = buffer(2.0);
    Noise noise(0x13579BDFU);
    Noise crackles(0x0F1E2D3CU);
    LowPass first(0.04);
    LowPass second(0.06);
    double rumblePhase = 0.0;
    double crackle = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = time(i);
        const double envelope = std::min(1.0, t / 0.012) * std::exp(-t * 2.2);
        rumblePhase += kTwoPi * (55.0 - 15.0 * std::min(t, 1.0)) / kRate;
        // Now and then a short burst, fewer as the blast dies down.
        if (crackles.next() > 1.0 - 0.0016 * std::exp(-t * 1.5))
            crackle = 0.5 + 0.5 * std::abs(crackles.next());
        crackle *= 0.995;
        const double value = 6.0 * second(first(noise.next())) * envelope + 0.5 * std::sin(rumblePhase) * envelope +
                             0.35 * crackle * noise.next();
        out[i] = static_cast<float>(value);
    }
    fadeOut(out, 0.2);
    normalise(out);
    return out;
}

// Sharp snaps of high-passed noise, each weaker than the one before, ringing briefly.
std::vector<float> SoundEffects::crack()
{
    std::vector<float> out = buffer(0.4);
    Noise noise(0x5A5A1234U);
    LowPass low(0.3);
    constexpr double kSnaps[] = {0.0, 0.028, 0.065, 0.11, 0.17};
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = time(i);
        const double white = noise.next();
        const double high = white - low(white);
        double value = 0.0;
        for (std::size_t s = 0; s < std::size(kSnaps); ++s) {
            const double local = t - kSnaps[s];
            if (local < 0.0)
                continue;
            const double level = std::pow(0.6, static_cast<double>(s));
            value += level * (high * std::exp(-local * 180.0) +
                              0.4 * std::sin(kTwoPi * 2300.0 * local) * std::exp(-local * 60.0));
        }
        out[i] = static_cast<float>(value);
    }
    fadeOut(out, 0.05);
    normalise(out);
    return out;
}

// Two bars in C major at 120 beats a minute: a melody in eighths over a bass in quarters. Every note fades
// out within its own length, so the last note ends in silence and the tune loops cleanly.
std::vector<float> SoundEffects::music()
{
    constexpr double kEighth = 0.25;
    // MIDI note numbers: 60 is middle C.
    constexpr int kMelody[] = {72, 76, 79, 76, 77, 81, 79, 76, 74, 77, 76, 72, 74, 71, 72, 72};
    constexpr int kBass[] = {48, 48, 53, 53, 55, 55, 48, 48};
    const auto frequency = [](int note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); };
    const auto envelope = [](double local, double length) {
        const double attack = std::min(1.0, local / 0.005);
        const double decay = 0.6 + 0.4 * std::exp(-local * 18.0);
        const double release = std::min(1.0, (length - local) / 0.03);
        return attack * decay * std::max(0.0, release);
    };

    std::vector<float> out = buffer(kEighth * std::size(kMelody));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = time(i);
        const auto eighth = std::min(static_cast<std::size_t>(t / kEighth), std::size(kMelody) - 1);
        const double melodyLocal = t - static_cast<double>(eighth) * kEighth;
        const double f = frequency(kMelody[eighth]);
        // A reedy tone: odd harmonics falling off.
        const double melody = std::sin(kTwoPi * f * melodyLocal) + std::sin(3.0 * kTwoPi * f * melodyLocal) / 4.0 +
                              std::sin(5.0 * kTwoPi * f * melodyLocal) / 9.0;
        // The final eighth rests so the loop starts afresh.
        const double melodyLevel = eighth + 1 == std::size(kMelody) ? 0.0 : envelope(melodyLocal, kEighth);

        const auto quarter = eighth / 2;
        const double bassLocal = t - static_cast<double>(quarter) * 2.0 * kEighth;
        const double fb = frequency(kBass[quarter]);
        const double bass = std::sin(kTwoPi * fb * bassLocal) + 0.3 * std::sin(2.0 * kTwoPi * fb * bassLocal);
        out[i] = static_cast<float>(0.55 * melodyLevel * melody + 0.5 * envelope(bassLocal, 2.0 * kEighth) * bass);
    }
    normalise(out);
    return out;
}
