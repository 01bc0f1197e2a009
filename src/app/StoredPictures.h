// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

// The small pictures that the windows carry with them (not read from the content tree): the home cube,
// the footer arrow, the main-menu bitmaps, button glyphs and decorative icons. Each is drawn on a flat
// background colour that fills its bottom-left pixel, so that transparent drawing leaves it out.
namespace StoredPictures {

QImage homeCube();           // 32 x 32 wire cube
QImage footerArrow();        // 17 x 17 right-pointing arrow
QImage menuIcon(int index);  // 32 x 32; 0..4 the five mode items, 5 the exit submenu
QImage modeGlyph(int index); // 32 x 24 glyphs of the five mode buttons
QImage titleEmblem();        // 32 x 29 decorative emblem
QImage titleDisk();          // 32 x 32 decorative emblem
QImage articleIcon();        // 48 x 48 open book
QImage componentIcon();      // 48 x 48 building blocks of a component library
QImage aboutIcon();          // 64 x 56 product icon of the about box
QImage saveGlyph();          // 16 x 16 diskette of the save button

} // namespace StoredPictures
