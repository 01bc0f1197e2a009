// SPDX-License-Identifier: MIT
#pragma once

#include "pictures/GifComposer.h"
#include "pictures/GifImage.h"

#include <QImage>

#include <functional>
#include <optional>

// The animation player's logic without its timer: which frame comes next, how long to wait for it and when
// to stop. The clock is passed in (milliseconds, monotonic) so that the rules can be checked with a made-up
// clock; GifPlayer drives it with a real timer.
//
// From the start: the first frame is shown at once. Each following frame waits the delay of the frame shown
// before it, corrected by half the lateness against the planned moment and scaled by the animation speed.
// A pass runs to the end of the frame list (or a frame without pixels). The looping extension, the first
// time a frame carries it, sets the looping count (0: forever) and makes that frame the restart point of
// later passes. Without it a picture plays one pass and stays on its last frame.
class GifPlayback final {
public:
    using Clock = std::function<qint64()>;

    GifPlayback(const GifImage& gif, Clock clock);

    // Shows the first frame. Returns the wait before the next frame, or nothing when the player stops.
    std::optional<qint64> start();
    // Shows the next frame after the wait has passed; the same result as start().
    std::optional<qint64> advance();

    const QImage& canvas() const { return m_composer.canvas(); }
    // The index of the frame shown last.
    int currentFrame() const { return m_current; }
    // Passes begun so far (1 after start()).
    int passes() const { return m_passes; }
    bool isRunning() const { return m_running; }
    // The looping count left (the extension's count once read; 1 without an extension).
    int loopCount() const { return m_loopCount; }

private:
    void show(int index);
    std::optional<qint64> scheduleNext();
    bool frameUsable(int index) const;

    GifImage m_gif;
    Clock m_clock;
    GifComposer m_composer;
    int m_current = -1;
    int m_next = 0;
    int m_restart = 0;
    int m_loopCount = 1;
    bool m_forever = false;
    bool m_loopRead = false;
    bool m_running = false;
    int m_passes = 0;
    int m_delayUnits = 0;
    qint64 m_planned = 0;
};
