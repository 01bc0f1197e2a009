// SPDX-License-Identifier: MIT
#include "ToneWriter.h"

#include "platform/Error.h"

#include <QDir>
#include <QFile>

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <tuple>

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr float kPeak = 0.8F;

std::vector<float> silence(double seconds) {
    return std::vector<float>(static_cast<std::size_t>(seconds * ToneWriter::kSampleRate), 0.0F);
}

double time(std::size_t index) {
    return static_cast<double>(index) / ToneWriter::kSampleRate;
}

// A short linear fade-in avoids a click at the start of a tone.
double attack(double t, double length) {
    return t < length ? t / length : 1.0;
}

void normalise(std::vector<float>& samples) {
    float peak = 0.0F;
    for (const float s : samples)
        peak = std::max(peak, std::abs(s));
    if (peak > 0.0F)
        for (float& s : samples)
            s *= kPeak / peak;
}

// A bell: inharmonic partials, the higher ones dying away faster.
std::vector<float> ding() {
    std::vector<float> out = silence(0.6);
    constexpr double kBase = 1046.5;
    constexpr struct {
        double ratio, level, decay;
    } kPartials[] = {{1.0, 1.0, 6.0}, {2.76, 0.45, 10.0}, {5.40, 0.25, 16.0}, {8.93, 0.12, 24.0}};
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = time(i);
        double value = 0.0;
        for (const auto& partial : kPartials)
            value += partial.level * std::exp(-partial.decay * t) * std::sin(kTwoPi * kBase * partial.ratio * t);
        out[i] = static_cast<float>(value * attack(t, 0.003));
    }
    normalise(out);
    return out;
}

// Two rising notes with a touch of the second harmonic.
std::vector<float> notify() {
    std::vector<float> out = silence(0.4);
    constexpr double kFirst = 784.0;
    constexpr double kSecond = 1174.7;
    constexpr double kSwitch = 0.16;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = time(i);
        const bool second = t >= kSwitch;
        const double local = second ? t - kSwitch : t;
        const double frequency = second ? kSecond : kFirst;
        const double envelope = attack(local, 0.005) * std::exp(-(second ? 9.0 : 14.0) * local);
        const double value = std::sin(kTwoPi * frequency * local) + 0.2 * std::sin(2.0 * kTwoPi * frequency * local);
        out[i] = static_cast<float>(envelope * value);
    }
    normalise(out);
    return out;
}

// A click (a short burst of noise from a fixed generator) followed by two square-ish blips.
std::vector<float> record() {
    std::vector<float> out = silence(0.25);
    std::uint32_t noise = 0x12345678U;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = time(i);
        double value = 0.0;
        if (t < 0.006) {
            noise = noise * 1664525U + 1013904223U;
            value = (static_cast<double>(noise >> 8) / (1U << 24) * 2.0 - 1.0) * std::exp(-t * 600.0);
        }
        for (const auto& [start, end, frequency] : {std::tuple{0.02, 0.11, 1500.0}, std::tuple{0.15, 0.22, 2000.0}}) {
            if (t >= start && t < end) {
                const double local = t - start;
                const double envelope = attack(local, 0.004) * std::min(1.0, (end - t) / 0.01);
                value += 0.6 * envelope *
                         (std::sin(kTwoPi * frequency * local) + std::sin(3.0 * kTwoPi * frequency * local) / 3.0);
            }
        }
        out[i] = static_cast<float>(value);
    }
    normalise(out);
    return out;
}

struct SoundFileCloser {
    void operator()(SNDFILE* file) const { sf_close(file); }
};

} // namespace

std::vector<float> ToneWriter::samples(SoundKind kind) {
    switch (kind) {
    case SoundKind::Ding:
        return ding();
    case SoundKind::Notify:
        return notify();
    case SoundKind::Record:
        return record();
    }
    return {};
}

void ToneWriter::write(SoundKind kind, const QString& filePath) {
    write(samples(kind), kind == SoundKind::Notify ? Encoding::ImaAdpcm : Encoding::Pcm16, filePath);
}

void ToneWriter::write(const std::vector<float>& data, Encoding encoding, const QString& filePath) {
    SF_INFO info{};
    info.samplerate = kSampleRate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | (encoding == Encoding::ImaAdpcm ? SF_FORMAT_IMA_ADPCM : SF_FORMAT_PCM_16);
    const QByteArray name = QFile::encodeName(filePath);
    std::unique_ptr<SNDFILE, SoundFileCloser> file(sf_open(name.constData(), SFM_WRITE, &info));
    if (!file)
        throw Error::cannotOpen(QDir::toNativeSeparators(filePath), QString::fromUtf8(sf_strerror(nullptr)));
    const auto count = static_cast<sf_count_t>(data.size());
    if (sf_writef_float(file.get(), data.data(), count) != count)
        throw Error::cannotOpen(QDir::toNativeSeparators(filePath), QString::fromUtf8(sf_strerror(file.get())));
}
