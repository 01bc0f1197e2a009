// SPDX-License-Identifier: MIT
#pragma once

#include "controls/Colors.h"

#include <QLabel>

// A text label drawn on its parent's background, sized to its text unless a width is fixed.
class Label final : public QLabel {
    Q_OBJECT
public:
    explicit Label(QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    QString caption() const { return text(); }
    void setFontColor(Colors::TColor color);
    Colors::TColor fontColor() const { return m_fontColor; }
    // Places the label with its top-left at (x, y), as wide and high as its text.
    void placeAutoSize(int x, int y);

private:
    Colors::TColor m_fontColor = Colors::WindowText;
};
