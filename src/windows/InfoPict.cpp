// SPDX-License-Identifier: MIT
#include "windows/InfoPict.h"

#include "controls/Colors.h"
#include "controls/Image.h"

#include <QPushButton>
#include <QWindow>

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

    m_cornerTimer.setInterval(50);
    connect(&m_cornerTimer, &QTimer::timeout, this, &TAboutBox1::keepFrameAtCorner);
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

void TAboutBox1::showEvent(QShowEvent* event)
{
    Window::showEvent(event);
    // Until a window manager has framed the window once, nobody knows its frame: the move to the corner then
    // put the client area at the corner and the caption bar above the top of the screen. Watch for the frame
    // for a moment after showing, and once it is known put the client area inside it at the corner.
    m_cornerChecks = 20;
    m_cornerTimer.start();
}

void TAboutBox1::keepFrameAtCorner()
{
    QWindow* window = windowHandle();
    const QMargins frame = window ? window->frameMargins() : QMargins();
    if (!isVisible() || --m_cornerChecks <= 0 || !frame.isNull()) {
        m_cornerTimer.stop();
        if (isVisible() && !frame.isNull() && window->position() != QPoint(frame.left(), frame.top()))
            window->setPosition(frame.left(), frame.top());
    }
}
