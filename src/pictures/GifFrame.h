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
    // The part of rect inside the logical screen: the only pixels that can ever be drawn, and the only ones kept.
    QRect area;
    // The frame's own colour table, or the global one when it has none, or a grey-scale ramp when the file has
    // neither (empty only for a frame without pixels). Indices past its end are not drawn.
    QList<QRgb> colors;
    // One colour index per pixel of area, row by row from the top (interlaced rows already put in order).
    QByteArray pixels;
    // How many pixels the LZW data covered, counted in the order the file stores them; -1 when all.
    qint64 decodedPixels = -1;
    bool interlaced = false;
    bool hasControl = false; // a graphic control extension precedes the image
    int disposal = 0;        // its disposal method, 0 to 7
    int delay = 0;           // its delay in hundredths of a second, as written
    int transparentIndex = -1;
    int loopCount = -1; // the looping extension's count when this frame carries one, otherwise -1

    bool hasPixels() const { return !rect.isEmpty(); }

    // Where row `row` of the image (0 = top) comes in the file's order of rows.
    qint64 storedRow(int row) const
    {
        if (!interlaced)
            return row;
        const qint64 height = rect.height();
        const qint64 pass1 = (height + 7) / 8;
        const qint64 pass2 = (height + 3) / 8;
        const qint64 pass3 = (height + 1) / 4;
        if (row % 8 == 0)
            return row / 8;
        if (row % 8 == 4)
            return pass1 + row / 8;
        if (row % 4 == 2)
            return pass1 + pass2 + row / 4;
        return pass1 + pass2 + pass3 + row / 2;
    }

    // Whether the pixel at x, y of the logical screen (inside area) was covered by the LZW data.
    bool isDecoded(int x, int y) const
    {
        return decodedPixels < 0
            || storedRow(y - rect.top()) * rect.width() + (x - rect.left()) < decodedPixels;
    }
};
