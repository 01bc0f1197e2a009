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

const QString Welcome = QStringLiteral("doc\\topic\\komp\\logo.rtf");

Panel* panel(const QString& name)
{
    return Form59->findChild<Panel*>(name);
}

void clickAll(const QStringList& names)
{
    for (const QString& name : names) {
        Panel* button = panel(name);
        QVERIFY2(button, qPrintable(name));
        button->click();
    }
}

// The article file that the naming rule gives for an entry name.
QString fileNameFor(QString name)
{
    if (name.size() > 1 && name[0] == QLatin1Char('T') && name[1].isUpper())
        name.remove(0, 1);
    if (name.endsWith(QLatin1String("Dialog")))
        name = name.left(name.size() - 6) + QLatin1String("Dlg");
    return name.toLower() + QLatin1String(".rtf");
}

QString focusName()
{
    return Form59->focusWidget() ? Form59->focusWidget()->objectName() : QString();
}

// A figure in the shared picture window, then the pupil clicks back on the screen.
void openSomeFigure(AppFixture& fixture)
{
    AboutBox1->showFigure(400, 300, QStringLiteral("old"), 100, 100,
                          QStringLiteral("doc\\topic\\sreda\\picture\\pic041.bmp"));
    QVERIFY(AboutBox1->isVisible());
    fixture.app().platformActivated(Form59);
}

QStringList componentCaptions()
{
    QStringList captions;
    for (int p = 1; p <= ComponentCatalogue::GridSize; ++p)
        captions << Form59->componentButton(p)->caption();
    return captions;
}

QList<Colors::TColor> componentColours()
{
    QList<Colors::TColor> colours;
    for (int p = 1; p <= ComponentCatalogue::GridSize; ++p)
        colours << Form59->componentButton(p)->color();
    return colours;
}

int enabledComponents()
{
    int enabled = 0;
    for (int p = 1; p <= ComponentCatalogue::GridSize; ++p) {
        if (Form59->componentButton(p)->isEnabled()) {
            // Enabled buttons are always the first ones of the grid.
            if (enabled != p - 1)
                return -1;
            ++enabled;
        }
    }
    return enabled;
}

int setSection()
{
    const auto& flags = Form59->sectionFlags();
    int set = 0;
    for (int s = 1; s <= int(flags.size()); ++s)
        if (flags[size_t(s - 1)])
            set = set ? -1 : s; // -1: more than one
    return set;
}

QList<int> setEntries(int section)
{
    QList<int> positions;
    const auto& flags = Form59->entryFlags(section);
    for (int p = 1; p <= flags.size(); ++p)
        if (flags[p - 1])
            positions << p;
    return positions;
}

Colors::TColor idleColour(int section)
{
    return section >= 7 ? Colors::Purple : Colors::Maroon;
}

} // namespace

class TestKomp final : public QObject {
    Q_OBJECT
private slots:
    void catalogueSections_data()
    {
        QTest::addColumn<int>("section");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("folder");
        const int counts[] = {16, 21, 20, 4, 11, 6, 4, 6, 3};
        for (int s = 1; s <= 9; ++s)
            QTest::addRow("section %d", s)
                << s << counts[s - 1] << QStringLiteral("doc\\topic\\komp\\komp0%1\\").arg(s);
    }
    void catalogueSections()
    {
        QFETCH(int, section);
        QFETCH(int, count);
        QFETCH(QString, folder);
        const auto entries = ComponentCatalogue::sectionEntries(section);
        QCOMPARE(int(entries.size()), count);
        QCOMPARE(ComponentCatalogue::sections()[size_t(section - 1)].entries, count);
        QCOMPARE(ComponentCatalogue::sections()[size_t(section - 1)].intro,
                 QStringLiteral("doc\\topic\\komp\\logo0%1.rtf").arg(section));
        for (int p = 1; p <= count; ++p) {
            const CatalogueEntry& e = entries[size_t(p - 1)];
            QCOMPARE(e.position, p);
            QCOMPARE(ComponentCatalogue::entry(section, p), &e);
            const QString name = QString::fromUtf8(e.name);
            const QString caption = QString::fromUtf8(e.caption);
            QCOMPARE(QString::fromUtf8(e.article), folder + fileNameFor(name));
            // Captions equal the names except for the short dialog captions and two shortened ones.
            QString expectedCaption = name;
            if (section == 5 && name.endsWith(QLatin1String("Dialog")))
                expectedCaption = name.left(name.size() - 6) + QLatin1String("Dlg");
            else if (section == 2 && p == 21)
                expectedCaption = QStringLiteral("CustDlg");
            else if (section == 8 && p == 2)
                expectedCaption = QStringLiteral("TPiture");
            QCOMPARE(caption, expectedCaption);
            if (section == 7)
                QCOMPARE(QString::fromUtf8(e.kind), p <= 2 ? QStringLiteral("КЛАСС") : QStringLiteral("ИНТЕРФЕЙС"));
            else
                QVERIFY(!e.kind);
        }
        QVERIFY(!ComponentCatalogue::entry(section, count + 1));
        QVERIFY(!ComponentCatalogue::entry(section, 0));
    }

