// SPDX-License-Identifier: MIT
#include "pictures/GifPlayback.h"

#include "pictures/GifTiming.h"

#include <algorithm>

GifPlayback::GifPlayback(const GifImage& gif, Clock clock)
    : m_gif(gif)
    , m_clock(std::move(clock))
    , m_composer(gif)
{
}

std::optional<qint64> GifPlayback::start()
{
    m_running = false;
    if (!frameUsable(0))
        return std::nullopt;
    m_running = true;
    m_planned = m_clock();
    m_passes = 1;
    show(0);
    return scheduleNext();
}

std::optional<qint64> GifPlayback::advance()
{
    if (!m_running)
        return std::nullopt;
    show(m_next);
    return scheduleNext();
}

bool GifPlayback::frameUsable(int index) const
{
    return index >= 0 && index < m_gif.frameCount() && m_gif.data().frames[size_t(index)].hasPixels();
}

void GifPlayback::show(int index)
{
    const GifFrame& frame = m_gif.data().frames[size_t(index)];
    if (frame.loopCount >= 0 && !m_loopRead) {
        m_loopRead = true;
        m_loopCount = frame.loopCount;
        m_forever = frame.loopCount == 0;
        m_restart = index;
    }
    m_composer.compose(index);
    m_current = index;
    m_delayUnits = GifTiming::delayUnits(frame);
}

std::optional<qint64> GifPlayback::scheduleNext()
{
    int next = m_current + 1;
    if (!frameUsable(next)) {
        // End of a pass.
        if (m_loopCount > 0)
            --m_loopCount;
        const bool again = m_gif.animate() && m_gif.loop()
            && (m_loopCount != 0 || m_forever || m_gif.loopForever());
        // A restart point without pixels would make passes without frames, which never wait.
        if (!again || !frameUsable(m_restart)) {
            m_running = false;
            return std::nullopt;
        }
        next = m_restart;
        ++m_passes;
    }
    m_next = next;
    const qint64 now = m_clock();
    const qint64 wait = GifTiming::waitMs(m_delayUnits, now - m_planned, m_gif.animationSpeed());
    // The plan follows the wait actually made: a negative result waits nothing. Planning with the negative
    // value would feed the lateness back enlarged (by 100 / speed / 2) and, below speed 50, let it grow
    // without end, so that the player never waited again.
    m_planned = now + std::max<qint64>(wait, 0);
    return wait;
}
