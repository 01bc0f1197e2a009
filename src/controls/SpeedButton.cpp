// SPDX-License-Identifier: MIT
#include "controls/SpeedButton.h"

#include "controls/Image.h"

#include <QPixmap>

SpeedButton::SpeedButton(QWidget* parent) : QToolButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
}

void SpeedButton::setGlyph(const QImage& glyph)
{
    setIcon(QIcon(QPixmap::fromImage(Image::withTransparentBackground(glyph))));
    setIconSize(glyph.size());
}

void SpeedButton::setHint(const QString& hint)
{
    setToolTip(hint);
    setAccessibleName(hint);
}
