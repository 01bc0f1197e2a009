// SPDX-License-Identifier: MIT
// The component library screen over the sample course: the catalogue's invariants, section, entry and
// stand-alone choices with their effects, the flags that survive other choices, failures, and the figure.
#include "TestSupport.h"

#include "controls/Colors.h"
#include "controls/GroupBox.h"
#include "controls/Image.h"
#include "controls/Panel.h"
#include "controls/RichEdit.h"
#include "screens/ComponentCatalogue.h"
#include "screens/InfoKomp.h"
#include "screens/InfoMenu.h"
#include "windows/InfoPict.h"

#include <QScrollBar>
#include <QtTest>

using namespace TestSupport;

namespace {

Panel* panel(const QString& name)
{
    return Form59->findChild<Panel*>(name);
}

void clickAll(const QStringList& names)
{
    for (const QString& name : names)
        panel(name)->click();
}

QString focusName()
{
    return Form59->focusWidget() ? Form59->focusWidget()->objectName() : QString();
}

// The set section (0: none, -1: more than one).
int setSection()
{
    int set = 0;
    for (int s = 1; s <= 9; ++s)
        if (Form59->sectionFlags()[size_t(s - 1)])
            set = set ? -1 : s;
    return set;
}

QList<int> setEntries(int section)
{
    QList<int> positions;
    for (int p = 1; p <= Form59->entryFlags(section).size(); ++p)
        if (Form59->entryFlags(section)[p - 1])
            positions << p;
    return positions;
}

// A figure in the shared picture window, then the pupil clicks back on the screen.
void openSomeFigure(AppFixture& fixture)
{
    AboutBox1->showFigure(400, 300, QStringLiteral("old"), 100, 100,
                          QStringLiteral("doc\\topic\\sreda\\picture\\pic041.bmp"));
    fixture.app().platformActivated(Form59);
    fixture.sound.clearEvents();
}

// Section buttons in their colours with `chosen` grey (0: none).
bool sectionColours(int chosen)
{
    for (int s = 1; s <= 9; ++s) {
        const Colors::TColor idle = s >= 7 ? Colors::Purple : Colors::Maroon;
        if (Form59->sectionButton(s)->color() != (s == chosen ? Colors::Grey : idle))
            return false;
    }
    return true;
}

// The component grid: positions 1..count captioned and enabled, the rest "---" and disabled; `marked` grey.
bool gridShows(int count, int marked)
{
    for (int p = 1; p <= 21; ++p) {
        Panel* button = Form59->componentButton(p);
        if ((button->caption() == QLatin1String("---")) != (p > count) || button->isEnabled() != (p <= count) ||
            button->color() != (p == marked ? Colors::Grey : Colors::Teal))
            return false;
    }
    return true;
}

} // namespace

class TestKomp final : public QObject {
    Q_OBJECT
private slots:
    // Counts per section; file names from entry names by the naming rule; captions equal to names except in
    // the dialogs section and two shortened captions.
    void catalogue_data()
    {
        QTest::addColumn<int>("section");
        QTest::addColumn<int>("count");
        const int counts[] = {16, 21, 20, 4, 11, 6, 4, 6, 3};
        for (int s = 1; s <= 9; ++s)
            QTest::addRow("section %d", s) << s << counts[s - 1];
    }
    void catalogue()
    {
        QFETCH(int, section);
        QFETCH(int, count);
        QCOMPARE(int(ComponentCatalogue::entries().size()), 91);
        QCOMPARE(int(ComponentCatalogue::sectionEntries(section).size()), count);
        QCOMPARE(ComponentCatalogue::sections()[size_t(section - 1)].entries, count);
        QVERIFY(!ComponentCatalogue::entry(section, count + 1));
        for (int p = 1; p <= count; ++p) {
            const CatalogueEntry* e = ComponentCatalogue::entry(section, p);
            QCOMPARE(e->position, p);
            const QString name = QString::fromUtf8(e->name);
            QString file = name;
            if (file.size() > 1 && file[0] == QLatin1Char('T') && file[1].isUpper())
                file.remove(0, 1);
            if (file.endsWith(QLatin1String("Dialog")))
                file = file.chopped(6) + QLatin1String("Dlg");
            QCOMPARE(QString::fromUtf8(e->article),
                     QStringLiteral("doc\\topic\\komp\\komp0%1\\%2.rtf").arg(section).arg(file.toLower()));
            QString caption = name;
            if (section == 5)
                caption = name.chopped(6) + QLatin1String("Dlg");
            else if (section == 2 && p == 21)
                caption = QStringLiteral("CustDlg");
            else if (section == 8 && p == 2)
                caption = QStringLiteral("TPiture");
            QCOMPARE(QString::fromUtf8(e->caption), caption);
            QCOMPARE(QString::fromUtf8(e->kind), section != 7 ? QString()
                                                 : p <= 2     ? QStringLiteral("КЛАСС")
                                                              : QStringLiteral("ИНТЕРФЕЙС"));
        }
    }

