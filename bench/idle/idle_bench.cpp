// SPDX-License-Identifier: MIT
// The program at rest, over the generated course, on the platform the environment names (offscreen unless
// QT_QPA_PLATFORM says otherwise), with the real sound device and the message boxes recorded:
// 1. resident memory (and its peak so far) after visiting every screen once, the exercise workspace through the
//    catalogue;
// 2. the CPU time used while the environment articles screen idles for 10 s with its logos animating.
#include "TestSupport.h"
#include "app/Application.h"
#include "app/Screen.h"
#include "controls/Image.h"
#include "controls/Panel.h"
#include "screens/InfoSreda.h"
#include "screens/InfoUtil.h"
#include "screens/WindowSet.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>

namespace {

constexpr int IdleSeconds = 10;

qint64 statusKiB(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qsizetype(qstrlen(field))).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

double cpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0 +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
}

void settle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

// Counts the paints of the watched controls, to show that the logos really animated.
class PaintCounter final : public QObject {
public:
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qtApplication(argc, argv);
    const QString contentDir = TestSupport::generatedContent();
    QDir::setCurrent(contentDir);
    ScriptedDialogs dialogs;
    Dialogs::install(&dialogs);
    QApplication::setQuitOnLastWindowClosed(false);
    Application app;
    createWindowSet(app);
    app.showWindow(app.mainWindow());
    settle(200);

    // Every screen once, in the order of the mode menu; the workspace through the catalogue's first exercise.
    QStringList visited{app.currentScreen()->objectName()};
    for (Role role : {Role::Form2, Role::Form36, Role::Form37, Role::Form38, Role::Form59, Role::Form5}) {
        app.goToScreen(app.screen(role));
        settle(100);
        visited.append(app.currentScreen()->objectName());
    }
    Form5->exerciseButton(0)->click();
    settle(100);
    visited.append(app.currentScreen()->objectName());
    std::printf("after visiting every screen (%s): resident memory %lld KiB, peak so far %lld KiB\n",
                qPrintable(visited.join(QLatin1Char(' '))), static_cast<long long>(statusKiB("VmRSS:")),
                static_cast<long long>(statusKiB("VmHWM:")));

    app.goToScreen(Form36);
    settle(500);
    PaintCounter paints;
    for (Image* logo : {Form36->logo1(), Form36->logo2(), Form36->Image5})
        if (logo)
            logo->installEventFilter(&paints);
    const double before = cpuMs();
    QElapsedTimer wall;
    wall.start();
    settle(IdleSeconds * 1000);
    const double used = cpuMs() - before;
    std::printf("%s idling %.1f s with its logos animating: CPU %.1f ms (%.2f%% of one core), %d logo repaints\n",
                qPrintable(Form36->objectName()), double(wall.elapsed()) / 1000.0, used,
                used / double(wall.elapsed()) * 100.0, paints.count);
    int failures = 0;
    if (visited.size() != 8 || app.currentScreen() != Form36) {
        std::fprintf(stderr, "not every screen was visited\n");
        ++failures;
    }
    if (!dialogs.boxes().isEmpty()) {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(dialogs.boxes().first().text));
        ++failures;
    }
    app.destroyWindows();
    Dialogs::install(nullptr);
    return failures ? 1 : 0;
}
