// SPDX-License-Identifier: MIT
#include "windows/Karta.h"

#include "controls/Image.h"

#include <QPushButton>

TAboutBox2* AboutBox2 = nullptr;

TAboutBox2::TAboutBox2() : Window(Role::AboutBox2, QStringLiteral("Название"))
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setAutoFillBackground(true);
    setClientSize(298, 213);

    Image1 = new Image(client());
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, 217, 113);
    Image1->setProportional(true);
    Image1->setTransparent(true);

    OKButton = new QPushButton(QStringLiteral("OK"), client());
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(-1, -4, 26, 25);
    OKButton->setDefault(true);
    OKButton->hide();
    bind(OKButton, &QPushButton::clicked, &TAboutBox2::OKButtonClick);
}

void TAboutBox2::OKButtonClick()
{
    closeWindow();
}
