// SPDX-License-Identifier: MIT
// The three article screens over the sample course: topic clicks and their order, figures, failures, and
// the state that survives leaving a screen.
#include "TestSupport.h"

#include "controls/Colors.h"
#include "controls/Image.h"
#include "controls/Panel.h"
#include "controls/RichEdit.h"
#include "screens/InfoJazik.h"
#include "screens/InfoLogo.h"
#include "screens/InfoMenu.h"
#include "screens/InfoSprav.h"
#include "screens/InfoSreda.h"
#include "windows/InfoPict.h"

#include <QScrollBar>
#include <QtTest>

using namespace TestSupport;

namespace {

int topicIndex(ArticleScreen* screen, const char* button)
{
    const auto topics = screen->data().topics;
    for (int i = 0; i < int(topics.size()); ++i)
        if (qstrcmp(topics[size_t(i)].button, button) == 0)
            return i;
    return -1;
}

Panel* panel(ArticleScreen* screen, const char* name)
{
    return screen->findChild<Panel*>(QString::fromLatin1(name));
}

QStringList visibleFigureButtons(ArticleScreen* screen)
{
    QStringList names;
    for (int i = 0; screen->figureButton(i); ++i)
        if (screen->figureButton(i)->isVisibleTo(screen))
            names << screen->figureButton(i)->objectName();
    return names;
}

} // namespace

class TestArticles final : public QObject {
    Q_OBJECT
private slots:
    void createdState_data()
    {
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("welcome");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("image1");
        QTest::newRow("environment") << int(Role::Form36) << "doc\\topic\\logo.rtf" << "НАЗВАНИЕ СТАТЬИ" << true;
        QTest::newRow("language") << int(Role::Form37) << "doc\\topic\\logo.rtf" << "НАЗВАНИЕ СТАТЬИ" << false;
        QTest::newRow("reference") << int(Role::Form38) << "doc\\topic\\logoS.rtf" << "НАЗВАНИЕ СПРАВОЧНИКА" << true;
    }
    void createdState()
    {
        QFETCH(int, role);
        QFETCH(QString, welcome);
        QFETCH(QString, title);
        QFETCH(bool, image1);
        AppFixture fixture;
        fixture.start();
        auto* screen = static_cast<ArticleScreen*>(fixture.app().screen(Role(role)));
        fixture.app().goToScreen(screen);
        QCOMPARE(screen->RichEdit1->loadedPath(), welcome);
        QVERIFY(!screen->RichEdit1->toPlainText().trimmed().isEmpty());
        QCOMPARE(screen->Panel9->caption(), title);
        QCOMPARE(screen->Image1->isVisible(), image1);
        if (screen->Image5)
            QVERIFY(!screen->Image5->isVisible());
        QVERIFY(visibleFigureButtons(screen).isEmpty());
        for (int i = 0; screen->topicButton(i); ++i)
            QCOMPARE(screen->topicButton(i)->color(), Colors::Maroon);
        QVERIFY(std::all_of(screen->flags().begin(), screen->flags().end(), [](unsigned char f) { return f == 0; }));
        QVERIFY(fixture.dialogs.boxes().isEmpty());
    }

