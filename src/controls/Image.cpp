// SPDX-License-Identifier: MIT
#include "controls/Image.h"

#include "content/ContentPath.h"
#include "pictures/GifComposer.h"
#include "pictures/GifPlayer.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

Image::Image(QWidget* parent) : QWidget(parent) {}

Image::~Image() = default;

void Image::setCenter(bool on)
{
    if (m_center == on)
        return;
    m_center = on;
    settingChanged();
}

void Image::setProportional(bool on)
{
    if (m_proportional == on)
        return;
    m_proportional = on;
    settingChanged();
}

void Image::setStretch(bool on)
{
    if (m_stretch == on)
        return;
    m_stretch = on;
    settingChanged();
}

void Image::setTransparent(bool on)
{
    if (m_transparent == on)
        return;
    m_transparent = on;
    updateStill();
    settingChanged();
}

void Image::setPicture(const Picture& picture)
{
    stopPlayer();
    m_picture = picture;
    updateStill();
    update();
}

void Image::loadFromFile(const QString& contentPath)
{
    setPicture(Picture::loadFromFile(ContentPath::resolve(contentPath)));
}

void Image::clear()
{
    setPicture(Picture());
}

void Image::setHint(const QString& hint)
{
    setToolTip(hint);
}

QImage Image::currentFrame() const
{
    if (m_player)
        return m_player->canvas();
    if (m_picture.isAnimated())
        return GifComposer::firstFrame(*m_picture.gif());
    return still();
}

QRect Image::destinationRect() const
{
    return destinationRect(m_picture.size(), size(), m_center, m_proportional, m_stretch);
}

bool Image::isAnimating() const
{
    return m_player && m_player->isRunning();
}

QRect Image::destinationRect(QSize picture, QSize box, bool center, bool proportional, bool stretch)
{
    int width = picture.width();
    int height = picture.height();
    const int boxWidth = box.width();
    const int boxHeight = box.height();
    if (stretch || (proportional && (width > boxWidth || height > boxHeight))) {
        if (proportional && width > 0 && height > 0) {
            const double aspect = double(width) / double(height);
            // Fit the longer side first, then the other if it still overflows.
            if (width > height) {
                width = boxWidth;
                height = int(boxWidth / aspect);
                if (height > boxHeight) {
                    height = boxHeight;
                    width = int(boxHeight * aspect);
                }
            } else {
                height = boxHeight;
                width = int(boxHeight * aspect);
                if (width > boxWidth) {
                    width = boxWidth;
                    height = int(boxWidth / aspect);
                }
            }
        } else {
            width = boxWidth;
            height = boxHeight;
        }
    }
    QRect rect(0, 0, width, height);
    if (center)
        rect.translate((boxWidth - width) / 2, (boxHeight - height) / 2);
    return rect;
}

QImage Image::withTransparentBackground(const QImage& image)
{
    if (image.isNull())
        return image;
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb background = result.pixel(0, result.height() - 1) | 0xFF000000u;
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            if ((line[x] | 0xFF000000u) == background)
                line[x] = 0;
    }
    return result;
}

void Image::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull())
        return;
    const QRect target = destinationRect();
    if (target.isEmpty())
        return;
    if (m_picture.isAnimated() && !m_player) {
        m_player = std::make_unique<GifPlayer>(*m_picture.gif());
        connect(m_player.get(), &GifPlayer::frameShown, this, qOverload<>(&QWidget::update));
        m_player->start();
    }
    const QImage& shown = m_player ? m_player->canvas() : still();
    if (shown.isNull())
        return;
    QPainter painter(this);
    // A picture drawn at another size, or onto a screen scaled by a fraction (1.5 device pixels to the pixel),
    // is filtered. At its own size on a whole-number scale every pixel becomes an even block and stays sharp.
    const qreal scale = painter.deviceTransform().m11();
    if (target.size() != shown.size() || scale != std::floor(scale))
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, shown);
}

void Image::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
    QWidget::mousePressEvent(event);
}

void Image::mouseReleaseEvent(QMouseEvent* event)
{
    const bool wasPressed = m_pressed && event->button() == Qt::LeftButton;
    if (event->button() == Qt::LeftButton)
        m_pressed = false;
    if (wasPressed && rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}

void Image::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (!m_player)
        return;
    // A finished animation is drawn anew, from its first frame, the next time the control paints.
    if (m_player->isFinished())
        m_player.reset();
    else
        m_player->pause();
}

void Image::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_player)
        m_player->resume();
}

void Image::stopPlayer()
{
    // Deleting the player stops its timer; a queued timeout cannot reach a deleted object.
    m_player.reset();
}

void Image::updateStill()
{
    m_still = QImage();
    m_stillValid = false;
}

const QImage& Image::still() const
{
    if (m_stillValid)
        return m_still;
    m_stillValid = true;
    switch (m_picture.kind()) {
    case Picture::Kind::None:
        break;
    case Picture::Kind::Bitmap:
        m_still = m_transparent ? withTransparentBackground(m_picture.image()) : m_picture.image();
        break;
    case Picture::Kind::Jpeg:
        m_still = m_picture.image();
        break;
    case Picture::Kind::Gif:
        if (!m_picture.isAnimated())
            m_still = GifComposer::firstFrame(*m_picture.gif());
        break;
    }
    return m_still;
}

void Image::settingChanged()
{
    stopPlayer();
    update();
}