    void createdState()
    {
        AppFixture fixture;
        fixture.start();
        fixture.app().goToScreen(Form59);
        QVERIFY(fixture.dialogs.boxes().isEmpty());
        QCOMPARE(Form59->RichEdit1->loadedPath(), QStringLiteral("doc\\topic\\komp\\logo.rtf"));
        QCOMPARE(focusName(), QStringLiteral("Panel6"));
        QCOMPARE(setSection(), 0);
        QVERIFY(sectionColours(0));
        QVERIFY(gridShows(0, 0));
        for (int i = 0; i < 4; ++i)
            QVERIFY(Form59->figureButton(i)->isHidden());
        QVERIFY(Form59->Image1->isHidden());
        QCOMPARE(Form59->GroupBox1->caption(), QStringLiteral(" ВЫБОР КОМПОНЕНТА VCL "));
        QCOMPARE(Form59->GroupBox2->caption(), QStringLiteral(" ВЫБОР СТРАНИЦЫ VCL ИЛИ КЛАССА "));
        const struct {
            const char* name;
            QRect place;
            const char* caption;
            Colors::TColor colour;
        } rows[] = {
            {"Panel84", QRect(88, 72, 73, 17), "TGraphic", Colors::Purple},
            {"Panel2", QRect(8, 24, 89, 17), "---", Colors::Teal},
            {"Panel26", QRect(168, 168, 57, 17), "---", Colors::Teal},
            {"Panel31", QRect(104, 440, 89, 25), "TApplication", Colors::Teal},
            {"Panel32", QRect(208, 440, 57, 25), "WinAPI", Colors::Purple},
            {"Panel27", QRect(296, 104, 217, 27), "НАЗВАНИЕ СТРАНИЦЫ", Colors::Olive},
            {"Panel29", QRect(544, 104, 105, 27), "КОМПОНЕНТ", Colors::Olive},
            {"Panel28", QRect(648, 104, 113, 27), "Название", Colors::Maroon},
            {"Panel33", QRect(112, 472, 73, 17), "Рисунок", Colors::Olive},
        };
        for (const auto& row : rows) {
            Panel* p = panel(QString::fromLatin1(row.name));
            QCOMPARE(p->geometry(), row.place);
            QCOMPARE(p->caption(), QString::fromUtf8(row.caption));
            QCOMPARE(p->color(), row.colour);
        }
        QCOMPARE(panel(QStringLiteral("Panel31"))->font().pixelSize(), 12);
    }

