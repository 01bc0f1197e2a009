// SPDX-License-Identifier: MIT
#include "windows/Ishod.h"

#include "controls/BitBtn.h"
#include "controls/Colors.h"
#include "controls/Fonts.h"
#include "controls/RichEdit.h"

TAboutBox3* AboutBox3 = nullptr;

namespace {

// Listings are Object Pascal units whose indentation lines up only in a fixed-pitch font: "Courier New" 10 pt.
constexpr int ListingFontPixels = 13;

} // namespace

TAboutBox3::TAboutBox3() : Window(Role::AboutBox3, QStringLiteral("Листинг программы"))
{
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    QPalette p = palette();
    p.setColor(QPalette::Window, Colors::toQColor(Colors::Cream));
    setPalette(p);
    setAutoFillBackground(true);
    setClientSize(456, 353);
    move(0, 0);

    RichEdit1 = new RichEdit(client());
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setGeometry(16, 16, 425, 297);
    QFont listingFont = Fonts::make(QStringLiteral("Courier New"), ListingFontPixels);
    listingFont.setStyleHint(QFont::Monospace);
    listingFont.setFixedPitch(true);
    RichEdit1->setFont(listingFont);

    BitBtn1 = new BitBtn(client());
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(16, 320, 249, 25);
    BitBtn1->setCaption(QStringLiteral("СКОПИРОВАТЬ ВЫДЕЛЕННЫЙ ФРАГМЕНТ"));
    BitBtn1->setHint(QStringLiteral("ВЫДЕЛИТЕ ФРАГМЕНТ ТЕКСТА"));
    bind(BitBtn1, &BitBtn::clicked, &TAboutBox3::BitBtn1Click);

    BitBtn2 = new BitBtn(client());
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(360, 320, 81, 25);
    BitBtn2->setCaption(QStringLiteral("ЗАКРЫТЬ"));
    bind(BitBtn2, &BitBtn::clicked, &TAboutBox3::BitBtn2Click);
}

void TAboutBox3::showListing(const QString& contentPath)
{
    closeWindow();
    RichEdit1->loadFromFile(contentPath);
    showWindow();
}

void TAboutBox3::BitBtn1Click()
{
    RichEdit1->copyToClipboard();
}

void TAboutBox3::BitBtn2Click()
{
    closeWindow();
}
