// SPDX-License-Identifier: MIT
#include "windows/InfoAbot.h"

#include "app/StoredPictures.h"
#include "controls/Colors.h"
#include "controls/Fonts.h"
#include "controls/Image.h"
#include "controls/Label.h"
#include "controls/Panel.h"
#include "pictures/Picture.h"

#include <QKeyEvent>
#include <QPushButton>

TAboutBox* AboutBox = nullptr;

TAboutBox::TAboutBox() : Window(Role::AboutBox, QStringLiteral("О программе"))
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    QPalette p = palette();
    p.setColor(QPalette::Window, Colors::toQColor(Colors::BtnFace));
    setPalette(p);
    setAutoFillBackground(true);
    setClientSize(298, 213);

    Panel1 = new Panel(client());
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(8, 8, 281, 161);
    Panel1->setBevelInner(Panel::Bevel::Raised);
    Panel1->setBevelOuter(Panel::Bevel::Lowered);
    Panel1->setColor(Colors::BtnFace);

    ProgramIcon = new Image(Panel1);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setGeometry(8, 8, 65, 57);
    ProgramIcon->setCenter(true);
    ProgramIcon->setProportional(true);
    ProgramIcon->setPicture(Picture::fromImage(StoredPictures::aboutIcon()));

    ProductName = new Label(Panel1);
    ProductName->setObjectName(QStringLiteral("ProductName"));
    ProductName->setCaption(QStringLiteral("Ведариум DELPHI"));
    ProductName->placeAutoSize(88, 16);

    Version = new Label(Panel1);
    Version->setObjectName(QStringLiteral("Version"));
    Version->setCaption(QStringLiteral("Версия 1.00"));
    Version->placeAutoSize(88, 40);

    Comments = new Label(Panel1);
    Comments->setObjectName(QStringLiteral("Comments"));
    Comments->setWordWrap(true);
    Comments->setCaption(QStringLiteral("VEDARIUM Training System"));
    Comments->setGeometry(8, 112, 264, Comments->heightForWidth(264));

    OKButton = new QPushButton(QStringLiteral("OK"), client());
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(104, 180, 89, 25);
    OKButton->setDefault(true);
    bind(OKButton, &QPushButton::clicked, &TAboutBox::OKButtonClick);

    // Centred over the title screen, where every screen lies.
    if (Window* title = Application::instance().mainWindow())
        move(title->geometry().center() - QPoint(width() / 2, height() / 2));
}

void TAboutBox::OKButtonClick()
{
    hideWindow();
}

void TAboutBox::keyPressEvent(QKeyEvent* event)
{
    // Enter presses the default button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        OKButton->click();
        return;
    }
    Window::keyPressEvent(event);
}
