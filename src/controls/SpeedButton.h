// SPDX-License-Identifier: MIT
#pragma once

#include <QToolButton>

class QImage;

// A picture button without a caption. Its hint is shown when the mouse rests on it and is also the name
// that assistive technology reads, since the button has no text of its own.
class SpeedButton final : public QToolButton {
    Q_OBJECT
public:
    explicit SpeedButton(QWidget* parent = nullptr);

    // The picture; its background colour (the bottom-left pixel's) is left out.
    void setGlyph(const QImage& glyph);
    void setHint(const QString& hint);
};