    void sectionChoice_data()
    {
        QTest::addColumn<int>("section");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QStringList>("first");
        QTest::addColumn<QString>("focus");
        const QString vcl = QStringLiteral(" ВЫБОР КОМПОНЕНТА VCL ");
        const QString page = QStringLiteral("КОМПОНЕНТ");
        const QString cls = QStringLiteral("КЛАСС");
        QTest::newRow("STANDARD") << 1 << "Страница STANDARD" << page << vcl << QStringList{"MainMenu"} << "Panel6";
        QTest::newRow("ADDITIONAL") << 2 << "Страница ADDITIONAL" << page << vcl << QStringList{"SpeedButton"}
                                    << "Panel6";
        QTest::newRow("WIN32") << 3 << "Страница WIN32" << page << vcl << QStringList{"PageControl"} << "Panel6";
        QTest::newRow("SYSTEM") << 4 << "Страница SYSTEM" << page << vcl
                                << QStringList{"MediaPlayer", "PaintBox", "Timer", "OleContainer"} << "Panel6";
        QTest::newRow("DIALOGS") << 5 << "Страница DIALOGS" << page << vcl << QStringList{"OpenPictureDlg"}
                                 << "RichEdit1";
        QTest::newRow("SAMPLES") << 6 << "Страница SAMPLES" << page << vcl << QStringList{"SpinButton"} << "Panel6";
        QTest::newRow("TComponent, again") << 7 << "ОБЩИЕ СВОЙСТВА КОМПОНЕНТОВ" << cls
                                           << " ВЫБОР КЛАССА ИЛИ ИНТЕРФЕЙСА " << QStringList{"TComponent"} << "Panel6";
        QTest::newRow("TGraphic") << 8 << "КЛАССЫ РАБОТЫ С ГРАФИКОЙ" << cls << " ВЫБОР КЛАССА "
                                  << QStringList{"TGraphic", "TPiture"} << "Panel6";
        QTest::newRow("TStrings") << 9 << "КЛАССЫ ДЛЯ ТЕКСТОВ И СПИСКОВ" << cls << " ВЫБОР КЛАССА "
                                  << QStringList{"TStringList", "TStrings", "TList"} << "Panel6";
    }
    void sectionChoice()
    {
        QFETCH(int, section);
        QFETCH(QString, title);
        QFETCH(QString, kind);
        QFETCH(QString, group);
        QFETCH(QStringList, first);
        QFETCH(QString, focus);
        AppFixture fixture;
        fixture.start();
        fixture.app().goToScreen(Form59);
        clickAll({"Panel83", "Panel4"}); // the interface DragDrop is marked
        openSomeFigure(fixture);
        Form59->RichEdit1->verticalScrollBar()->setValue(Form59->RichEdit1->verticalScrollBar()->maximum());

        Form59->sectionButton(section)->click();
        QVERIFY(fixture.dialogs.boxes().isEmpty());
        QVERIFY(!AboutBox1->isVisible());
        QCOMPARE(soundEvents(fixture.sound), QStringList{"play notify.wav"});
        QCOMPARE(setSection(), section);
        QVERIFY(sectionColours(section));
        QCOMPARE(Form59->Panel27->caption(), title);
        QCOMPARE(Form59->Panel29->caption(), kind);
        QCOMPARE(Form59->GroupBox1->caption(), group);
        const int count = ComponentCatalogue::sections()[size_t(section - 1)].entries;
        QVERIFY(gridShows(count, 0));
        for (int p = 1; p <= first.size(); ++p)
            QCOMPARE(Form59->componentButton(p)->caption(), first[p - 1]);
        QCOMPARE(Form59->Panel28->caption(), QStringLiteral("Название"));
        QCOMPARE(Form59->RichEdit1->loadedPath(), QStringLiteral("doc\\topic\\komp\\logo0%1.rtf").arg(section));
        QCOMPARE(Form59->RichEdit1->verticalScrollBar()->value(), 0);
        QCOMPARE(focusName(), focus);
        QCOMPARE(setEntries(7), QList<int>{3}); // remembered, though no button shows it marked

        // A disabled button does not react.
        fixture.sound.clearEvents();
        if (count < 21)
            Form59->componentButton(count + 1)->click();
        QVERIFY(fixture.sound.events().isEmpty());
    }

    void entryChoice_data()
    {
        QTest::addColumn<int>("section");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("article");
        QTest::newRow("ActionList") << 1 << "Panel21"
                                    << "ActionList"
                                    << "КОМПОНЕНТ"
                                    << "komp01\\actionlist.rtf";
        QTest::newRow("CustDlg") << 2 << "Panel26"
                                 << "CustomizeDlg"
                                 << "КОМПОНЕНТ"
                                 << "komp02\\customizedlg.rtf";
        QTest::newRow("XPManifest") << 3 << "Panel25"
                                    << "XPManifest"
                                    << "КОМПОНЕНТ"
                                    << "komp03\\xpmanifest.rtf";
        QTest::newRow("OpenPictureDlg") << 5 << "Panel2"
                                        << "OpenPictureDialog"
                                        << "КОМПОНЕНТ"
                                        << "komp05\\openpicturedlg.rtf";
        QTest::newRow("TControl") << 7 << "Panel3"
                                  << "TControl"
                                  << "КЛАСС"
                                  << "komp07\\control.rtf";
        QTest::newRow("DragDock") << 7 << "Panel9"
                                  << "DragDock"
                                  << "ИНТЕРФЕЙС"
                                  << "komp07\\dragdock.rtf";
        QTest::newRow("TPiture") << 8 << "Panel3"
                                 << "TPicture"
                                 << "КЛАСС"
                                 << "komp08\\picture.rtf";
        QTest::newRow("TList") << 9 << "Panel4"
                               << "TList"
                               << "КЛАСС"
                               << "komp09\\list.rtf";
    }
    void entryChoice()
    {
        QFETCH(int, section);
        QFETCH(QString, button);
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QString, article);
        AppFixture fixture;
        fixture.start();
        fixture.app().goToScreen(Form59);
        Panel* entry = panel(button);
        Form59->sectionButton(section)->click();
        // Another entry of the section first, so that the choice has something to unmark.
        (entry == Form59->componentButton(1) ? Form59->componentButton(2) : Form59->componentButton(1))->click();
        const QString title = Form59->Panel27->caption();
        openSomeFigure(fixture);
        Form59->backButton()->setFocus();

