// SPDX-License-Identifier: MIT
#include "controls/Panel.h"

#include "controls/Fonts.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>

Panel::Panel(QWidget* parent) : QWidget(parent)
{
    setFont(Fonts::sansSerif8());
    setFocusPolicy(Qt::NoFocus);
}

void Panel::setCaption(const QString& caption)
{
    if (m_caption == caption)
        return;
    m_caption = caption;
    update();
    // Only an assistive technology listening needs the news; Qt would build the panel's accessible object for it
    // all the same, some two hundred times at start-up.
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void Panel::setColor(Colors::TColor color)
{
    m_color = color;
    update();
}

void Panel::setFontColor(Colors::TColor color)
{
    m_fontColor = color;
    update();
}

void Panel::setBevelInner(Bevel bevel)
{
    m_bevelInner = bevel;
    update();
}

void Panel::setBevelOuter(Bevel bevel)
{
    m_bevelOuter = bevel;
    update();
}

void Panel::setBevelWidth(int width)
{
    m_bevelWidth = width;
    update();
}

void Panel::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

void Panel::setClickable(bool clickable)
{
    m_clickable = clickable;
    setCursor(Qt::ArrowCursor);
    // Panels that act as buttons can hold the keyboard focus (the screens give it to their back button).
    setFocusPolicy(clickable ? Qt::TabFocus : Qt::NoFocus);
}

void Panel::setHint(const QString& hint)
{
    setToolTip(hint);
}

void Panel::click()
{
    if (m_clickable && isEnabled() && isVisible())
        emit clicked();
}

void Panel::drawBevel(QPainter& painter, QRect& rect, Bevel bevel) const
{
    if (bevel == Bevel::None)
        return;
    const QColor light(255, 255, 255);
    const QColor dark(128, 128, 128);
    const QColor topLeft = bevel == Bevel::Raised ? light : dark;
    const QColor bottomRight = bevel == Bevel::Raised ? dark : light;
    for (int i = 0; i < m_bevelWidth; ++i) {
        painter.setPen(topLeft);
        painter.drawLine(rect.topLeft(), rect.topRight());
        painter.drawLine(rect.topLeft(), rect.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(rect.bottomLeft(), rect.bottomRight());
        painter.drawLine(rect.topRight(), rect.bottomRight());
        rect.adjust(1, 1, -1, -1);
    }
}

void Panel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Colors::toQColor(m_color));
    QRect r = rect();
    drawBevel(painter, r, m_bevelOuter);
    drawBevel(painter, r, m_bevelInner);
    if (m_caption.isEmpty())
        return;
    painter.setFont(font());
    const QRect textRect = r.adjusted(1, 0, -1, 0);
    if (isEnabled()) {
        painter.setPen(Colors::toQColor(m_fontColor));
        painter.drawText(textRect, int(m_alignment) | Qt::TextSingleLine, m_caption);
    } else {
        // Disabled captions are drawn embossed, white under grey.
        painter.setPen(Qt::white);
        painter.drawText(textRect.translated(1, 1), int(m_alignment) | Qt::TextSingleLine, m_caption);
        painter.setPen(QColor(128, 128, 128));
        painter.drawText(textRect, int(m_alignment) | Qt::TextSingleLine, m_caption);
    }
}

void Panel::mousePressEvent(QMouseEvent* event)
{
    if (m_clickable && event->button() == Qt::LeftButton) {
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void Panel::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_clickable && event->button() == Qt::LeftButton) {
        const bool inside = rect().contains(event->position().toPoint());
        event->accept();
        if (inside)
            click();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void Panel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        update();
    QWidget::changeEvent(event);
}
