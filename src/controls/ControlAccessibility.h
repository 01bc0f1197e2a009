// SPDX-License-Identifier: MIT
#pragma once

// Registers the accessibility descriptions of the program's own controls with Qt (AT-SPI on Linux):
// a clickable panel is a push button named by its caption whose press action clicks it; a panel that
// only shows text is named by that text; an image control is a graphic; a group box is a grouping named
// by its caption. Idempotent.
namespace ControlAccessibility {
void install();
}
