// SPDX-License-Identifier: MIT
#include "SoakWalk.h"

#include "TestSupport.h"

#include "app/Screen.h"
#include "app/Window.h"
#include "controls/Image.h"
#include "controls/Panel.h"
#include "controls/RichEdit.h"
#include "controls/Timer.h"

#include <QAbstractButton>
#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QMenuBar>
#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <vector>

namespace TestSupport {

namespace {

QtMessageHandler g_unquietHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.startsWith(QLatin1String("This plugin does not support")) && g_unquietHandler)
        g_unquietHandler(type, context, message);
}

struct Step {
    QString description;
    std::function<void()> run;
};

// The kinds of step, each with its weight: one kind is drawn first, then one step of it, so that the sixty
// exercise buttons do not crowd out the menu or the timers.
struct Kind {
    const char* name;
    int weight;
};
constexpr Kind Kinds[] = {
    {"panel", 40}, {"button", 16}, {"menu", 10},  {"about", 3}, {"exit", 2},
    {"home", 4},   {"beside", 3},  {"select", 4}, {"tick", 5},  {"wait", 3},
};

QString nameOf(const QObject* object)
{
    return object->objectName().isEmpty() ? QString::fromLatin1(object->metaObject()->className())
                                          : object->objectName();
}

QString describe(const Window* window, const QWidget* control, const QString& caption)
{
    QString text = nameOf(window) + QLatin1Char('.') + nameOf(control);
    if (!caption.isEmpty())
        text += QStringLiteral(" \"%1\"").arg(caption);
    return text;
}

void click(QWidget* widget, QPoint at = QPoint(-1, -1))
{
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at.x() < 0 ? widget->rect().center() : at);
}

// A menu command as the pupil gives it: the click into the screen's menu bar comes first, and it activates the
// screen when another window of the program was active.
void command(Screen* screen, QAction* item)
{
    QMenuBar* bar = screen->menuBar();
    click(bar, QPoint(bar->width() - 4, bar->height() / 2));
    item->trigger();
}

// Everything that can be used now, by kind.
std::vector<std::vector<Step>> gather(Application& app, QRandomGenerator& random)
{
    std::vector<std::vector<Step>> steps(std::size(Kinds));
    const auto add = [&steps](int kind, QString description, std::function<void()> run) {
        steps[size_t(kind)].push_back({std::move(description), std::move(run)});
    };
    Screen* screen = app.currentScreen();

    for (Window* window : app.windows()) {
        if (!window->isVisible())
            continue;
        for (Panel* panel : window->findChildren<Panel*>()) {
            if (panel->isClickable() && panel->isVisible() && panel->isEnabled())
                add(0, QStringLiteral("click ") + describe(window, panel, panel->caption()), [panel] { click(panel); });
        }
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            // The menu bar's own extension button is not one of the window's controls.
            const bool inMenuBar = button->parentWidget() && button->parentWidget()->inherits("QMenuBar");
            if (button->isVisible() && button->isEnabled() && !inMenuBar)
                add(1, QStringLiteral("press ") + describe(window, button, button->text()),
                    [button] { click(button); });
        }
        for (RichEdit* view : window->findChildren<RichEdit*>()) {
            if (!view->isVisible() || view->toPlainText().isEmpty())
                continue;
            QWidget* area = view->viewport();
            const QPoint from(random.bounded(std::max(1, area->width())), random.bounded(std::max(1, area->height())));
            const QPoint to(random.bounded(std::max(1, area->width())), random.bounded(std::max(1, area->height())));
            add(7, QStringLiteral("select in ") + describe(window, view, QString()), [area, from, to] {
                QTest::mousePress(area, Qt::LeftButton, Qt::NoModifier, from);
                QTest::mouseMove(area, to);
                QTest::mouseRelease(area, Qt::LeftButton, Qt::NoModifier, to);
            });
        }
    }

    if (screen) {
        for (int i = 0; i < 5; ++i) {
            QAction* item = screen->menuItem(i);
            if (item->isEnabled())
                add(2,
                    QStringLiteral("menu ") + nameOf(screen) + QLatin1Char('.') + item->objectName() + " \"" +
                        item->text() + '"',
                    [screen, item] { command(screen, item); });
        }
        QAction* about = screen->aboutItem();
        add(3, QStringLiteral("menu ") + nameOf(screen) + QLatin1Char('.') + about->objectName() + " (about)",
            [screen, about] { command(screen, about); });
        QAction* exit = screen->exitItem();
        add(4,
            QStringLiteral("menu ") + nameOf(screen) + QLatin1Char('.') + exit->objectName() + " (exit, answered No)",
            [screen, exit] { command(screen, exit); });
        if (!screen->frame().titleScreen && screen->homeImage()->isVisible())
            add(5, QStringLiteral("click ") + describe(screen, screen->homeImage(), QStringLiteral("home")),
                [image = screen->homeImage()] { click(image); });
        bool auxiliaryOpen = false;
        for (Window* window : app.windows())
            auxiliaryOpen = auxiliaryOpen || (!window->isScreen() && window->isVisible());
        if (auxiliaryOpen) {
            // A click on the screen's left strip, beside whatever window stands over it.
            add(6, QStringLiteral("click beside, on ") + nameOf(screen),
                [screen] { click(screen->client(), QPoint(2, 200)); });
        }
        if (screen->timer() && screen->timer()->isEnabled())
            add(8, QStringLiteral("tick ") + nameOf(screen) + QStringLiteral(".Timer1"),
                [timer = screen->timer()] { emit timer->timeout(); });
    }
    const int waitMs = 1 + random.bounded(40);
    add(9, QStringLiteral("wait %1 ms").arg(waitMs), [waitMs] { QTest::qWait(waitMs); });
    return steps;
}

