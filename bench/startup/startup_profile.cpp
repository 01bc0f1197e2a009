// SPDX-License-Identifier: MIT
// Start-up for a profiler: starts as the program does (built with VEDARIUM_BARE_WINDOW: as the bare window does)
// and ends the process at once after the first window's first paint, so that an instruction-counting profiler
// sees exactly launch to title screen shown, without the idle loop or the tear-down.
#ifndef VEDARIUM_BARE_WINDOW
#include "app/Application.h"
#include "app/Window.h"
#include "screens/WindowSet.h"
#endif

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace {

class FirstPaint final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            // Let this paint finish and reach the window system, then stop.
            QMetaObject::invokeMethod(
                qApp,
                [] {
                    std::fflush(nullptr);
                    std::_Exit(0);
                },
                Qt::QueuedConnection);
        }
        return false;
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication qtApplication(argc, argv);
    FirstPaint firstPaint;
#ifdef VEDARIUM_BARE_WINDOW
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare window"));
    window.setFixedSize(792, 546);
    window.installEventFilter(&firstPaint);
    window.show();
    return QApplication::exec();
#else
    QApplication::setQuitOnLastWindowClosed(false);
    Application app;
    createWindowSet(app);
    app.mainWindow()->installEventFilter(&firstPaint);
    return app.run();
#endif
}
