// SPDX-License-Identifier: MIT
// The application shell over the sample course: start-up, the error policy, navigation, activation and the
// sound players, the exit question, the about box.
#include "TestSupport.h"
#include "tst_gifbuilder.h"

#include "app/Screen.h"
#include "controls/Colors.h"
#include "controls/Image.h"
#include "controls/MediaPlayer.h"
#include "controls/Panel.h"
#include "controls/Timer.h"
#include "screens/InfoLogo.h"
#include "screens/InfoMenu.h"
#include "screens/InfoSreda.h"
#include "screens/InfoTop03.h"
#include "screens/InfoUtil.h"
#include "controls/BitBtn.h"
#include "platform/Error.h"
#include "windows/InfoAbot.h"
#include "windows/InfoPict.h"
#include "windows/Ishod.h"
#include "windows/Karta.h"

#include <QAccessible>
#include <QAction>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

using namespace TestSupport;

namespace {

Screen* screenOf(Application& app, Role role)
{
    return app.screen(role);
}

QStringList visibleWindows(Application& app)
{
    QStringList names;
    for (Window* w : app.windows())
        if (w->isVisible())
            names << w->objectName();
    return names;
}

} // namespace

class TestShell final : public QObject {
    Q_OBJECT
private slots:
    void windowSetInCreationOrder()
    {
        AppFixture fixture;
        const QStringList expected{"Form1",     "Form2",     "Form5",  "AboutBox", "Form35", "AboutBox2",
                                   "AboutBox1", "AboutBox3", "Form36", "Form37",   "Form38", "Form59"};
        QStringList names;
        for (Window* w : fixture.app().windows())
            names << w->objectName();
        QCOMPARE(names, expected);
        QCOMPARE(fixture.app().mainWindow(), static_cast<Window*>(Form1));
        QCOMPARE(Form36->caption(), QStringLiteral("Описание системы программирования DELPHI"));
        QCOMPARE(AboutBox3->caption(), QStringLiteral("Листинг программы"));
        QCOMPARE(AboutBox1->caption(), QStringLiteral("Название"));
        // Created hidden; the sample course loads without a single error.
        QVERIFY(visibleWindows(fixture.app()).isEmpty());
        QCOMPARE(fixture.dialogs.texts(), QStringList());
        for (Window* w : fixture.app().windows()) {
            if (w->isScreen())
                QCOMPARE(w->client()->size(), QSize(792, 546));
        }
    }

    void startShowsTitleScreenAndOpensItsPlayer()
    {
        AppFixture fixture;
        fixture.start();
        QCOMPARE(visibleWindows(fixture.app()), QStringList{"Form1"});
        QCOMPARE(fixture.app().activeWindow(), static_cast<Window*>(Form1));
        QCOMPARE(soundEvents(fixture.sound), QStringList{"open ding.wav"});
        QVERIFY(!Form1->Image9->picture().isNull());
        QVERIFY(!Form1->Image1->picture().isNull());
        // The footer was darkened at creation.
        QCOMPARE(Form1->footer()->color(), Colors::TColor(96));
        QCOMPARE(Form2->footer()->color(), Colors::TColor(96));
    }

    void startedElsewhereReportsEveryMissingFileAndStaysUsable()
    {
        QTemporaryDir empty;
        AppFixture fixture(empty.path());
        const QString root = QDir(empty.path()).absolutePath();
        auto message = [&](const char* relative) {
            return QStringLiteral("Cannot open file \"%1/%2\". No such file or directory.")
                .arg(root, QString::fromLatin1(relative));
        };
        const QStringList atCreation{message("xmages/logo/logo.bmp"),  message("xmages/logo/delphi2.bmp"),
                                     message("doc/topic/logo.rtf"),    message("doc/topic/logo.rtf"),
                                     message("doc/topic/logoS.rtf"),   message("doc/topic/komp/logo.rtf")};
        QCOMPARE(fixture.dialogs.texts(), atCreation);
        for (const auto& box : fixture.dialogs.boxes()) {
            QCOMPARE(box.kind, QStringLiteral("error"));
            QCOMPARE(box.caption, QStringLiteral("Ведариум DELPHI"));
        }
        // Creation handlers stopped at their first step: footers keep the design maroon.
        QCOMPARE(Form1->footer()->color(), Colors::Maroon);
        QCOMPARE(Form36->footer()->color(), Colors::TColor(96));

        fixture.dialogs.clear();
        fixture.start();
        QCOMPARE(fixture.dialogs.texts(), QStringList{message("xmages/logo/disc.gif")});
        QCOMPARE(soundEvents(fixture.sound), QStringList());

        // Navigation still works; the exit question cannot be asked without its sound.
        fixture.dialogs.clear();
        Form1->backButton()->click();
        QCOMPARE(fixture.app().currentScreen(), static_cast<Screen*>(Form2));
        Form2->exitItem()->trigger();
        QCOMPARE(fixture.dialogs.texts(), QStringList{message("sound/ding.wav")} << "No MCI device open.");
        QVERIFY(!fixture.app().isTerminated());
        Form2->closeWindow();
        QVERIFY(fixture.app().isTerminated());
    }

