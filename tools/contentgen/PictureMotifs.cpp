// SPDX-License-Identifier: MIT
#include "PictureMotifs.h"

#include "GifClips.h"
#include "ResourcePictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>

namespace {

using Motif = PictureMotifs::Motif;

// The italic letters that name the edges of the geometric solids.
QFont letterFont(const QRectF& r)
{
    QFont font(QStringLiteral("Liberation Serif"));
    font.setItalic(true);
    font.setPixelSize(std::clamp(int(r.height() * 0.1), 9, 18));
    return font;
}

void landscape(QPainter& p, const QRectF& r, bool)
{
    p.fillRect(r, QColor(150, 200, 245));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 215, 0));
    p.drawEllipse(QPointF(r.right() - r.width() * 0.2, r.top() + r.height() * 0.22), r.width() * 0.09,
                  r.width() * 0.09);
    p.setBrush(QColor(60, 150, 60));
    p.drawPolygon(QPolygonF({r.bottomLeft(), QPointF(r.left() + r.width() * 0.3, r.top() + r.height() * 0.45),
                             QPointF(r.left() + r.width() * 0.55, r.bottom() - r.height() * 0.2),
                             QPointF(r.left() + r.width() * 0.75, r.top() + r.height() * 0.55), r.bottomRight()}));
    p.setBrush(QColor(40, 110, 40));
    p.drawRect(QRectF(r.left(), r.bottom() - r.height() * 0.15, r.width(), r.height() * 0.15));
}

void arrows(QPainter& p, const QRectF& r, bool)
{
    const QColor colours[] = {QColor(220, 30, 30), QColor(30, 140, 30), QColor(30, 60, 200), QColor(240, 200, 0)};
    const QPointF c = r.center();
    const qreal s = std::min(r.width(), r.height()) * 0.45;
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(c);
        p.rotate(90.0 * i);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(colours[i]);
        p.drawPolygon(QPolygonF({QPointF(s * 0.15, -s * 0.12), QPointF(s * 0.6, -s * 0.12), QPointF(s * 0.6, -s * 0.3),
                                 QPointF(s, 0), QPointF(s * 0.6, s * 0.3), QPointF(s * 0.6, s * 0.12),
                                 QPointF(s * 0.15, s * 0.12)}));
        p.restore();
    }
}

