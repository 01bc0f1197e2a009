// SPDX-License-Identifier: MIT
#include "screens/InfoMenu.h"

#include "app/StoredPictures.h"
#include "controls/BitBtn.h"
#include "controls/Image.h"
#include "controls/Panel.h"

TForm2* Form2 = nullptr;

namespace {

const ScreenFrame Frame{
    "Выбор режимов работы программы",
    "ВЫБОР РЕЖИМОВ РАБОТЫ ПРОГРАММЫ",
    399,
    276,
    "В НАЧАЛО",
    Role::Form1,
    ScreenFrame::Names::Short,
    /*titleScreen*/ false,
    /*workspace*/ false,
    /*disabledItem*/ -1,
    /*exitItemsN10N11*/ true,
    ScreenFrame::Ding,
    /*logoPair*/ false,
    /*hasTimer*/ false,
    0,
};

struct ModeButton {
    const char* name;
    int x;
    int y;
    const char* caption;
    int glyph;
    void (TForm2::*handler)();
};

const ModeButton ModeButtons[] = {
    {"BitBtn1", 48, 128, "СРЕДА ПРОГРАМИРОВАНИЯ DELPHI", 0, &TForm2::BitBtn1Click},
    {"BitBtn9", 496, 128, "ОПИСАНИЕ ЯЗЫКА  OBJECT PASCAL", 1, &TForm2::BitBtn9Click},
    {"BitBtn6", 48, 264, "ПРОГРАММИРУЕМ В СРЕДЕ  DELPHI", 2, &TForm2::BitBtn6Click},
    {"BitBtn7", 496, 264, "ДОПОЛНИТЕЛЬНЫЕ СПРАВОЧНИКИ", 3, &TForm2::BitBtn7Click},
    {"BitBtn8", 272, 384, "БИБЛИОТЕКА КОМПОНЕНТОВ  VCL", 4, &TForm2::BitBtn8Click},
};

} // namespace

TForm2::TForm2() : Screen(Role::Form2, Frame)
{
    BitBtn** members[] = {&BitBtn1, &BitBtn9, &BitBtn6, &BitBtn7, &BitBtn8};
    for (size_t i = 0; i < std::size(ModeButtons); ++i) {
        const ModeButton& row = ModeButtons[i];
        auto* button = new BitBtn(client());
        button->setObjectName(QString::fromLatin1(row.name));
        button->setGeometry(row.x, row.y, 249, 73);
        button->setCaption(QString::fromUtf8(row.caption));
        button->setFontColor(Colors::Olive);
        // A glyph's bottom-left colour is its transparent background.
        button->setGlyph(QPixmap::fromImage(Image::withTransparentBackground(StoredPictures::modeGlyph(row.glyph))));
        bind(button, &BitBtn::clicked, row.handler);
        *members[i] = button;
    }
    QWidget::setTabOrder(BitBtn1, BitBtn6);
    QWidget::setTabOrder(BitBtn6, BitBtn7);
    QWidget::setTabOrder(BitBtn7, BitBtn9);
    QWidget::setTabOrder(BitBtn9, BitBtn8);

    Image1 = new Image(client());
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(328, 168, 145, 137);
    Image1->setCenter(true);
    Image1->setProportional(true);
    Image1->setTransparent(true);
}

void TForm2::FormCreate()
{
    Image1->loadFromFile(QStringLiteral("xmages\\logo\\delphi2.bmp"));
    darkenFooter();
    backButton()->setFocus();
}
