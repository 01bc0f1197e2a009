// SPDX-License-Identifier: MIT
#pragma once

#include <Qt>

class QWindow;

// The Motif window-manager hints (_MOTIF_WM_HINTS) of a top-level window on X11, which tell a window manager
// which frame to draw and which window-menu functions to offer. Qt writes them from the window flags, but
// always offers resizing and, when the flags name no function at all, offers every function (maximise
// included). The program's windows have fixed sizes and exact sets of caption buttons, so it writes its
// own hints: no resize function and no resize handles for a fixed-size window, only the functions its flags
// name, and moving always.
namespace WindowFrameHints {

enum Function : quint32 {
    FuncAll = 1u << 0,
    FuncResize = 1u << 1,
    FuncMove = 1u << 2,
    FuncMinimize = 1u << 3,
    FuncMaximize = 1u << 4,
    FuncClose = 1u << 5,
};

enum Decoration : quint32 {
    DecorAll = 1u << 0,
    DecorBorder = 1u << 1,
    DecorResizeHandles = 1u << 2,
    DecorTitle = 1u << 3,
    DecorMenu = 1u << 4,
    DecorMinimize = 1u << 5,
    DecorMaximize = 1u << 6,
};

enum Field : quint32 {
    HasFunctions = 1u << 0,
    HasDecorations = 1u << 1,
};

// The five 32-bit values of the property, in the order the window manager reads them.
struct MotifHints {
    quint32 flags = 0;
    quint32 functions = 0;
    quint32 decorations = 0;
    qint32 inputMode = 0;
    quint32 status = 0;
};

// The hints for a window with these flags; a fixed-size window gets no resize function and no maximise.
MotifHints motifHints(Qt::WindowFlags flags, bool fixedSize);

// Writes the hints of the window's current flags and size limits when it runs on X11; elsewhere nothing.
// Call it after the platform window exists and before it is mapped (the window manager reads the hints
// when it takes the window in and again whenever they change).
void apply(QWindow* window);

} // namespace WindowFrameHints