void clock(QPainter& p, const QRectF& r, bool)
{
    const QPointF c = r.center();
    const qreal radius = std::min(r.width(), r.height()) * 0.45;
    p.setPen(QPen(QColor(120, 60, 0), std::max(2.0, radius / 12)));
    p.setBrush(QColor(255, 250, 225));
    p.drawEllipse(c, radius, radius);
    p.setPen(QPen(Qt::black, std::max(1.0, radius / 30)));
    for (int i = 0; i < 12; ++i) {
        const qreal a = qDegreesToRadians(30.0 * i);
        p.drawLine(c + QPointF(qSin(a), -qCos(a)) * radius * 0.8, c + QPointF(qSin(a), -qCos(a)) * radius * 0.92);
    }
    p.setPen(QPen(Qt::black, std::max(2.0, radius / 10), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(radius * 0.35, -radius * 0.3));
    p.setPen(QPen(Qt::black, std::max(1.0, radius / 18), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(-radius * 0.1, -radius * 0.7));
    p.setPen(QPen(Qt::red, 1));
    p.drawLine(c, c + QPointF(-radius * 0.6, radius * 0.4));
}

void box(QPainter& p, const QRectF& r, bool transparent)
{
    if (!transparent)
        p.fillRect(r, Qt::white);
    const qreal w = r.width() * 0.5;
    const qreal h = r.height() * 0.4;
    const QPointF d(r.width() * 0.2, -r.height() * 0.18);
    const QPointF a(r.left() + r.width() * 0.12, r.bottom() - r.height() * 0.15);
    const QPointF front[] = {a, a + QPointF(w, 0), a + QPointF(w, -h), a + QPointF(0, -h)};
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(QColor(190, 215, 250));
    p.drawPolygon(QPolygonF({front[3], front[2], front[2] + d, front[3] + d}));
    p.setBrush(QColor(140, 180, 235));
    p.drawPolygon(QPolygonF({front[1], front[1] + d, front[2] + d, front[2]}));
    p.setBrush(QColor(170, 200, 245));
    p.drawPolygon(QPolygonF(std::begin(front), std::end(front)));
    p.setPen(QPen(Qt::black, 1, Qt::DashLine));
    p.drawLine(front[0] + d, front[1] + d);
    p.drawLine(front[0] + d, front[3] + d);
    p.drawLine(front[0] + d, front[0]);
    p.setFont(letterFont(r));
    p.setPen(Qt::black);
    p.drawText(QPointF(a.x() + w / 2 - 4, a.y() + 14), QStringLiteral("a"));
    p.drawText(QPointF(front[1].x() + d.x() / 2 + 4, front[1].y() + d.y() / 2 + 4), QStringLiteral("b"));
    p.drawText(QPointF(front[1].x() + d.x() + 4, front[1].y() + d.y() - h / 2), QStringLiteral("c"));
}

void cylinder(QPainter& p, const QRectF& r, bool transparent)
{
    if (!transparent)
        p.fillRect(r, Qt::white);
    const qreal w = r.width() * 0.6;
    const qreal e = r.height() * 0.14;
    const QRectF body(r.center().x() - w / 2, r.top() + r.height() * 0.15, w, r.height() * 0.65);
    QLinearGradient shade(body.topLeft(), body.topRight());
    shade.setColorAt(0, QColor(120, 160, 220));
    shade.setColorAt(0.4, QColor(220, 235, 255));
    shade.setColorAt(1, QColor(90, 130, 200));
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(shade);
    p.drawRect(QRectF(body.left(), body.top(), body.width(), body.height()));
    p.drawEllipse(QRectF(body.left(), body.bottom() - e / 2, w, e));
    p.setBrush(QColor(200, 220, 250));
    p.drawEllipse(QRectF(body.left(), body.top() - e / 2, w, e));
    p.setPen(QPen(Qt::red, 1.5));
    p.drawLine(QPointF(body.center().x(), body.top()), QPointF(body.right(), body.top()));
    p.setPen(Qt::black);
    p.setFont(letterFont(r));
    p.drawText(QPointF(body.center().x() + w / 6, body.top() - 4), QStringLiteral("r"));
    p.drawText(QPointF(body.right() + 4, body.center().y()), QStringLiteral("h"));
}

void rocket(QPainter& p, const QRectF& r, bool)
{
    p.fillRect(r, QColor(10, 20, 70));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (int i = 0; i < 14; ++i)
        p.drawEllipse(
            QPointF(r.left() + r.width() * ((i * 37) % 100) / 100.0, r.top() + r.height() * ((i * 61) % 100) / 100.0),
            1.2, 1.2);
    p.save();
    p.translate(r.center());
    p.rotate(35);
    const qreal s = std::min(r.width(), r.height()) * 0.42;
    p.setBrush(QColor(255, 140, 0));
    p.drawPolygon(QPolygonF({QPointF(-s * 0.12, s * 0.7), QPointF(0, s * 1.05), QPointF(s * 0.12, s * 0.7)}));
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(235, 235, 240));
    p.drawPolygon(QPolygonF({QPointF(0, -s), QPointF(s * 0.18, -s * 0.6), QPointF(s * 0.18, s * 0.7),
                             QPointF(-s * 0.18, s * 0.7), QPointF(-s * 0.18, -s * 0.6)}));
    p.setBrush(QColor(200, 30, 30));
    p.drawPolygon(QPolygonF({QPointF(s * 0.18, s * 0.3), QPointF(s * 0.42, s * 0.75), QPointF(s * 0.18, s * 0.7)}));
    p.drawPolygon(QPolygonF({QPointF(-s * 0.18, s * 0.3), QPointF(-s * 0.42, s * 0.75), QPointF(-s * 0.18, s * 0.7)}));
    p.setBrush(QColor(90, 170, 240));
    p.drawEllipse(QPointF(0, -s * 0.3), s * 0.09, s * 0.09);
    p.restore();
}

void coins(QPainter& p, const QRectF& r, bool transparent)
{
    if (!transparent)
        p.fillRect(r, Qt::white);
    const qreal radius = std::min(r.width(), r.height()) * 0.2;
    for (int i = 0; i < 5; ++i) {
        const QPointF c(r.left() + radius * 1.2 + i * radius * 0.55, r.bottom() - radius * 1.1 - i * radius * 0.35);
        p.setPen(QPen(QColor(140, 100, 0), 1.5));
        p.setBrush(QColor(250, 205, 40));
        p.drawEllipse(c, radius, radius * 0.45);
    }
    p.setPen(QPen(QColor(0, 110, 0), 1.5));
    p.setBrush(QColor(120, 200, 120));
    const QRectF note(r.right() - r.width() * 0.5, r.top() + r.height() * 0.12, r.width() * 0.42, r.height() * 0.34);
    p.drawRect(note);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(std::max(6, int(note.height() * 0.45)));
    p.setFont(font);
    p.setPen(QColor(0, 90, 0));
    p.drawText(note, Qt::AlignCenter, QStringLiteral("100"));
}

void stopSign(QPainter& p, const QRectF& r, bool transparent)
{
    if (!transparent)
        p.fillRect(r, Qt::white);
    const QPointF c = r.center();
    const qreal s = std::min(r.width(), r.height()) * 0.45;
    QPolygonF octagon;
    for (int i = 0; i < 8; ++i) {
        const qreal a = qDegreesToRadians(22.5 + 45.0 * i);
        octagon << c + QPointF(qCos(a), qSin(a)) * s;
    }
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(QColor(210, 20, 20));
    p.drawPolygon(octagon);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(std::max(6, int(s * 0.5)));
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(c.x() - s, c.y() - s, 2 * s, 2 * s), Qt::AlignCenter, QStringLiteral("STOP"));
}

