// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare window"));
    window.setFixedSize(792, 546);
    window.show();
    return QApplication::exec();
}
