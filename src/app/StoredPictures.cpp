// SPDX-License-Identifier: MIT
#include "app/StoredPictures.h"

#include <QPainter>
#include <QPainterPath>

#include <array>

namespace StoredPictures {

namespace {

// Magenta never occurs in the artwork, so it serves as the transparent background.
const QColor Background(255, 0, 255);

QImage canvas(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Background);
    return image;
}

void cube(QPainter& p, const QRectF& front, qreal depth, const QColor& colour)
{
    p.setPen(QPen(colour, 1.5));
    const QRectF back = front.translated(depth, -depth);
    p.drawRect(front);
    p.drawRect(back);
    p.drawLine(front.topLeft(), back.topLeft());
    p.drawLine(front.topRight(), back.topRight());
    p.drawLine(front.bottomLeft(), back.bottomLeft());
    p.drawLine(front.bottomRight(), back.bottomRight());
}

QImage drawHomeCube()
{
    QImage image = canvas(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    cube(p, QRectF(4, 10, 18, 18), 7, QColor(0, 0, 128));
    return image;
}

QImage drawFooterArrow()
{
    QImage image = canvas(17, 17);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath arrow;
    arrow.moveTo(2, 6);
    arrow.lineTo(9, 6);
    arrow.lineTo(9, 2);
    arrow.lineTo(15, 8.5);
    arrow.lineTo(9, 15);
    arrow.lineTo(9, 11);
    arrow.lineTo(2, 11);
    arrow.closeSubpath();
    p.fillPath(arrow, QColor(255, 255, 0));
    p.setPen(QColor(128, 128, 0));
    p.drawPath(arrow);
    return image;
}

QImage drawMenuIcon(int index)
{
    QImage image = canvas(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    switch (index) {
    case 0: { // a monitor with a form on it
        p.fillRect(QRect(4, 4, 24, 18), QColor(0, 0, 128));
        p.fillRect(QRect(6, 6, 20, 14), QColor(0, 128, 128));
        p.fillRect(QRect(8, 9, 10, 8), QColor(192, 192, 192));
        p.fillRect(QRect(8, 9, 10, 2), QColor(0, 0, 128));
        p.fillRect(QRect(12, 22, 8, 4), QColor(128, 128, 128));
        p.fillRect(QRect(8, 26, 16, 2), QColor(64, 64, 64));
        break;
    }
    case 1: { // a page of program text
        p.fillRect(QRect(7, 3, 18, 26), Qt::white);
        p.setPen(QColor(0, 0, 0));
        p.drawRect(QRect(7, 3, 18, 26));
        const QColor lines[] = {QColor(0, 0, 160), QColor(0, 128, 0), QColor(160, 0, 0), QColor(0, 0, 160)};
        for (int i = 0; i < 4; ++i)
            p.fillRect(QRect(10 + (i % 2) * 3, 8 + i * 5, 10 - (i % 2) * 3, 2), lines[i]);
        break;
    }
    case 2: { // a pencil over a sheet
        p.fillRect(QRect(5, 6, 20, 22), Qt::white);
        p.setPen(Qt::black);
        p.drawRect(QRect(5, 6, 20, 22));
        p.setPen(QPen(QColor(200, 120, 0), 4));
        p.drawLine(QPointF(27, 4), QPointF(13, 20));
        p.setPen(QPen(Qt::black, 2));
        p.drawLine(QPointF(13, 20), QPointF(11, 23));
        break;
    }
    case 3: { // a closed reference book
        p.fillRect(QRect(7, 4, 18, 24), QColor(128, 0, 0));
        p.fillRect(QRect(7, 4, 3, 24), QColor(80, 0, 0));
        // A question mark drawn as strokes: the pictures need no font of their own.
        p.setPen(QPen(QColor(255, 220, 0), 2.5, Qt::SolidLine, Qt::RoundCap));
        QPainterPath hook;
        hook.arcMoveTo(QRectF(14, 7.5, 7, 7), 160);
        hook.arcTo(QRectF(14, 7.5, 7, 7), 160, -250);
        hook.lineTo(17.5, 18.5);
        p.drawPath(hook);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 220, 0));
        p.drawEllipse(QPointF(17.5, 22.5), 1.5, 1.5);
        break;
    }
    case 4: { // stacked component blocks
        p.fillRect(QRect(4, 18, 11, 10), QColor(0, 128, 128));
        p.fillRect(QRect(17, 18, 11, 10), QColor(128, 0, 128));
        p.fillRect(QRect(10, 6, 12, 10), QColor(0, 0, 160));
        p.setPen(Qt::black);
        p.drawRect(QRect(4, 18, 11, 10));
        p.drawRect(QRect(17, 18, 11, 10));
        p.drawRect(QRect(10, 6, 12, 10));
        break;
    }
    default: { // an open door
        p.fillRect(QRect(8, 4, 16, 24), QColor(96, 96, 96));
        QPainterPath door;
        door.moveTo(8, 4);
        door.lineTo(18, 7);
        door.lineTo(18, 30);
        door.lineTo(8, 28);
        door.closeSubpath();
        p.fillPath(door, QColor(160, 96, 32));
        p.setPen(Qt::black);
        p.drawPath(door);
        p.fillRect(QRect(15, 16, 2, 2), QColor(255, 220, 0));
        break;
    }
    }
    return image;
}

QImage drawModeGlyph(int index)
{
    QImage image = canvas(32, 24);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colours[] = {QColor(0, 0, 160), QColor(0, 128, 0), QColor(160, 0, 0), QColor(128, 0, 128),
                              QColor(0, 128, 128)};
    const QColor c = colours[qBound(0, index, 4)];
    p.setPen(QPen(c.darker(150), 1));
    p.setBrush(c);
    switch (index) {
    case 0:
        p.drawRect(QRect(3, 3, 26, 16));
        p.fillRect(QRect(6, 6, 10, 10), Qt::white);
        break;
    case 1:
        p.drawEllipse(QRect(4, 2, 24, 20));
        p.setPen(Qt::white);
        p.drawText(QRect(4, 2, 24, 20), Qt::AlignCenter, QStringLiteral("P"));
        break;
    case 2:
        p.drawPolygon(QPolygon({QPoint(4, 20), QPoint(16, 3), QPoint(28, 20)}));
        break;
    case 3:
        p.drawRect(QRect(6, 2, 20, 20));
        p.setPen(Qt::white);
        p.drawText(QRect(6, 2, 20, 20), Qt::AlignCenter, QStringLiteral("?"));
        break;
    default:
        p.drawRect(QRect(3, 12, 12, 9));
        p.drawRect(QRect(17, 12, 12, 9));
        p.drawRect(QRect(10, 2, 12, 9));
        break;
    }
    return image;
}

QImage drawTitleEmblem()
{
    // Drawn without transparency on the title screen: its background is the screen's cream.
    QImage image(32, 29, QImage::Format_RGB32);
    image.fill(QColor(255, 251, 240));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(255, 200, 0));
    p.setPen(QColor(128, 64, 0));
    p.drawPolygon(QPolygon({QPoint(16, 1), QPoint(20, 11), QPoint(31, 11), QPoint(22, 18), QPoint(25, 28),
                            QPoint(16, 22), QPoint(7, 28), QPoint(10, 18), QPoint(1, 11), QPoint(12, 11)}));
    return image;
}

