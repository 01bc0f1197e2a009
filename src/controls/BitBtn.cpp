// SPDX-License-Identifier: MIT
#include "controls/BitBtn.h"

#include "controls/Fonts.h"

BitBtn::BitBtn(QWidget* parent) : QPushButton(parent)
{
    setFont(Fonts::sansSerif8());
    setAutoDefault(false);
}

void BitBtn::setCaption(const QString& caption)
{
    setText(caption);
}

void BitBtn::setGlyph(const QPixmap& glyph)
{
    setIcon(QIcon(glyph));
    setIconSize(glyph.size());
}

void BitBtn::setFontColor(Colors::TColor color)
{
    QPalette p = palette();
    p.setColor(QPalette::ButtonText, Colors::toQColor(color));
    setPalette(p);
}

void BitBtn::setHint(const QString& hint)
{
    setToolTip(hint);
}
