// SPDX-License-Identifier: MIT
#pragma once

#include "controls/Colors.h"

#include <QWidget>

// A panel: a coloured rectangle with an optional bevel and a centred caption. The course uses panels both as
// frames (header, footer, side strips) and as buttons (topic, figure and back buttons); a panel that has a
// click handler reports itself to assistive technology as a push button.
class Panel final : public QWidget {
    Q_OBJECT
public:
    enum class Bevel { None, Raised, Lowered };

    explicit Panel(QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    const QString& caption() const { return m_caption; }
    void setColor(Colors::TColor color);
    Colors::TColor color() const { return m_color; }
    void setFontColor(Colors::TColor color);
    Colors::TColor fontColor() const { return m_fontColor; }
    void setBevelInner(Bevel bevel);
    void setBevelOuter(Bevel bevel);
    void setBevelWidth(int width);
    void setAlignment(Qt::Alignment alignment);
    // A clickable panel takes the mouse click and the accessibility press action.
    void setClickable(bool clickable);
    bool isClickable() const { return m_clickable; }
    void setHint(const QString& hint);

    // Runs the click as if the pupil had clicked (only when enabled and visible).
    void click();

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void drawBevel(class QPainter& painter, QRect& rect, Bevel bevel) const;

    QString m_caption;
    Colors::TColor m_color = Colors::BtnFace;
    Colors::TColor m_fontColor = Colors::WindowText;
    Bevel m_bevelInner = Bevel::None;
    Bevel m_bevelOuter = Bevel::Raised;
    int m_bevelWidth = 1;
    Qt::Alignment m_alignment = Qt::AlignCenter;
    bool m_clickable = false;
};
