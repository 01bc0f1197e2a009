// SPDX-License-Identifier: MIT
#include "app/MenuBarStyle.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPointer>
#include <QStyleOptionMenuItem>

#include <cmath>

namespace {

constexpr int Padding = 4;

} // namespace

MenuBarStyle::MenuBarStyle(int iconSize) : m_iconSize(iconSize) {}

MenuBarStyle* MenuBarStyle::shared(int iconSize)
{
    static QHash<int, QPointer<MenuBarStyle>> styles;
    QPointer<MenuBarStyle>& style = styles[iconSize];
    if (!style) {
        style = new MenuBarStyle(iconSize);
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

QIcon MenuBarStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option, const QWidget* widget) const
{
    // A menu bar asks again for its extension button's icon when it gets this style; Qt would read it from an
    // image file each time. (The first request, made while the bar is built, still goes to the default style.)
    if (standardIcon != SP_ToolBarHorizontalExtensionButton)
        return QProxyStyle::standardIcon(standardIcon, option, widget);
    if (m_extensionIcon.isNull()) {
        const QIcon icon = QProxyStyle::standardIcon(standardIcon, option, widget);
        const QList<QSize> sizes = icon.availableSizes();
        m_extensionIcon = icon.pixmap(sizes.isEmpty() ? QSize(16, 16) : sizes.last()).toImage();
    }
    return QIcon(QPixmap::fromImage(m_extensionIcon));
}

QSize MenuBarStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                     const QWidget* widget) const
{
    if (type == CT_MenuBarItem) {
        if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
            const QString key = item->font.key() + QLatin1Char(item->icon.isNull() ? '0' : '1') + item->text;
            const auto known = m_itemSizes.constFind(key);
            if (known != m_itemSizes.constEnd())
                return *known;
            const QFontMetrics metrics(item->font);
            const QString text = QString(item->text).remove(QLatin1Char('&'));
            const int iconPart = item->icon.isNull() ? 0 : m_iconSize + Padding;
            const QSize result(Padding + iconPart + metrics.horizontalAdvance(text) + 2 * Padding,
                               std::max(m_iconSize, metrics.height()) + 2 * Padding);
            m_itemSizes.insert(key, result);
            return result;
        }
    }
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

void MenuBarStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                               const QWidget* widget) const
{
    if (element != CE_MenuBarItem) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (!item) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    const bool enabled = item->state & State_Enabled;
    const bool selected = (item->state & State_Selected) && enabled;
    const bool sunken = (item->state & State_Sunken) && enabled;
    painter->save();
    painter->fillRect(item->rect, item->palette.window());
    if (selected || sunken) {
        // A thin raised (hover) or sunken (open) frame, as classic menu bars drew the hot item.
        const QRect r = item->rect.adjusted(0, 0, -1, -1);
        painter->setPen(sunken ? QColor(128, 128, 128) : QColor(255, 255, 255));
        painter->drawLine(r.topLeft(), r.topRight());
        painter->drawLine(r.topLeft(), r.bottomLeft());
        painter->setPen(sunken ? QColor(255, 255, 255) : QColor(128, 128, 128));
        painter->drawLine(r.bottomLeft(), r.bottomRight());
        painter->drawLine(r.topRight(), r.bottomRight());
    }
    int x = item->rect.left() + Padding;
    if (!item->icon.isNull()) {
        const QPixmap pixmap =
            item->icon.pixmap(QSize(m_iconSize, m_iconSize), 1.0, enabled ? QIcon::Normal : QIcon::Disabled);
        const int y = item->rect.top() + (item->rect.height() - m_iconSize) / 2;
        // On a screen scaled by a fraction the bitmap is filtered rather than given uneven pixels.
        const qreal scale = painter->deviceTransform().m11();
        painter->setRenderHint(QPainter::SmoothPixmapTransform, scale != std::floor(scale));
        painter->drawPixmap(x, y, pixmap);
        x += m_iconSize + Padding;
    }
    const QRect textRect(x, item->rect.top(), item->rect.right() - x, item->rect.height());
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic | Qt::TextSingleLine;
    painter->setFont(item->font);
    if (enabled) {
        painter->setPen(item->palette.color(QPalette::WindowText));
        painter->drawText(textRect, flags, item->text);
    } else {
        painter->setPen(QColor(255, 255, 255));
        painter->drawText(textRect.translated(1, 1), flags, item->text);
        painter->setPen(QColor(128, 128, 128));
        painter->drawText(textRect, flags, item->text);
    }
    painter->restore();
}
