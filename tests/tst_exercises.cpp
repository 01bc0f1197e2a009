// SPDX-License-Identifier: MIT
// The exercise catalogue and workspace over the sample course: choosing exercises, the set-up of each figure
// layout, the figure table, the attention marker, the listing and copy buttons, the demonstration programs,
// the failure cases, and starting programs for real.
#include "TestSupport.h"

#include "content/ContentPath.h"
#include "controls/BitBtn.h"
#include "controls/Colors.h"
#include "controls/GroupBox.h"
#include "controls/Image.h"
#include "controls/Label.h"
#include "controls/Panel.h"
#include "controls/RichEdit.h"
#include "controls/SpeedButton.h"
#include "controls/Timer.h"
#include "platform/RealProcessStarter.h"
#include "screens/ExerciseTables.h"
#include "screens/InfoTop03.h"
#include "screens/InfoUtil.h"
#include "windows/InfoPict.h"
#include "windows/Ishod.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QProcess>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QtTest>

#include <signal.h>

using namespace TestSupport;
using ExerciseTables::FigureButton;

namespace {

// Goes to the catalogue and clicks the exercise button of that name.
void choose(AppFixture& fixture, const QString& button)
{
    if (fixture.app().currentScreen() != Form5)
        fixture.app().goToScreen(Form5);
    Panel* panel = Form5->findChild<Panel*>(button);
    QVERIFY2(panel, qPrintable(button));
    panel->click();
}

QStringList visibleFigureButtons()
{
    QStringList names;
    for (int i = 0; i < ExerciseTables::FigureButtonCount; ++i) {
        Panel* button = Form35->figureButton(FigureButton(i));
        if (button->isVisibleTo(Form35))
            names << button->objectName();
    }
    names.sort();
    return names;
}

QString exerciseButton(int group, int number)
{
    return QString::fromLatin1(ExerciseTables::exerciseAt(ExerciseTables::slotOf(group, number))->button);
}

// The number a figure button's caption shows.
int captionNumber(FigureButton button)
{
    switch (button) {
    case FigureButton::Panel18:
    case FigureButton::Panel4:
        return 1;
    case FigureButton::Panel19:
        return 2;
    case FigureButton::Panel20:
    case FigureButton::Panel25:
        return 3;
    case FigureButton::Panel21:
        return 4;
    case FigureButton::Panel22:
        return 5;
    }
    return 0;
}

void writeFile(const QString& path, const QByteArray& bytes, bool executable)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    file.close();
    if (executable)
        QVERIFY(file.setPermissions(file.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser));
}

QStringList linesOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// The processes whose program file is `program`.
QList<qint64> processesRunning(const QString& program)
{
    QList<qint64> pids;
    const QString canonical = QFileInfo(program).canonicalFilePath();
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool number = false;
        const qint64 pid = entry.toLongLong(&number);
        if (number && QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(pid)) == canonical)
            pids << pid;
    }
    return pids;
}

// The real starter run in a temporary folder that is the current directory, with PATH limited to one folder
// of our own (where a test may put a `wine`).
class StarterFolder {
public:
    StarterFolder() : m_previousDir(QDir::currentPath()), m_previousPath(qgetenv("PATH"))
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("bin"));
        qputenv("PATH", QFile::encodeName(file(QStringLiteral("bin"))));
        QDir::setCurrent(path());
    }
    ~StarterFolder()
    {
        QDir::setCurrent(m_previousDir);
        qputenv("PATH", m_previousPath);
    }
    Q_DISABLE_COPY_MOVE(StarterFolder)

    QString path() const { return QDir(m_dir.path()).canonicalPath(); }
    QString file(const QString& relative) const { return QDir(path()).filePath(relative); }

    // A script that appends its name and its working folder to `log` each time it runs.
    void writeScript(const QString& relative, const QString& log, bool executable = true) const
    {
        writeFile(file(relative), QStringLiteral("#!/bin/sh\necho \"$0 $(pwd) $*\" >> '%1'\n").arg(file(log)).toUtf8(),
                  executable);
    }
    // Starts a script of its own and waits until it has run: any process started before it had the same time.
    bool settle() const
    {
        writeScript(QStringLiteral("settle.sh"), QStringLiteral("settled.txt"));
        RealProcessStarter().start(file(QStringLiteral("settle.sh")));
        return QTest::qWaitFor([this] { return QFileInfo::exists(file(QStringLiteral("settled.txt"))); }, 10000);
    }

private:
    QTemporaryDir m_dir;
    QString m_previousDir;
    QByteArray m_previousPath;
};

} // namespace