    void topicClickShowsItsArticleAndFigures()
    {
        AppFixture fixture;
        fixture.start();
        fixture.app().goToScreen(Form36);
        AboutBox1->showFigure(400, 300, QStringLiteral("old"), 100, 100,
                              QStringLiteral("doc\\topic\\sreda\\picture\\pic041.bmp"));
        fixture.app().platformActivated(Form36); // the pupil clicks back on the screen
        fixture.sound.clearEvents();

        panel(Form36, "Panel10")->click();
        QVERIFY(!AboutBox1->isVisible());
        QCOMPARE(soundEvents(fixture.sound), QStringList{"play notify.wav"});
        QCOMPARE(Form36->flags().indexOf(1), 2);
        QCOMPARE(Form36->flags().count(1), 1);
        QCOMPARE(panel(Form36, "Panel10")->color(), Colors::Grey);
        QCOMPARE(panel(Form36, "Panel4")->color(), Colors::Maroon); // hidden, coloured all the same
        QCOMPARE(panel(Form36, "Panel3")->color(), Colors::Maroon);
        QCOMPARE(Form36->Panel9->caption(), QStringLiteral("ОСНОВНЫЕ ЭЛЕМЕНТЫ ИНТЕРФЕЙСА СИСТЕМЫ BORLAND DELPHI"));
        QCOMPARE(visibleFigureButtons(Form36), (QStringList{"Panel18", "Panel19"}));
        QVERIFY(!Form36->Image1->isVisible());
        QVERIFY(Form36->Image5->isVisible());
        QCOMPARE(Form36->RichEdit1->loadedPath(), QStringLiteral("doc\\topic\\sreda\\srd03.rtf"));
        QCOMPARE(Form36->RichEdit1->verticalScrollBar()->value(), 0);

        // A topic without figures hides the previous topic's buttons and brings Image1 back.
        panel(Form36, "Panel17")->click();
        QVERIFY(visibleFigureButtons(Form36).isEmpty());
        QVERIFY(Form36->Image1->isVisible());
        QVERIFY(!Form36->Image5->isVisible());

        // The same topic again replays the sound and reloads the article from the top.
        fixture.sound.clearEvents();
        Form36->RichEdit1->verticalScrollBar()->setValue(Form36->RichEdit1->verticalScrollBar()->maximum());
        panel(Form36, "Panel17")->click();
        QCOMPARE(soundEvents(fixture.sound), QStringList{"play notify.wav"});
        QCOMPARE(Form36->RichEdit1->verticalScrollBar()->value(), 0);
        QVERIFY(fixture.dialogs.boxes().isEmpty());
    }

    void hiddenTopicButtonsDoNothing()
    {
        AppFixture fixture;
        fixture.start();
        fixture.app().goToScreen(Form38);
        Panel* hidden = panel(Form38, "Panel13");
        QVERIFY(hidden->isHidden());
        Form38->topicClick(topicIndex(Form38, "Panel13"));
        QVERIFY(std::all_of(Form38->flags().begin(), Form38->flags().end(), [](unsigned char f) { return f == 0; }));
        panel(Form38, "Panel15")->click();
        QCOMPARE(Form38->flags().indexOf(1), 7);
        QCOMPARE(hidden->color(), Colors::Maroon);
    }

    void missingArticleLeavesTheOldText()
    {
        ContentCopy content;
        content.remove(QStringLiteral("doc/topic/sreda/srd05.rtf"));
        AppFixture fixture(content.path());
        fixture.start();
        fixture.app().goToScreen(Form36);
        panel(Form36, "Panel11")->click();
        const QString before = Form36->RichEdit1->toPlainText();
        panel(Form36, "Panel12")->click();
        QCOMPARE(fixture.dialogs.texts(),
                 QStringList{QStringLiteral("Cannot open file \"%1\". No such file or directory.")
                                 .arg(QDir(content.path()).filePath(QStringLiteral("doc/topic/sreda/srd05.rtf")))});
        // Everything up to the load is done; the article area keeps the previous article.
        QCOMPARE(Form36->flags().indexOf(1), 4);
        QCOMPARE(panel(Form36, "Panel12")->color(), Colors::Grey);
        QCOMPARE(Form36->Panel9->caption(), QStringLiteral("ЗАДАНИЕ СВОЙСТВ КОМПОНЕНТОВ В ИНСПЕКТОРЕ ОБЪЕКТОВ"));
        QCOMPARE(visibleFigureButtons(Form36), (QStringList{"Panel18", "Panel19"}));
        QCOMPARE(Form36->RichEdit1->toPlainText(), before);
        QCOMPARE(Form36->RichEdit1->loadedPath(), QStringLiteral("doc\\topic\\sreda\\srd04.rtf"));
    }

