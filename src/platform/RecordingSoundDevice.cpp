// SPDX-License-Identifier: MIT
#include "platform/RecordingSoundDevice.h"

#include "platform/WavDecoder.h"

namespace {

class RecordingSoundClip final : public SoundClip {
public:
    RecordingSoundClip(std::shared_ptr<QStringList> events, QString filePath)
        : m_events(std::move(events))
        , m_filePath(std::move(filePath)) {}
    Q_DISABLE_COPY_MOVE(RecordingSoundClip)

    ~RecordingSoundClip() override { m_events->append(QStringLiteral("close ") + m_filePath); }

    void play() override { m_events->append(QStringLiteral("play ") + m_filePath); }

private:
    std::shared_ptr<QStringList> m_events;
    QString m_filePath;
};

} // namespace

std::unique_ptr<SoundClip> RecordingSoundDevice::open(const QString& filePath) {
    WavDecoder::decode(filePath);
    m_events->append(QStringLiteral("open ") + filePath);
    return std::make_unique<RecordingSoundClip>(m_events, filePath);
}
