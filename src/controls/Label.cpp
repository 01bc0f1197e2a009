// SPDX-License-Identifier: MIT
#include "controls/Label.h"

#include "controls/Fonts.h"

#include <QHash>

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
    // The screens repeat their frame captions in the same fonts: each caption is measured (its text shaped) once.
    static QHash<QString, QSize> sizes;
    const QString key =
        font().key() + QLatin1Char('\n') + QString::number(int(alignment())) + QLatin1Char('\n') + text();
    const auto known = sizes.constFind(key);
    if (known != sizes.constEnd() && !wordWrap() && margin() == 0 && indent() < 0) {
        resize(*known);
    } else {
        adjustSize();
        if (!wordWrap() && margin() == 0 && indent() < 0)
            sizes.insert(key, size());
    }
    move(x, y);
}