qint64 median(std::vector<qint64> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

QString windowList(Application& app)
{
    QStringList names;
    for (Window* window : app.windows()) {
        if (window->isVisible())
            names.append(nameOf(window));
    }
    return names.join(QLatin1Char(' '));
}

// What must hold after every step; an empty string when it does.
QString check(Application& app)
{
    if (app.isTerminated())
        return QStringLiteral("the program ended");
    int screens = 0;
    for (Window* window : app.windows()) {
        if (window->isScreen() && window->isVisible())
            ++screens;
    }
    if (screens != 1)
        return QStringLiteral("%1 screens visible: %2").arg(screens).arg(windowList(app));
    if (!app.currentScreen() || !app.currentScreen()->isVisible())
        return QStringLiteral("the current screen is not the visible one: %1").arg(windowList(app));
    if (!app.activeWindow() || !app.activeWindow()->isVisible())
        return QStringLiteral("the active window (%1) is not visible: %2")
            .arg(app.activeWindow() ? nameOf(app.activeWindow()) : QStringLiteral("none"), windowList(app));
    return QString();
}

} // namespace

QStringList SoakWalk::explainedErrors()
{
    return {};
}

qint64 SoakWalk::residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

SoakWalk::Result SoakWalk::run(AppFixture& fixture, const Options& options)
{
    Result result;
    Application& app = fixture.app();
    QRandomGenerator random(options.seed);
    const int warmUp = std::clamp(options.warmUp, 0, options.actions - 1);
    const int stretch = std::clamp(options.memoryStretch, 1, std::max(1, (options.actions - warmUp) / 2));
    const QStringList explained = explainedErrors();
    int totalWeight = 0;
    for (const Kind& kind : Kinds)
        totalWeight += kind.weight;
    std::vector<qint64> firstStretch;
    std::vector<qint64> lastStretch;
    QElapsedTimer clock;
    clock.start();
    fixture.dialogs.clear();

    for (int n = 1; n <= options.actions; ++n) {
        const std::vector<std::vector<Step>> steps = gather(app, random);
        int kind = -1;
        while (kind < 0) {
            int pick = random.bounded(totalWeight);
            for (size_t k = 0; k < std::size(Kinds); ++k) {
                pick -= Kinds[k].weight;
                if (pick < 0) {
                    kind = steps[k].empty() ? -1 : int(k);
                    break;
                }
            }
        }
        const std::vector<Step>& choices = steps[size_t(kind)];
        const Step& step = choices[size_t(random.bounded(int(choices.size())))];
        const QString where = app.currentScreen() ? nameOf(app.currentScreen()) : QStringLiteral("none");
        result.trail.append(QStringLiteral("%1: %2").arg(n).arg(step.description));
        if (result.trail.size() > 20)
            result.trail.removeFirst();
        ++result.kinds[QString::fromLatin1(Kinds[kind].name)];
        ++result.screens[where];

        QList<Window*> hiddenBefore;
        for (Window* window : app.windows()) {
            if (!window->isScreen() && !window->isVisible())
                hiddenBefore.append(window);
        }
        step.run();
        QCoreApplication::processEvents();
        result.actionsRun = n;
        for (Window* window : std::as_const(hiddenBefore)) {
            if (window->isVisible())
                ++result.opened[nameOf(window)];
        }

        QString failure = check(app);
        for (const ScriptedDialogs::Box& box : fixture.dialogs.boxes()) {
            ++result.boxes[box.kind];
            if (box.kind == QLatin1String("error") && !explained.contains(box.text) && failure.isEmpty())
                failure = QStringLiteral("unexplained error box: %1").arg(box.text);
        }
        // What the doubles record would otherwise pile up over a long walk and pass for the program's memory.
        fixture.dialogs.clear();
        fixture.sound.clearEvents();
        fixture.processes.clear();

        const qint64 rss = residentKiB();
        result.peakKiB = std::max(result.peakKiB, rss);
        if (n > warmUp && n <= warmUp + stretch)
            firstStretch.push_back(rss);
        if (n > options.actions - stretch)
            lastStretch.push_back(rss);
        if (options.progress)
            options.progress(n, step.description);
        if (!failure.isEmpty()) {
            result.failure = QStringLiteral("step %1 (%2): %3").arg(n).arg(step.description, failure);
            result.seconds = double(clock.elapsed()) / 1000.0;
            return result;
        }
    }
    result.seconds = double(clock.elapsed()) / 1000.0;
    result.firstStretchMedianKiB = median(firstStretch);
    result.lastStretchMedianKiB = median(lastStretch);
    const qint64 growth = result.lastStretchMedianKiB - result.firstStretchMedianKiB;
    if (growth > options.maxGrowthKiB) {
        result.failure = QStringLiteral("resident memory grew by %1 KiB from steps %2-%3 to the last %4 steps")
                             .arg(growth)
                             .arg(warmUp + 1)
                             .arg(warmUp + stretch)
                             .arg(stretch);
        return result;
    }
    result.passed = true;
    return result;
}

