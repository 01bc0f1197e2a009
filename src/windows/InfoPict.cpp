// SPDX-License-Identifier: MIT
#include "windows/InfoPict.h"

#include "controls/Colors.h"
#include "controls/Image.h"

#include <QPushButton>

TAboutBox1* AboutBox1 = nullptr;

TAboutBox1::TAboutBox1() : Window(Role::AboutBox1, QStringLiteral("Название"))
{
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setAutoFillBackground(true);
    setClientSize(298, 213);
    move(0, 0);

    Image1 = new Image(client());
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(16, 21, 217, 113);
    Image1->setProportional(true);
    Image1->setTransparent(true);

    // Hidden and without an action, as designed.
    OKButton = new QPushButton(QStringLiteral("OK"), client());
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(0, 0, 25, 21);
    OKButton->setDefault(true);
    OKButton->hide();
}

void TAboutBox1::showFigure(int windowWidth, int windowHeight, const QString& caption, int imageWidth,
                            int imageHeight, const QString& pictureFile)
{
    closeWindow();
    setOuterSize(windowWidth, windowHeight);
    setCaption(caption);
    Image1->resize(imageWidth, imageHeight);
    Image1->loadFromFile(pictureFile);
    move(0, 0);
    showWindow();
}
