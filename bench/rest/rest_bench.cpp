// SPDX-License-Identifier: MIT
// Idle CPU of the program after the pupil has visited every screen, over the generated course. The screens are
// shown one after another by go to screen, each for a few seconds (long enough for its logos to start and for
// the flag to give way to the smile); then the program rests on the last one and the CPU time it uses in the
// next 20 s is measured (getrusage). Usage: bench_rest [final screen: Form2 (default) or any screen's name].
#include "TestSupport.h"
#include "app/Application.h"
#include "app/Screen.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>

namespace {

constexpr int secondsPerScreen = 4;
constexpr int idleSeconds = 20;

double cpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
}

void wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication qtApplication(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const QString finalName = argc > 1 ? QString::fromLatin1(argv[1]) : QStringLiteral("Form2");
    TestSupport::AppFixture fixture;
    Application& app = fixture.app();
    ScriptedDialogs& dialogs = fixture.dialogs;
    fixture.start();
    wait(1000);

    Screen* finalScreen = nullptr;
    for (Role role : {Role::Form2, Role::Form5, Role::Form35, Role::Form36, Role::Form37, Role::Form38, Role::Form59,
                      Role::Form1}) {
        app.goToScreen(app.screen(role));
        wait(secondsPerScreen * 1000);
        if (app.screen(role)->objectName() == finalName)
            finalScreen = app.screen(role);
    }
    if (!finalScreen) {
        std::fprintf(stderr, "no screen named %s\n", qPrintable(finalName));
        return 1;
    }
    if (finalScreen != app.currentScreen()) {
        app.goToScreen(finalScreen);
        wait(secondsPerScreen * 1000);
    }

    const double before = cpuMs();
    QElapsedTimer wall;
    wall.start();
    wait(idleSeconds * 1000);
    const double used = cpuMs() - before;
    std::printf("idle on %s after visiting every screen: CPU %.1f ms in %.1f s (%.2f%% of one core); %d message "
                "boxes\n",
                qPrintable(finalName), used, double(wall.elapsed()) / 1000.0, used / double(wall.elapsed()) * 100.0,
                int(dialogs.boxes().size()));
    return 0;
}