    void catalogueAsAWhole()
    {
        QCOMPARE(int(ComponentCatalogue::entries().size()), 91);
        QSet<QString> articles;
        for (const CatalogueEntry& e : ComponentCatalogue::entries())
            articles.insert(QString::fromUtf8(e.article));
        QCOMPARE(articles.size(), 91);
        // Three known rows, and the sections that each grid position tests.
        QCOMPARE(QString::fromUtf8(ComponentCatalogue::entry(2, 21)->name), QStringLiteral("CustomizeDlg"));
        QCOMPARE(QString::fromUtf8(ComponentCatalogue::entry(5, 1)->name), QStringLiteral("OpenPictureDialog"));
        QCOMPARE(QString::fromUtf8(ComponentCatalogue::entry(6, 4)->caption), QStringLiteral("DirectoryOutLine"));
        const QList<QList<int>> tested = {{1, 2, 3, 4, 5, 6, 7, 8, 9},
                                          {1, 2, 3, 4, 5, 6, 7, 8},
                                          {1, 2, 3, 5, 6, 8},
                                          {1, 2, 3, 5},
                                          {1, 2, 3},
                                          {2, 3},
                                          {2}};
        const int firstPosition[] = {1, 4, 5, 7, 12, 17, 21};
        for (int group = 0; group < int(tested.size()); ++group) {
            const int last = group + 1 < int(tested.size()) ? firstPosition[group + 1] - 1 : 21;
            for (int p = firstPosition[group]; p <= last; ++p) {
                QList<int> sections;
                for (int s = 1; s <= 9; ++s)
                    if (ComponentCatalogue::entry(s, p))
                        sections << s;
                QCOMPARE(sections, tested[group]);
            }
        }
    }

