// SPDX-License-Identifier: MIT
#include "screens/InfoUtil.h"

#include "controls/Colors.h"
#include "controls/Image.h"
#include "controls/Panel.h"

#include <array>

TForm5* Form5 = nullptr;

namespace {

const ScreenFrame Frame{
    "Выбор упражнений по программированию",
    "УПРАЖНЕНИЯ ПО ПРОГРАММИРОВАНИЮ",
    408,
    0,
    "В МЕНЮ",
    Role::Form2,
    ScreenFrame::Names::Short,
    /*titleScreen*/ false,
    /*workspace*/ false,
    /*disabledItem*/ 2,
    /*exitItemsN10N11*/ false,
    ScreenFrame::Notify | ScreenFrame::Ding,
    /*logoPair*/ true,
    /*hasTimer*/ true,
    3000,
};

constexpr int ColumnX[] = {40, 224, 408, 592};
constexpr int HeaderY = 96;
constexpr int FirstButtonY = 128;
constexpr int ButtonStep = 24;
constexpr QSize HeaderSize(161, 25);
constexpr QSize ButtonSize(161, 17);

struct GroupHeader {
    const char* name;
    const char* caption;
    Colors::TColor buttonText; // the caption colour of the group's exercise buttons
};

const GroupHeader Groups[] = {
    {"Panel7", "1. ОСНОВЫ  РАБОТЫ", Colors::Olive},
    {"Panel8", "2. ПРОСТЫЕ  ЗАДАЧИ", Colors::Teal},
    {"Panel9", "3. ПРИКЛАДНЫЕ ЗАДАЧИ", Colors::Purple},
    {"Panel10", "4. ИГРЫ  И  ЭФФЕКТЫ", 32768}, // clGreen
};

// The click handlers in the order of the exercise rows (slot order).
constexpr std::array Handlers = {
    &TForm5::Panel11Click,  &TForm5::Panel12Click,  &TForm5::Panel13Click,  &TForm5::Panel14Click,
    &TForm5::Panel15Click,  &TForm5::Panel16Click,  &TForm5::Panel17Click,  &TForm5::Panel18Click,
    &TForm5::Panel19Click,  &TForm5::Panel20Click,  &TForm5::Panel21Click,  &TForm5::Panel22Click,
    &TForm5::Panel107Click, &TForm5::Panel108Click, &TForm5::Panel109Click, &TForm5::Panel35Click,
    &TForm5::Panel36Click,  &TForm5::Panel37Click,  &TForm5::Panel38Click,  &TForm5::Panel39Click,
    &TForm5::Panel40Click,  &TForm5::Panel41Click,  &TForm5::Panel42Click,  &TForm5::Panel43Click,
    &TForm5::Panel44Click,  &TForm5::Panel45Click,  &TForm5::Panel46Click,  &TForm5::Panel110Click,
    &TForm5::Panel111Click, &TForm5::Panel112Click, &TForm5::Panel59Click,  &TForm5::Panel60Click,
    &TForm5::Panel61Click,  &TForm5::Panel62Click,  &TForm5::Panel63Click,  &TForm5::Panel64Click,
    &TForm5::Panel65Click,  &TForm5::Panel66Click,  &TForm5::Panel67Click,  &TForm5::Panel68Click,
    &TForm5::Panel69Click,  &TForm5::Panel70Click,  &TForm5::Panel113Click, &TForm5::Panel114Click,
    &TForm5::Panel115Click, &TForm5::Panel83Click,  &TForm5::Panel84Click,  &TForm5::Panel85Click,
    &TForm5::Panel86Click,  &TForm5::Panel87Click,  &TForm5::Panel88Click,  &TForm5::Panel89Click,
    &TForm5::Panel90Click,  &TForm5::Panel91Click,  &TForm5::Panel92Click,  &TForm5::Panel93Click,
    &TForm5::Panel94Click,  &TForm5::Panel116Click, &TForm5::Panel117Click, &TForm5::Panel118Click,
};
static_assert(Handlers.size() == ExerciseTables::GroupCount * ExerciseTables::ExercisesPerGroup);

} // namespace

TForm5::TForm5() : Screen(Role::Form5, Frame)
{
    logo1()->move(371, 19);
    logo2()->move(371, 28);

    for (int g = 0; g < ExerciseTables::GroupCount; ++g) {
        auto* header = new Panel(client());
        header->setObjectName(QString::fromLatin1(Groups[g].name));
        header->setGeometry(QRect(QPoint(ColumnX[g], HeaderY), HeaderSize));
        header->setBevelInner(Panel::Bevel::Lowered);
        header->setColor(Colors::Maroon);
        header->setFontColor(Colors::White);
        header->setCaption(QString::fromUtf8(Groups[g].caption));
        m_headers.append(header);
    }

    const auto rows = ExerciseTables::exercises();
    for (size_t i = 0; i < rows.size(); ++i) {
        const ExerciseTables::Exercise& row = rows[i];
        auto* button = new Panel(client());
        button->setObjectName(QString::fromLatin1(row.button));
        button->setGeometry(
            QRect(QPoint(ColumnX[row.group - 1], FirstButtonY + ButtonStep * (row.number - 1)), ButtonSize));
        button->setBevelOuter(Panel::Bevel::Raised);
        button->setColor(Colors::BtnFace);
        button->setFontColor(Groups[row.group - 1].buttonText);
        button->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        button->setCaption(QString::fromUtf8(row.caption));
        button->setClickable(true);
        bind(button, &Panel::clicked, Handlers[i]);
        m_buttons.append(button);
    }
}

void TForm5::FormCreate()
{
    darkenFooter();
    backButton()->setFocus();
}

void TForm5::chooseExercise(int group, int number)
{
    m_flags.clear();
    m_flags.set(ExerciseTables::slotOf(group, number));
    goTo(Role::Form35);
}
