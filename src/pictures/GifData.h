// SPDX-License-Identifier: MIT
#pragma once

#include "pictures/GifFrame.h"

#include <QList>
#include <QRgb>
#include <QSize>

#include <vector>

// The decoded content of a GIF file: header and frames. Immutable once decoded, so copies of a GIF picture
// share it.
struct GifData {
    QSize logicalSize;
    int backgroundIndex = 0;
    QList<QRgb> globalColors; // empty when the file has no global colour table
    std::vector<GifFrame> frames;
};