    void missingLogoStopsOnlyTheRestOfItsCreationHandler()
    {
        ContentCopy content;
        content.remove(QStringLiteral("xmages/logo/delphi.bmp"));
        AppFixture fixture(content.path());
        QCOMPARE(fixture.dialogs.boxes().size(), 1);
        QVERIFY(fixture.dialogs.texts().first().contains(QStringLiteral("xmages/logo/delphi.bmp")));
        QVERIFY(!Form1->Image1->picture().isNull());
        QVERIFY(Form1->Image2->picture().isNull());
        QVERIFY(Form1->Image3->picture().isNull());
        QVERIFY(Form1->Image4->picture().isNull());
        QVERIFY(Form1->Image6->picture().isNull());
        QCOMPARE(Form1->footer()->color(), Colors::Maroon);
        QVERIFY(!Form2->Image1->picture().isNull());
    }

    void brokenFilesGiveErrorBoxesNotCrashes()
    {
        ContentCopy content;
        content.write(QStringLiteral("xmages/logo/logo.bmp"), QByteArray("BM\x10\x00garbage", 11));
        content.write(QStringLiteral("xmages/logo/disc.gif"), QByteArray("GIF89a\x01"));
        content.write(QStringLiteral("sound/ding.wav"), QByteArray("RIFF\x04\x00\x00\x00WAVEfmt ", 16));
        AppFixture fixture(content.path());
        QCOMPARE(fixture.dialogs.boxes().size(), 1);
        fixture.start();
        QCOMPARE(fixture.dialogs.boxes().size(), 2);
        // The disc fails before the player opens; on the mode menu the broken sound itself is reported.
        Form1->backButton()->click();
        QCOMPARE(fixture.dialogs.boxes().size(), 3);
        QVERIFY(fixture.dialogs.texts().last().contains(QStringLiteral("ding.wav")));
        QCOMPARE(fixture.app().currentScreen(), static_cast<Screen*>(Form2));
    }

