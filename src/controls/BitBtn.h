// SPDX-License-Identifier: MIT
#pragma once

#include "controls/Colors.h"

#include <QPushButton>

// A push button with a small glyph left of its caption.
class BitBtn final : public QPushButton {
    Q_OBJECT
public:
    explicit BitBtn(QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    QString caption() const { return text(); }
    void setGlyph(const QPixmap& glyph);
    void setFontColor(Colors::TColor color);
    void setHint(const QString& hint);
};
