// SPDX-License-Identifier: MIT
#include "platform/RealSoundDevice.h"

#include "platform/AudioOutput.h"
#include "platform/Error.h"
#include "platform/WavDecoder.h"

#include <QFileInfo>

namespace {

class RealSoundClip final : public SoundClip {
public:
    RealSoundClip(const QString& filePath, WavDecoder::Sound sound) : m_filePath(filePath), m_sound(std::move(sound)) {}
    Q_DISABLE_COPY_MOVE(RealSoundClip)

    void play() override
    {
        if (!m_stream) {
            AudioOutput* output = AudioOutput::instance();
            if (!output)
                return;
            QString error;
            m_stream = output->prepare(m_sound, &error);
            if (!m_stream)
                throw Error::cannotOpen(QFileInfo(m_filePath).absoluteFilePath(), error);
            // The stream holds the samples as the output takes them.
            m_sound = WavDecoder::Sound();
        }
        m_stream->play();
    }

private:
    QString m_filePath;
    WavDecoder::Sound m_sound;
    // Destroyed first (declared last), which stops a sound still playing.
    std::unique_ptr<AudioStream> m_stream;
};

} // namespace

std::unique_ptr<SoundClip> RealSoundDevice::open(const QString& filePath)
{
    return std::make_unique<RealSoundClip>(filePath, WavDecoder::decode(filePath));
}