    void createdState()
    {
        AppFixture fixture;
        fixture.start();
        fixture.app().goToScreen(Form59);
        QVERIFY(fixture.dialogs.boxes().isEmpty());
        QCOMPARE(Form59->RichEdit1->loadedPath(), Welcome);
        QVERIFY(!Form59->RichEdit1->toPlainText().trimmed().isEmpty());
        QCOMPARE(focusName(), QStringLiteral("Panel6"));
        QCOMPARE(setSection(), 0);
        QCOMPARE(componentCaptions(), QStringList(21, QStringLiteral("---")));
        QCOMPARE(componentColours(), QList<Colors::TColor>(21, Colors::Teal));
        QCOMPARE(enabledComponents(), 0);
        for (int s = 1; s <= 9; ++s) {
            QCOMPARE(Form59->sectionButton(s)->color(), idleColour(s));
            QVERIFY(Form59->sectionButton(s)->isEnabled());
        }
        for (int i = 0; i < 4; ++i)
            QVERIFY(Form59->figureButton(i)->isHidden());
        QVERIFY(Form59->Image1->isHidden());
        QVERIFY(!Form59->Image1->picture().isNull());
        QCOMPARE(Form59->GroupBox1->caption(), QStringLiteral(" ВЫБОР КОМПОНЕНТА VCL "));
        QCOMPARE(Form59->GroupBox2->caption(), QStringLiteral(" ВЫБОР СТРАНИЦЫ VCL ИЛИ КЛАССА "));

        // Places, captions and colours of the screen's own panels.
        const struct {
            const char* name;
            QRect place;
            const char* caption;
            Colors::TColor colour;
        } rows[] = {
            {"Panel77", QRect(8, 24, 73, 17), "STANDARD", Colors::Maroon},
            {"Panel82", QRect(168, 48, 57, 17), "SAMPLES", Colors::Maroon},
            {"Panel84", QRect(88, 72, 73, 17), "TGraphic", Colors::Purple},
            {"Panel2", QRect(8, 24, 89, 17), "---", Colors::Teal},
            {"Panel13", QRect(96, 72, 73, 17), "---", Colors::Teal},
            {"Panel26", QRect(168, 168, 57, 17), "---", Colors::Teal},
            {"Panel30", QRect(32, 440, 57, 25), "TForm", Colors::Teal},
            {"Panel31", QRect(104, 440, 89, 25), "TApplication", Colors::Teal},
            {"Panel32", QRect(208, 440, 57, 25), "WinAPI", Colors::Purple},
            {"Panel27", QRect(296, 104, 217, 27), "НАЗВАНИЕ СТРАНИЦЫ", Colors::Olive},
            {"Panel29", QRect(544, 104, 105, 27), "КОМПОНЕНТ", Colors::Olive},
            {"Panel28", QRect(648, 104, 113, 27), "Название", Colors::Maroon},
            {"Panel33", QRect(112, 448, 73, 17), "Рисунок", Colors::Olive},
            {"Panel36", QRect(112, 472, 73, 17), "Рисунок 3", Colors::Olive},
        };
        for (const auto& row : rows) {
            Panel* p = panel(QString::fromLatin1(row.name));
            QVERIFY2(p, row.name);
            QCOMPARE(p->geometry(), row.place);
            QCOMPARE(p->caption(), QString::fromUtf8(row.caption));
            QCOMPARE(p->color(), row.colour);
            QCOMPARE(p->fontColor(), Colors::White);
        }
        QCOMPARE(panel(QStringLiteral("Panel31"))->font().family(), QStringLiteral("Arial"));
        QCOMPARE(panel(QStringLiteral("Panel31"))->font().pixelSize(), 12);
        QCOMPARE(panel(QStringLiteral("Panel77"))->font().pixelSize(), 11);
    }

