// SPDX-License-Identifier: MIT
// Over the generated course: the time from a figure button's click to the picture window shown with its picture
// (loaded, decoded, laid out and painted), for the largest JPEG and the largest BMP figure (by pixels) of all the
// figure tables that figure buttons open: the three article screens and the exercise workspace. Prints the
// median and the spread of the clicks for each.
#include "../Spread.h"
#include "TestSupport.h"
#include "app/Application.h"
#include "content/ContentPath.h"
#include "controls/Panel.h"
#include "screens/ArticleScreen.h"
#include "screens/ExerciseTables.h"
#include "screens/InfoTop03.h"
#include "screens/InfoUtil.h"
#include "windows/InfoPict.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

struct Candidate {
    QString picture;
    qint64 pixels = 0;
    qint64 bytes = 0;
    QSize size;
    QString where;                  // "Form36 topic 2, Panel18"
    std::function<void()> select;   // brings the screen to the state where the button opens this picture
    std::function<Panel*()> button; // the figure button
};

// Fills size, pixels and bytes from the file; false when the content tree has no such picture.
bool measure(Candidate& candidate)
{
    const QString path = ContentPath::resolve(candidate.picture);
    QImageReader reader(path);
    candidate.size = reader.size();
    candidate.bytes = QFileInfo(path).size();
    candidate.pixels = qint64(candidate.size.width()) * candidate.size.height();
    return candidate.bytes > 0 && candidate.pixels > 0;
}

bool larger(const Candidate& a, const Candidate& b)
{
    return a.pixels != b.pixels ? a.pixels > b.pixels : a.bytes > b.bytes;
}

QString kindOf(const QString& picture)
{
    return QFileInfo(picture).suffix().toLower();
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

    std::vector<Candidate> candidates;
    for (Role role : {Role::Form36, Role::Form37, Role::Form38}) {
        auto* screen = static_cast<ArticleScreen*>(app.screen(role));
        const ArticleScreenData& data = screen->data();
        for (int t = 0; t < int(data.topics.size()); ++t) {
            const TopicRow& topic = data.topics[size_t(t)];
            if (topic.hidden)
                continue;
            for (const FigureRow& row : data.figures) {
                if (row.flag != topic.flag)
                    continue;
                Candidate c;
                c.picture = QString::fromUtf8(row.picture);
                c.where = QStringLiteral("%1 topic \"%2\", %3")
                              .arg(screen->objectName(), QString::fromUtf8(topic.caption),
                                   QString::fromLatin1(data.figureButtons[size_t(row.button)].name));
                c.select = [&app, screen, t] {
                    app.goToScreen(screen);
                    screen->topicButton(t)->click();
                };
                c.button = [screen, button = row.button] { return screen->figureButton(button); };
                if (measure(c))
                    candidates.push_back(c);
            }
        }
    }
    for (const ExerciseTables::ExerciseFigure& row : ExerciseTables::figures()) {
        Candidate c;
        c.picture = QString::fromUtf8(row.picture);
        c.where = QStringLiteral("exercise %1:%2, %3")
                      .arg(row.group)
                      .arg(row.number, 2, 10, QLatin1Char('0'))
                      .arg(QString::fromLatin1(ExerciseTables::buttonName(row.button)));
        const int slot = ExerciseTables::slotOf(row.group, row.number);
        c.select = [&app, slot] {
            app.goToScreen(Form5);
            Form5->findChild<Panel*>(QString::fromLatin1(ExerciseTables::exerciseAt(slot)->button))->click();
        };
        c.button = [button = row.button] { return Form35->figureButton(button); };
        if (measure(c))
            candidates.push_back(c);
    }

    int failures = 0;
    for (const char* kind : {"jpg", "bmp"}) {
        const Candidate* best = nullptr;
        for (const Candidate& c : candidates) {
            const QString suffix = kindOf(c.picture);
            const bool matches = qstrcmp(kind, "jpg") == 0
                                     ? (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
                                     : suffix == QLatin1String(kind);
            if (matches && (!best || larger(c, *best)))
                best = &c;
        }
        if (!best) {
            std::printf("no %s figure in the course\n", kind);
            continue;
        }
        best->select();
        QApplication::processEvents();
        Panel* button = best->button();
        if (!button || !button->isVisible()) {
            std::fprintf(stderr, "the figure button of %s is not shown\n", qPrintable(best->where));
            ++failures;
            continue;
        }
        constexpr int Runs = 31;
        std::vector<double> ms;
        for (int run = 0; run < Runs; ++run) {
            QElapsedTimer timer;
            timer.start();
            button->click();
            AboutBox1->repaint();
            ms.push_back(double(timer.nsecsElapsed()) / 1e6);
            QApplication::processEvents();
            if (!AboutBox1->isVisible()) {
                std::fprintf(stderr, "the picture window did not open for %s\n", qPrintable(best->picture));
                ++failures;
                break;
            }
        }
        const Spread s = spread(ms);
        std::printf("largest %s figure %s (%d x %d, %lld bytes, %s): click to picture window shown: median %.2f ms, "
                    "min %.2f ms, p90 %.2f ms, max %.2f ms (%d clicks)\n",
                    kind, qPrintable(best->picture), best->size.width(), best->size.height(),
                    static_cast<long long>(best->bytes), qPrintable(best->where), s.median, s.min, s.p90,
                    s.max, Runs);
        AboutBox1->closeWindow();
    }
    if (!dialogs.boxes().isEmpty()) {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(dialogs.boxes().first().text));
        ++failures;
    }
    return failures ? 1 : 0;
}