QImage drawTitleDisk()
{
    QImage image = canvas(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(192, 192, 208));
    p.setPen(QColor(64, 64, 96));
    p.drawEllipse(QRect(2, 2, 28, 28));
    p.setBrush(Qt::white);
    p.drawEllipse(QRect(12, 12, 8, 8));
    p.setPen(QPen(QColor(0, 0, 160), 2));
    p.drawArc(QRect(6, 6, 20, 20), 30 * 16, 100 * 16);
    return image;
}

QImage drawArticleIcon()
{
    QImage image = canvas(48, 48);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // An open book.
    QPainterPath left;
    left.moveTo(24, 12);
    left.cubicTo(18, 8, 10, 8, 4, 10);
    left.lineTo(4, 38);
    left.cubicTo(10, 36, 18, 36, 24, 40);
    left.closeSubpath();
    QPainterPath right;
    right.moveTo(24, 12);
    right.cubicTo(30, 8, 38, 8, 44, 10);
    right.lineTo(44, 38);
    right.cubicTo(38, 36, 30, 36, 24, 40);
    right.closeSubpath();
    p.setPen(QPen(QColor(0, 0, 128), 1.5));
    p.setBrush(Qt::white);
    p.drawPath(left);
    p.drawPath(right);
    p.setPen(QColor(0, 128, 128));
    for (int i = 0; i < 4; ++i) {
        p.drawLine(QPointF(8, 16 + i * 5), QPointF(20, 17 + i * 5));
        p.drawLine(QPointF(28, 17 + i * 5), QPointF(40, 16 + i * 5));
    }
    return image;
}

