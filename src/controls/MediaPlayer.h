// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

#include <memory>

class SoundClip;

// A hidden sound player: holds a WAV file name, opens it through the sound device, plays it in the
// background and closes it. Playing while nothing is open fails with "No MCI device open".
class MediaPlayer final : public QObject {
    Q_OBJECT
public:
    explicit MediaPlayer(QObject* parent = nullptr);
    ~MediaPlayer() override;

    void setFileName(const QString& contentPath) { m_fileName = contentPath; }
    const QString& fileName() const { return m_fileName; }
    // Opening a player that is already open closes it first. Throws when the file cannot be opened.
    void open();
    void play();
    void close();
    bool isOpen() const { return m_clip != nullptr; }

private:
    QString m_fileName;
    std::unique_ptr<SoundClip> m_clip;
};