        entry->click();
        QVERIFY(fixture.dialogs.boxes().isEmpty());
        QVERIFY(!AboutBox1->isVisible());
        QCOMPARE(soundEvents(fixture.sound), QStringList{"play notify.wav"});
        QCOMPARE(setSection(), section);
        int marked = 0;
        for (int p = 1; p <= 21; ++p)
            if (Form59->componentButton(p) == entry)
                marked = p;
        QCOMPARE(setEntries(section), QList<int>{marked});
        QVERIFY(gridShows(ComponentCatalogue::sections()[size_t(section - 1)].entries, marked));
        QCOMPARE(Form59->Panel28->caption(), name);
        QCOMPARE(Form59->Panel29->caption(), kind);
        QCOMPARE(Form59->Panel27->caption(), title);
        QCOMPARE(Form59->RichEdit1->loadedPath(), QStringLiteral("doc\\topic\\komp\\") + article);
        QCOMPARE(focusName(), QStringLiteral("RichEdit1"));
    }

    void standaloneChoice_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("article");
        QTest::newRow("TForm") << "Panel30"
                               << "БАЗОВЫЙ КОМПОНЕНТ"
                               << "КОМПОНЕНТ"
                               << "TForm"
                               << "form.rtf";
        QTest::newRow("TApplication") << "Panel31"
                                      << "ГЛОБАЛЬНЫЙ ОБЪЕКТ"
                                      << "ОБЪЕКТ"
                                      << "TApplication"
                                      << "app.rtf";
        QTest::newRow("WinAPI") << "Panel32"
                                << "ТЕХНОЛОГИЯ WINDOWS API"
                                << "ТЕХНОЛОГИЯ"
                                << "Windows API"
                                << "api.rtf";
    }
    void standaloneChoice()
    {
        QFETCH(QString, button);
        QFETCH(QString, title);
        QFETCH(QString, kind);
        QFETCH(QString, name);
        QFETCH(QString, article);
        AppFixture fixture;
        fixture.start();
        fixture.app().goToScreen(Form59);
        clickAll({"Panel83", "Panel3", "Panel78", "Panel2"}); // TControl remembered; SpeedButton marked
        openSomeFigure(fixture);
        Form59->backButton()->setFocus();

        panel(button)->click();
        QVERIFY(fixture.dialogs.boxes().isEmpty());
        QVERIFY(!AboutBox1->isVisible());
        QCOMPARE(soundEvents(fixture.sound), QStringList{"play notify.wav"});
        QCOMPARE(setSection(), 0);
        QVERIFY(sectionColours(0));
        QCOMPARE(Form59->Panel27->caption(), title);
        QCOMPARE(Form59->Panel29->caption(), kind);
        QCOMPARE(Form59->GroupBox1->caption(), QStringLiteral(" ВЫБОР КОМПОНЕНТА VCL "));
        QVERIFY(gridShows(0, 0));
        QVERIFY(Form59->figureButton(0)->isHidden());
        QCOMPARE(Form59->Panel28->caption(), name);
        QCOMPARE(Form59->RichEdit1->loadedPath(), QStringLiteral("doc\\topic\\komp\\komp00\\") + article);
        QCOMPARE(focusName(), QStringLiteral("RichEdit1"));
        QCOMPARE(Form59->standaloneButton(1)->color(), Colors::Teal);
        QCOMPARE(Form59->standaloneButton(2)->color(), Colors::Purple);
        QCOMPARE(setEntries(7), QList<int>{2});
        QCOMPARE(setEntries(2), QList<int>{1});
    }

    // Each failing choice comes after one that put the focus elsewhere than the failing choice would.
    void missingArticle_data()
    {
        QTest::addColumn<QString>("removed");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("section");
        QTest::addColumn<int>("count");
        QTest::newRow("section intro") << "doc/topic/komp/logo03.rtf" << QStringList{"Panel81", "Panel79"}
                                       << "Страница WIN32"
                                       << "Название" << 3 << 20;
        QTest::newRow("entry article") << "doc/topic/komp/komp02/maskedit.rtf" << QStringList{"Panel78", "Panel3"}
                                       << "Страница ADDITIONAL"
                                       << "MaskEdit" << 2 << 21;
        QTest::newRow("stand-alone article")
            << "doc/topic/komp/komp00/api.rtf" << QStringList{"Panel80", "Panel32"} << "ТЕХНОЛОГИЯ WINDOWS API"
            << "Windows API" << 0 << 0;
    }
    void missingArticle()
    {
        QFETCH(QString, removed);
        QFETCH(QStringList, clicks);
        QFETCH(QString, title);
        QFETCH(QString, name);
        QFETCH(int, section);
        QFETCH(int, count);
        ContentCopy content;
        content.remove(removed);
        AppFixture fixture(content.path());
        fixture.start();
        fixture.app().goToScreen(Form59);
        panel(clicks.first())->click();
        const QString focus = focusName();
        const QString article = Form59->RichEdit1->loadedPath();
        const QString text = Form59->RichEdit1->toPlainText();

        panel(clicks.last())->click();
        QCOMPARE(fixture.dialogs.texts(),
                 QStringList{QStringLiteral("Cannot open file \"%1\". No such file or directory.")
                                 .arg(QDir(content.path()).filePath(removed))});
        // Everything before the load shows the new choice; the article area and the focus are unchanged.
        QCOMPARE(setSection(), section);
        QVERIFY(sectionColours(section));
        QCOMPARE(Form59->Panel27->caption(), title);
        QCOMPARE(Form59->Panel28->caption(), name);
        QVERIFY(gridShows(count, clicks.last() == QLatin1String("Panel3") ? 2 : 0));
        QCOMPARE(Form59->RichEdit1->loadedPath(), article);
        QCOMPARE(Form59->RichEdit1->toPlainText(), text);
        QCOMPARE(focusName(), focus);
        // The screen stays usable.
        clickAll({"Panel77", "Panel11"});
        QCOMPARE(fixture.dialogs.boxes().size(), 1);
        QCOMPARE(Form59->RichEdit1->loadedPath(), QStringLiteral("doc\\topic\\komp\\komp01\\edit.rtf"));
    }

    // The notify sound disappears while the program runs: showing the figure deactivates the screen, and
    // coming back cannot reopen the player. The next choice stops at its play step.
    void missingNotifySound_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("section");
        QTest::addColumn<bool>("figureOpens");
        QTest::newRow("section") << "Panel77" << 1 << false;
        QTest::newRow("entry") << "Panel3" << 2 << true;
        QTest::newRow("stand-alone") << "Panel31" << 0 << false;
    }
    void missingNotifySound()
    {
        QFETCH(QString, button);
        QFETCH(int, section);
        QFETCH(bool, figureOpens);
        ContentCopy content;
        AppFixture fixture(content.path());
        fixture.start();
        fixture.app().goToScreen(Form59);
        clickAll({"Panel78", "Panel2"});
        content.remove(QStringLiteral("sound/notify.wav"));
        clickAll({"Panel33"});
        QVERIFY(AboutBox1->isVisible());
        fixture.app().platformActivated(Form59);
        QCOMPARE(fixture.dialogs.boxes().size(), 1);
        fixture.dialogs.clear();
        const QString focus = focusName();

        panel(button)->click();
        QCOMPARE(fixture.dialogs.texts(), QStringList{"No MCI device open."});
        QVERIFY(!AboutBox1->isVisible());
        // Only the section flags may have changed; everything the pupil sees stays as it was.
        QCOMPARE(setSection(), section);
        QVERIFY(sectionColours(2));
        QVERIFY(gridShows(21, 1));
        QCOMPARE(Form59->Panel27->caption(), QStringLiteral("Страница ADDITIONAL"));
        QCOMPARE(Form59->Panel28->caption(), QStringLiteral("SpeedButton"));
        QCOMPARE(setEntries(2), QList<int>{1});
        QCOMPARE(Form59->RichEdit1->loadedPath(), QStringLiteral("doc\\topic\\komp\\komp02\\speedbutton.rtf"));
        QCOMPARE(focusName(), focus);
        // The figure follows the flags: a rewritten section flag takes it away.
        fixture.app().dispatch([] { Form59->Panel33Click(); });
        QCOMPARE(AboutBox1->isVisible(), figureOpens);
    }

    void stateSurvivesLeavingAndComingBack()
    {
        AppFixture fixture;
        fixture.start();
        fixture.app().goToScreen(Form59);
        clickAll({"Panel83", "Panel9", "Panel78", "Panel2", "Panel33"});
        fixture.app().platformActivated(Form59);
        const QString text = Form59->RichEdit1->toPlainText();

        Form59->backButton()->click();
        QVERIFY(!AboutBox1->isVisible());
        fixture.sound.clearEvents();
        Form2->menuItem(4)->trigger();
        QCOMPARE(fixture.app().currentScreen(), static_cast<Screen*>(Form59));
        QVERIFY(!soundEvents(fixture.sound).contains(QStringLiteral("play notify.wav")));
        QCOMPARE(setSection(), 2);
        QVERIFY(sectionColours(2));
        QVERIFY(gridShows(21, 1));
        QCOMPARE(Form59->componentButton(21)->caption(), QStringLiteral("CustDlg"));
        QCOMPARE(Form59->Panel27->caption(), QStringLiteral("Страница ADDITIONAL"));
        QCOMPARE(Form59->Panel28->caption(), QStringLiteral("SpeedButton"));
        QCOMPARE(Form59->RichEdit1->toPlainText(), text);
        QVERIFY(Form59->figureButton(0)->isVisible());
        QCOMPARE(setEntries(7), QList<int>{4});
        QVERIFY(Form59->logo1()->isVisible());
        QVERIFY(fixture.dialogs.boxes().isEmpty());
    }

    // Shown right after SpeedButton was chosen in ADDITIONAL; the handler acts on the flags alone.
    void figureButton_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("acts");
        QTest::newRow("SpeedButton in ADDITIONAL") << QStringList{"Panel78", "Panel2"} << true << true;
        QTest::newRow("then another entry") << QStringList{"Panel78", "Panel2", "Panel3"} << false << false;
        QTest::newRow("then the section again") << QStringList{"Panel78", "Panel2", "Panel78"} << false << true;
        QTest::newRow("then another section") << QStringList{"Panel78", "Panel2", "Panel77"} << false << false;
        QTest::newRow("then a stand-alone topic") << QStringList{"Panel78", "Panel2", "Panel30"} << false << false;
        QTest::newRow("position 1 of STANDARD") << QStringList{"Panel77", "Panel2"} << false << false;
        QTest::newRow("remembered across sections")
            << QStringList{"Panel78", "Panel2", "Panel77", "Panel2", "Panel78"} << false << true;
    }
    void figureButton()
    {
        QFETCH(QStringList, clicks);
        QFETCH(bool, shown);
        QFETCH(bool, acts);
        AppFixture fixture;
        fixture.start();
        fixture.app().goToScreen(Form59);
        clickAll(clicks);
        QCOMPARE(Form59->figureButton(0)->isVisible(), shown);
        if (shown) {
            // A shown figure button must not cover another control the pupil can click.
            for (Panel* other : Form59->client()->findChildren<Panel*>()) {
                if (other == Form59->figureButton(0) || !other->isVisible() || !other->isClickable())
                    continue;
                const QRect place(other->mapTo(Form59->client(), QPoint()), other->size());
                QVERIFY2(!place.intersects(Form59->figureButton(0)->geometry()), qPrintable(other->objectName()));
            }
        }
        for (int i = 1; i < 4; ++i)
            QVERIFY(Form59->figureButton(i)->isHidden());
        QVERIFY(Form59->Image1->isHidden());

        fixture.app().dispatch([] { Form59->Panel33Click(); });
        QVERIFY(fixture.dialogs.boxes().isEmpty());
        QCOMPARE(AboutBox1->isVisible(), acts);
        if (!acts)
            return;
        QCOMPARE(AboutBox1->caption(), QStringLiteral("Рисунок. Задание А 01"));
        QCOMPARE(AboutBox1->frameGeometry().size(), QSize(537, 336));
        QCOMPARE(AboutBox1->Image1->size(), QSize(531, 304));
        QCOMPARE(AboutBox1->Image1->picture().size(), QSize(531, 304));
    }
};

QTEST_MAIN(TestKomp)
#include "tst_komp.moc"