void car(QPainter& p, const QRectF& r, bool transparent)
{
    if (!transparent)
        p.fillRect(r, Qt::white);
    const qreal w = r.width() * 0.85;
    const qreal h = r.height() * 0.3;
    const QRectF body(r.center().x() - w / 2, r.center().y() - h / 4, w, h);
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(QColor(30, 90, 200));
    QPainterPath path;
    path.addRoundedRect(body, 6, 6);
    path.addRoundedRect(QRectF(body.left() + w * 0.22, body.top() - h * 0.75, w * 0.5, h * 0.9), 8, 8);
    p.drawPath(path.simplified());
    p.setBrush(QColor(200, 230, 255));
    p.drawRect(QRectF(body.left() + w * 0.27, body.top() - h * 0.6, w * 0.18, h * 0.55));
    p.drawRect(QRectF(body.left() + w * 0.49, body.top() - h * 0.6, w * 0.18, h * 0.55));
    p.setBrush(QColor(40, 40, 40));
    p.drawEllipse(QPointF(body.left() + w * 0.22, body.bottom()), h * 0.35, h * 0.35);
    p.drawEllipse(QPointF(body.right() - w * 0.22, body.bottom()), h * 0.35, h * 0.35);
}

void walker(QPainter& p, const QRectF& r, bool transparent)
{
    if (!transparent)
        p.fillRect(r, Qt::white);
    const qreal s = std::min(r.width(), r.height());
    const QPointF head(r.center().x(), r.top() + s * 0.18);
    p.setPen(QPen(QColor(20, 20, 20), std::max(2.0, s / 16), Qt::SolidLine, Qt::RoundCap));
    p.setBrush(QColor(255, 210, 170));
    p.drawEllipse(head, s * 0.08, s * 0.08);
    const QPointF hip = head + QPointF(0, s * 0.42);
    p.setPen(QPen(QColor(160, 30, 120), std::max(3.0, s / 10), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(head + QPointF(0, s * 0.1), hip);
    p.setPen(QPen(QColor(20, 20, 20), std::max(2.0, s / 16), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(head + QPointF(0, s * 0.16), head + QPointF(-s * 0.15, s * 0.33));
    p.drawLine(head + QPointF(0, s * 0.16), head + QPointF(s * 0.15, s * 0.3));
    p.drawLine(hip, hip + QPointF(-s * 0.15, s * 0.28));
    p.drawLine(hip, hip + QPointF(s * 0.16, s * 0.26));
}

void eraser(QPainter& p, const QRectF& r, bool transparent)
{
    if (!transparent)
        p.fillRect(r, Qt::white);
    p.save();
    p.translate(r.center());
    p.rotate(-30);
    const qreal s = std::min(r.width(), r.height()) * 0.4;
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(240, 120, 150));
    p.drawRect(QRectF(-s, -s * 0.35, s, s * 0.7));
    p.setBrush(QColor(60, 90, 200));
    p.drawRect(QRectF(0, -s * 0.35, s, s * 0.7));
    p.restore();
}

void face(QPainter& p, const QRectF& r, bool transparent)
{
    if (!transparent)
        p.fillRect(r, Qt::white);
    const QPointF c = r.center();
    const qreal s = std::min(r.width(), r.height()) * 0.42;
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(QColor(255, 220, 60));
    p.drawEllipse(c, s, s);
    p.setBrush(Qt::black);
    p.drawEllipse(c + QPointF(-s * 0.35, -s * 0.25), s * 0.08, s * 0.12);
    p.drawEllipse(c + QPointF(s * 0.35, -s * 0.25), s * 0.08, s * 0.12);
    p.setBrush(Qt::NoBrush);
    // A wavy, puzzled mouth and a question mark above the head.
    QPainterPath mouth(c + QPointF(-s * 0.4, s * 0.4));
    mouth.cubicTo(c + QPointF(-s * 0.15, s * 0.2), c + QPointF(s * 0.15, s * 0.6), c + QPointF(s * 0.4, s * 0.35));
    p.drawPath(mouth);
    QFont font(QStringLiteral("Liberation Serif"));
    font.setBold(true);
    font.setPixelSize(std::max(8, int(s * 0.6)));
    p.setFont(font);
    p.setPen(QColor(200, 0, 0));
    p.drawText(QRectF(c.x() + s * 0.5, r.top(), s, s * 0.7), Qt::AlignCenter, QStringLiteral("?"));
}

void bulb(QPainter& p, const QRectF& r, bool transparent)
{
    if (!transparent)
        p.fillRect(r, Qt::white);
    const QPointF c(r.center().x(), r.top() + r.height() * 0.4);
    const qreal s = std::min(r.width(), r.height()) * 0.3;
    p.setPen(QPen(QColor(230, 180, 0), 2));
    for (int i = 0; i < 8; ++i) {
        const qreal a = qDegreesToRadians(-180.0 + 25.7 * i);
        p.drawLine(c + QPointF(qCos(a), qSin(a)) * s * 1.2, c + QPointF(qCos(a), qSin(a)) * s * 1.5);
    }
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(QColor(255, 245, 130));
    p.drawEllipse(c, s, s);
    p.setBrush(QColor(170, 170, 170));
    p.drawRect(QRectF(c.x() - s * 0.4, c.y() + s * 0.9, s * 0.8, s * 0.6));
}

void calculator(QPainter& p, const QRectF& r, bool transparent)
{
    if (!transparent)
        p.fillRect(r, Qt::white);
    const qreal w = std::min(r.width() * 0.8, r.height() * 0.55);
    const QRectF body(r.center().x() - w / 2, r.top() + r.height() * 0.08, w, r.height() * 0.84);
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(QColor(70, 72, 84));
    p.drawRoundedRect(body, w * 0.1, w * 0.1);
    const QRectF display(body.left() + w * 0.1, body.top() + body.height() * 0.06, w * 0.8, body.height() * 0.16);
    p.setBrush(QColor(190, 210, 170));
    p.drawRect(display);
    QFont digits(QStringLiteral("Liberation Mono"));
    digits.setPixelSize(std::max(6, int(display.height() * 0.7)));
    p.setFont(digits);
    p.setPen(QColor(40, 50, 40));
    p.drawText(display.adjusted(0, 0, -w * 0.05, 0), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("3.14"));
    // Four rows of four keys; the last column holds the operations.
    const qreal top = display.bottom() + body.height() * 0.06;
    const qreal step = w * 0.8 / 4;
    const qreal rowStep = (body.bottom() - top - body.height() * 0.04) / 4;
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column) {
            p.setPen(QPen(Qt::black, 1));
            p.setBrush(column == 3 ? QColor(245, 150, 30) : QColor(225, 225, 230));
            p.drawRoundedRect(QRectF(display.left() + column * step + step * 0.1, top + row * rowStep + rowStep * 0.12,
                                     step * 0.8, rowStep * 0.76),
                              step * 0.15, step * 0.15);
        }
}

// A picture of the exercise's resource files, fitted into the area with its proportions kept; drawn
// transparent, the colour of its bottom-left pixel is left out.
void bitmap(QPainter& p, const QRectF& r, const QImage& picture, bool transparent)
{
    if (picture.isNull())
        return;
    QSizeF size = QSizeF(picture.size()).scaled(r.size(), Qt::KeepAspectRatio);
    QRectF target(QPointF(), size);
    target.moveCenter(r.center());
    QImage shown = picture;
    if (transparent) {
        shown = picture.convertToFormat(QImage::Format_ARGB32);
        const QRgb key = shown.pixel(0, shown.height() - 1);
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                if (shown.pixel(x, y) == key)
                    shown.setPixel(x, y, 0);
    }
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.drawImage(target, shown);
}

} // namespace

PictureMotifs::Motif PictureMotifs::choose(const QString& resourceFiles, int imageIndex)
{
    const QString files = resourceFiles.toUpper();
    const struct {
        const char* word;
        Motif motif;
    } named[] = {{"ARROWS", Motif::Arrows},    {"CLOCK", Motif::Clock},  {"PARAL", Motif::Box},
                 {"CILINDR", Motif::Cylinder}, {"SHATL", Motif::Rocket}, {"MONEY", Motif::Coins},
                 {"LASTIK", Motif::Eraser},    {"CONFUS", Motif::Face},  {"AMIDEA", Motif::Bulb},
                 {"CALC", Motif::Calculator},  {"AVI", Motif::Clip},     {"GIF", Motif::Gif}};
    for (const auto& row : named)
        if (files.contains(QLatin1String(row.word)))
            return row.motif;
    // The three pictures of the traffic-light exercise, in the order its images are numbered.
    if (files == QLatin1String("3 FILES WMF")) {
        const Motif set[] = {Motif::Car, Motif::Walker, Motif::StopSign};
        return set[std::clamp(imageIndex, 0, 2)];
    }
    // The cartoon's background and the aeroplane that flies over it.
    if (files == QLatin1String("3 GRAPH FILES"))
        return imageIndex == 0 ? Motif::Background : Motif::Airplane;
    return Motif::Landscape;
}

void PictureMotifs::draw(QPainter& painter, const QRect& area, Motif motif, bool transparent)
{
    if (area.width() < 4 || area.height() < 4)
        return;
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF r(area);
    switch (motif) {
    case Motif::Landscape:
        landscape(painter, r, transparent);
        break;
    case Motif::Arrows:
        arrows(painter, r, transparent);
        break;
    case Motif::Clock:
        clock(painter, r, transparent);
        break;
    case Motif::Box:
        box(painter, r, transparent);
        break;
    case Motif::Cylinder:
        cylinder(painter, r, transparent);
        break;
    case Motif::Rocket:
        rocket(painter, r, transparent);
        break;
    case Motif::Coins:
        coins(painter, r, transparent);
        break;
    case Motif::StopSign:
        stopSign(painter, r, transparent);
        break;
    case Motif::Car:
        car(painter, r, transparent);
        break;
    case Motif::Walker:
        walker(painter, r, transparent);
        break;
    case Motif::Eraser:
        eraser(painter, r, transparent);
        break;
    case Motif::Face:
        face(painter, r, transparent);
        break;
    case Motif::Bulb:
        bulb(painter, r, transparent);
        break;
    case Motif::Calculator:
        calculator(painter, r, transparent);
        break;
    case Motif::Background:
        painter.drawImage(r, ResourcePictures::landscape());
        break;
    case Motif::Airplane:
        bitmap(painter, r, ResourcePictures::airplane(), transparent);
        break;
    case Motif::Clip:
        bitmap(painter, r, ResourcePictures::coolFrame(0), false);
        break;
    case Motif::Gif:
        bitmap(painter, r, QImage::fromData(GifClips::clip(1), "GIF"), transparent);
        break;
    }
    painter.restore();
}
