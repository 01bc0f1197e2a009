// SPDX-License-Identifier: MIT
#include "platform/WindowFrameHints.h"

#include <QGuiApplication>
#include <QWindow>

#if QT_CONFIG(xcb)
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
#endif

#include <cstdlib>
#include <cstring>

namespace WindowFrameHints {

MotifHints motifHints(Qt::WindowFlags flags, bool fixedSize)
{
    const Qt::WindowType type = Qt::WindowType(int(flags & Qt::WindowType_Mask));
    const bool customize = flags.testFlag(Qt::CustomizeWindowHint);
    // An ordinary window that names none of its buttons gets the usual ones, as Qt gives it.
    const Qt::WindowFlags usualButtons =
        Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;
    if (type == Qt::Window && !customize && !(flags & usualButtons))
        flags |= usualButtons;

    MotifHints hints;
    hints.flags = HasFunctions | HasDecorations;
    hints.functions = FuncMove;
    const bool framed = !flags.testFlag(Qt::FramelessWindowHint) && !(customize && !(flags & Qt::WindowTitleHint));
    if (framed) {
        hints.decorations |= DecorBorder | DecorTitle;
        if (!fixedSize)
            hints.decorations |= DecorResizeHandles;
        if (flags & Qt::WindowSystemMenuHint)
            hints.decorations |= DecorMenu;
        if (flags & Qt::WindowMinimizeButtonHint) {
            hints.decorations |= DecorMinimize;
            hints.functions |= FuncMinimize;
        }
        if ((flags & Qt::WindowMaximizeButtonHint) && !fixedSize) {
            hints.decorations |= DecorMaximize;
            hints.functions |= FuncMaximize;
        }
        if (flags & Qt::WindowCloseButtonHint)
            hints.functions |= FuncClose;
    }
    if (!fixedSize)
        hints.functions |= FuncResize;
    return hints;
}

void apply(QWindow* window)
{
#if QT_CONFIG(xcb)
    // Only the xcb platform talks to an X server (the offscreen platform offers the same interface without one).
    if (!window || !window->handle() || QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    // The atom is asked for once per connection: asking waits for the server, and windows are shown at every
    // change of screen.
    static xcb_connection_t* atomConnection = nullptr;
    static xcb_atom_t atom = XCB_ATOM_NONE;
    if (atomConnection != connection) {
        static const char name[] = "_MOTIF_WM_HINTS";
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name), nullptr);
        if (!reply)
            return;
        atom = reply->atom;
        atomConnection = connection;
        std::free(reply);
    }

    const bool fixedSize = window->minimumSize() == window->maximumSize();
    const MotifHints hints = motifHints(window->flags(), fixedSize);
    const quint32 values[5] = {hints.flags, hints.functions, hints.decorations, quint32(hints.inputMode), hints.status};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window->winId()), atom, atom, 32, 5, values);
    xcb_flush(connection);
#else
    Q_UNUSED(window);
#endif
}

} // namespace WindowFrameHints
