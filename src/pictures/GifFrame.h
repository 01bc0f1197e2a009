// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QList>
#include <QRect>
#include <QRgb>

// One image of a GIF file as decoded, with the extension values that apply to it.
struct GifFrame {
    // Position and size on the logical screen, as the image descriptor states them.
    QRect rect;
    // The frame's own colour table, or the global one when it has none; may be empty.
    QList<QRgb> colors;
    // One colour index per pixel, row by row from the top (interlaced files are already put in order).
    QByteArray pixels;
    // Empty when the LZW data covered every pixel; otherwise one byte per pixel, non-zero where decoded.
    QByteArray decodedMask;
    bool hasControl = false; // a graphic control extension precedes the image
    int disposal = 0;        // its disposal method, 0 to 7
    int delay = 0;           // its delay in hundredths of a second, as written
    int transparentIndex = -1;
    int loopCount = -1; // the looping extension's count when this frame carries one, otherwise -1

    bool hasPixels() const { return !rect.isEmpty(); }
};
