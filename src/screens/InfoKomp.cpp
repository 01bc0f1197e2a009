// SPDX-License-Identifier: MIT
#include "screens/InfoKomp.h"

#include "app/StoredPictures.h"
#include "controls/Colors.h"
#include "controls/Fonts.h"
#include "controls/GroupBox.h"
#include "controls/Image.h"
#include "controls/MediaPlayer.h"
#include "controls/Panel.h"
#include "controls/RichEdit.h"
#include "pictures/Picture.h"
#include "windows/InfoPict.h"

TForm59* Form59 = nullptr;

namespace {

const ScreenFrame Frame{
    "Описание компонентов библиотеки VCL",
    "БИБЛИОТЕКА ВИЗУАЛЬНЫХ КОМПОНЕНТОВ VCL",
    344,
    0,
    "В МЕНЮ",
    Role::Form2,
    ScreenFrame::Names::Long,
    /*titleScreen*/ false,
    /*workspace*/ false,
    /*disabledItem*/ 4,
    /*exitItemsN10N11*/ false,
    ScreenFrame::Notify | ScreenFrame::Ding,
    /*logoPair*/ true,
    /*hasTimer*/ true,
    3000,
};

using Handler = void (TForm59::*)();

constexpr Handler SectionHandlers[] = {&TForm59::Panel77Click, &TForm59::Panel78Click, &TForm59::Panel79Click,
                                       &TForm59::Panel80Click, &TForm59::Panel81Click, &TForm59::Panel82Click,
                                       &TForm59::Panel83Click, &TForm59::Panel84Click, &TForm59::Panel85Click};

constexpr Handler EntryHandlers[] = {&TForm59::Panel2Click,  &TForm59::Panel3Click,  &TForm59::Panel4Click,
                                     &TForm59::Panel9Click,  &TForm59::Panel10Click, &TForm59::Panel11Click,
                                     &TForm59::Panel12Click, &TForm59::Panel13Click, &TForm59::Panel14Click,
                                     &TForm59::Panel15Click, &TForm59::Panel16Click, &TForm59::Panel17Click,
                                     &TForm59::Panel18Click, &TForm59::Panel19Click, &TForm59::Panel20Click,
                                     &TForm59::Panel21Click, &TForm59::Panel22Click, &TForm59::Panel23Click,
                                     &TForm59::Panel24Click, &TForm59::Panel25Click, &TForm59::Panel26Click};

constexpr Handler StandaloneHandlers[] = {&TForm59::Panel30Click, &TForm59::Panel31Click, &TForm59::Panel32Click};

struct FigureButtonPlace {
    const char* name;
    const char* caption;
    QRect place;
};

// "Рисунок" is the one figure button that is ever shown. At 112, 448 it would lie inside the "TApplication"
// button and cover its caption, so it takes the free place below the stand-alone topic buttons, where
// "Рисунок 3" would stand (that one is never shown).
const FigureButtonPlace FigureButtons[] = {
    {"Panel33", "Рисунок", QRect(112, 472, 73, 17)},
    {"Panel34", "Рисунок 1", QRect(56, 448, 73, 17)},
    {"Panel35", "Рисунок 2", QRect(168, 448, 73, 17)},
    {"Panel36", "Рисунок 3", QRect(112, 472, 73, 17)},
};

// The one prepared figure: a form with speed buttons, reached from the SpeedButton entry of ADDITIONAL.
constexpr int FigureSection = 2;
constexpr int FigurePosition = 1;

constexpr const char* EmptyCaption = "---";
constexpr const char* NameDesign = "Название";
constexpr const char* ComponentGroupCaption = " ВЫБОР КОМПОНЕНТА VCL ";

Panel* makePanel(QWidget* parent, const char* name, const QRect& place, const char* caption, Colors::TColor colour)
{
    auto* panel = new Panel(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setGeometry(place);
    panel->setCaption(QString::fromUtf8(caption));
    panel->setColor(colour);
    panel->setFontColor(Colors::White);
    panel->setBevelOuter(Panel::Bevel::Raised);
    return panel;
}

Colors::TColor idleSectionColour(const CatalogueSection& section)
{
    return section.classGroup ? Colors::Purple : Colors::Maroon;
}

} // namespace

TForm59::TForm59() : Screen(Role::Form59, Frame)
{
    logo1()->move(306, 19);
    logo2()->move(306, 28);

    GroupBox2 = new GroupBox(client());
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    GroupBox2->setGeometry(32, 104, 233, 97);
    GroupBox2->setCaption(QStringLiteral(" ВЫБОР СТРАНИЦЫ VCL ИЛИ КЛАССА "));
    GroupBox2->setFontColor(Colors::Olive);
    const auto sections = ComponentCatalogue::sections();
    for (int s = 1; s <= int(sections.size()); ++s) {
        const CatalogueSection& row = sections[size_t(s - 1)];
        Panel* button =
            makePanel(GroupBox2, row.button, ComponentCatalogue::sectionPlace(s), row.caption, idleSectionColour(row));
        button->setClickable(true);
        bind(button, &Panel::clicked, SectionHandlers[s - 1]);
        m_sectionButtons.append(button);
    }

    GroupBox1 = new GroupBox(client());
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(32, 224, 233, 193);
    GroupBox1->setCaption(QString::fromUtf8(ComponentGroupCaption));
    GroupBox1->setFontColor(Colors::Olive);
    const auto grid = ComponentCatalogue::gridButtons();
    for (int p = 1; p <= ComponentCatalogue::GridSize; ++p) {
        Panel* button =
            makePanel(GroupBox1, grid[size_t(p - 1)], ComponentCatalogue::gridPlace(p), EmptyCaption, Colors::Teal);
        button->setClickable(true);
        button->setEnabled(false);
        bind(button, &Panel::clicked, EntryHandlers[p - 1]);
        m_componentButtons.append(button);
    }
    for (int s = 1; s <= ComponentCatalogue::SectionCount; ++s)
        m_entryFlags[size_t(s - 1)] = QVector<unsigned char>(ComponentCatalogue::sectionEntries(s).size(), 0);

    const auto topics = ComponentCatalogue::standaloneTopics();
    for (int t = 0; t < int(topics.size()); ++t) {
        const StandaloneTopic& row = topics[size_t(t)];
        Panel* button = makePanel(client(), row.button, row.place, row.caption, row.color);
        button->setFont(Fonts::make(QStringLiteral("Arial"), 12));
        button->setClickable(true);
        bind(button, &Panel::clicked, StandaloneHandlers[t]);
        m_standaloneButtons.append(button);
    }

    Panel27 = makePanel(client(), "Panel27", QRect(296, 104, 217, 27), "НАЗВАНИЕ СТРАНИЦЫ", Colors::Olive);
    Panel29 = makePanel(client(), "Panel29", QRect(544, 104, 105, 27), "КОМПОНЕНТ", Colors::Olive);
    Panel28 = makePanel(client(), "Panel28", QRect(648, 104, 113, 27), NameDesign, Colors::Maroon);

    RichEdit1 = new RichEdit(client());
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setGeometry(296, 152, 465, 321);
    RichEdit1->setColor(Colors::toQColor(Colors::Cream));
    RichEdit1->setFont(Fonts::sansSerif8());

    Image1 = new Image(client());
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(124, 426, 49, 57);
    Image1->setStretch(true);
    Image1->setCenter(true);
    Image1->setTransparent(true);
    Image1->setPicture(Picture::fromImage(StoredPictures::componentIcon()));
    Image1->hide();

    // The figure buttons lie over the stand-alone topics and come after them, so that a shown one is on top.
    // Only "Рисунок" has an action; the other three stay hidden and inert.
    for (const FigureButtonPlace& def : FigureButtons) {
        Panel* button = makePanel(client(), def.name, def.place, def.caption, Colors::Olive);
        button->hide();
        m_figureButtons.append(button);
    }
    m_figureButtons.first()->setClickable(true);
    bind(m_figureButtons.first(), &Panel::clicked, &TForm59::Panel33Click);
}

void TForm59::FormCreate()
{
    m_sectionFlags.fill(0);
    darkenFooter();
    RichEdit1->loadFromFile(QStringLiteral("doc\\topic\\komp\\logo.rtf"));
    backButton()->setFocus();
}

void TForm59::leaveCleanup()
{
    AboutBox1->closeWindow();
}

void TForm59::colourSectionButtons(int chosen)
{
    const auto sections = ComponentCatalogue::sections();
    for (int s = 1; s <= int(sections.size()); ++s)
        m_sectionButtons[s - 1]->setColor(s == chosen ? Colors::Grey : idleSectionColour(sections[size_t(s - 1)]));
}

void TForm59::colourComponentButtons(int chosen)
{
    for (int p = 1; p <= ComponentCatalogue::GridSize; ++p)
        m_componentButtons[p - 1]->setColor(p == chosen ? Colors::Grey : Colors::Teal);
}

void TForm59::sectionClick(int section)
{
    const CatalogueSection& row = ComponentCatalogue::sections()[size_t(section - 1)];
    const auto entries = ComponentCatalogue::sectionEntries(section);
    const int count = int(entries.size());

    m_sectionFlags.fill(0);
    m_sectionFlags[size_t(section - 1)] = 1;
    AboutBox1->closeWindow();
    player(1)->play();
    colourSectionButtons(section);
    Panel27->setCaption(QString::fromUtf8(row.title));
    Panel29->setCaption(QString::fromUtf8(row.kind));
    GroupBox1->setCaption(QString::fromUtf8(row.groupCaption));
    for (int p = 1; p <= ComponentCatalogue::GridSize; ++p)
        m_componentButtons[p - 1]->setCaption(p <= count ? QString::fromUtf8(entries[size_t(p - 1)].caption)
                                                         : QString::fromUtf8(EmptyCaption));
    for (int p = 1; p <= ComponentCatalogue::GridSize; ++p)
        m_componentButtons[p - 1]->setEnabled(p <= count);
    // No entry is marked after a section choice, so the figure of an entry goes with the enabled states.
    m_figureButtons.first()->hide();
    colourComponentButtons(0);
    Panel28->setCaption(QString::fromUtf8(NameDesign));
    RichEdit1->loadFromFile(QString::fromUtf8(row.intro));
    if (row.focusArticle)
        RichEdit1->setFocus();
    else
        backButton()->setFocus();
}

void TForm59::entryClick(int position)
{
    AboutBox1->closeWindow();
    player(1)->play();
    // Each button stands for the entry at its position in the chosen section; the sections are tested in
    // their fixed order, skipping those with no entry at this position. At most one section flag is set.
    for (int section = 1; section <= ComponentCatalogue::SectionCount; ++section) {
        const CatalogueEntry* entry = ComponentCatalogue::entry(section, position);
        if (!entry || !m_sectionFlags[size_t(section - 1)])
            continue;
        QVector<unsigned char>& flags = m_entryFlags[size_t(section - 1)];
        flags.fill(0);
        flags[position - 1] = 1;
        if (entry->kind)
            Panel29->setCaption(QString::fromUtf8(entry->kind));
        colourComponentButtons(position);
        m_figureButtons.first()->setVisible(section == FigureSection && position == FigurePosition);
        Panel28->setCaption(QString::fromUtf8(entry->name));
        RichEdit1->loadFromFile(QString::fromUtf8(entry->article));
    }
    RichEdit1->setFocus();
}

void TForm59::standaloneClick(int topic)
{
    const StandaloneTopic& row = ComponentCatalogue::standaloneTopics()[size_t(topic)];
    m_sectionFlags.fill(0);
    AboutBox1->closeWindow();
    player(1)->play();
    colourSectionButtons(0);
    Panel27->setCaption(QString::fromUtf8(row.title));
    Panel29->setCaption(QString::fromUtf8(row.kind));
    GroupBox1->setCaption(QString::fromUtf8(ComponentGroupCaption));
    for (Panel* button : std::as_const(m_componentButtons))
        button->setCaption(QString::fromUtf8(EmptyCaption));
    Image1->hide();
    for (Panel* button : std::as_const(m_figureButtons))
        button->hide();
    for (Panel* button : std::as_const(m_componentButtons))
        button->setEnabled(false);
    colourComponentButtons(0);
    Panel28->setCaption(QString::fromUtf8(row.name));
    RichEdit1->loadFromFile(QString::fromUtf8(row.article));
    RichEdit1->setFocus();
}

void TForm59::Panel33Click()
{
    if (!m_sectionFlags[FigureSection - 1] || !m_entryFlags[FigureSection - 1][FigurePosition - 1])
        return;
    AboutBox1->showFigure(537, 336, QStringLiteral("Рисунок. Задание А 01"), 531, 304,
                          QStringLiteral("doc\\test\\tem\\t02\\pic11.bmp"));
}
