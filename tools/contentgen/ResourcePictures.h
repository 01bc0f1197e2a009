// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

// The bitmaps the exercises work with: figures for the geometry exercises, the background and the aeroplane
// of the cartoon, its icon, the eraser of the paint program, the tool-bar glyphs of the text editor and the
// frames of the desktop animation. Sprites and glyphs are drawn without smoothing on a flat background colour
// that also fills their bottom-left pixel, since that pixel names the transparent colour when a picture is
// drawn transparently.
class ResourcePictures final {
public:
    ResourcePictures() = delete;

    static constexpr int kButtonCount = 18;
    static constexpr int kAnimationFrames = 20;
    static constexpr QRgb kGlyphBackground = 0xFFC0C0C0;
    static constexpr QRgb kSpriteBackground = 0xFFFFFFFF;

    static QImage parallelepiped(); // a box with its edges a, b and c, hidden edges dashed
    static QImage cylinder();       // a cylinder with its radius r and height h
    static QImage landscape();      // sky, sun, clouds, hills, a village: the background of the cartoon
    static QImage airplane();       // the aeroplane that flies over it
    static QImage airplaneIcon();   // the aeroplane for a 32 x 32 icon in the 16 standard colours, transparent around
    static QImage eraser();         // a 16 x 16 glyph
    // Tool-bar glyph 1 to kButtonCount, 16 x 16: new, open, save, cut, copy, paste, undo, bold, italic, underline,
    // align left, centre and right, bullets, font, font colour, print, exit.
    static QImage button(int number);
    // Frame 1 to kAnimationFrames of a butterfly beating its wings: one full beat, so the frames loop.
    static QImage butterfly(int frame);
    // Frame 0 to kCoolFrames - 1 of the video clip cool.avi, 160 x 120.
    static constexpr int kCoolFrames = 45;
    static QImage coolFrame(int frame);
};
