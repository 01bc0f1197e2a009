// SPDX-License-Identifier: MIT
#include "platform/RealSoundDevice.h"

#include "platform/Error.h"
#include "platform/SampleConverter.h"
#include "platform/WavDecoder.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QFileInfo>
#include <QMediaDevices>

namespace {

class RealSoundClip final : public SoundClip {
public:
    // A null device makes a silent clip: the machine has no audio output.
    RealSoundClip(const QAudioDevice& device, const QAudioFormat& format, QByteArray samples)
        : m_device(device)
        , m_format(format)
        , m_samples(std::move(samples)) {
        m_buffer.setBuffer(&m_samples);
    }
    Q_DISABLE_COPY_MOVE(RealSoundClip)

    // The sink goes first (it is declared last), which stops a sound still playing.
    ~RealSoundClip() override = default;

    void play() override {
        if (m_device.isNull() || m_samples.isEmpty())
            return;
        // A fresh sink per play: restarting is then the same as starting, whatever state the old one was in.
        m_sink.reset();
        m_buffer.close();
        if (!m_buffer.open(QIODevice::ReadOnly))
            return;
        m_sink = std::make_unique<QAudioSink>(m_device, m_format);
        // Pull mode: the sink reads the buffer from the event loop and the audio thread; start returns at once.
        // A failure to start (device gone, server down) leaves the sink in StoppedState, which is silence.
        m_sink->start(&m_buffer);
    }

private:
    QAudioDevice m_device;
    QAudioFormat m_format;
    QByteArray m_samples;
    QBuffer m_buffer;
    std::unique_ptr<QAudioSink> m_sink;
};

} // namespace

std::unique_ptr<SoundClip> RealSoundDevice::open(const QString& filePath) {
    WavDecoder::Sound sound = WavDecoder::decode(filePath);

    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    if (output.isNull())
        return std::make_unique<RealSoundClip>(output, QAudioFormat(), QByteArray());

    QAudioFormat format;
    format.setSampleRate(sound.sampleRate);
    format.setChannelCount(sound.channelCount);
    format.setSampleFormat(QAudioFormat::Int16);
    if (output.isFormatSupported(format))
        return std::make_unique<RealSoundClip>(output, format, std::move(sound.samples));

    const QAudioFormat preferred = output.preferredFormat();
    if (SampleConverter::convertedSize(sound, preferred) > kMaxPlayableBytes)
        throw Error::cannotOpen(QFileInfo(filePath).absoluteFilePath(),
                                QStringLiteral("The sound is too long for the audio output."));
    return std::make_unique<RealSoundClip>(output, preferred, SampleConverter::convert(sound, preferred));
}