QString SoakWalk::Result::summary() const
{
    const auto join = [](const QMap<QString, int>& map) {
        QStringList parts;
        for (auto it = map.begin(); it != map.end(); ++it)
            parts.append(QStringLiteral("%1 %2").arg(it.key()).arg(it.value()));
        return parts.join(QStringLiteral(", "));
    };
    QString text = QStringLiteral("%1 after %2 steps in %3 s\n")
                       .arg(passed ? QStringLiteral("passed") : QStringLiteral("FAILED"))
                       .arg(actionsRun)
                       .arg(seconds, 0, 'f', 1);
    if (!failure.isEmpty())
        text += QStringLiteral("failure: %1\n").arg(failure);
    text += QStringLiteral("steps by kind: %1\n").arg(join(kinds));
    text += QStringLiteral("steps by screen: %1\n").arg(join(screens));
    text += QStringLiteral("message boxes: %1\n").arg(boxes.isEmpty() ? QStringLiteral("none") : join(boxes));
    text += QStringLiteral("windows opened: %1\n").arg(opened.isEmpty() ? QStringLiteral("none") : join(opened));
    text += QStringLiteral("resident memory, median of the first stretch %1 KiB, of the last %2 KiB (%3%4 KiB); "
                           "peak %5 KiB\n")
                .arg(firstStretchMedianKiB)
                .arg(lastStretchMedianKiB)
                .arg(lastStretchMedianKiB >= firstStretchMedianKiB ? QStringLiteral("+") : QString())
                .arg(lastStretchMedianKiB - firstStretchMedianKiB)
                .arg(peakKiB);
    if (!passed)
        text += QStringLiteral("last steps:\n  ") + trail.join(QStringLiteral("\n  ")) + QLatin1Char('\n');
    return text;
}

QuietPlatformNotes::QuietPlatformNotes()
{
    g_unquietHandler = qInstallMessageHandler(quietHandler);
}

QuietPlatformNotes::~QuietPlatformNotes()
{
    qInstallMessageHandler(g_unquietHandler);
}

} // namespace TestSupport
