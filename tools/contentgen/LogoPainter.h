// SPDX-License-Identifier: MIT
#pragma once

#include "ContentTables.h"

#include <QImage>

// The title pictures: emblems of the course of our own design (a monitor over an open book, a cube, a
// tree emblem with the maker's name, a book with a badge, a small computer). Each is drawn smoothly, blended
// into the cream of the screens at its edges, and set on one flat key colour that the program leaves out
// when it draws the picture transparently (the colour of the bottom-left pixel).
class LogoPainter final {
public:
    LogoPainter() = delete;

    static constexpr QRgb kKeyColour = 0xFFFF00FF;

    static QImage paint(LogoKind kind, int width, int height);
};
