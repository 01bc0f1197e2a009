// SPDX-License-Identifier: MIT
// Over the generated course: the time from a catalogue click to the workspace shown with its instruction
// (set up, loaded, laid out and painted), for each of the sixty exercises, and the time from a figure button's
// click to the picture window shown with the largest exercise figure. Prints medians and spreads.
#include "../Spread.h"
#include "TestSupport.h"
#include "app/Application.h"
#include "controls/Panel.h"
#include "controls/RichEdit.h"
#include "screens/ExerciseTables.h"
#include "screens/InfoTop03.h"
#include "screens/InfoUtil.h"
#include "windows/InfoPict.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double elapsedMs(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qtApplication(argc, argv);
    TestSupport::AppFixture fixture;
    Application& app = fixture.app();
    ScriptedDialogs& dialogs = fixture.dialogs;
    fixture.start();
    app.goToScreen(Form5);
    QApplication::processEvents();

    // Each exercise several times; each click is one sample, and the catalogue is shown again untimed.
    constexpr int Rounds = 5;
    std::vector<double> choose;
    for (int round = 0; round < Rounds; ++round) {
        for (int i = 0; Form5->exerciseButton(i); ++i) {
            QElapsedTimer timer;
            timer.start();
            Form5->exerciseButton(i)->click();
            Form35->repaint();
            choose.push_back(elapsedMs(timer));
            QApplication::processEvents();
            Form35->backButton()->click();
            QApplication::processEvents();
        }
    }

    // The largest figure by picture area, opened from its exercise's button.
    const ExerciseTables::ExerciseFigure* largest = nullptr;
    for (const ExerciseTables::ExerciseFigure& row : ExerciseTables::figures()) {
        if (!largest || row.pictureWidth * row.pictureHeight > largest->pictureWidth * largest->pictureHeight)
            largest = &row;
    }
    const ExerciseTables::Exercise* exercise =
        ExerciseTables::exerciseAt(ExerciseTables::slotOf(largest->group, largest->number));
    Form5->findChild<Panel*>(QString::fromLatin1(exercise->button))->click();
    QApplication::processEvents();
    constexpr int FigureRuns = 30;
    std::vector<double> figure;
    for (int run = 0; run < FigureRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        Form35->figureButton(largest->button)->click();
        AboutBox1->repaint();
        figure.push_back(elapsedMs(timer));
        QApplication::processEvents();
        app.platformActivated(Form35);
    }

    const Spread c = spread(choose);
    std::printf("catalogue click to workspace shown with its instruction: median %.2f ms, min %.2f ms, p90 %.2f ms, "
                "max %.2f ms (%d exercises x %d)\n",
                c.median, c.min, c.p90, c.max, int(choose.size()) / Rounds, Rounds);
    const Spread f = spread(figure);
    std::printf("largest figure %s (%d x %d): click to picture window shown: median %.2f ms, min %.2f ms, "
                "p90 %.2f ms, max %.2f ms (%d clicks)\n",
                largest->picture, largest->pictureWidth, largest->pictureHeight, f.median, f.min, f.p90, f.max,
                FigureRuns);
    if (!dialogs.boxes().isEmpty()) {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(dialogs.boxes().first().text));
        return 1;
    }
    return 0;
}
