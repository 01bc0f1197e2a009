// SPDX-License-Identifier: MIT
#include "screens/InfoTop03.h"

#include "controls/Colors.h"
#include "controls/Fonts.h"
#include "controls/Label.h"
#include "controls/Panel.h"
#include "controls/RichEdit.h"
#include "windows/InfoPict.h"
#include "windows/Ishod.h"
#include "windows/Karta.h"

#include <QToolButton>

TForm35* Form35 = nullptr;

namespace {

const ScreenFrame Frame{
    "Выполнение упражнений по программированию",
    "УПРАЖНЕНИЯ ПО ПРОГРАММИРОВАНИЮ В DELPHI",
    304,
    0,
    "УПРАЖНЕНИЯ",
    Role::Form5,
    ScreenFrame::Names::Long,
    /*titleScreen*/ false,
    /*workspace*/ true,
    /*disabledItem*/ -1,
    /*exitItemsN10N11*/ false,
    ScreenFrame::Notify | ScreenFrame::Ding | ScreenFrame::Rec,
    /*logoPair*/ false,
    /*hasTimer*/ true,
    3000,
};

Panel* makePanel(QWidget* parent, const char* name, const QRect& place, Colors::TColor colour,
                 Colors::TColor fontColour, const char* caption)
{
    auto* panel = new Panel(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setGeometry(place);
    panel->setColor(colour);
    panel->setFontColor(fontColour);
    panel->setCaption(QString::fromUtf8(caption));
    return panel;
}

} // namespace

TForm35::TForm35() : Screen(Role::Form35, Frame)
{
    Panel10 = makePanel(client(), "Panel10", QRect(32, 96, 233, 41), Colors::Maroon, Colors::White,
                        "0:00 НАЗВАНИЕ УПРАЖНЕНИЯ");
    Panel10->setBevelInner(Panel::Bevel::Lowered);
    Panel9 = makePanel(client(), "Panel9", QRect(296, 96, 465, 25), Colors::ScrollBar, Colors::Olive,
                       "ИНСТРУКЦИЯ ПО ВЫПОЛНЕНИЮ УПРАЖНЕНИЯ");
    Panel9->setBevelInner(Panel::Bevel::Lowered);

    RichEdit1 = new RichEdit(client());
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setGeometry(296, 152, 465, 297);
    RichEdit1->setColor(Colors::toQColor(Colors::Cream));
    RichEdit1->setFont(Fonts::sansSerif8());

    Panel4 = makePanel(client(), "Panel4", QRect(112, 320, 73, 17), Colors::Olive, Colors::White, "Рисунок");
    Panel4->setClickable(true);
    Panel4->hide();
    Panel12 = makePanel(client(), "Panel12", QRect(64, 464, 89, 25), Colors::BtnFace, Colors::Black, "");
    Panel12->setBevelInner(Panel::Bevel::Lowered);
    Panel12->hide();
    Label6 = new Label(client());
    Label6->setObjectName(QStringLiteral("Label6"));
    Label6->hide();
    SpeedButton2 = new QToolButton(client());
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2->setGeometry(160, 464, 24, 25);
    SpeedButton2->setToolTip(QStringLiteral("СОХРАНИТЬ"));
    SpeedButton2->setAccessibleName(QStringLiteral("СОХРАНИТЬ"));
    SpeedButton2->hide();
}

void TForm35::FormCreate()
{
    darkenFooter();
    Panel10->setColor(Colors::darken(Colors::Maroon, 15));
    m_ticks = 0;
    m_markerShown = false;
    backButton()->setFocus();
}

void TForm35::leaveCleanup()
{
    Panel12->hide();
    Label6->hide();
    SpeedButton2->hide();
    Panel4->hide();
    AboutBox1->closeWindow();
    AboutBox2->closeWindow();
    AboutBox3->closeWindow();
}
