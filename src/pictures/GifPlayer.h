// SPDX-License-Identifier: MIT
#pragma once

#include "pictures/GifPlayback.h"

#include <QElapsedTimer>
#include <QImage>
#include <QObject>
#include <QTimer>

// Plays an animated GIF on the user-interface thread: GifPlayback decides the frames and waits, a precise
// single-shot timer waits them. No thread is needed, since composing a frame is short and every step that
// touches the picture has to run on this thread anyway; stopping is immediate.
class GifPlayer final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GifPlayer)
public:
    explicit GifPlayer(const GifImage& gif, QObject* parent = nullptr);

    // Shows the first frame (frameShown() is emitted before this returns) and schedules the next.
    void start();
    void stop();
    bool isRunning() const { return m_timer.isActive(); }
    const QImage& canvas() const { return m_playback.canvas(); }
    const GifPlayback& playback() const { return m_playback; }

signals:
    void frameShown();
    void finished();

private:
    void schedule(std::optional<qint64> wait);
    void onTimeout();

    QElapsedTimer m_clock;
    GifPlayback m_playback;
    QTimer m_timer;
};
