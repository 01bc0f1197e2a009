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
//
// A paused player (its picture is not on screen) has no timer and composes nothing; resumed, it waits what
// was left of its wait and goes on with the next frame. The time spent paused does not count as lateness.
class GifPlayer final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GifPlayer)
public:
    // The clock gives milliseconds from any fixed start; without one the player uses a monotonic clock.
    explicit GifPlayer(const GifImage& gif, QObject* parent = nullptr);
    GifPlayer(const GifImage& gif, GifPlayback::Clock clock, QObject* parent = nullptr);

    // Shows the first frame (frameShown() is emitted before this returns) and schedules the next.
    void start();
    void stop();
    void pause();
    void resume();
    // Composing frames: started, not paused, not finished.
    bool isRunning() const { return m_timer.isActive(); }
    bool isPaused() const { return m_paused; }
    // Has played all its passes (or was stopped); the last composed frame stays.
    bool isFinished() const { return !m_timer.isActive() && !m_paused; }
    // The wait scheduled after the frame shown last, in milliseconds (less than 0: none).
    qint64 lastWait() const { return m_lastWait; }
    const QImage& canvas() const { return m_playback.canvas(); }
    const GifPlayback& playback() const { return m_playback; }

signals:
    void frameShown();
    void finished();

private:
    qint64 playingTime() const { return m_clock() - m_pausedTotal; }
    void schedule(std::optional<qint64> wait);
    void onTimeout();

    GifPlayback::Clock m_clock;
    QElapsedTimer m_elapsed;
    GifPlayback m_playback;
    QTimer m_timer;
    bool m_paused = false;
    qint64 m_pausedAt = 0;
    qint64 m_pausedTotal = 0;
    qint64 m_dueAt = 0;     // playing time at which the timer fires
    qint64 m_remaining = 0; // what was left of the wait when paused
    qint64 m_lastWait = 0;
};
