// SPDX-License-Identifier: MIT
#include "pictures/GifTiming.h"

#include <algorithm>
#include <cmath>

namespace GifTiming {

int delayUnits(const GifFrame& frame)
{
    if (!frame.hasControl || frame.delay == 0)
        return defaultDelayUnits;
    return std::max(frame.delay, minDelayUnits);
}

qint64 waitMs(int delayUnits, qint64 latenessMs, int speedPercent)
{
    const qint64 halfLateness = latenessMs / 2; // C++ division truncates toward zero
    const qint64 nominal = qint64(delayUnits) * msPerDelayUnit - halfLateness;
    return std::llround(double(nominal) * 100.0 / double(std::max(speedPercent, 1)));
}

} // namespace GifTiming
