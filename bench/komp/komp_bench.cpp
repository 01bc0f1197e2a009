// SPDX-License-Identifier: MIT
// Time from a component button click to the entry's article shown (loaded, laid out and painted), for the
// longest entry article of the generated course. Prints the median and the spread of the clicks.
#include "../Spread.h"
#include "TestSupport.h"
#include "app/Application.h"
#include "controls/Panel.h"
#include "controls/RichEdit.h"
#include "screens/ComponentCatalogue.h"
#include "screens/InfoKomp.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qtApplication(argc, argv);
    TestSupport::AppFixture fixture;
    Application& app = fixture.app();
    ScriptedDialogs& dialogs = fixture.dialogs;
    fixture.start();

    // The longest entry article by file size.
    const CatalogueEntry* longest = nullptr;
    qint64 longestSize = -1;
    for (const CatalogueEntry& entry : ComponentCatalogue::entries()) {
        const qint64 size =
            QFileInfo(QString::fromUtf8(entry.article).replace(QLatin1Char('\\'), QLatin1Char('/'))).size();
        if (size > longestSize) {
            longestSize = size;
            longest = &entry;
        }
    }
    app.goToScreen(Form59);
    Form59->sectionButton(longest->section)->click();
    QApplication::processEvents();
    Panel* button = Form59->componentButton(longest->position);

    constexpr int Runs = 31;
    std::vector<double> ms;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        button->click();
        Form59->RichEdit1->viewport()->repaint();
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
        QApplication::processEvents();
    }
    const Spread s = spread(ms);
    std::printf("article %s (%lld bytes), entry %s of section %d\n", longest->article, longestSize, longest->name,
                longest->section);
    std::printf("entry click to article shown: median %.2f ms, min %.2f ms, p90 %.2f ms, max %.2f ms (%d clicks)\n",
                s.median, s.min, s.p90, s.max, Runs);
    int failures = 0;
    if (Form59->RichEdit1->loadedPath() != QString::fromUtf8(longest->article)) {
        std::fprintf(stderr, "the article was not shown\n");
        ++failures;
    }
    if (!dialogs.boxes().isEmpty()) {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(dialogs.boxes().first().text));
        ++failures;
    }
    return failures ? 1 : 0;
}
