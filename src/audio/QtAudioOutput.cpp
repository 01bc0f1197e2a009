// SPDX-License-Identifier: MIT
#include "audio/QtAudioOutput.h"

#include "audio/SampleConverter.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

namespace {

class SinkStream final : public AudioStream {
public:
    // A null device makes a silent stream: the machine has no audio output.
    SinkStream(const QAudioDevice& device, const QAudioFormat& format, QByteArray samples)
        : m_device(device)
        , m_format(format)
        , m_samples(std::move(samples))
    {
        m_buffer.setBuffer(&m_samples);
    }
    Q_DISABLE_COPY_MOVE(SinkStream)

    // The sink goes first (it is declared last), which stops a sound still playing.
    ~SinkStream() override = default;

    void play() override
    {
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

std::unique_ptr<AudioStream> QtAudioOutput::prepare(const WavDecoder::Sound& sound, QString* error)
{
    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    if (output.isNull())
        return std::make_unique<SinkStream>(output, QAudioFormat(), QByteArray());

    QAudioFormat format;
    format.setSampleRate(sound.sampleRate);
    format.setChannelCount(sound.channelCount);
    format.setSampleFormat(QAudioFormat::Int16);
    if (output.isFormatSupported(format))
        return std::make_unique<SinkStream>(output, format, sound.samples);

    const QAudioFormat preferred = output.preferredFormat();
    if (SampleConverter::convertedSize(sound, preferred) > MaxPlayableBytes) {
        if (error)
            *error = QStringLiteral("The sound is too long for the audio output.");
        return nullptr;
    }
    return std::make_unique<SinkStream>(output, preferred, SampleConverter::convert(sound, preferred));
}
