// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QString>

// The windows ask for Windows fonts at sizes meant for 96 dpi; these build them in pixels so that they look
// the same on any display, and map the Windows family names onto installed metric-compatible fonts.
namespace Fonts {

// "MS Sans Serif" 8 pt: 11 pixels.
QFont sansSerif8(bool bold = false);
// "Arial" 10 pt: 13 pixels.
QFont arial10(bool bold = false);
QFont make(const QString& family, int pixelSize, bool bold = false);

// Registers the substitutions ("MS Sans Serif", "Arial", "Times New Roman", "Courier New" ...). Idempotent.
void installSubstitutions();

} // namespace Fonts
