// SPDX-License-Identifier: MIT
#include "controls/Colors.h"

#include <algorithm>
#include <cmath>

namespace Colors {

TColor toRgb(TColor color)
{
    if (!(color & SystemFlag))
        return color & 0x00FFFFFFu;
    switch (color & 0xFF) {
    case 0: // scroll bar
    case 15: // button face
        return 0x00C8D0D4u; // RGB(212, 208, 200)
    case 5: // window
        return 0x00FFFFFFu;
    case 8: // window text
    default:
        return 0;
    }
}

QColor toQColor(TColor color)
{
    const TColor rgb = toRgb(color);
    return QColor(int(rgb & 0xFF), int((rgb >> 8) & 0xFF), int((rgb >> 16) & 0xFF));
}

TColor fromQColor(const QColor& color)
{
    return TColor(color.red()) | (TColor(color.green()) << 8) | (TColor(color.blue()) << 16);
}

TColor darken(TColor color, int percent)
{
    const TColor rgb = toRgb(color);
    TColor result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const long c = long((rgb >> shift) & 0xFF);
        // std::lround rounds halves away from zero.
        const long reduced = c - std::lround(double(c) * percent / 100.0);
        result |= TColor(std::clamp(reduced, 0L, 255L)) << shift;
    }
    return result;
}

} // namespace Colors
