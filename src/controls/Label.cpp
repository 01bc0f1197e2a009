// SPDX-License-Identifier: MIT
#include "controls/Label.h"

#include "controls/Fonts.h"

Label::Label(QWidget* parent) : QLabel(parent)
{
    setFont(Fonts::sansSerif8());
    setAutoFillBackground(false);
    setAttribute(Qt::WA_TranslucentBackground);
    setTextFormat(Qt::PlainText);
    setFontColor(Colors::WindowText);
}

void Label::setCaption(const QString& caption)
{
    setText(caption);
    setAccessibleName(caption);
}

void Label::setFontColor(Colors::TColor color)
{
    m_fontColor = color;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, Colors::toQColor(color));
    setPalette(p);
}

void Label::placeAutoSize(int x, int y)
{
    adjustSize();
    move(x, y);
}
