// SPDX-License-Identifier: MIT
#include "screens/InfoLogo.h"

#include "app/StoredPictures.h"
#include "content/ContentPath.h"
#include "controls/Image.h"
#include "controls/Label.h"
#include "controls/MediaPlayer.h"
#include "controls/Panel.h"
#include "pictures/GifImage.h"
#include "pictures/Picture.h"

#include <QPushButton>

TForm1* Form1 = nullptr;

namespace {

const ScreenFrame Frame{
    "Среда программирования DELPHI",
    "ПРОГРАММИРОВАНИЕ В СРЕДЕ DELPHI",
    400,
    0,
    "НАЧАТЬ",
    Role::Form2,
    ScreenFrame::Names::Short,
    /*titleScreen*/ true,
    /*workspace*/ false,
    /*disabledItem*/ -1,
    /*exitItemsN10N11*/ false,
    ScreenFrame::Ding,
    /*logoPair*/ false,
    /*hasTimer*/ true,
    1000,
};

Image* makeImage(QWidget* parent, const char* name, const QRect& place, bool center, bool transparent)
{
    auto* image = new Image(parent);
    image->setObjectName(QString::fromLatin1(name));
    image->setGeometry(place);
    image->setCenter(center);
    image->setProportional(true);
    image->setTransparent(transparent);
    return image;
}

Label* makeVersion(QWidget* parent, const char* name, const char* text, int x, int y)
{
    auto* label = new Label(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFontColor(Colors::Grey);
    label->setCaption(QString::fromLatin1(text));
    label->placeAutoSize(x, y);
    return label;
}

} // namespace

TForm1::TForm1() : Screen(Role::Form1, Frame)
{
    Image1 = makeImage(client(), "Image1", QRect(192, 80, 417, 369), true, true);
    Image2 = makeImage(client(), "Image2", QRect(32, 88, 137, 169), true, true);
    Image3 = makeImage(client(), "Image3", QRect(608, 200, 169, 97), false, true);
    Image4 = makeImage(client(), "Image4", QRect(640, 344, 113, 129), true, true);
    Image6 = makeImage(client(), "Image6", QRect(32, 368, 153, 105), true, true);
    Image8 = makeImage(client(), "Image8", QRect(300, 112, 49, 57), false, false);
    Image8->setPicture(Picture::fromImage(StoredPictures::titleEmblem()));
    Image10 = makeImage(client(), "Image10", QRect(480, 392, 49, 57), false, true);
    Image10->setPicture(Picture::fromImage(StoredPictures::titleDisk()));
    Label6 = makeVersion(client(), "Label6", "Version 3.0", 240, 144);
    Label7 = makeVersion(client(), "Label7", "Version 7.0", 424, 424);
    Label5 = makeVersion(client(), "Label5", "Version 2007", 584, 336);

    Image9 = new Image(header());
    Image9->setObjectName(QStringLiteral("Image9"));
    Image9->setGeometry(32, 12, 21, 21);
    Image9->setStretch(true);
    Image9->setTransparent(true);

    // A hidden button that shares the show handler; it is never visible.
    SpeedButton1 = new QPushButton(QStringLiteral("Exit"), client());
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->hide();
    bind(SpeedButton1, &QPushButton::clicked, &TForm1::SpeedButton1Click);
}

TForm1::~TForm1() = default;

void TForm1::FormCreate()
{
    Image1->loadFromFile(QStringLiteral("xmages\\logo\\logo.bmp"));
    Image2->loadFromFile(QStringLiteral("xmages\\logo\\delphi.bmp"));
    Image6->loadFromFile(QStringLiteral("xmages\\logo\\delphi2.bmp"));
    Image4->loadFromFile(QStringLiteral("xmages\\logo\\delphi3.bmp"));
    Image3->loadFromFile(QStringLiteral("xmages\\logo\\borland.bmp"));
    darkenFooter();
}

void TForm1::Button1Click()
{
    m_disc = std::make_unique<GifImage>();
    m_disc->loadFromFile(ContentPath::resolve(QStringLiteral("xmages\\logo\\disc.gif")));
    m_disc->setAnimate(true);
    Image9->setPicture(Picture::fromGif(*m_disc));
    player(2)->setFileName(QStringLiteral("sound/ding.wav"));
    player(2)->open();
}

void TForm1::Button2Click()
{
    player(2)->close();
    m_disc.reset();
}
