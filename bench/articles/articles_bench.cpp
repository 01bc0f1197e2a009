// SPDX-License-Identifier: MIT
// Time from a topic click to the article shown (loaded, laid out and painted), for the longest article of
// the three article screens, over the generated course. Prints the median and the spread of 30 clicks.
#include "../Spread.h"
#include "TestSupport.h"
#include "app/Application.h"
#include "controls/Panel.h"
#include "controls/RichEdit.h"
#include "screens/ArticleScreen.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qtApplication(argc, argv);
    TestSupport::AppFixture fixture;
    Application& app = fixture.app();
    ScriptedDialogs& dialogs = fixture.dialogs;
    fixture.start();

    // The longest article by file size, and the screen and topic that show it.
    ArticleScreen* screen = nullptr;
    int topic = -1;
    qint64 longest = -1;
    QString article;
    for (Role role : {Role::Form36, Role::Form37, Role::Form38}) {
        auto* candidate = static_cast<ArticleScreen*>(app.screen(role));
        for (int i = 0; i < int(candidate->data().topics.size()); ++i) {
            const TopicRow& row = candidate->data().topics[size_t(i)];
            if (row.hidden)
                continue;
            const qint64 size =
                QFileInfo(QString::fromUtf8(row.article).replace(QLatin1Char('\\'), QLatin1Char('/'))).size();
            if (size > longest) {
                longest = size;
                screen = candidate;
                topic = i;
                article = QString::fromUtf8(row.article);
            }
        }
    }
    app.goToScreen(screen);
    QApplication::processEvents();

    constexpr int Runs = 30;
    std::vector<double> ms;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        screen->topicButton(topic)->click();
        screen->RichEdit1->viewport()->repaint();
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
        QApplication::processEvents();
    }
    const Spread s = spread(ms);
    std::printf("article %s (%lld bytes) on %s\n", qPrintable(article), longest,
                screen->objectName().toLatin1().constData());
    std::printf("topic click to article shown: median %.2f ms, min %.2f ms, p90 %.2f ms, max %.2f ms (%d clicks)\n",
                s.median, s.min, s.p90, s.max, Runs);
    if (!dialogs.boxes().isEmpty()) {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(dialogs.boxes().first().text));
        return 1;
    }
    return 0;
}
