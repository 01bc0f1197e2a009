// SPDX-License-Identifier: MIT
#pragma once

#include "controls/Colors.h"

#include <QWidget>

// A group box: an etched frame with an optional caption in its top edge. Child controls are placed in the
// box's own coordinates.
class GroupBox final : public QWidget {
    Q_OBJECT
public:
    explicit GroupBox(QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    const QString& caption() const { return m_caption; }
    void setFontColor(Colors::TColor color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_caption;
    Colors::TColor m_fontColor = Colors::WindowText;
};