QImage drawComponentIcon()
{
    QImage image = canvas(48, 48);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Building blocks stacked into a small wall: the components a program is built from.
    const struct {
        QRectF face;
        QColor colour;
    } blocks[] = {
        {QRectF(4, 28, 18, 14), QColor(0, 0, 128)},
        {QRectF(24, 28, 18, 14), QColor(128, 128, 0)},
        {QRectF(14, 12, 18, 14), QColor(0, 128, 128)},
    };
    for (const auto& block : blocks) {
        QPolygonF side;
        side << block.face.topRight() << block.face.topRight() + QPointF(4, -4)
             << block.face.bottomRight() + QPointF(4, -4) << block.face.bottomRight();
        QPolygonF lid;
        lid << block.face.topLeft() << block.face.topLeft() + QPointF(4, -4) << block.face.topRight() + QPointF(4, -4)
            << block.face.topRight();
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(block.colour);
        p.drawRect(block.face);
        p.setBrush(block.colour.lighter(150));
        p.drawPolygon(lid);
        p.setBrush(block.colour.darker(150));
        p.drawPolygon(side);
        p.setPen(QPen(Qt::white, 1.5));
        p.drawLine(block.face.center() - QPointF(4, 0), block.face.center() + QPointF(4, 0));
    }
    return image;
}

QImage drawAboutIcon()
{
    QImage image(64, 56, QImage::Format_RGB32);
    image.fill(QColor(212, 208, 200));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRect(6, 6, 52, 36), QColor(0, 0, 128));
    p.fillRect(QRect(9, 9, 46, 30), QColor(0, 128, 128));
    // The letter V drawn as strokes: the pictures need no font of their own.
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
    p.drawPolyline(QPolygonF({QPointF(26.5, 17), QPointF(32, 31), QPointF(37.5, 17)}));
    p.fillRect(QRect(24, 42, 16, 5), QColor(128, 128, 128));
    p.fillRect(QRect(16, 47, 32, 4), QColor(64, 64, 64));
    return image;
}

QImage drawSaveGlyph()
{
    QImage image = canvas(16, 16);
    QPainter p(&image);
    // A diskette: dark blue body, white label, grey shutter with its slot.
    p.fillRect(QRect(1, 1, 14, 14), QColor(0, 0, 128));
    p.fillRect(QRect(3, 1, 10, 6), Qt::white);
    p.setPen(QColor(0, 0, 128));
    p.drawLine(4, 3, 11, 3);
    p.drawLine(4, 5, 11, 5);
    p.fillRect(QRect(4, 10, 8, 5), QColor(192, 192, 192));
    p.fillRect(QRect(9, 11, 2, 3), QColor(0, 0, 128));
    return image;
}

} // namespace

// Each picture is drawn once and shared: the eight screens carry the same header, footer and menu bitmaps.
QImage homeCube()
{
    static const QImage image = drawHomeCube();
    return image;
}

QImage footerArrow()
{
    static const QImage image = drawFooterArrow();
    return image;
}

QImage menuIcon(int index)
{
    static const std::array<QImage, 6> images = [] {
        std::array<QImage, 6> drawn;
        for (int i = 0; i < 6; ++i)
            drawn[size_t(i)] = drawMenuIcon(i);
        return drawn;
    }();
    return index >= 0 && index < 6 ? images[size_t(index)] : drawMenuIcon(index);
}

QImage modeGlyph(int index)
{
    static const std::array<QImage, 5> images = [] {
        std::array<QImage, 5> drawn;
        for (int i = 0; i < 5; ++i)
            drawn[size_t(i)] = drawModeGlyph(i);
        return drawn;
    }();
    return index >= 0 && index < 5 ? images[size_t(index)] : drawModeGlyph(index);
}

QImage titleEmblem()
{
    static const QImage image = drawTitleEmblem();
    return image;
}

QImage titleDisk()
{
    static const QImage image = drawTitleDisk();
    return image;
}

QImage articleIcon()
{
    static const QImage image = drawArticleIcon();
    return image;
}

QImage componentIcon()
{
    static const QImage image = drawComponentIcon();
    return image;
}

QImage aboutIcon()
{
    static const QImage image = drawAboutIcon();
    return image;
}

QImage saveGlyph()
{
    static const QImage image = drawSaveGlyph();
    return image;
}

} // namespace StoredPictures
