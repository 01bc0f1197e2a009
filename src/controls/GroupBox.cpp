// SPDX-License-Identifier: MIT
#include "controls/GroupBox.h"

#include "controls/Fonts.h"

#include <QPainter>

GroupBox::GroupBox(QWidget* parent) : QWidget(parent)
{
    setFont(Fonts::sansSerif8());
}

void GroupBox::setCaption(const QString& caption)
{
    m_caption = caption;
    setAccessibleName(caption);
    update();
}

void GroupBox::setFontColor(Colors::TColor color)
{
    m_fontColor = color;
    update();
}

void GroupBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int top = metrics.height() / 2;
    const QRect frame = rect().adjusted(0, top, -1, -1);
    // Etched frame: a grey line with a white one below and right of it.
    painter.setPen(QColor(255, 255, 255));
    painter.drawRect(frame.translated(1, 1).adjusted(0, 0, -1, -1));
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    if (m_caption.isEmpty())
        return;
    const QRect textRect(8, 0, metrics.horizontalAdvance(m_caption) + 2, metrics.height());
    painter.fillRect(textRect, palette().window());
    painter.setPen(Colors::toQColor(m_fontColor));
    painter.setFont(font());
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, m_caption);
}