    void sectionChoice_data()
    {
        QTest::addColumn<int>("section");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QStringList>("first");
        QTest::addColumn<QString>("focus");
        const QString component = QStringLiteral(" ВЫБОР КОМПОНЕНТА VCL ");
        QTest::newRow("STANDARD") << 1 << "Страница STANDARD"
                                  << "КОМПОНЕНТ" << component << QStringList{"MainMenu", "Frames", "Label"} << "Panel6";
        QTest::newRow("ADDITIONAL, again")
            << 2 << "Страница ADDITIONAL"
            << "КОМПОНЕНТ" << component << QStringList{"SpeedButton", "MaskEdit", "BitBtn"} << "Panel6";
        QTest::newRow("WIN32") << 3 << "Страница WIN32"
                               << "КОМПОНЕНТ" << component << QStringList{"PageControl", "TabControl", "ImageList"}
                               << "Panel6";
        QTest::newRow("SYSTEM") << 4 << "Страница SYSTEM"
                                << "КОМПОНЕНТ" << component
                                << QStringList{"MediaPlayer", "PaintBox", "Timer", "OleContainer", "---"} << "Panel6";
        QTest::newRow("DIALOGS") << 5 << "Страница DIALOGS"
                                 << "КОМПОНЕНТ" << component << QStringList{"OpenPictureDlg", "OpenDlg"} << "RichEdit1";
        QTest::newRow("SAMPLES") << 6 << "Страница SAMPLES"
                                 << "КОМПОНЕНТ" << component << QStringList{"SpinButton", "ColorGrid"} << "Panel6";
        QTest::newRow("TComponent") << 7 << "ОБЩИЕ СВОЙСТВА КОМПОНЕНТОВ"
                                    << "КЛАСС"
                                    << " ВЫБОР КЛАССА ИЛИ ИНТЕРФЕЙСА "
                                    << QStringList{"TComponent", "TControl", "DragDrop", "DragDock", "---"} << "Panel6";
        QTest::newRow("TGraphic") << 8 << "КЛАССЫ РАБОТЫ С ГРАФИКОЙ"
                                  << "КЛАСС"
                                  << " ВЫБОР КЛАССА " << QStringList{"TGraphic", "TPiture"} << "Panel6";
        QTest::newRow("TStrings") << 9 << "КЛАССЫ ДЛЯ ТЕКСТОВ И СПИСКОВ"
                                  << "КЛАСС"
                                  << " ВЫБОР КЛАССА " << QStringList{"TStringList", "TStrings", "TList", "---"}
                                  << "Panel6";
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
        // An entry of ADDITIONAL is marked and a figure is open before the choice.
        clickAll({"Panel78", "Panel4"});
        QCOMPARE(Form59->Panel28->caption(), QStringLiteral("BitBtn"));
        openSomeFigure(fixture);
        fixture.sound.clearEvents();
        Form59->RichEdit1->verticalScrollBar()->setValue(Form59->RichEdit1->verticalScrollBar()->maximum());

        Form59->sectionButton(section)->click();
        QVERIFY(fixture.dialogs.boxes().isEmpty());
        QVERIFY(!AboutBox1->isVisible());
        QCOMPARE(soundEvents(fixture.sound), QStringList{"play notify.wav"});
        QCOMPARE(setSection(), section);
        for (int s = 1; s <= 9; ++s)
            QCOMPARE(Form59->sectionButton(s)->color(), s == section ? Colors::Grey : idleColour(s));
        QCOMPARE(Form59->Panel27->caption(), title);
        QCOMPARE(Form59->Panel29->caption(), kind);
        QCOMPARE(Form59->GroupBox1->caption(), group);
        const int count = int(ComponentCatalogue::sectionEntries(section).size());
        const QStringList captions = componentCaptions();
        QCOMPARE(captions.mid(0, first.size()), first);
        for (int p = 1; p <= 21; ++p)
            QCOMPARE(captions[p - 1] == QLatin1String("---"), p > count);
        QCOMPARE(enabledComponents(), count);
        QCOMPARE(componentColours(), QList<Colors::TColor>(21, Colors::Teal));
        QCOMPARE(Form59->Panel28->caption(), QStringLiteral("Название"));
        QCOMPARE(Form59->RichEdit1->loadedPath(), QStringLiteral("doc\\topic\\komp\\logo0%1.rtf").arg(section));
        QCOMPARE(Form59->RichEdit1->verticalScrollBar()->value(), 0);
        QCOMPARE(focusName(), focus);
        // The entry chosen in ADDITIONAL is remembered, though no button shows it marked.
        QCOMPARE(setEntries(2), QList<int>{3});
        QVERIFY(Form59->figureButton(0)->isHidden());
    }

    void entryChoice_data()
    {
        QTest::addColumn<int>("section");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("article");
        QTest::newRow("STANDARD ActionList") << 1 << 16 << "Panel21"
                                             << "ActionList"
                                             << "КОМПОНЕНТ"
                                             << "doc\\topic\\komp\\komp01\\actionlist.rtf";
        QTest::newRow("ADDITIONAL CustDlg") << 2 << 21 << "Panel26"
                                            << "CustomizeDlg"
                                            << "КОМПОНЕНТ"
                                            << "doc\\topic\\komp\\komp02\\customizedlg.rtf";
        QTest::newRow("WIN32 XPManifest") << 3 << 20 << "Panel25"
                                          << "XPManifest"
                                          << "КОМПОНЕНТ"
                                          << "doc\\topic\\komp\\komp03\\xpmanifest.rtf";
        QTest::newRow("SYSTEM OleContainer") << 4 << 4 << "Panel9"
                                             << "OleContainer"
                                             << "КОМПОНЕНТ"
                                             << "doc\\topic\\komp\\komp04\\olecontainer.rtf";
        QTest::newRow("DIALOGS OpenPictureDlg") << 5 << 1 << "Panel2"
                                                << "OpenPictureDialog"
                                                << "КОМПОНЕНТ"
                                                << "doc\\topic\\komp\\komp05\\openpicturedlg.rtf";
        QTest::newRow("DIALOGS ReplaceDlg") << 5 << 11 << "Panel16"
                                            << "ReplaceDialog"
                                            << "КОМПОНЕНТ"
                                            << "doc\\topic\\komp\\komp05\\replacedlg.rtf";
        QTest::newRow("SAMPLES Calendar") << 6 << 6 << "Panel11"
                                          << "Calendar"
                                          << "КОМПОНЕНТ"
                                          << "doc\\topic\\komp\\komp06\\calendar.rtf";
        QTest::newRow("TComponent TControl") << 7 << 2 << "Panel3"
                                             << "TControl"
                                             << "КЛАСС"
                                             << "doc\\topic\\komp\\komp07\\control.rtf";
        QTest::newRow("TComponent DragDrop") << 7 << 3 << "Panel4"
                                             << "DragDrop"
                                             << "ИНТЕРФЕЙС"
                                             << "doc\\topic\\komp\\komp07\\dragdrop.rtf";
        QTest::newRow("TComponent DragDock") << 7 << 4 << "Panel9"
                                             << "DragDock"
                                             << "ИНТЕРФЕЙС"
                                             << "doc\\topic\\komp\\komp07\\dragdock.rtf";
        QTest::newRow("TGraphic TPiture") << 8 << 2 << "Panel3"
                                          << "TPicture"
                                          << "КЛАСС"
                                          << "doc\\topic\\komp\\komp08\\picture.rtf";
        QTest::newRow("TStrings TList") << 9 << 3 << "Panel4"
                                        << "TList"
                                        << "КЛАСС"
                                        << "doc\\topic\\komp\\komp09\\list.rtf";
    }
    void entryChoice()
    {
        QFETCH(int, section);
        QFETCH(int, position);
        QFETCH(QString, button);
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QString, article);
        AppFixture fixture;
        fixture.start();
        fixture.app().goToScreen(Form59);
        Form59->sectionButton(section)->click();
        // Another entry first, so that the choice has something to unmark.
        Form59->componentButton(position == 1 ? 2 : 1)->click();
        const QString title = Form59->Panel27->caption();
        const QStringList captions = componentCaptions();
        openSomeFigure(fixture);
        fixture.sound.clearEvents();
        Form59->RichEdit1->verticalScrollBar()->setValue(Form59->RichEdit1->verticalScrollBar()->maximum());

