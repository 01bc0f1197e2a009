// SPDX-License-Identifier: MIT
#include "windows/Ishod.h"

#include "controls/Colors.h"

TAboutBox3* AboutBox3 = nullptr;

TAboutBox3::TAboutBox3() : Window(Role::AboutBox3, QStringLiteral("Листинг программы"))
{
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    QPalette p = palette();
    p.setColor(QPalette::Window, Colors::toQColor(Colors::Cream));
    setPalette(p);
    setAutoFillBackground(true);
    setClientSize(456, 353);
    move(0, 0);
}
