// SPDX-License-Identifier: MIT
#include "audio/SampleConverter.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

constexpr float kInt16Scale = 32768.0f;

qint64 convertedFrames(const WavDecoder::Sound& sound, const QAudioFormat& target) {
    const qint64 frames = sound.frameCount();
    if (frames == 0 || sound.sampleRate <= 0 || target.sampleRate() <= 0)
        return 0;
    if (target.sampleRate() == sound.sampleRate)
        return frames;
    return std::max<qint64>(1, frames * target.sampleRate() / sound.sampleRate);
}

// Fewer channels: mono is the average of all, otherwise the first ones are kept (front left and right come
// first in every WAV layout). More channels: mono is copied to all, other sounds leave the extra ones silent.
float channelValue(const float* frame, int inChannels, int outChannels, int channel) {
    if (outChannels == 1 && inChannels > 1) {
        float sum = 0;
        for (int c = 0; c < inChannels; ++c)
            sum += frame[c];
        return sum / float(inChannels);
    }
    if (inChannels == 1)
        return frame[0];
    return channel < inChannels ? frame[channel] : 0.0f;
}

void storeSample(float value, QAudioFormat::SampleFormat format, char* out) {
    // Full scale is 32768 on the way in, so 16-bit samples pass through unchanged.
    const double scaled = std::clamp(double(value), -1.0, 1.0);
    switch (format) {
    case QAudioFormat::UInt8: {
        const auto v = quint8(std::clamp(std::lrint(scaled * 128.0 + 128.0), 0L, 255L));
        std::memcpy(out, &v, sizeof v);
        break;
    }
    case QAudioFormat::Int32: {
        const auto v = qint32(std::clamp(std::llrint(scaled * 2147483648.0), -2147483648LL, 2147483647LL));
        std::memcpy(out, &v, sizeof v);
        break;
    }
    case QAudioFormat::Float: {
        const auto v = float(scaled);
        std::memcpy(out, &v, sizeof v);
        break;
    }
    case QAudioFormat::Int16:
    default: {
        const auto v = qint16(std::clamp(std::lrint(scaled * 32768.0), -32768L, 32767L));
        std::memcpy(out, &v, sizeof v);
        break;
    }
    }
}

} // namespace

qint64 SampleConverter::convertedSize(const WavDecoder::Sound& sound, const QAudioFormat& target) {
    return convertedFrames(sound, target) * std::max(1, target.channelCount()) * target.bytesPerSample();
}

QByteArray SampleConverter::convert(const WavDecoder::Sound& sound, const QAudioFormat& target) {
    const qint64 inFrames = sound.frameCount();
    const qint64 outFrames = convertedFrames(sound, target);
    const int inChannels = sound.channelCount;
    const int outChannels = std::max(1, target.channelCount());
    const int bytesPerSample = target.bytesPerSample();
    QByteArray result;
    if (outFrames == 0 || bytesPerSample == 0)
        return result;
    result.resize(qsizetype(outFrames * outChannels * bytesPerSample));

    const auto* in = reinterpret_cast<const qint16*>(sound.samples.constData());
    std::vector<float> frame(static_cast<size_t>(inChannels));
    const double step = double(sound.sampleRate) / double(target.sampleRate());
    char* out = result.data();
    for (qint64 i = 0; i < outFrames; ++i) {
        // Linear interpolation between the two nearest input frames.
        const double position = double(i) * step;
        const qint64 first = std::min<qint64>(qint64(position), inFrames - 1);
        const qint64 second = std::min<qint64>(first + 1, inFrames - 1);
        const float fraction = float(position - double(first));
        for (int c = 0; c < inChannels; ++c) {
            const float x0 = float(in[first * inChannels + c]) / kInt16Scale;
            const float x1 = float(in[second * inChannels + c]) / kInt16Scale;
            frame[size_t(c)] = x0 + (x1 - x0) * std::clamp(fraction, 0.0f, 1.0f);
        }
        for (int c = 0; c < outChannels; ++c) {
            storeSample(channelValue(frame.data(), inChannels, outChannels, c), target.sampleFormat(), out);
            out += bytesPerSample;
        }
    }
    return result;
}