        QCOMPARE(Form59->componentButton(position), panel(button));
        panel(button)->click();
        QVERIFY(fixture.dialogs.boxes().isEmpty());
        QVERIFY(!AboutBox1->isVisible());
        QCOMPARE(soundEvents(fixture.sound), QStringList{"play notify.wav"});
        QCOMPARE(setSection(), section);
        QCOMPARE(setEntries(section), QList<int>{position});
        for (int p = 1; p <= 21; ++p)
            QCOMPARE(Form59->componentButton(p)->color(), p == position ? Colors::Grey : Colors::Teal);
        QCOMPARE(Form59->Panel28->caption(), name);
        QCOMPARE(Form59->Panel29->caption(), kind);
        QCOMPARE(Form59->Panel27->caption(), title);
        QCOMPARE(componentCaptions(), captions);
        QCOMPARE(Form59->RichEdit1->loadedPath(), article);
        QVERIFY(!Form59->RichEdit1->toPlainText().trimmed().isEmpty());
        QCOMPARE(Form59->RichEdit1->verticalScrollBar()->value(), 0);
        QCOMPARE(focusName(), QStringLiteral("RichEdit1"));
    }

    void kindPanelFollowsSectionsAndEntries()
    {
        AppFixture fixture;
        fixture.start();
        fixture.app().goToScreen(Form59);
        const QList<QPair<QStringList, QString>> steps = {
            {{"Panel83"}, "КЛАСС"},    {{"Panel4"}, "ИНТЕРФЕЙС"}, {{"Panel2"}, "КЛАСС"},
            {{"Panel9"}, "ИНТЕРФЕЙС"}, {{"Panel83"}, "КЛАСС"},    {{"Panel4", "Panel77"}, "КОМПОНЕНТ"},
            {{"Panel85"}, "КЛАСС"},    {{"Panel31"}, "ОБЪЕКТ"},   {{"Panel32"}, "ТЕХНОЛОГИЯ"},
        };
        for (const auto& [clicks, kind] : steps) {
            clickAll(clicks);
            QCOMPARE(Form59->Panel29->caption(), kind);
        }
        QVERIFY(fixture.dialogs.boxes().isEmpty());
    }

    void entryFlagsSurviveOtherChoices()
    {
        AppFixture fixture;
        fixture.start();
        fixture.app().goToScreen(Form59);
        clickAll({"Panel77", "Panel10", "Panel79", "Panel3", "Panel77"});
        QCOMPARE(setEntries(1), QList<int>{5});
        QCOMPARE(setEntries(3), QList<int>{2});
        QCOMPARE(componentColours(), QList<Colors::TColor>(21, Colors::Teal)); // remembered, not shown
        clickAll({"Panel30", "Panel85"});
        QCOMPARE(setEntries(1), QList<int>{5});
        QCOMPARE(setEntries(3), QList<int>{2});
        QVERIFY(setEntries(9).isEmpty());
        // A new entry in a section clears only that section's flags.
        clickAll({"Panel77", "Panel12"});
        QCOMPARE(setEntries(1), QList<int>{7});
        QCOMPARE(setEntries(3), QList<int>{2});
        for (int s : {2, 4, 5, 6, 7, 8, 9})
            QVERIFY(setEntries(s).isEmpty());
    }

    void buttonsWithoutAnEntryDoNothing()
    {
        AppFixture fixture;
        fixture.start();
        fixture.app().goToScreen(Form59);
        clickAll({"Panel79"});
        fixture.sound.clearEvents();
        panel(QStringLiteral("Panel26"))->click(); // disabled in WIN32
        QVERIFY(fixture.sound.events().isEmpty());
        QCOMPARE(Form59->Panel28->caption(), QStringLiteral("Название"));

        // Reached only directly: with no section chosen, an entry handler closes, plays and focuses.
        clickAll({"Panel30"});
        openSomeFigure(fixture);
        fixture.sound.clearEvents();
        Form59->backButton()->setFocus();
        fixture.app().dispatch([] { Form59->Panel2Click(); });
        QVERIFY(!AboutBox1->isVisible());
        QCOMPARE(soundEvents(fixture.sound), QStringList{"play notify.wav"});
        QCOMPARE(focusName(), QStringLiteral("RichEdit1"));
        QCOMPARE(Form59->Panel28->caption(), QStringLiteral("TForm"));
        QCOMPARE(Form59->RichEdit1->loadedPath(), QStringLiteral("doc\\topic\\komp\\komp00\\form.rtf"));
        for (int s = 1; s <= 9; ++s)
            QVERIFY(setEntries(s).isEmpty());
        QVERIFY(fixture.dialogs.boxes().isEmpty());
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
                               << "doc\\topic\\komp\\komp00\\form.rtf";
        QTest::newRow("TApplication") << "Panel31"
                                      << "ГЛОБАЛЬНЫЙ ОБЪЕКТ"
                                      << "ОБЪЕКТ"
                                      << "TApplication"
                                      << "doc\\topic\\komp\\komp00\\app.rtf";
        QTest::newRow("WinAPI") << "Panel32"
                                << "ТЕХНОЛОГИЯ WINDOWS API"
                                << "ТЕХНОЛОГИЯ"
                                << "Windows API"
                                << "doc\\topic\\komp\\komp00\\api.rtf";
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
        QVERIFY(Form59->figureButton(0)->isVisible());
        openSomeFigure(fixture);
        fixture.sound.clearEvents();
        Form59->backButton()->setFocus();

        panel(button)->click();
        QVERIFY(fixture.dialogs.boxes().isEmpty());
        QVERIFY(!AboutBox1->isVisible());
        QCOMPARE(soundEvents(fixture.sound), QStringList{"play notify.wav"});
        QCOMPARE(setSection(), 0);
        for (int s = 1; s <= 9; ++s)
            QCOMPARE(Form59->sectionButton(s)->color(), idleColour(s));
        QCOMPARE(Form59->Panel27->caption(), title);
        QCOMPARE(Form59->Panel29->caption(), kind);
        QCOMPARE(Form59->GroupBox1->caption(), QStringLiteral(" ВЫБОР КОМПОНЕНТА VCL "));
        QCOMPARE(componentCaptions(), QStringList(21, QStringLiteral("---")));
        QCOMPARE(enabledComponents(), 0);
        QCOMPARE(componentColours(), QList<Colors::TColor>(21, Colors::Teal));
        for (int i = 0; i < 4; ++i)
            QVERIFY(Form59->figureButton(i)->isHidden());
        QVERIFY(Form59->Image1->isHidden());
        QCOMPARE(Form59->Panel28->caption(), name);
        QCOMPARE(Form59->RichEdit1->loadedPath(), article);
        QCOMPARE(focusName(), QStringLiteral("RichEdit1"));
        QCOMPARE(Form59->standaloneButton(0)->color(), Colors::Teal);
        QCOMPARE(Form59->standaloneButton(1)->color(), Colors::Teal);
        QCOMPARE(Form59->standaloneButton(2)->color(), Colors::Purple);
        QCOMPARE(setEntries(7), QList<int>{2});
        QCOMPARE(setEntries(2), QList<int>{1});
    }

    void missingArticle_data()
    {
        QTest::addColumn<QString>("removed");
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("section");
        QTest::addColumn<int>("enabled");
        // Each choice comes after one that put the focus elsewhere than the failing choice would.
        QTest::newRow("section intro") << "doc/topic/komp/logo03.rtf" << QStringList{"Panel81"} << "Panel79"
                                       << "Страница WIN32"
                                       << "Название" << 3 << 20;
        QTest::newRow("entry article") << "doc/topic/komp/komp02/maskedit.rtf" << QStringList{"Panel78"} << "Panel3"
                                       << "Страница ADDITIONAL"
                                       << "MaskEdit" << 2 << 21;
        QTest::newRow("stand-alone article") << "doc/topic/komp/komp00/api.rtf" << QStringList{"Panel80"} << "Panel32"
                                             << "ТЕХНОЛОГИЯ WINDOWS API"
                                             << "Windows API" << 0 << 0;
    }
    void missingArticle()
    {
        QFETCH(QString, removed);
        QFETCH(QStringList, before);
        QFETCH(QString, button);
        QFETCH(QString, title);
        QFETCH(QString, name);
        QFETCH(int, section);
        QFETCH(int, enabled);
        ContentCopy content;
        content.remove(removed);
        AppFixture fixture(content.path());
        fixture.start();
        fixture.app().goToScreen(Form59);
        clickAll(before);
        const QString focus = focusName();
        const QString article = Form59->RichEdit1->loadedPath();
        const QString text = Form59->RichEdit1->toPlainText();
        QVERIFY(fixture.dialogs.boxes().isEmpty());

        panel(button)->click();
        QCOMPARE(fixture.dialogs.texts(),
                 QStringList{QStringLiteral("Cannot open file \"%1\". No such file or directory.")
                                 .arg(QDir(content.path()).filePath(removed))});
        // Everything before the load shows the new choice; the article area and the focus are unchanged.
        QCOMPARE(setSection(), section);
        QCOMPARE(Form59->Panel27->caption(), title);
        QCOMPARE(Form59->Panel28->caption(), name);
        QCOMPARE(enabledComponents(), enabled);
        if (section)
            QCOMPARE(Form59->sectionButton(section)->color(), Colors::Grey);
        QCOMPARE(Form59->RichEdit1->loadedPath(), article);
        QCOMPARE(Form59->RichEdit1->toPlainText(), text);
        QCOMPARE(focusName(), focus);

        // The screen stays usable.
        fixture.dialogs.clear();
        clickAll({"Panel77", "Panel11"});
        QVERIFY(fixture.dialogs.boxes().isEmpty());
        QCOMPARE(Form59->RichEdit1->loadedPath(), QStringLiteral("doc\\topic\\komp\\komp01\\edit.rtf"));
    }

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
        // The sound disappears; the figure deactivates the screen and coming back cannot reopen the player.
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
        QCOMPARE(Form59->sectionButton(2)->color(), Colors::Grey);
        QCOMPARE(Form59->Panel27->caption(), QStringLiteral("Страница ADDITIONAL"));
        QCOMPARE(Form59->Panel28->caption(), QStringLiteral("SpeedButton"));
        QCOMPARE(Form59->componentButton(1)->color(), Colors::Grey);
        QCOMPARE(Form59->componentButton(21)->caption(), QStringLiteral("CustDlg"));
        QCOMPARE(enabledComponents(), 21);
        QCOMPARE(setEntries(2), QList<int>{1});
        QCOMPARE(Form59->RichEdit1->loadedPath(), QStringLiteral("doc\\topic\\komp\\komp02\\speedbutton.rtf"));
        QCOMPARE(focusName(), focus);
        // The figure follows the flags: gone with a rewritten section flag.
        fixture.dialogs.clear();
        fixture.app().dispatch([] { Form59->Panel33Click(); });
        QCOMPARE(AboutBox1->isVisible(), figureOpens);
    }

    void stateSurvivesLeavingAndComingBack()
    {
        AppFixture fixture;
        fixture.start();
        fixture.app().goToScreen(Form59);
        clickAll({"Panel83", "Panel9", "Panel78", "Panel2", "Panel33"});
        QVERIFY(AboutBox1->isVisible());
        fixture.app().platformActivated(Form59);
        const QStringList captions = componentCaptions();
        const QList<Colors::TColor> colours = componentColours();
        const QString text = Form59->RichEdit1->toPlainText();

        Form59->backButton()->click();
        QCOMPARE(fixture.app().currentScreen(), static_cast<Screen*>(Form2));
        QVERIFY(!AboutBox1->isVisible());
        fixture.sound.clearEvents();
        Form2->menuItem(4)->trigger();
        QCOMPARE(fixture.app().currentScreen(), static_cast<Screen*>(Form59));
        QVERIFY(!soundEvents(fixture.sound).contains(QStringLiteral("play notify.wav")));
        QCOMPARE(setSection(), 2);
        QCOMPARE(Form59->sectionButton(2)->color(), Colors::Grey);
        QCOMPARE(componentCaptions(), captions);
        QCOMPARE(componentColours(), colours);
        QCOMPARE(enabledComponents(), 21);
        QCOMPARE(Form59->Panel27->caption(), QStringLiteral("Страница ADDITIONAL"));
        QCOMPARE(Form59->Panel29->caption(), QStringLiteral("КОМПОНЕНТ"));
        QCOMPARE(Form59->Panel28->caption(), QStringLiteral("SpeedButton"));
        QCOMPARE(Form59->RichEdit1->loadedPath(), QStringLiteral("doc\\topic\\komp\\komp02\\speedbutton.rtf"));
        QCOMPARE(Form59->RichEdit1->toPlainText(), text);
        QVERIFY(Form59->figureButton(0)->isVisible());
        QCOMPARE(setEntries(7), QList<int>{4});
        QVERIFY(Form59->logo1()->isVisible());
        QVERIFY(Form59->logo1()->picture().isAnimated());
        QVERIFY(fixture.dialogs.boxes().isEmpty());
    }

    void figureButton_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("acts");
        QTest::newRow("SpeedButton in ADDITIONAL") << QStringList{"Panel78", "Panel2"} << true << true;
        QTest::newRow("SpeedButton twice") << QStringList{"Panel78", "Panel2", "Panel2"} << true << true;
        QTest::newRow("then another entry") << QStringList{"Panel78", "Panel2", "Panel3"} << false << false;
        QTest::newRow("then the section again") << QStringList{"Panel78", "Panel2", "Panel78"} << false << true;
        QTest::newRow("then another section") << QStringList{"Panel78", "Panel2", "Panel77"} << false << false;
        QTest::newRow("then a stand-alone topic") << QStringList{"Panel78", "Panel2", "Panel30"} << false << false;
        QTest::newRow("position 1 of STANDARD") << QStringList{"Panel77", "Panel2"} << false << false;
        QTest::newRow("remembered across sections")
            << QStringList{"Panel78", "Panel2", "Panel77", "Panel2", "Panel78"} << false << true;
        QTest::newRow("back to SpeedButton")
            << QStringList{"Panel78", "Panel4", "Panel79", "Panel78", "Panel2"} << true << true;
        QTest::newRow("nothing chosen") << QStringList{} << false << false;
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
        for (int i = 1; i < 4; ++i)
            QVERIFY(Form59->figureButton(i)->isHidden());
        QVERIFY(Form59->Image1->isHidden());

        // The handler itself tests the flags, whether or not its button can be reached.
        fixture.app().dispatch([] { Form59->Panel33Click(); });
        QVERIFY(fixture.dialogs.boxes().isEmpty());
        QCOMPARE(AboutBox1->isVisible(), acts);
        if (!acts)
            return;
        QCOMPARE(fixture.app().activeWindow(), static_cast<Window*>(AboutBox1));
        QCOMPARE(AboutBox1->caption(), QStringLiteral("Рисунок. Задание А 01"));
        QCOMPARE(AboutBox1->frameGeometry().size(), QSize(537, 336));
        QCOMPARE(AboutBox1->Image1->size(), QSize(531, 304));
        QCOMPARE(AboutBox1->Image1->picture().size(), QSize(531, 304));
    }
};

QTEST_MAIN(TestKomp)
#include "tst_komp.moc"
