// SPDX-License-Identifier: MIT
#include "pictures/GifPlayer.h"

#include <algorithm>
#include <limits>

GifPlayer::GifPlayer(const GifImage& gif, QObject* parent)
    : QObject(parent)
    , m_playback(gif, [this] { return m_clock.elapsed(); })
{
    m_clock.start();
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &GifPlayer::onTimeout);
}

void GifPlayer::start()
{
    m_timer.stop();
    const std::optional<qint64> wait = m_playback.start();
    emit frameShown();
    schedule(wait);
}

void GifPlayer::stop()
{
    m_timer.stop();
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
    // A late player shows the next frame at once, but through the event loop so the program stays responsive.
    m_timer.start(int(std::clamp<qint64>(*wait, 0, std::numeric_limits<int>::max())));
}
