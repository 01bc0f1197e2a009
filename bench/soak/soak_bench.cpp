// SPDX-License-Identifier: MIT
// The soak: a seeded random walk of 10,000 steps (by default) through the whole program over the generated
// course, offscreen, with scripted message boxes (the exit question answered No), recording sound and process
// doubles and a temporary drive folder for the saves. Prints the resident memory every thousand steps and the
// walk's account; exits with 1 when the walk found a fault (see SoakWalk for what it checks).
#include "SoakWalk.h"
#include "TestSupport.h"

#include <QApplication>

#include <cstdio>

using namespace TestSupport;

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QuietPlatformNotes quiet;
    SoakWalk::Options options;
    options.actions = 10000;
    const QStringList args = QCoreApplication::arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--actions"))
            options.actions = std::max(1, args[i + 1].toInt());
        else if (args[i] == QLatin1String("--seed"))
            options.seed = args[i + 1].toUInt();
    }
    options.progress = [](int step, const QString&) {
        if (step % 1000 == 0) {
            std::printf("step %5d: resident memory %lld KiB\n", step, static_cast<long long>(SoakWalk::residentKiB()));
            std::fflush(stdout);
        }
    };
    std::printf("soak walk: %d steps, seed %u\n", options.actions, options.seed);
    AppFixture fixture;
    fixture.start();
    const SoakWalk::Result result = SoakWalk::run(fixture, options);
    std::printf("%s", qPrintable(result.summary()));
    return result.passed ? 0 : 1;
}