class TestExercises final : public QObject {
    Q_OBJECT
private slots:
    void catalogueControls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<quint32>("colour");
        QTest::addColumn<quint32>("fontColour");
        // Group headers.
        QTest::newRow("Panel7") << "Panel7" << QRect(40, 96, 161, 25) << "1. ОСНОВЫ  РАБОТЫ" << Colors::Maroon
                                << Colors::White;
        QTest::newRow("Panel10") << "Panel10" << QRect(592, 96, 161, 25) << "4. ИГРЫ  И  ЭФФЕКТЫ" << Colors::Maroon
                                 << Colors::White;
        // First and last of each column, and the captions with double spaces and quotes.
        QTest::newRow("1:01") << "Panel11" << QRect(40, 128, 161, 17) << "01 Первая программа" << Colors::BtnFace
                              << Colors::Olive;
        QTest::newRow("1:15") << "Panel109" << QRect(40, 464, 161, 17) << "15 Использование ScrollBar"
                              << Colors::BtnFace << Colors::Olive;
        QTest::newRow("2:10") << "Panel44" << QRect(224, 344, 161, 17) << "10 Линейный массив чисел" << Colors::BtnFace
                              << Colors::Teal;
        QTest::newRow("3:11") << "Panel69" << QRect(408, 368, 161, 17) << "11 Создание  Органайзера" << Colors::BtnFace
                              << Colors::Purple;
        QTest::newRow("4:01") << "Panel83" << QRect(592, 128, 161, 17) << "01 Игра \"Успей щелкнуть\""
                              << Colors::BtnFace << quint32(32768);
        QTest::newRow("4:15") << "Panel118" << QRect(592, 464, 161, 17) << "15 Программная \"мозаика\""
                              << Colors::BtnFace << quint32(32768);
    }
    void catalogueControls()
    {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        QFETCH(QString, caption);
        QFETCH(quint32, colour);
        QFETCH(quint32, fontColour);
        AppFixture fixture;
        auto* panel = Form5->findChild<Panel*>(name);
        QVERIFY(panel);
        QCOMPARE(panel->parentWidget(), Form5->client());
        QCOMPARE(panel->geometry(), place);
        QCOMPARE(panel->caption(), caption);
        QCOMPARE(panel->color(), colour);
        QCOMPARE(panel->fontColor(), fontColour);
    }

    void catalogueHasSixtySeparateButtons()
    {
        AppFixture fixture;
        QList<QRect> places;
        for (int i = 0; Form5->exerciseButton(i); ++i) {
            Panel* button = Form5->exerciseButton(i);
            QVERIFY(button->isClickable());
            QVERIFY(!places.contains(button->geometry()));
            places << button->geometry();
            QAccessibleInterface* access = QAccessible::queryAccessibleInterface(button);
            QCOMPARE(access->role(), QAccessible::Button);
            QCOMPARE(access->text(QAccessible::Name), button->caption());
        }
        QCOMPARE(places.size(), 60);
    }

    // Every button of the catalogue sets its own slot and opens the workspace with that exercise.
    void everyButtonChoosesItsExercise_data()
    {
        QTest::addColumn<int>("index");
        for (size_t i = 0; i < ExerciseTables::exercises().size(); ++i) {
            const ExerciseTables::Exercise& row = ExerciseTables::exercises()[i];
            QTest::addRow("%d:%02d %s", row.group, row.number, row.button) << int(i);
        }
    }
    void everyButtonChoosesItsExercise()
    {
        QFETCH(int, index);
        const ExerciseTables::Exercise& row = ExerciseTables::exercises()[size_t(index)];
        AppFixture fixture;
        fixture.start();
        choose(fixture, QString::fromLatin1(row.button));
        const int slot = (row.group - 1) * 30 + row.number - 1;
        QCOMPARE(Form5->exerciseFlags().chosen(), slot);
        QCOMPARE(fixture.app().currentScreen(), static_cast<Screen*>(Form35));
        QVERIFY(!Form5->isVisible());
        QCOMPARE(Form35->Panel10->caption(), QString::fromUtf8(row.title));
        QVERIFY(Form35->Panel9->caption().endsWith(
            QStringLiteral("  %1:%2").arg(row.group).arg(row.number, 2, 10, QLatin1Char('0'))));
        QCOMPARE(Form35->RichEdit1->loadedPath(),
                 QStringLiteral("doc\\upr\\upr%1\\upr%2.rtf").arg(row.group).arg(row.number, 2, 10, QLatin1Char('0')));
        QVERIFY(!Form35->RichEdit1->toPlainText().trimmed().isEmpty());
        QVERIFY(fixture.dialogs.boxes().isEmpty());
    }

    void flagsAcrossChoices()
    {
        AppFixture fixture;
        fixture.start();
        QCOMPARE(Form5->exerciseFlags().chosen(), -1);
        choose(fixture, exerciseButton(2, 3));
        QCOMPARE(Form5->exerciseFlags().chosen(), 32);
        Form35->backButton()->click();
        QCOMPARE(fixture.app().currentScreen(), static_cast<Screen*>(Form5));
        QCOMPARE(Form5->exerciseFlags().chosen(), 32); // returning keeps the choice
        choose(fixture, exerciseButton(4, 15));
        int set = 0;
        for (int slot = 0; slot < ExerciseFlags::size(); ++slot)
            set += Form5->exerciseFlags()[slot];
        QCOMPARE(set, 1);
        QVERIFY(Form5->exerciseFlags().isSet(104));
        QVERIFY(!Form5->exerciseFlags().isSet(32));
        QCOMPARE(Form35->chosenExercise()->title, ExerciseTables::exercises().back().title);
        // The same exercise again: the same flag, and the workspace set up afresh.
        Form35->Panel10->setCaption(QStringLiteral("changed"));
        Form35->backButton()->click();
        choose(fixture, exerciseButton(4, 15));
        QCOMPARE(Form5->exerciseFlags().chosen(), 104);
        QCOMPARE(Form35->Panel10->caption(), QStringLiteral("4:15  ПРОГРАММНАЯ \"МОЗАИКА\""));
    }

    void setup_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("figures");
        QTest::addColumn<QString>("fileLabel");
        QTest::addColumn<QString>("folderLabel");
        QTest::addColumn<bool>("programs");
        QTest::newRow("five figures") << "Panel11"
                                      << "ИНСТРУКЦИЯ ПО ВЫПОЛНЕНИЮ УПРАЖНЕНИЯ  1:01"
                                      << "1:01  ПЕРВАЯ ПРОГРАММА"
                                      << QStringList{"Panel18", "Panel19", "Panel20", "Panel21", "Panel22"} << QString()
                                      << QString() << false;
        QTest::newRow("two figures") << "Panel12"
                                     << "ИНСТРУКЦИЯ ПО ВЫПОЛНЕНИЮ УПРАЖНЕНИЯ  1:02"
                                     << "1:02  ВВОД ТЕКСТА В ПРОГРАММУ" << QStringList{"Panel18", "Panel19"}
                                     << QString() << QString() << false;
        QTest::newRow("three figures, files")
            << "Panel16"
            << "ИНСТРУКЦИЯ ПО ВЫПОЛНЕНИЮ УПРАЖНЕНИЯ  1:06"
            << "1:06  ПРОГРАММА \"ХРОНОМЕТР\"" << QStringList{"Panel18", "Panel19", "Panel25"} << "CLOCK.WMF"
            << "Папка С:\\DELPHIFILES" << false;
        QTest::newRow("four figures, files")
            << "Panel13"
            << "ИНСТРУКЦИЯ ПО ВЫПОЛНЕНИЮ УПРАЖНЕНИЯ  1:03"
            << "1:03  РАБОТА С ЦВЕТАМИ ФОРМЫ" << QStringList{"Panel18", "Panel19", "Panel20", "Panel21"} << "ARROWS.WMF"
            << "Папка С:\\DELPHIFILES" << false;
        QTest::newRow("gif folder") << "Panel70"
                                    << "ИНСТРУКЦИЯ ПО ВЫПОЛНЕНИЮ УПРАЖНЕНИЯ  3:12"
                                    << "3:12  ПРОИГРЫВАТЕЛЬ GIF-ФАЙЛОВ" << QStringList{"Panel18", "Panel19", "Panel25"}
                                    << "DCU  WAV  GIF"
                                    << "Папка С:\\DELPHIFILES\\GIF" << false;
        QTest::newRow("one figure") << "Panel90"
                                    << "ИНСТРУКЦИЯ ПО ВЫПОЛНЕНИЮ УПРАЖНЕНИЯ  4:08"
                                    << "4:08  МЫШИНЫЙ ТЕЛОХРАНИТЕЛЬ" << QStringList{"Panel4"} << QString() << QString()
                                    << false;
        QTest::newRow("one figure, files") << "Panel117"
                                           << "ИНСТРУКЦИЯ ПО ВЫПОЛНЕНИЮ УПРАЖНЕНИЯ  4:14"
                                           << "4:14  ПРОГРАММИРУЕМ ЭФФЕКТЫ" << QStringList{"Panel4"} << "TRAYICON.RAR"
                                           << "Папка С:\\DELPHIFILES" << false;
        QTest::newRow("demonstration programs")
            << "Panel118"
            << "ИНСТРУКЦИЯ ПО ВЫПОЛНЕНИЮ УПРАЖНЕНИЯ  4:15"
            << "4:15  ПРОГРАММНАЯ \"МОЗАИКА\"" << QStringList{} << QString() << QString() << true;
    }
    void setup()
    {
        QFETCH(QString, button);
        QFETCH(QString, heading);
        QFETCH(QString, title);
        QFETCH(QStringList, figures);
        QFETCH(QString, fileLabel);
        QFETCH(QString, folderLabel);
        QFETCH(bool, programs);
        AppFixture fixture;
        fixture.start();
        // A five-figure exercise first, so that the layout has buttons to hide.
        choose(fixture, QStringLiteral("Panel11"));
        Form35->backButton()->click();
        choose(fixture, button);
        QCOMPARE(Form35->Panel9->caption(), heading);
        QCOMPARE(Form35->Panel10->caption(), title);
        figures.sort();
        QCOMPARE(visibleFigureButtons(), figures);
        QCOMPARE(Form35->Panel12->isVisible(), !fileLabel.isEmpty());
        QCOMPARE(Form35->Label6->isVisible(), !fileLabel.isEmpty());
        QCOMPARE(Form35->SpeedButton2->isVisible(), !fileLabel.isEmpty());
        if (!fileLabel.isEmpty()) {
            QCOMPARE(Form35->Panel12->caption(), fileLabel);
            QCOMPARE(Form35->Label6->caption(), folderLabel);
            QCOMPARE(Form35->Label6->caption().at(6), QChar(0x0421)); // the Cyrillic С
        }
        QCOMPARE(Form35->GroupBox2->isVisible(), programs);
        QVERIFY(Form35->Image5->isVisible());
        QVERIFY(Form35->Image5->picture().isAnimated());
        QVERIFY(Form35->Image3->picture().isAnimated());
        QVERIFY(Form35->Image4->picture().isAnimated());
        QVERIFY(!Form35->Image6->isVisible());
        QVERIFY(Form35->timer()->isEnabled());
        QCOMPARE(Form35->tickCounter(), 0);
        QVERIFY(!Form35->markerShown());
        QVERIFY(fixture.dialogs.boxes().isEmpty());
    }

    // Leaving hides the save controls and the single figure button; the next exercise shows only its own.
    void leavingHidesTheSaveControls()
    {
        AppFixture fixture;
        fixture.start();
        choose(fixture, exerciseButton(4, 14));
        QVERIFY(Form35->Panel4->isVisible());
        QVERIFY(Form35->SpeedButton2->isVisible());
        Form35->backButton()->click();
        QVERIFY(Form35->Panel4->isHidden());
        QVERIFY(Form35->Panel12->isHidden());
        QVERIFY(Form35->Label6->isHidden());
        QVERIFY(Form35->SpeedButton2->isHidden());
        choose(fixture, exerciseButton(1, 2));
        QCOMPARE(visibleFigureButtons(), (QStringList{"Panel18", "Panel19"}));
        QVERIFY(!Form35->SpeedButton2->isVisible());
        QVERIFY(!Form35->Panel12->isVisible());
    }

    // The figure table against its own rules and against Part of the content tree's naming.
    void figureTable()
    {
        // Figures whose extension is not ".JPG", as the content tree names them.
        const QStringList otherExtensions = {
            "doc\\upr\\upr2\\picture\\pic101.jpg", "doc\\upr\\upr2\\picture\\pic111.jpg",
            "doc\\upr\\upr2\\picture\\pic121.jpg", "doc\\upr\\upr2\\picture\\pic131.jpg",
            "doc\\upr\\upr2\\picture\\pic151.bmp", "doc\\upr\\upr3\\picture\\pic011.jpg",
            "doc\\upr\\upr3\\picture\\pic012.jpg", "doc\\upr\\upr3\\picture\\pic051.jpg",
            "doc\\upr\\upr3\\picture\\pic141.jpg", "doc\\upr\\upr3\\picture\\pic142.jpg",
            "doc\\upr\\upr3\\picture\\pic143.jpg", "doc\\upr\\upr3\\picture\\pic112.bmp",
            "doc\\upr\\upr4\\picture\\pic101.BMP", "doc\\upr\\upr4\\picture\\pic131.jpg",
        };
        int perGroup[4] = {};
        QSet<QString> pictures;
        for (const ExerciseTables::ExerciseFigure& row : ExerciseTables::figures()) {
            const QString where = QStringLiteral("%1:%2 figure %3").arg(row.group).arg(row.number).arg(row.figure);
            QVERIFY2(row.windowWidth == row.pictureWidth + 37, qPrintable(where));
            const int extra = row.windowHeight - row.pictureHeight;
            QVERIFY2(extra == 63 || extra == 64, qPrintable(where));

            const QString picture = QString::fromLatin1(row.picture);
            const QString stem = QStringLiteral("doc\\upr\\upr%1\\picture\\pic%2%3.")
                                     .arg(row.group)
                                     .arg(row.number, 2, 10, QLatin1Char('0'))
                                     .arg(row.figure);
            QVERIFY2(picture.startsWith(stem), qPrintable(where));
            QCOMPARE(picture.mid(stem.size()),
                     otherExtensions.contains(picture) ? picture.section(QLatin1Char('.'), -1) : QStringLiteral("JPG"));
            QVERIFY2(!pictures.contains(picture), qPrintable(where));
            pictures << picture;

            // Reachable: the button is one that its exercise's layout shows, and it shows this figure's number.
            const ExerciseTables::Exercise* exercise =
                ExerciseTables::exerciseAt(ExerciseTables::slotOf(row.group, row.number));
            QVERIFY2(exercise, qPrintable(where));
            const auto layout = ExerciseTables::layout(exercise->figures);
            QVERIFY2(std::find(layout.begin(), layout.end(), row.button) != layout.end(), qPrintable(where));
            QCOMPARE(captionNumber(row.button), row.figure);
            const QString caption = QString::fromUtf8(row.caption);
            QVERIFY2(caption.startsWith(QStringLiteral("РИСУНОК %1. ").arg(row.figure)) ||
                         caption.startsWith(QStringLiteral("РИСУНОК . ")),
                     qPrintable(where));
            ++perGroup[row.group - 1];
        }
        QCOMPARE(pictures.size(), 165);
        QCOMPARE(perGroup[0], 42);
        QCOMPARE(perGroup[1], 45);
        QCOMPARE(perGroup[2], 45);
        QCOMPARE(perGroup[3], 33);
        // Every button an exercise shows opens one of its figures.
        for (const ExerciseTables::Exercise& exercise : ExerciseTables::exercises()) {
            for (FigureButton button : ExerciseTables::layout(exercise.figures))
                QVERIFY2(ExerciseTables::figureOf(exercise.group, exercise.number, button),
                         qPrintable(QStringLiteral("%1:%2").arg(exercise.group).arg(exercise.number)));
        }
    }

    // Every figure of every exercise opens from its button with its window size, caption and picture.
    void everyFigureOpens()
    {
        AppFixture fixture;
        fixture.start();
        int previous = -1;
        for (const ExerciseTables::ExerciseFigure& row : ExerciseTables::figures()) {
            const int slot = ExerciseTables::slotOf(row.group, row.number);
            if (slot != previous) {
                choose(fixture, QString::fromLatin1(ExerciseTables::exerciseAt(slot)->button));
                previous = slot;
            }
            const QString where = QString::fromLatin1(row.picture);
            Panel* button = Form35->figureButton(row.button);
            QVERIFY2(button->isVisible(), qPrintable(where));
            button->click();
            QVERIFY2(AboutBox1->isVisible(), qPrintable(where));
            QCOMPARE(AboutBox1->caption(), QString::fromUtf8(row.caption));
            QCOMPARE(AboutBox1->frameGeometry().size(), QSize(row.windowWidth, row.windowHeight));
            QCOMPARE(AboutBox1->Image1->size(), QSize(row.pictureWidth, row.pictureHeight));
            QCOMPARE(AboutBox1->Image1->picture().size(), QSize(row.pictureWidth, row.pictureHeight));
            fixture.app().platformActivated(Form35);
        }
        QVERIFY(fixture.dialogs.boxes().isEmpty());
    }

    void attentionMarker_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("marker"); // the exercise has files, so the flag moves beside the save controls
        QTest::newRow("with files") << "Panel13" << true;
        QTest::newRow("without files") << "Panel12" << false;
        QTest::newRow("demonstration programs") << "Panel118" << false;
    }
    void attentionMarker()
    {
        QFETCH(QString, button);
        QFETCH(bool, marker);
        AppFixture fixture;
        fixture.start();
        choose(fixture, button);
        QVERIFY(Form35->timer()->isEnabled());
        QCOMPARE(Form35->timer()->interval(), 3000);

        Form35->Timer1Timer();
        QCOMPARE(Form35->tickCounter(), 1);
        QVERIFY(!Form35->Image5->isVisible());
        QCOMPARE(Form35->markerShown(), marker);
        QCOMPARE(Form35->Image6->isVisible(), marker);
        QCOMPARE(Form35->timer()->isEnabled(), marker);
        if (!marker)
            return;
        QVERIFY(Form35->Image6->picture().isAnimated());
        Form35->Timer1Timer();
        QCOMPARE(Form35->tickCounter(), 2);
        QVERIFY(!Form35->Image6->isVisible());
        QVERIFY(!Form35->timer()->isEnabled());

        // Hiding the screen clears the marker; the next showing starts the sequence again.
        Form35->backButton()->click();
        QVERIFY(!Form35->markerShown());
        choose(fixture, button);
        QCOMPARE(Form35->tickCounter(), 0);
        QVERIFY(Form35->Image5->isVisible());
        QVERIFY(Form35->timer()->isEnabled());
    }

    void listingWindow_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("listing"); // empty: none, the window only closes
        QTest::newRow("1:01") << "Panel11"
                              << "programs\\prog1\\upr01\\Unit1.pas";
        QTest::newRow("3:11") << "Panel69"
                              << "programs\\prog3\\upr11\\Unit1-2.pas";
        QTest::newRow("4:15") << "Panel118" << QString();
    }
    void listingWindow()
    {
        QFETCH(QString, button);
        QFETCH(QString, listing);
        AppFixture fixture;
        fixture.start();
        // An open listing window from another exercise.
        choose(fixture, QStringLiteral("Panel37"));
        Form35->BitBtn5->click();
        QVERIFY(AboutBox3->isVisible());
        fixture.app().platformActivated(Form35);
        Form35->backButton()->click();
        choose(fixture, button);
        AboutBox3->showWindow();
        fixture.app().platformActivated(Form35);

        Form35->BitBtn5->click();
        QCOMPARE(AboutBox3->isVisible(), !listing.isEmpty());
        if (!listing.isEmpty()) {
            QCOMPARE(AboutBox3->RichEdit1->loadedPath(), listing);
            QVERIFY(AboutBox3->RichEdit1->toPlainText().startsWith(QStringLiteral("unit ")));
            QCOMPARE(fixture.app().activeWindow(), static_cast<Window*>(AboutBox3));
        }
        QVERIFY(fixture.dialogs.boxes().isEmpty());
    }

    void copySelection()
    {
        AppFixture fixture;
        fixture.start();
        choose(fixture, QStringLiteral("Panel11"));
        RichEdit* view = Form35->RichEdit1;
        QTextCursor cursor(view->document());
        cursor.setPosition(0);
        cursor.movePosition(QTextCursor::EndOfWord, QTextCursor::KeepAnchor);
        cursor.movePosition(QTextCursor::NextWord, QTextCursor::KeepAnchor);
        cursor.movePosition(QTextCursor::EndOfWord, QTextCursor::KeepAnchor);
        view->setTextCursor(cursor);
        const QString selected = cursor.selection().toPlainText();
        QVERIFY(!selected.isEmpty());
        QApplication::clipboard()->setText(QStringLiteral("before"));
        Form35->BitBtn4->click();
        QCOMPARE(QApplication::clipboard()->text(), selected);

        cursor.clearSelection();
        view->setTextCursor(cursor);
        QApplication::clipboard()->setText(QStringLiteral("before"));
        Form35->BitBtn4->click();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));
    }

    void startButton_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("program");
        QTest::newRow("1:01") << "Panel11"
                              << "programs/prog1/upr01/Project1.exe";
        QTest::newRow("4:15") << "Panel118"
                              << "programs/prog4/upr15/Project1.exe";
    }
    void startButton()
    {
        QFETCH(QString, button);
        QFETCH(QString, program);
        AppFixture fixture;
        fixture.start();
        choose(fixture, button);
        Form35->BitBtn3->click();
        Form35->BitBtn3->click(); // every press starts another instance
        const QString file = QDir(generatedContent()).filePath(program);
        QCOMPARE(fixture.processes.started(), (QStringList{file, file}));
        QVERIFY(QFileInfo(file).isExecutable());
        QCOMPARE(fixture.app().currentScreen(), static_cast<Screen*>(Form35));
        QVERIFY(fixture.dialogs.boxes().isEmpty());
    }

    void programFoundWhateverItsLetterCase()
    {
        ContentCopy content;
        QVERIFY(QDir(content.path()).rename(QStringLiteral("programs/prog2"), QStringLiteral("programs/PROG2")));
        QVERIFY(QFile::rename(content.file(QStringLiteral("programs/PROG2/upr07/Project1.exe")),
                              content.file(QStringLiteral("programs/PROG2/upr07/project1.EXE"))));
        AppFixture fixture(content.path());
        fixture.start();
        choose(fixture, exerciseButton(2, 7));
        Form35->BitBtn3->click();
        QCOMPARE(fixture.processes.started(),
                 QStringList{QDir(content.path()).filePath(QStringLiteral("programs/PROG2/upr07/project1.EXE"))});
    }

    void demonstrationButtons_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QPoint>("place");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("program");
        QTest::newRow("Zoom") << 0 << "BitBtn1"
                              << "Zoom" << QPoint(8, 24) << "ZOOM.RAR"
                              << "programs/prog4/upr15/Zoom/Zoom.exe";
        QTest::newRow("MEyes") << 1 << "BitBtn2"
                               << "MEyes" << QPoint(72, 24) << "MEYES.RAR"
                               << "programs/prog4/upr15/MEyes/MouseEyes.exe";
        QTest::newRow("Snow") << 4 << "BitBtn8"
                              << "Snow" << QPoint(72, 64) << "SNOW.RAR"
                              << "programs/prog4/upr15/Snow/Project1.exe";
        QTest::newRow("Check") << 8 << "BitBtn12"
                               << "Check" << QPoint(136, 104) << "CHECK.RAR"
                               << "programs/prog4/upr15/Check/WinDraught.exe";
    }
    void demonstrationButtons()
    {
        QFETCH(int, index);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QPoint, place);
        QFETCH(QString, label);
        QFETCH(QString, program);
        AppFixture fixture;
        fixture.start();
        choose(fixture, QStringLiteral("Panel118"));
        QCOMPARE(Form35->GroupBox2->geometry(), QRect(16, 105, 201, 145));
        QCOMPARE(Form35->GroupBox2->caption(), QStringLiteral("ПРОГРАММЫ"));
        auto* button = Form35->GroupBox2->findChild<BitBtn*>(name);
        QVERIFY(button);
        QCOMPARE(button->geometry(), QRect(place, QSize(57, 25)));
        QCOMPARE(button->caption(), caption);
        QCOMPARE(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name), caption);
        QVERIFY(!Form35->SpeedButton2->isVisible());

        // Another program first: the later press replaces its flag and label.
        Form35->demonstrationButton((index + 1) % 9)->click();
        button->click();
        QCOMPARE(Form35->demonstrationFlags().chosen(), index);
        QCOMPARE(Form35->Panel12->caption(), label);
        QVERIFY(Form35->Panel12->isVisible());
        QCOMPARE(Form35->Label6->caption(), QStringLiteral("Папка С:\\DELPHIFILES\\SOURCE"));
        QVERIFY(Form35->Label6->isVisible());
        QVERIFY(Form35->SpeedButton2->isVisible());
        QCOMPARE(fixture.processes.started().size(), 2);
        QCOMPARE(fixture.processes.started().last(), QDir(generatedContent()).filePath(program));
        QVERIFY(QFileInfo(fixture.processes.started().last()).isExecutable());

        // Activation clears the flags but leaves the save controls.
        Form35->aboutItem()->trigger();
        QCOMPARE(Form35->demonstrationFlags().chosen(), index);
        fixture.app().platformActivated(Form35);
        QCOMPARE(Form35->demonstrationFlags().chosen(), -1);
        QVERIFY(Form35->SpeedButton2->isVisible());
        QCOMPARE(Form35->Panel12->caption(), label);
    }

    void saveButtonLooks()
    {
        AppFixture fixture;
        QCOMPARE(Form35->SpeedButton2->geometry(), QRect(160, 464, 24, 25));
        QCOMPARE(Form35->SpeedButton2->toolTip(), QStringLiteral("СОХРАНИТЬ"));
        QCOMPARE(QAccessible::queryAccessibleInterface(Form35->SpeedButton2)->text(QAccessible::Name),
                 QStringLiteral("СОХРАНИТЬ"));
        QVERIFY(!Form35->SpeedButton2->icon().isNull());
    }

    void missingInstructionKeepsThePreviousArticle()
    {
        ContentCopy content;
        content.remove(QStringLiteral("doc/upr/upr1/upr03.rtf"));
        AppFixture fixture(content.path());
        fixture.start();
        choose(fixture, exerciseButton(1, 1));
        const QString before = Form35->RichEdit1->toPlainText();
        Form35->backButton()->click();
        choose(fixture, exerciseButton(1, 3));
        QCOMPARE(fixture.dialogs.texts(),
                 QStringList{QStringLiteral("Cannot open file \"%1\". No such file or directory.")
                                 .arg(QDir(content.path()).filePath(QStringLiteral("doc/upr/upr1/upr03.rtf")))});
        // Everything before the load is done.
        QCOMPARE(Form35->Panel10->caption(), QStringLiteral("1:03  РАБОТА С ЦВЕТАМИ ФОРМЫ"));
        QVERIFY(Form35->SpeedButton2->isVisible());
        QCOMPARE(visibleFigureButtons(), (QStringList{"Panel18", "Panel19", "Panel20", "Panel21"}));
        QCOMPARE(Form35->RichEdit1->toPlainText(), before);
        QCOMPARE(Form35->RichEdit1->loadedPath(), QStringLiteral("doc\\upr\\upr1\\upr01.rtf"));
        QCOMPARE(fixture.app().currentScreen(), static_cast<Screen*>(Form35));
    }

    void missingLogoStopsTheSetUpBeforeTheExercise()
    {
        ContentCopy content;
        content.remove(QStringLiteral("xmages/logo/wink.gif"));
        AppFixture fixture(content.path());
        fixture.start();
        choose(fixture, exerciseButton(1, 3));
        QCOMPARE(fixture.dialogs.boxes().size(), 1);
        QVERIFY(fixture.dialogs.texts().first().contains(QStringLiteral("wink.gif")));
        QVERIFY(Form35->Image3->picture().isAnimated()); // the smile came first
        QVERIFY(!Form35->timer()->isEnabled());
        QCOMPARE(Form35->Panel10->caption(), QStringLiteral("0:00 НАЗВАНИЕ УПРАЖНЕНИЯ"));
        QVERIFY(!Form35->SpeedButton2->isVisible());
        QCOMPARE(fixture.app().currentScreen(), static_cast<Screen*>(Form35));
    }

    void missingFigureAndListing()
    {
        ContentCopy content;
        content.remove(QStringLiteral("doc/upr/upr1/picture/pic012.JPG"));
        content.remove(QStringLiteral("programs/prog1/upr01/Unit1.pas"));
        AppFixture fixture(content.path());
        fixture.start();
        choose(fixture, exerciseButton(1, 1));
        Form35->Panel18->click();
        QVERIFY(AboutBox1->isVisible());
        fixture.app().platformActivated(Form35);
        Form35->Panel19->click();
        QCOMPARE(fixture.dialogs.boxes().size(), 1);
        QVERIFY(fixture.dialogs.texts().first().contains(QStringLiteral("pic012.JPG")));
        QVERIFY(!AboutBox1->isVisible());
        QCOMPARE(AboutBox1->caption(), QStringLiteral("РИСУНОК 2. Окно сохранения файла проекта Progect1.dpr"));

        Form35->BitBtn5->click();
        QCOMPARE(fixture.dialogs.boxes().size(), 2);
        QVERIFY(fixture.dialogs.texts().last().contains(QStringLiteral("Unit1.pas")));
        QVERIFY(!AboutBox3->isVisible());
        // The rest of the screen goes on working.
        Form35->Panel18->click();
        QVERIFY(AboutBox1->isVisible());
        QCOMPARE(fixture.dialogs.boxes().size(), 2);
    }

    // The stand-ins in the generated tree know which program they stand for by the name they are started by.
    void standinNamesItsProgram_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("title"); // empty: a name outside the tables
        QTest::newRow("1:01") << "programs/prog1/upr01/Project1.exe"
                              << "1:01  ПЕРВАЯ ПРОГРАММА";
        QTest::newRow("3:09") << "programs/prog3/upr09/Project1.exe"
                              << "3:09  ТЕКСТ ПОД УГЛОМ И ГРАДИЕНТ";
        QTest::newRow("4:15") << "programs/prog4/upr15/Project1.exe"
                              << "4:15  ПРОГРАММНАЯ \"МОЗАИКА\"";
        QTest::newRow("Zoom") << "programs/prog4/upr15/Zoom/Zoom.exe"
                              << "Zoom — 4:15  ПРОГРАММНАЯ \"МОЗАИКА\"";
        QTest::newRow("Check") << "programs/prog4/upr15/Check/WinDraught.exe"
                               << "Check — 4:15  ПРОГРАММНАЯ \"МОЗАИКА\"";
        QTest::newRow("other name") << "other.exe" << QString();
    }
    void standinNamesItsProgram()
    {
        QFETCH(QString, program);
        QFETCH(QString, title);
        QTemporaryDir dir;
        const QString copy = dir.filePath(program);
        QDir().mkpath(QFileInfo(copy).path());
        QVERIFY(
            QFile::copy(QDir(generatedContent()).filePath(QStringLiteral("programs/prog1/upr01/Project1.exe")), copy));
        QProcess standin;
        standin.start(copy, {QStringLiteral("--describe")});
        QVERIFY(standin.waitForFinished(10000));
        QCOMPARE(standin.exitCode(), title.isEmpty() ? 1 : 0);
        const QStringList lines = QString::fromUtf8(standin.readAllStandardOutput()).split(QLatin1Char('\n'));
        if (!title.isEmpty())
            QCOMPARE(lines.first(), title);
        QVERIFY(lines.value(1).size() > 20);
    }

    // The real starter: a native program and scripts run in the current directory, detached, once per call.
    void realStarterRunsAScriptEachTime()
    {
        StarterFolder folder;
        folder.writeScript(QStringLiteral("programs/run.sh"), QStringLiteral("log.txt"));
        RealProcessStarter starter;
        starter.start(folder.file(QStringLiteral("programs/run.sh")));
        starter.start(folder.file(QStringLiteral("programs/run.sh")));
        QTRY_COMPARE_WITH_TIMEOUT(linesOf(folder.file(QStringLiteral("log.txt"))).size(), 2, 10000);
        for (const QString& line : linesOf(folder.file(QStringLiteral("log.txt"))))
            QCOMPARE(line, QStringLiteral("%1 %2 ").arg(folder.file(QStringLiteral("programs/run.sh")), folder.path()));
    }

    void realStarterRunsTheNativeStandin()
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        StarterFolder folder;
        const QString program = folder.file(QStringLiteral("programs/prog1/upr01/Project1.exe"));
        QDir().mkpath(QFileInfo(program).path());
        QVERIFY(QFile::copy(QDir(generatedContent()).filePath(QStringLiteral("programs/prog1/upr01/Project1.exe")),
                            program));
        RealProcessStarter().start(program);
        QList<qint64> running;
        QTRY_VERIFY_WITH_TIMEOUT(!(running = processesRunning(program)).isEmpty(), 10000);
        QCOMPARE(running.size(), 1);
        const qint64 pid = running.first();
        QCOMPARE(QFile::symLinkTarget(QStringLiteral("/proc/%1/cwd").arg(pid)), folder.path());
        ::kill(pid_t(pid), SIGTERM);
        QTRY_VERIFY_WITH_TIMEOUT(processesRunning(program).isEmpty(), 10000);
    }

    void realStarterWindowsProgram_data()
    {
        QTest::addColumn<bool>("wine");
        QTest::newRow("wine on the PATH") << true;
        QTest::newRow("no wine") << false;
    }
    void realStarterWindowsProgram()
    {
        QFETCH(bool, wine);
        StarterFolder folder;
        writeFile(folder.file(QStringLiteral("programs/Project1.exe")), QByteArray("MZ\x90\0\3\0\0\0", 8), true);
        if (wine)
            folder.writeScript(QStringLiteral("bin/wine"), QStringLiteral("wine.txt"));
        else
            folder.writeScript(QStringLiteral("elsewhere/wine"), QStringLiteral("wine.txt"));
        RealProcessStarter().start(folder.file(QStringLiteral("programs/Project1.exe")));
        QVERIFY(folder.settle());
        if (wine) {
            QTRY_COMPARE_WITH_TIMEOUT(linesOf(folder.file(QStringLiteral("wine.txt"))),
                                      QStringList{QStringLiteral("%1 %2 %3")
                                                      .arg(folder.file(QStringLiteral("bin/wine")), folder.path(),
                                                           folder.file(QStringLiteral("programs/Project1.exe")))},
                                      10000);
        } else {
            QVERIFY(!QFileInfo::exists(folder.file(QStringLiteral("wine.txt"))));
        }
    }

    void realStarterIgnoresWhatCannotRun_data()
    {
        QTest::addColumn<QString>("program");
        QTest::newRow("missing") << "programs/missing.exe";
        QTest::newRow("script without execute bit") << "programs/plain.sh";
    }
    void realStarterIgnoresWhatCannotRun()
    {
        QFETCH(QString, program);
        StarterFolder folder;
        folder.writeScript(QStringLiteral("programs/plain.sh"), QStringLiteral("plain.txt"), false);
        RealProcessStarter().start(folder.file(program));
        QVERIFY(folder.settle());
        QVERIFY(!QFileInfo::exists(folder.file(QStringLiteral("plain.txt"))));
    }
};

QTEST_MAIN(TestExercises)
#include "tst_exercises.moc"
