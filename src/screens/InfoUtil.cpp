// SPDX-License-Identifier: MIT
#include "screens/InfoUtil.h"

#include "controls/Image.h"
#include "controls/Panel.h"

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

} // namespace

TForm5::TForm5() : Screen(Role::Form5, Frame)
{
    logo1()->move(371, 19);
    logo2()->move(371, 28);
}

void TForm5::FormCreate()
{
    darkenFooter();
    backButton()->setFocus();
}
