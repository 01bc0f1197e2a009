// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

// Bounds on what a picture file may declare. They are checked against the header before any pixel memory is
// allocated, so a tiny hostile file cannot make the program reserve gigabytes.
namespace PictureLimits {

// A GIF side is a 16-bit value; other formats are held to the same bound.
constexpr qint64 maxSide = 65535;
// 64 Mpixels: far above any course figure, far below what would exhaust memory.
constexpr qint64 maxPixels = qint64(64) * 1024 * 1024;
// All pixels that the frames of one GIF make its decoder decode, on the logical screen or not: about a second
// of work.
constexpr qint64 maxGifDecodedPixels = qint64(128) * 1024 * 1024;
// Picture files are read whole into memory first.
constexpr qint64 maxFileBytes = qint64(256) * 1024 * 1024;

// Throws Error when width x height is outside the bounds above.
void checkSize(qint64 width, qint64 height);

} // namespace PictureLimits