    void missingNotifySoundStopsTheClickAtThePlayStep()
    {
        ContentCopy content;
        content.remove(QStringLiteral("sound/notify.wav"));
        AppFixture fixture(content.path());
        fixture.start();
        fixture.app().goToScreen(Form38);
        QCOMPARE(fixture.dialogs.boxes().size(), 1); // opening the notify player failed at activation
        fixture.dialogs.clear();
        AboutBox1->showFigure(400, 300, QStringLiteral("old"), 100, 100,
                              QStringLiteral("doc\\topic\\sreda\\picture\\pic041.bmp"));
        fixture.app().platformActivated(Form38);
        fixture.dialogs.clear();
        panel(Form38, "Panel3")->click();
        QCOMPARE(fixture.dialogs.texts(), QStringList{"No MCI device open."});
        QVERIFY(Form38->Image5->isVisible()); // step 1 done
        QVERIFY(!AboutBox1->isVisible());     // step 2 done
        QCOMPARE(Form38->flags().count(1), 0);
        QCOMPARE(Form38->Panel9->caption(), QStringLiteral("НАЗВАНИЕ СПРАВОЧНИКА"));
        QCOMPARE(Form38->RichEdit1->loadedPath(), QStringLiteral("doc\\topic\\logoS.rtf"));
    }

    void stateSurvivesLeavingAndComingBack_data()
    {
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("hint");
        QTest::newRow("environment, figure topic") << int(Role::Form36) << "Panel16" << true;
        QTest::newRow("environment, no figures") << int(Role::Form36) << "Panel3" << false;
        QTest::newRow("reference, colour schemes") << int(Role::Form38) << "Panel16" << true;
        QTest::newRow("reference, procedures") << int(Role::Form38) << "Panel15" << false;
        QTest::newRow("language") << int(Role::Form37) << "Panel16" << false;
    }
    void stateSurvivesLeavingAndComingBack()
    {
        QFETCH(int, role);
        QFETCH(QString, button);
        QFETCH(bool, hint);
        AppFixture fixture;
        fixture.start();
        auto* screen = static_cast<ArticleScreen*>(fixture.app().screen(Role(role)));
        fixture.app().goToScreen(screen);
        screen->findChild<Panel*>(button)->click();
        const QString title = screen->Panel9->caption();
        const QString article = screen->RichEdit1->loadedPath();
        const QStringList figures = visibleFigureButtons(screen);
        const bool image1 = screen->Image1->isVisible();
        screen->backButton()->click();
        if (screen->Image5)
            QVERIFY(screen->Image5->isHidden());
        Form2->menuItem(int(role == int(Role::Form36) ? 0 : role == int(Role::Form37) ? 1 : 3))->trigger();
        QCOMPARE(fixture.app().currentScreen(), static_cast<Screen*>(screen));
        QCOMPARE(screen->findChild<Panel*>(button)->color(), Colors::Grey);
        QCOMPARE(screen->Panel9->caption(), title);
        QCOMPARE(screen->RichEdit1->loadedPath(), article);
        QCOMPARE(visibleFigureButtons(screen), figures);
        QCOMPARE(screen->Image1->isVisible(), image1);
        if (screen->Image5) {
            QCOMPARE(screen->Image5->isVisible(), hint);
            QVERIFY(screen->Image5->picture().isAnimated());
        }
        QVERIFY(fixture.dialogs.boxes().isEmpty());
    }

