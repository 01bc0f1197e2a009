// SPDX-License-Identifier: MIT
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>

namespace TestSupport {

class AppFixture;

// While it lives, the headless platform's notes that it cannot raise windows or pass size hints (one at every
// window placement of a walk) are dropped; every other message goes where it went before.
class QuietPlatformNotes {
public:
    QuietPlatformNotes();
    ~QuietPlatformNotes();
    QuietPlatformNotes(const QuietPlatformNotes&) = delete;
    QuietPlatformNotes& operator=(const QuietPlatformNotes&) = delete;
};

// A seeded random walk through the real windows of the whole program, the way a restless pupil would go: at
// each step it gathers what can be used right now (the clickable panels and buttons of the visible windows,
// the current screen's menu items, its home image, a click beside an open window, a text selection for the
// copy buttons, a tick of the screen's timer, a short wait) and uses one of them through Qt's own mouse events
// or the menu action. After every step it checks what must always hold:
//   - exactly one screen is visible, and it is the current screen; the about box, the picture windows and the
//     listing window may stand beside it;
//   - the active window is a visible window of the program;
//   - no error box was shown, unless the course content explains it (explainedErrors);
//   - the program has not ended (the exit question is answered No).
// Resident memory is sampled after every step: its median over the last `memoryStretch` steps may exceed its
// median over the first `memoryStretch` steps after `warmUp` by at most maxGrowthKiB. Medians, so that a leak,
// which lifts a whole stretch, counts and the passing peak of a large article or picture does not; the warm-up
// keeps the first visits to the screens, which load their articles and pictures, out of a short walk's measure.
class SoakWalk {
public:
    struct Options {
        quint32 seed = 1;
        int actions = 1000;
        qint64 maxGrowthKiB = 5 * 1024;
        int warmUp = 0;
        int memoryStretch = 1000;
        // Called after every step with its number (from 1) and the step's description.
        std::function<void(int, const QString&)> progress;
    };

    struct Result {
        bool passed = false;
        int actionsRun = 0;
        QString failure;            // what broke, empty when passed
        QStringList trail;          // the last steps before the failure (or the end)
        QMap<QString, int> kinds;   // steps by kind ("panel", "button", "menu" ...)
        QMap<QString, int> screens; // steps taken on each screen
        QMap<QString, int> boxes;   // message boxes shown, by kind
        QMap<QString, int> opened;  // how often each auxiliary window came up
        qint64 firstStretchMedianKiB = 0;
        qint64 lastStretchMedianKiB = 0;
        qint64 peakKiB = 0;
        double seconds = 0;

        // A multi-line account of the walk.
        QString summary() const;
    };

    // Error texts (exact) that the course content explains; none for the generated sample course.
    static QStringList explainedErrors();

    // Walks over a started fixture (the title screen shown).
    static Result run(AppFixture& fixture, const Options& options);

    // The resident set size of this process now, in KiB (0 when the system does not say).
    static qint64 residentKiB();
};

} // namespace TestSupport
