// SPDX-License-Identifier: MIT
#pragma once

#include "pictures/Picture.h"

#include <QImage>
#include <QWidget>

#include <memory>

class GifPlayer;

// The image control: shows a still picture or a GIF animation inside its box.
// Stretch scales the picture to the box (keeping its aspect when Proportional); Proportional alone shrinks a
// larger picture to fit, keeping its aspect, and never enlarges; Center centres the picture, otherwise it
// sits at the top-left corner. Transparent leaves out a bitmap's background colour (the colour of its
// bottom-left pixel), so the parent shows through. An animated GIF is played from the first time the control
// paints it; replacing the picture, clearing it, changing a setting or destroying the control stops it.
// While the control or its window is hidden the animation rests (no timer, nothing composed) and goes on when
// shown; an animation that had played to its end starts again when it is drawn after being shown again.
class Image final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Image)
public:
    explicit Image(QWidget* parent = nullptr);
    ~Image() override;

    void setCenter(bool on);
    bool center() const { return m_center; }
    void setProportional(bool on);
    bool proportional() const { return m_proportional; }
    void setStretch(bool on);
    bool stretch() const { return m_stretch; }
    void setTransparent(bool on);
    bool transparent() const { return m_transparent; }

    // Replaces (and stops) what was shown; an animation starts again from its first frame.
    void setPicture(const Picture& picture);
    // Picture::loadFromFile(ContentPath::resolve(contentPath)); throws Error and then keeps the old picture.
    void loadFromFile(const QString& contentPath);
    void clear();
    const Picture& picture() const { return m_picture; }

    // Tooltip shown when the mouse rests on the control ("" for none).
    void setHint(const QString& hint);

    // What the control shows now: the composed GIF frame or the still picture (before scaling).
    QImage currentFrame() const;
    // Where the picture is drawn inside the control.
    QRect destinationRect() const;
    bool isAnimating() const;

    // The destination of a picture of `picture` size in a box of `box` size.
    static QRect destinationRect(QSize picture, QSize box, bool center, bool proportional, bool stretch);
    // A bitmap with its background colour (the bottom-left pixel's) made transparent.
    static QImage withTransparentBackground(const QImage& image);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void stopPlayer();
    void updateStill();
    const QImage& still() const;
    void settingChanged();

    Picture m_picture;
    // What a still picture (or a GIF that does not animate) draws, made when first drawn or asked for: controls
    // on hidden screens then cost nothing until shown.
    mutable QImage m_still;
    mutable bool m_stillValid = true;
    std::unique_ptr<GifPlayer> m_player;
    bool m_center = false;
    bool m_proportional = false;
    bool m_stretch = false;
    bool m_transparent = false;
    bool m_pressed = false;
};
