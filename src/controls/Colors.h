// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QtGlobal>

// Colours in the course tables are 32-bit 0x00BBGGRR values; system colours have the top byte set.
namespace Colors {

using TColor = quint32;

inline constexpr TColor Cream = 15793151;      // 0xF0FBFF, screen background and article areas
inline constexpr TColor Maroon = 128;          // 0x000080, footer design colour, idle topic buttons
inline constexpr TColor Olive = 32896;         // 0x008080, title panels, figure buttons
inline constexpr TColor Teal = 8421376;        // 0x808000, headings, back-button text
inline constexpr TColor Grey = 8421504;        // 0x808080, the chosen button of a group
inline constexpr TColor Purple = 8388736;      // 0x800080, class buttons
inline constexpr TColor White = 16777215;      // 0xFFFFFF
inline constexpr TColor Black = 0;
inline constexpr TColor SystemFlag = 0x80000000u;
inline constexpr TColor ScrollBar = SystemFlag | 0;   // the system colour of scroll-bar tracks
inline constexpr TColor BtnFace = SystemFlag | 15;    // the system button face
inline constexpr TColor WindowText = SystemFlag | 8;  // the system window-text colour
inline constexpr TColor WindowColor = SystemFlag | 5; // the system window colour

// A plain RGB value for any colour: system colours become their classic light-grey scheme values.
TColor toRgb(TColor color);
QColor toQColor(TColor color);
TColor fromQColor(const QColor& color);

// Each 8-bit channel c reduced by round(c * percent / 100), halves away from zero.
TColor darken(TColor color, int percent);

} // namespace Colors
