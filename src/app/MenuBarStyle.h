// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QImage>
#include <QProxyStyle>

// Menu bars of the screens show a large bitmap beside each caption. Qt's styles draw either the icon or
// the text of a menu-bar item and size it for a small icon; this style draws both, the icon at full size.
//
// The eight screens share one instance (shared()), which measures each caption once and keeps the menu bar's
// extension-button icon: the screens' menus are alike, and each measurement shapes text.
class MenuBarStyle final : public QProxyStyle {
    Q_OBJECT
public:
    explicit MenuBarStyle(int iconSize);

    // The style for menus with icons of this size, made at the first call and kept until the application object
    // goes (it is the style's parent).
    static MenuBarStyle* shared(int iconSize);

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;

private:
    int m_iconSize;
    mutable QHash<QString, QSize> m_itemSizes; // by font, icon presence and caption
    mutable QImage m_extensionIcon;
};
