// SPDX-License-Identifier: MIT
#include "pictures/GifPlayer.h"

#include <algorithm>
#include <limits>

GifPlayer::GifPlayer(const GifImage& gif, QObject* parent) : GifPlayer(gif, GifPlayback::Clock(), parent) {}

GifPlayer::GifPlayer(const GifImage& gif, GifPlayback::Clock clock, QObject* parent)
    : QObject(parent)
    , m_clock(std::move(clock))
    , m_playback(gif, [this] { return playingTime(); })
{
    if (!m_clock) {
        m_elapsed.start();
        m_clock = [this] { return m_elapsed.elapsed(); };
    }
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &GifPlayer::onTimeout);
}

void GifPlayer::start()
{
    m_timer.stop();
    m_paused = false;
    const std::optional<qint64> wait = m_playback.start();
    emit frameShown();
    schedule(wait);
}

void GifPlayer::stop()
{
    m_timer.stop();
    m_paused = false;
}

void GifPlayer::pause()
{
    if (!m_timer.isActive())
        return;
    m_timer.stop();
    m_paused = true;
    m_pausedAt = m_clock();
    m_remaining = std::max<qint64>(0, m_dueAt - playingTime());
}

void GifPlayer::resume()
{
    if (!m_paused)
        return;
    m_paused = false;
    m_pausedTotal += m_clock() - m_pausedAt;
    m_dueAt = playingTime() + m_remaining;
    m_timer.start(int(std::min<qint64>(m_remaining, std::numeric_limits<int>::max())));
}

void GifPlayer::onTimeout()
{
    const std::optional<qint64> wait = m_playback.advance();
    emit frameShown();
    schedule(wait);
}

void GifPlayer::schedule(std::optional<qint64> wait)
{
    if (!wait) {
        emit finished();
        return;
    }
    m_lastWait = *wait;
    // A late player shows the next frame at once, but through the event loop so the program stays responsive.
    const qint64 ms = std::clamp<qint64>(*wait, 0, std::numeric_limits<int>::max());
    m_dueAt = playingTime() + ms;
    m_timer.start(int(ms));
}
