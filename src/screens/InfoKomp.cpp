// SPDX-License-Identifier: MIT
#include "screens/InfoKomp.h"

#include "controls/Colors.h"
#include "controls/Fonts.h"
#include "controls/Image.h"
#include "controls/Panel.h"
#include "controls/RichEdit.h"
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

} // namespace

TForm59::TForm59() : Screen(Role::Form59, Frame)
{
    logo1()->move(306, 19);
    logo2()->move(306, 28);

    RichEdit1 = new RichEdit(client());
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setGeometry(296, 152, 465, 321);
    RichEdit1->setColor(Colors::toQColor(Colors::Cream));
    RichEdit1->setFont(Fonts::sansSerif8());
}

void TForm59::FormCreate()
{
    darkenFooter();
    RichEdit1->loadFromFile(QStringLiteral("doc\\topic\\komp\\logo.rtf"));
    backButton()->setFocus();
}

void TForm59::leaveCleanup()
{
    AboutBox1->closeWindow();
}
