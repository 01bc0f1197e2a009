// SPDX-License-Identifier: MIT
#pragma once

#include <QProxyStyle>

// Menu bars of the screens show a large bitmap beside each caption. Qt's styles draw either the icon or
// the text of a menu-bar item and size it for a small icon; this style draws both, the icon at full size.
class MenuBarStyle final : public QProxyStyle {
    Q_OBJECT
public:
    explicit MenuBarStyle(int iconSize);

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;

private:
    int m_iconSize;
};
