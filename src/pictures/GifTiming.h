// SPDX-License-Identifier: MIT
#pragma once

#include "pictures/GifFrame.h"

#include <QtGlobal>

// The player's timing rules. A delay unit is 12 ms, not the 10 ms that the file format means: the course's
// animations were timed against that.
namespace GifTiming {

constexpr int msPerDelayUnit = 12;
// Used for a frame without a graphic control extension or with delay 0.
constexpr int defaultDelayUnits = 10;
// Delays of 1 and 2 units are raised to this.
constexpr int minDelayUnits = 3;

// The delay that follows the frame, in units, after the rules above.
int delayUnits(const GifFrame& frame);

// The wait before the next frame: (units x 12 - half the lateness) x 100 / speed, the half rounded toward
// zero and the quotient to the nearest integer. Zero or less means no wait.
qint64 waitMs(int delayUnits, qint64 latenessMs, int speedPercent);

} // namespace GifTiming