    // Every figure of every topic opens in the picture window with its size and caption.
    void figuresOpenInThePictureWindow_data()
    {
        QTest::addColumn<int>("role");
        QTest::addColumn<int>("figure");
        AppFixture fixture;
        for (Role role : {Role::Form36, Role::Form38}) {
            auto* screen = static_cast<ArticleScreen*>(fixture.app().screen(role));
            for (int i = 0; i < int(screen->data().figures.size()); ++i)
                QTest::addRow("%s %s", Window::roleName(role), screen->data().figures[size_t(i)].picture)
                    << int(role) << i;
        }
    }
    void figuresOpenInThePictureWindow()
    {
        QFETCH(int, role);
        QFETCH(int, figure);
        AppFixture fixture;
        fixture.start();
        auto* screen = static_cast<ArticleScreen*>(fixture.app().screen(Role(role)));
        fixture.app().goToScreen(screen);
        const FigureRow& row = screen->data().figures[size_t(figure)];
        int topic = -1;
        for (int i = 0; i < int(screen->data().topics.size()); ++i)
            if (screen->data().topics[size_t(i)].flag == row.flag)
                topic = i;
        QVERIFY(topic >= 0);
        screen->topicButton(topic)->click();
        Panel* button = screen->figureButton(row.button);
        QVERIFY(button->isVisibleTo(screen));
        button->click();
        QVERIFY(AboutBox1->isVisible());
        QCOMPARE(fixture.app().activeWindow(), static_cast<Window*>(AboutBox1));
        QCOMPARE(AboutBox1->caption(), QString::fromUtf8(row.caption));
        QCOMPARE(AboutBox1->Image1->size(), QSize(row.imageWidth, row.imageHeight));
        QCOMPARE(AboutBox1->frameGeometry().size(), QSize(row.windowWidth, row.windowHeight));
        QCOMPARE(AboutBox1->Image1->pos(), QPoint(16, 21));
        QVERIFY(!AboutBox1->Image1->picture().isNull());
        QVERIFY(fixture.dialogs.boxes().isEmpty());
    }

    void languageReferenceFiguresNeedNoTopic()
    {
        AppFixture fixture;
        fixture.start();
        fixture.app().goToScreen(Form37);
        panel(Form37, "Panel23")->click();
        QCOMPARE(AboutBox1->caption(), QStringLiteral("   Иерархия базовых классов VCL"));
        QCOMPARE(AboutBox1->frameGeometry().size(), QSize(365, 392));
        QCOMPARE(AboutBox1->Image1->size(), QSize(328, 328));
        panel(Form37, "Panel25")->click();
        QCOMPARE(AboutBox1->frameGeometry().size(), QSize(731, 363));
        QCOMPARE(Form37->Panel9->caption(), QStringLiteral("НАЗВАНИЕ СТАТЬИ"));
        // Choosing a topic closes it; the reference buttons stay.
        panel(Form37, "Panel16")->click();
        QVERIFY(!AboutBox1->isVisible());
        QCOMPARE(Form37->RichEdit1->loadedPath(), QStringLiteral("doc\\topic\\jazik\\jaz09.rtf"));
        QVERIFY(panel(Form37, "Panel22")->isVisible());
        QVERIFY(visibleFigureButtons(Form37).isEmpty());
    }

    void referenceScreenFourButtonRow()
    {
        AppFixture fixture;
        fixture.start();
        fixture.app().goToScreen(Form38);
        panel(Form38, "Panel11")->click();
        QCOMPARE(visibleFigureButtons(Form38), (QStringList{"Panel22", "Panel23", "Panel24", "Panel25"}));
        panel(Form38, "Panel24")->click();
        QCOMPARE(AboutBox1->caption(), QStringLiteral("РИСУНОК 3.Окно регистрации формы в Репозитории"));
        QCOMPARE(AboutBox1->frameGeometry().size(), QSize(508, 343));
        QCOMPARE(Form38->Panel9->caption(), QStringLiteral("ОСНОВНЫЕ РЕЖИМЫ РАБОТЫ СИСТЕМЫ ПРОГРАММИРОВАНИЯ DELPHI "));
    }

    void missingFigureLeavesTheWindowHiddenButRetitled()
    {
        ContentCopy content;
        content.remove(QStringLiteral("doc/topic/sreda/picture/pic041.bmp"));
        AppFixture fixture(content.path());
        fixture.start();
        fixture.app().goToScreen(Form36);
        panel(Form36, "Panel11")->click();
        panel(Form36, "Panel2")->click();
        QCOMPARE(fixture.dialogs.boxes().size(), 1);
        QVERIFY(fixture.dialogs.texts().first().contains(QStringLiteral("pic041.bmp")));
        QVERIFY(!AboutBox1->isVisible());
        QCOMPARE(AboutBox1->caption(), QStringLiteral("РИСУНОК. Окно Палитры компонентов"));
    }
};

QTEST_MAIN(TestArticles)
#include "tst_articles.moc"
