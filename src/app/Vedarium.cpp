// SPDX-License-Identifier: MIT
// The program module: no arguments are read; the content root is the current directory.
#include "app/Application.h"
#include "screens/WindowSet.h"

#include <QApplication>

namespace {

// Window places matter (screens centred, figure windows at the desktop's top-left corner), and Wayland does
// not let a program place its windows: unless the user chose a platform, run on X11 (XWayland) there.
void choosePlatform()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return;
    const bool wayland = qgetenv("XDG_SESSION_TYPE") == "wayland" || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (wayland && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

} // namespace

int main(int argc, char* argv[])
{
    choosePlatform();
    QApplication qtApplication(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    Application app;
    createWindowSet(app);
    return app.run();
}