    void navigationTable_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("to");
        const Role screens[] = {Role::Form1, Role::Form2, Role::Form5, Role::Form35,
                                Role::Form36, Role::Form37, Role::Form38, Role::Form59};
        const Role back[] = {Role::Form2, Role::Form1, Role::Form2, Role::Form5,
                             Role::Form2, Role::Form2, Role::Form2, Role::Form2};
        const char* items[] = {"N25", "N1", "N2", "N3", "N4"};
        const Role itemTargets[] = {Role::Form36, Role::Form37, Role::Form5, Role::Form38, Role::Form59};
        for (int s = 0; s < 8; ++s) {
            const QString name = QString::fromLatin1(Window::roleName(screens[s]));
            QTest::addRow("%s back", qPrintable(name)) << int(screens[s]) << "back" << int(back[s]);
            if (s != 0)
                QTest::addRow("%s home", qPrintable(name)) << int(screens[s]) << "home" << int(Role::Form1);
            for (int i = 0; i < 5; ++i) {
                const bool disabled = itemTargets[i] == screens[s];
                QTest::addRow("%s %s", qPrintable(name), items[i])
                    << int(screens[s]) << QString::fromLatin1(items[i]) << (disabled ? -1 : int(itemTargets[i]));
            }
        }
    }
    void navigationTable()
    {
        QFETCH(int, from);
        QFETCH(QString, command);
        QFETCH(int, to);
        AppFixture fixture;
        fixture.start();
        Screen* source = screenOf(fixture.app(), Role(from));
        fixture.app().goToScreen(source);
        QCOMPARE(fixture.app().currentScreen(), source);
        if (command == QLatin1String("back")) {
            source->backButton()->click();
        } else if (command == QLatin1String("home")) {
            QSignalSpy spy(source->homeImage(), &Image::clicked);
            QTest::mouseClick(source->homeImage(), Qt::LeftButton);
            QCOMPARE(spy.count(), 1);
        } else {
            QAction* item = source->menuBar()->findChild<QAction*>(command);
            QVERIFY(item);
            QCOMPARE(item->isEnabled(), to != -1);
            item->trigger();
        }
        Screen* expected = to == -1 ? source : screenOf(fixture.app(), Role(to));
        QCOMPARE(fixture.app().currentScreen(), expected);
        QCOMPARE(visibleWindows(fixture.app()), QStringList{expected->objectName()});
        QCOMPARE(fixture.app().activeWindow(), static_cast<Window*>(expected));
        QVERIFY(fixture.dialogs.boxes().isEmpty());
    }

    void goToScreenRunsHandlersInOrder()
    {
        AppFixture fixture;
        fixture.start();
        Form1->backButton()->click();
        fixture.sound.clearEvents();
        Form2->BitBtn1->click();
        // The mode menu's player closes before the article screen's players open, in their order.
        QCOMPARE(soundEvents(fixture.sound),
                 (QStringList{"close ding.wav", "open notify.wav", "open ding.wav", "open rec.wav"}));
        fixture.sound.clearEvents();
        Form36->backButton()->click();
        QCOMPARE(soundEvents(fixture.sound),
                 (QStringList{"close notify.wav", "close ding.wav", "close rec.wav", "open ding.wav"}));
    }

    void leavingCleansUp()
    {
        AppFixture fixture;
        fixture.start();
        fixture.app().goToScreen(Form35);
        AboutBox1->showFigure(300, 300, QStringLiteral("x"), 100, 100,
                              QStringLiteral("doc\\topic\\sreda\\picture\\pic041.bmp"));
        AboutBox2->showWindow();
        AboutBox3->showWindow();
        Form35->Panel4->show();
        Form35->Panel12->show();
        Form35->menuItem(0)->trigger();
        QCOMPARE(visibleWindows(fixture.app()), QStringList{"Form36"});
        QVERIFY(Form35->Panel4->isHidden());
        QVERIFY(Form35->Panel12->isHidden());

        AboutBox1->showFigure(300, 300, QStringLiteral("x"), 100, 100,
                              QStringLiteral("doc\\topic\\sreda\\picture\\pic041.bmp"));
        QVERIFY(AboutBox1->isVisible());
        Form36->backButton()->click();
        QVERIFY(!AboutBox1->isVisible());
        QVERIFY(fixture.dialogs.boxes().isEmpty());
    }

    void exitConfirmation()
    {
        AppFixture fixture;
        fixture.start();
        fixture.app().goToScreen(Form36);
        fixture.sound.clearEvents();
        Form36->exitItem()->trigger();
        QCOMPARE(fixture.dialogs.boxes().size(), 1);
        const auto box = fixture.dialogs.boxes().first();
        QCOMPARE(box.kind, QStringLiteral("confirm"));
        QCOMPARE(box.caption, QStringLiteral("Confirm"));
        QCOMPARE(box.text, QStringLiteral("Вы хотите выйти из программы?"));
        // The ding plays first, and the modal question leaves the players open.
        QCOMPARE(soundEvents(fixture.sound), QStringList{"play ding.wav"});
        QVERIFY(!fixture.app().isTerminated());
        QCOMPARE(fixture.app().currentScreen(), static_cast<Screen*>(Form36));

        fixture.dialogs.queueAnswer(true);
        Form36->exitItem()->trigger();
        QVERIFY(fixture.app().isTerminated());
    }

    void closingAnyScreenEndsTheProgram_data()
    {
        QTest::addColumn<int>("role");
        for (Role r : {Role::Form1, Role::Form2, Role::Form5, Role::Form59})
            QTest::addRow("%s", Window::roleName(r)) << int(r);
    }
    void closingAnyScreenEndsTheProgram()
    {
        QFETCH(int, role);
        AppFixture fixture;
        fixture.start();
        Screen* screen = fixture.app().screen(Role(role));
        fixture.app().goToScreen(screen);
        screen->close(); // the window's close button
        QVERIFY(fixture.app().isTerminated());
        QVERIFY(fixture.dialogs.boxes().isEmpty());
    }

    void aboutBoxTakesAndGivesBackActivation()
    {
        AppFixture fixture;
        fixture.start();
        fixture.app().goToScreen(Form5);
        fixture.sound.clearEvents();
        Form5->aboutItem()->trigger();
        Form5->aboutItem()->trigger();
        QCOMPARE(visibleWindows(fixture.app()), (QStringList{"Form5", "AboutBox"}));
        QCOMPARE(fixture.app().activeWindow(), static_cast<Window*>(AboutBox));
        QCOMPARE(soundEvents(fixture.sound), (QStringList{"close notify.wav", "close ding.wav"}));
        fixture.sound.clearEvents();
        AboutBox->OKButton->click();
        QCOMPARE(visibleWindows(fixture.app()), QStringList{"Form5"});
        QCOMPARE(soundEvents(fixture.sound), (QStringList{"open notify.wav", "open ding.wav"}));

        // A click on the screen behind closes it too.
        Form5->aboutItem()->trigger();
        fixture.app().platformActivated(Form5);
        QVERIFY(!AboutBox->isVisible());
        QCOMPARE(fixture.app().activeWindow(), static_cast<Window*>(Form5));
        // So does a mouse click into the screen where no window manager activates windows.
        Form5->aboutItem()->trigger();
        QVERIFY(AboutBox->isVisible());
        QTest::mouseClick(Form5->header(), Qt::LeftButton);
        QVERIFY(!AboutBox->isVisible());
        QCOMPARE(fixture.app().activeWindow(), static_cast<Window*>(Form5));
        // Enter presses OK.
        Form5->aboutItem()->trigger();
        QTest::keyClick(AboutBox, Qt::Key_Return);
        QVERIFY(!AboutBox->isVisible());
    }

    void platformActivationOfHiddenOrOldScreensIsIgnored()
    {
        AppFixture fixture;
        fixture.start();
        Form1->backButton()->click();
        fixture.sound.clearEvents();
        fixture.app().platformActivated(Form1); // a late event about the screen just left
        QCOMPARE(fixture.app().activeWindow(), static_cast<Window*>(Form2));
        QVERIFY(fixture.sound.events().isEmpty());
    }

    void logoPairSwapsAfterTheTimer()
    {
        AppFixture fixture;
        fixture.start();
        fixture.app().goToScreen(Form5);
        QVERIFY(Form5->timer()->isEnabled());
        QCOMPARE(Form5->timer()->interval(), 3000);
        QVERIFY(Form5->logo1()->isVisible());
        QVERIFY(!Form5->logo2()->isVisible());
        QVERIFY(Form5->logo1()->picture().isAnimated());
        QVERIFY(Form5->logo2()->picture().isAnimated());
        Form5->Timer1Timer();
        QVERIFY(!Form5->logo1()->isVisible());
        QVERIFY(Form5->logo2()->isVisible());
        QVERIFY(!Form5->timer()->isEnabled());
        // Every show starts the three seconds again.
        Form5->backButton()->click();
        fixture.app().goToScreen(Form5);
        QVERIFY(Form5->logo1()->isVisible());
        QVERIFY(Form5->timer()->isEnabled());
    }

    void hiddenLogosRest()
    {
        AppFixture fixture;
        fixture.start();
        fixture.app().goToScreen(Form5);
        QVERIFY(QTest::qWaitForWindowExposed(Form5));
        QTRY_VERIFY(Form5->logo1()->isAnimating());
        // The flag is hidden after three seconds: it rests, the smile plays.
        Form5->Timer1Timer();
        QVERIFY(!Form5->logo1()->isAnimating());
        QTRY_VERIFY(Form5->logo2()->isAnimating());
        // The screen left: nothing of it plays.
        Form5->backButton()->click();
        QVERIFY(!Form5->logo1()->isAnimating());
        QVERIFY(!Form5->logo2()->isAnimating());
    }

    void screensShareOneRectangle()
    {
        AppFixture fixture;
        fixture.start();
        // The title screen, frame and all, in the middle of the desktop.
        const QRect desktop = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(Form1->frameGeometry().center(), desktop.center());

        // Dragged somewhere by the pupil, it hands its place to the next screen, and that one to the next.
        Form1->move(37, 21);
        const QRect dragged = Form1->frameGeometry();
        Form1->backButton()->click();
        QCOMPARE(fixture.app().currentScreen(), static_cast<Screen*>(Form2));
        QCOMPARE(Form2->frameGeometry(), dragged);
        Form2->move(120, 64);
        const QRect draggedAgain = Form2->frameGeometry();
        Form2->menuItem(0)->trigger();
        QCOMPARE(fixture.app().currentScreen(), static_cast<Screen*>(Form36));
        QCOMPARE(Form36->frameGeometry(), draggedAgain);
        Form36->homeImage()->clicked();
        QCOMPARE(fixture.app().currentScreen(), static_cast<Screen*>(Form1));
        QCOMPARE(Form1->frameGeometry(), draggedAgain);
        // The auxiliary windows keep their own places: the picture window at the desktop's top-left corner.
        AboutBox1->showFigure(300, 200, QStringLiteral("РИСУНОК"), 100, 100, QStringLiteral("xmages\\logo\\logo.bmp"));
        QVERIFY(AboutBox1->isVisible());
        QCOMPARE(AboutBox1->frameGeometry().topLeft(), QPoint(0, 0));
    }

    // Files from other tools or slightly damaged, where the program shows them: figures in the picture window,
    // logos on the screens. They show, and no error box appears.
    void realWorldPicturesShow()
    {
        ContentCopy content;
        auto read = [&content](const char* relative) {
            QFile file(content.file(QString::fromLatin1(relative)));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        const QByteArray jpeg = read("doc/topic/sreda/picture/pic051.jpg");
        QVERIFY(jpeg.endsWith("\xFF\xD9"));
        content.write(QStringLiteral("doc/topic/sreda/picture/pic051.jpg"), jpeg.left(jpeg.size() - 2));
        const QByteArray cut = read("doc/topic/sreda/picture/pic052.jpg");
        content.write(QStringLiteral("doc/topic/sreda/picture/pic052.jpg"), cut.left(cut.size() * 2 / 3));
        QByteArray bmp = read("doc/topic/sreda/picture/pic071.bmp");
        QVERIFY(bmp.startsWith("BM"));
        bmp[2] = char(bmp[2] + 2);                                             // the file-size field two bytes off
        bmp.replace(38, 8, QByteArray("\x0A\x00\x00\x00\x13\x0B\x00\x00", 8)); // 10 and 2835 pixels per metre
        content.write(QStringLiteral("doc/topic/sreda/picture/pic071.bmp"), bmp);
        TestGif::File flag;
        flag.size = QSize(8, 8);
        flag.frames = {TestGif::solid(QRect(0, 0, 8, 8), 1, 10), TestGif::solid(QRect(0, 0, 8, 8), 2, 10)};
        flag.frames[0].loopCount = 0;
        flag.frames[1].pixels[9] = 7; // past the four colours
        flag.globalColors = {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
        content.write(QStringLiteral("xmages/logo/flag.gif"), TestGif::build(flag));

        AppFixture fixture(content.path());
        fixture.start();
        fixture.app().goToScreen(Form5);
        QCOMPARE(Form5->logo1()->picture().gif()->frameCount(), 2);
        for (const char* figure : {"doc\\topic\\sreda\\picture\\pic051.jpg", "doc\\topic\\sreda\\picture\\pic052.jpg",
                                   "doc\\topic\\sreda\\picture\\pic071.bmp"}) {
            AboutBox1->showFigure(400, 300, QStringLiteral("РИСУНОК"), 360, 240, QString::fromLatin1(figure));
            QVERIFY2(AboutBox1->isVisible(), figure);
            QVERIFY(!AboutBox1->Image1->picture().isNull());
        }
        QCOMPARE(fixture.dialogs.texts(), QStringList());
    }

    void errorBoxAddsAFullStop()
    {
        AppFixture fixture;
        fixture.app().dispatch([] { throw Error(QStringLiteral("Invalid GIF data")); });
        fixture.app().dispatch([] { throw Error(QStringLiteral("Already ends.")); });
        bool after = false;
        fixture.app().dispatch([&] { after = true; });
        QCOMPARE(fixture.dialogs.texts(), (QStringList{"Invalid GIF data.", "Already ends."}));
        QVERIFY(after);
    }

    void accessibleNamesRolesAndPress()
    {
        AppFixture fixture;
        fixture.start();
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(Form1);
        QVERIFY(window);
        QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Среда программирования DELPHI"));
        QAccessibleInterface* back = QAccessible::queryAccessibleInterface(Form1->backButton());
        QCOMPARE(back->role(), QAccessible::Button);
        QCOMPARE(back->text(QAccessible::Name), QStringLiteral("НАЧАТЬ"));
        QAccessibleInterface* header = QAccessible::queryAccessibleInterface(Form1->header());
        QCOMPARE(header->role(), QAccessible::Pane);
        QCOMPARE(QAccessible::queryAccessibleInterface(Form1->Image1)->role(), QAccessible::Graphic);
        QVERIFY(back->actionInterface());
        back->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(fixture.app().currentScreen(), static_cast<Screen*>(Form2));
        QAccessibleInterface* disabled = QAccessible::queryAccessibleInterface(Form2->backButton());
        Form2->backButton()->setEnabled(false);
        QVERIFY(disabled->state().disabled);
    }
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
