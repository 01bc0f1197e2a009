// SPDX-License-Identifier: MIT
#include "ClipArt.h"

#include "WmfWriter.h"

#include <QList>

#include <cmath>
#include <numbers>

namespace {

// Every picture is drawn in units of which this many make an inch; a 400-unit picture is two inches wide.
constexpr int kUnitsPerInch = 200;

const QColor kInk{0, 0, 0};

// The point at distance radius from centre in the direction degrees, counted clockwise from straight up.
QPoint polar(QPointF centre, double radius, double degrees)
{
    const double radians = degrees * std::numbers::pi / 180.0;
    return QPointF(centre.x() + radius * std::sin(radians), centre.y() - radius * std::cos(radians)).toPoint();
}

// Points given along an axis (distance from centre in the direction degrees) and across it (to the right of
// the direction), turned into picture coordinates.
QPolygon alongAxis(QPointF centre, double degrees, const QList<QPointF>& local)
{
    const double radians = degrees * std::numbers::pi / 180.0;
    const QPointF along(std::sin(radians), -std::cos(radians));
    const QPointF across(-along.y(), along.x());
    QPolygon out;
    for (const QPointF& p : local)
        out << (centre + along * p.x() + across * p.y()).toPoint();
    return out;
}

QPolygon regular(QPointF centre, double radius, int corners, double firstDegrees)
{
    QPolygon out;
    for (int i = 0; i < corners; ++i)
        out << polar(centre, radius, firstDegrees + 360.0 * i / corners);
    return out;
}

QPolygon moved(QPolygon polygon, QPoint offset)
{
    polygon.translate(offset);
    return polygon;
}

// Seven-segment digits: bits a (top), b (top right), c (bottom right), d (bottom), e (bottom left),
// f (top left), g (middle).
constexpr int kSegments[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};

// The ends of each segment in a box of the given size.
QPair<QPoint, QPoint> segmentEnds(int segment, QRect box)
{
    const int l = box.left();
    const int r = box.left() + box.width();
    const int t = box.top();
    const int m = box.top() + box.height() / 2;
    const int b = box.top() + box.height();
    switch (segment) {
    case 0:
        return {{l, t}, {r, t}};
    case 1:
        return {{r, t}, {r, m}};
    case 2:
        return {{r, m}, {r, b}};
    case 3:
        return {{l, b}, {r, b}};
    case 4:
        return {{l, m}, {l, b}};
    case 5:
        return {{l, t}, {l, m}};
    default:
        return {{l, m}, {r, m}};
    }
}

// A digit of thin strokes, as printed on a key.
void strokeDigit(WmfWriter& w, int digit, QRect box)
{
    for (int s = 0; s < 7; ++s)
        if (kSegments[digit] & (1 << s)) {
            const auto [from, to] = segmentEnds(s, box);
            w.line(from, to);
        }
}

// A digit of the liquid-crystal kind: each lit segment a long hexagon.
void lcdDigit(WmfWriter& w, int digit, QRect box, int thickness)
{
    const int half = thickness / 2;
    for (int s = 0; s < 7; ++s) {
        if (!(kSegments[digit] & (1 << s)))
            continue;
        const auto [from, to] = segmentEnds(s, box);
        if (from.y() == to.y()) {
            const int y = from.y();
            w.polygon(QPolygon({QPoint(from.x() + half, y), QPoint(from.x() + thickness, y - half),
                                QPoint(to.x() - thickness, y - half), QPoint(to.x() - half, y),
                                QPoint(to.x() - thickness, y + half), QPoint(from.x() + thickness, y + half)}));
        } else {
            const int x = from.x();
            w.polygon(QPolygon({QPoint(x, from.y() + half), QPoint(x + half, from.y() + thickness),
                                QPoint(x + half, to.y() - thickness), QPoint(x, to.y() - half),
                                QPoint(x - half, to.y() - thickness), QPoint(x - half, from.y() + thickness)}));
        }
    }
}

// A question mark of one thick stroke and a dot, in the box.
void questionMark(WmfWriter& w, QRect box, const QColor& colour)
{
    const double sx = box.width() / 60.0;
    const double sy = box.height() / 100.0;
    const auto at = [&](double x, double y) { return QPoint(box.left() + int(x * sx), box.top() + int(y * sy)); };
    w.setPen(colour, std::max(6, box.width() / 6));
    w.polyline(QPolygon(
        {at(4, 22), at(12, 8), at(30, 2), at(48, 8), at(56, 22), at(52, 38), at(38, 48), at(30, 58), at(30, 72)}));
    w.setNoPen();
    w.setBrush(colour);
    w.ellipse(QRect(at(22, 84), at(38, 100)));
}

} // namespace

QByteArray ClipArt::arrows()
{
    WmfWriter w(QRect(0, 0, 400, 400), kUnitsPerInch);
    const QPointF centre(200, 200);
    w.setPen(kInk, 4);
    // Thin diagonal arrows first, so the big ones lie over their tails.
    w.setBrush(QColor(128, 64, 160));
    for (const double degrees : {45.0, 135.0, 225.0, 315.0})
        w.polygon(
            alongAxis(centre, degrees, {{70, -10}, {140, -10}, {140, -26}, {178, 0}, {140, 26}, {140, 10}, {70, 10}}));
    const QList<QPointF> big = {{55, -25}, {125, -25}, {125, -58}, {190, 0}, {125, 58}, {125, 25}, {55, 25}};
    const QColor colours[] = {QColor(220, 30, 30), QColor(30, 160, 60), QColor(30, 80, 210), QColor(245, 150, 20)};
    for (int i = 0; i < 4; ++i) {
        w.setBrush(colours[i]);
        w.polygon(alongAxis(centre, 90.0 * i, big));
    }
    w.setBrush(QColor(255, 225, 40));
    w.ellipse(QRect(155, 155, 90, 90));
    w.setNoPen();
    w.setBrush(QColor(255, 250, 190));
    w.ellipse(QRect(172, 168, 28, 20));
    return w.finish();
}

QByteArray ClipArt::stopwatch()
{
    WmfWriter w(QRect(0, 0, 400, 440), kUnitsPerInch);
    const QPointF centre(200, 250);
    w.setPen(kInk, 4);
    // Crown, stem and the side button.
    w.setBrush(QColor(150, 150, 160));
    w.rectangle(QRect(186, 34, 28, 40));
    w.roundRect(QRect(160, 8, 80, 32), 16, 16);
    w.polygon(alongAxis(centre, 45, {{165, -14}, {200, -14}, {200, 14}, {165, 14}}));
    // Case and dial.
    w.setBrush(QColor(20, 60, 120));
    w.ellipse(QRect(20, 70, 360, 360));
    w.setBrush(QColor(255, 253, 240));
    w.ellipse(QRect(46, 96, 308, 308));
    // Minute marks, longer and filled every five minutes.
    w.setBrush(kInk);
    for (int i = 0; i < 60; ++i) {
        const double degrees = i * 6.0;
        if (i % 5 == 0) {
            w.setNoPen();
            w.polygon(alongAxis(centre, degrees, {{122, -6}, {148, -6}, {148, 6}, {122, 6}}));
        } else {
            w.setPen(kInk, 3);
            w.line(polar(centre, 138, degrees), polar(centre, 148, degrees));
        }
    }
    // A small dial for the minutes counted.
    w.setPen(QColor(120, 120, 120), 3);
    w.setNoBrush();
    w.ellipse(QRect(170, 300, 60, 60));
    w.setPen(QColor(200, 20, 20), 3);
    w.line(QPoint(200, 330), polar(QPointF(200, 330), 24, 120));
    // Hands at ten past ten, and the red seconds hand.
    w.setPen(kInk, 2);
    w.setBrush(QColor(30, 30, 40));
    w.polygon(alongAxis(centre, 300, {{-18, -9}, {70, -8}, {92, 0}, {70, 8}, {-18, 9}}));
    w.polygon(alongAxis(centre, 60, {{-18, -7}, {112, -6}, {136, 0}, {112, 6}, {-18, 7}}));
    w.setPen(QColor(210, 20, 20), 4);
    w.line(polar(centre, -32, 200), polar(centre, 146, 200));
    w.setPen(kInk, 2);
    w.setBrush(QColor(210, 20, 20));
    w.ellipse(QRect(188, 238, 24, 24));
    return w.finish();
}

QByteArray ClipArt::shuttle()
{
    WmfWriter w(QRect(0, 0, 560, 300), kUnitsPerInch);
    // Exhaust flames behind the engines.
    w.setNoPen();
    w.setBrush(QColor(250, 120, 20));
    w.polygon(QPolygon({QPoint(44, 112), QPoint(4, 124), QPoint(20, 140), QPoint(0, 158), QPoint(30, 170),
                        QPoint(14, 186), QPoint(44, 190)}));
    w.setBrush(QColor(255, 230, 60));
    w.polygon(QPolygon({QPoint(44, 124), QPoint(22, 136), QPoint(32, 152), QPoint(18, 166), QPoint(44, 178)}));

    w.setPen(kInk, 3);
    // Wing, seen a little from above, then the tail fin.
    w.setBrush(QColor(120, 120, 130));
    w.polygon(QPolygon({QPoint(130, 176), QPoint(350, 176), QPoint(256, 246), QPoint(110, 252)}));
    w.setBrush(QColor(245, 245, 245));
    w.polygon(QPolygon({QPoint(66, 124), QPoint(36, 28), QPoint(84, 28), QPoint(156, 118)}));
    // Engine nozzles.
    w.setBrush(QColor(90, 90, 100));
    w.polygon(QPolygon({QPoint(70, 116), QPoint(44, 108), QPoint(44, 140), QPoint(70, 134)}));
    w.polygon(QPolygon({QPoint(70, 144), QPoint(44, 140), QPoint(44, 172), QPoint(70, 166)}));
    w.polygon(QPolygon({QPoint(70, 168), QPoint(46, 172), QPoint(46, 192), QPoint(70, 184)}));
    // Fuselage with its dark belly and nose cap.
    w.setBrush(QColor(245, 245, 245));
    w.polygon(QPolygon({QPoint(68, 112), QPoint(380, 106), QPoint(436, 114), QPoint(472, 132), QPoint(492, 154),
                        QPoint(470, 174), QPoint(424, 186), QPoint(68, 186)}));
    w.setBrush(QColor(40, 40, 45));
    w.polygon(QPolygon({QPoint(68, 174), QPoint(452, 174), QPoint(424, 186), QPoint(68, 186)}));
    w.polygon(QPolygon({QPoint(466, 128), QPoint(492, 154), QPoint(470, 174), QPoint(460, 152)}));
    // Cockpit windows, the payload bay doors and a red stripe on the fin.
    w.polygon(QPolygon({QPoint(414, 118), QPoint(436, 120), QPoint(444, 132), QPoint(416, 132)}));
    w.polygon(QPolygon({QPoint(446, 124), QPoint(458, 130), QPoint(460, 138), QPoint(450, 136)}));
    w.setPen(QColor(150, 150, 150), 2);
    w.line(QPoint(150, 114), QPoint(372, 110));
    w.line(QPoint(150, 114), QPoint(150, 126));
    w.line(QPoint(260, 112), QPoint(260, 124));
    w.line(QPoint(372, 110), QPoint(372, 122));
    w.setNoPen();
    w.setBrush(QColor(200, 30, 30));
    w.polygon(QPolygon({QPoint(46, 40), QPoint(82, 40), QPoint(90, 50), QPoint(50, 52)}));
    return w.finish();
}

QByteArray ClipArt::car()
{
    WmfWriter w(QRect(0, 0, 520, 260), kUnitsPerInch);
    // Shadow on the road.
    w.setNoPen();
    w.setBrush(QColor(200, 200, 200));
    w.ellipse(QRect(20, 208, 480, 30));

    w.setPen(kInk, 3);
    w.setBrush(QColor(200, 30, 30));
    w.polygon(QPolygon({QPoint(28, 152), QPoint(56, 116), QPoint(160, 104), QPoint(212, 58), QPoint(350, 54),
                        QPoint(410, 98), QPoint(480, 108), QPoint(502, 140), QPoint(498, 190), QPoint(28, 190)}));
    // Windows.
    w.setBrush(QColor(170, 215, 245));
    w.polygon(QPolygon({QPoint(222, 70), QPoint(278, 67), QPoint(278, 104), QPoint(182, 108)}));
    w.polygon(QPolygon({QPoint(292, 66), QPoint(344, 64), QPoint(390, 102), QPoint(292, 104)}));
    // Doors and handles.
    w.line(QPoint(176, 110), QPoint(176, 186));
    w.line(QPoint(285, 106), QPoint(285, 186));
    w.line(QPoint(392, 104), QPoint(396, 186));
    w.setBrush(QColor(60, 60, 60));
    w.rectangle(QRect(240, 118, 24, 6));
    w.rectangle(QRect(350, 116, 24, 6));
    // Lights and bumpers.
    w.setBrush(QColor(255, 230, 60));
    w.polygon(QPolygon({QPoint(478, 118), QPoint(498, 124), QPoint(500, 142), QPoint(476, 138)}));
    w.setBrush(QColor(240, 120, 20));
    w.rectangle(QRect(28, 140, 16, 20));
    w.setBrush(QColor(170, 170, 180));
    w.roundRect(QRect(470, 176, 44, 18), 8, 8);
    w.roundRect(QRect(14, 176, 44, 18), 8, 8);
    // Wheels.
    for (const int x : {130, 404}) {
        w.setBrush(QColor(30, 30, 30));
        w.ellipse(QRect(x - 42, 148, 84, 84));
        w.setBrush(QColor(190, 190, 200));
        w.ellipse(QRect(x - 20, 170, 40, 40));
        w.setBrush(QColor(90, 90, 100));
        w.ellipse(QRect(x - 6, 184, 12, 12));
    }
    return w.finish();
}

QByteArray ClipArt::woman()
{
    WmfWriter w(QRect(0, 0, 260, 420), kUnitsPerInch);
    const QColor skin(250, 210, 170);
    const QColor hair(120, 60, 20);
    // Legs and shoes behind the skirt.
    w.setPen(skin, 16);
    w.polyline(QPolygon({QPoint(116, 290), QPoint(100, 350), QPoint(82, 392)}));
    w.polyline(QPolygon({QPoint(152, 290), QPoint(170, 348), QPoint(186, 392)}));
    w.setPen(kInk, 2);
    w.setBrush(QColor(150, 20, 40));
    w.ellipse(QRect(56, 384, 40, 18));
    w.ellipse(QRect(176, 384, 40, 18));
    // Hair behind the head, the arm swinging back, the neck.
    w.setBrush(hair);
    w.ellipse(QRect(88, 18, 86, 104));
    w.setPen(skin, 14);
    w.polyline(QPolygon({QPoint(112, 130), QPoint(86, 190), QPoint(78, 234)}));
    w.setPen(kInk, 2);
    w.setBrush(skin);
    w.rectangle(QRect(124, 96, 22, 24));
    // Dress: bodice and flared skirt, a belt.
    w.setBrush(QColor(200, 40, 120));
    w.polygon(QPolygon(
        {QPoint(110, 116), QPoint(160, 116), QPoint(164, 190), QPoint(206, 300), QPoint(62, 300), QPoint(104, 190)}));
    w.setBrush(QColor(90, 20, 60));
    w.rectangle(QRect(102, 184, 64, 10));
    // Face.
    w.setBrush(skin);
    w.ellipse(QRect(100, 30, 70, 76));
    w.setNoPen();
    w.setBrush(hair);
    w.polygon(QPolygon({QPoint(98, 62), QPoint(112, 30), QPoint(146, 22), QPoint(172, 40), QPoint(172, 56),
                        QPoint(140, 44), QPoint(116, 48)}));
    w.setBrush(QColor(40, 40, 90));
    w.ellipse(QRect(150, 60, 9, 11));
    w.setPen(QColor(200, 40, 60), 3);
    w.polyline(QPolygon({QPoint(146, 88), QPoint(154, 91), QPoint(162, 87)}));
    // The arm swinging forward, and a handbag in its hand.
    w.setPen(skin, 14);
    w.polyline(QPolygon({QPoint(158, 128), QPoint(188, 180), QPoint(212, 212)}));
    w.setPen(kInk, 2);
    w.setBrush(QColor(110, 70, 30));
    w.roundRect(QRect(196, 214, 46, 38), 10, 10);
    w.setNoBrush();
    w.polyline(QPolygon({QPoint(204, 216), QPoint(212, 204), QPoint(226, 204), QPoint(234, 216)}));
    return w.finish();
}

QByteArray ClipArt::stopSign()
{
    WmfWriter w(QRect(0, 0, 400, 520), kUnitsPerInch);
    const QPointF centre(200, 200);
    w.setPen(kInk, 3);
    w.setBrush(QColor(150, 150, 155));
    w.rectangle(QRect(186, 380, 28, 136));
    w.setPen(QColor(80, 80, 80), 3);
    w.setBrush(QColor(255, 255, 255));
    w.polygon(regular(centre, 196, 8, 22.5));
    w.setNoPen();
    w.setBrush(QColor(200, 16, 46));
    w.polygon(regular(centre, 182, 8, 22.5));
    // The word in white strokes: letters 60 wide and 110 high, 14 apart.
    w.setPen(QColor(255, 255, 255), 20);
    w.setNoBrush();
    const int top = 145;
    const auto letter = [&](int index, const QPolygon& shape) { return moved(shape, QPoint(59 + index * 74, top)); };
    w.polyline(letter(0, QPolygon({QPoint(60, 14), QPoint(48, 0), QPoint(12, 0), QPoint(0, 14), QPoint(0, 40),
                                   QPoint(12, 53), QPoint(48, 57), QPoint(60, 70), QPoint(60, 96), QPoint(48, 110),
                                   QPoint(12, 110), QPoint(0, 96)})));
    const QPoint t = letter(1, QPolygon({QPoint(0, 0)}))[0];
    w.line(t, t + QPoint(60, 0));
    w.line(t + QPoint(30, 0), t + QPoint(30, 110));
    w.roundRect(QRect(letter(2, QPolygon({QPoint(0, 0)}))[0], QSize(60, 110)), 50, 50);
    w.polyline(letter(3, QPolygon({QPoint(0, 110), QPoint(0, 0), QPoint(42, 0), QPoint(60, 15), QPoint(60, 45),
                                   QPoint(42, 60), QPoint(0, 60)})));
    return w.finish();
}

QByteArray ClipArt::money()
{
    WmfWriter w(QRect(0, 0, 460, 320), kUnitsPerInch);
    const QPointF noteCentre(170, 150);
    const QList<QPointF> note = {{-75, -150}, {75, -150}, {75, 150}, {-75, 150}};
    // Three banknotes fanned out; a note's axis points up across its short side.
    const struct {
        double degrees;
        QColor fill;
    } notes[] = {{-10, QColor(80, 150, 90)}, {-3, QColor(100, 170, 105)}, {4, QColor(125, 190, 120)}};
    w.setPen(QColor(20, 70, 30), 3);
    for (const auto& n : notes) {
        w.setBrush(n.fill);
        w.polygon(alongAxis(noteCentre, n.degrees, note));
    }
    // The top note: a frame, an oval for the portrait, corner rosettes and the value 100.
    w.setNoBrush();
    w.polygon(alongAxis(noteCentre, 4, {{-62, -136}, {62, -136}, {62, 136}, {-62, 136}}));
    w.setBrush(QColor(220, 235, 200));
    const QPoint oval = alongAxis(noteCentre, 4, {{0, 40}})[0];
    w.ellipse(QRect(oval.x() - 40, oval.y() - 50, 80, 100));
    w.setBrush(QColor(60, 120, 70));
    for (const QPointF corner : {QPointF(-44, -110), QPointF(-44, 110), QPointF(44, 110)}) {
        const QPoint at = alongAxis(noteCentre, 4, {corner})[0];
        w.ellipse(QRect(at.x() - 12, at.y() - 12, 24, 24));
    }
    w.setPen(QColor(20, 70, 30), 4);
    const QPoint value = alongAxis(noteCentre, 4, {{36, -90}})[0];
    const QRect digit(value.x() - 34, value.y() - 18, 16, 34);
    strokeDigit(w, 1, digit);
    strokeDigit(w, 0, digit.translated(26, 0));
    strokeDigit(w, 0, digit.translated(52, 0));
    // A stack of coins, bottom up, and one coin lying in front.
    w.setPen(QColor(120, 80, 0), 3);
    for (int i = 0; i < 6; ++i) {
        w.setBrush(i % 2 == 0 ? QColor(230, 180, 40) : QColor(215, 160, 30));
        w.ellipse(QRect(316, 250 - i * 16, 120, 44));
    }
    w.setBrush(QColor(250, 215, 90));
    w.ellipse(QRect(336, 176, 80, 28));
    w.setBrush(QColor(220, 220, 225));
    w.setPen(QColor(100, 100, 110), 3);
    w.ellipse(QRect(250, 238, 72, 72));
    w.setNoBrush();
    w.ellipse(QRect(262, 250, 48, 48));
    return w.finish();
}

QByteArray ClipArt::confused()
{
    WmfWriter w(QRect(0, 0, 400, 400), kUnitsPerInch);
    const QColor brown(110, 60, 0);
    w.setPen(QColor(150, 100, 0), 4);
    w.setBrush(QColor(255, 210, 40));
    w.ellipse(QRect(50, 74, 296, 296));
    // Eyes of different sizes under one level and one raised brow.
    w.setPen(kInk, 3);
    w.setBrush(QColor(255, 255, 255));
    w.ellipse(QRect(124, 176, 42, 54));
    w.ellipse(QRect(226, 162, 38, 48));
    w.setBrush(kInk);
    w.ellipse(QRect(142, 196, 16, 20));
    w.ellipse(QRect(236, 178, 14, 18));
    w.setPen(brown, 8);
    w.line(QPoint(118, 156), QPoint(172, 166));
    w.polyline(QPolygon({QPoint(218, 142), QPoint(244, 124), QPoint(272, 138)}));
    // A wavering mouth.
    w.polyline(QPolygon(
        {QPoint(140, 300), QPoint(164, 288), QPoint(190, 302), QPoint(214, 288), QPoint(240, 302), QPoint(262, 292)}));
    // A drop of sweat and two question marks.
    w.setPen(QColor(40, 110, 200), 2);
    w.setBrush(QColor(150, 210, 255));
    w.polygon(QPolygon({QPoint(92, 160), QPoint(82, 186), QPoint(86, 198), QPoint(98, 198), QPoint(102, 186)}));
    questionMark(w, QRect(314, 10, 60, 100), QColor(40, 90, 200));
    questionMark(w, QRect(24, 24, 36, 60), QColor(40, 90, 200));
    return w.finish();
}

QByteArray ClipArt::idea()
{
    WmfWriter w(QRect(0, 0, 360, 440), kUnitsPerInch);
    const QPointF glow(180, 184);
    const QColor outline(160, 110, 0);
    const QColor glass(255, 240, 120);
    // Rays.
    w.setPen(QColor(200, 110, 0), 2);
    w.setBrush(QColor(255, 160, 0));
    for (int i = -4; i <= 4; ++i)
        w.polygon(alongAxis(glow, i * 26.0, {{124, -9}, {176, 0}, {124, 9}}));
    // Glass: the round part, then the neck over it without an outline, then the neck's sides.
    w.setPen(outline, 4);
    w.setBrush(glass);
    w.ellipse(QRect(80, 84, 200, 200));
    w.setNoPen();
    w.polygon(QPolygon({QPoint(124, 248), QPoint(236, 248), QPoint(220, 326), QPoint(140, 326)}));
    w.setPen(outline, 4);
    w.line(QPoint(124, 250), QPoint(140, 326));
    w.line(QPoint(236, 250), QPoint(220, 326));
    w.setNoPen();
    w.setBrush(QColor(255, 255, 230));
    w.ellipse(QRect(112, 120, 34, 52));
    // Filament on its two wires.
    w.setPen(QColor(210, 80, 0), 3);
    w.polyline(QPolygon({QPoint(160, 324), QPoint(160, 224), QPoint(168, 206), QPoint(176, 224), QPoint(184, 206),
                         QPoint(192, 224), QPoint(200, 206), QPoint(200, 324)}));
    // Screw base and contact.
    w.setPen(kInk, 2);
    const QColor metal[] = {QColor(170, 170, 180), QColor(130, 130, 140)};
    for (int i = 0; i < 3; ++i) {
        w.setBrush(metal[i % 2]);
        w.rectangle(QRect(140 + 3 * i, 324 + 18 * i, 80 - 6 * i, 18));
    }
    w.setBrush(QColor(60, 60, 60));
    w.polygon(QPolygon({QPoint(156, 378), QPoint(204, 378), QPoint(192, 400), QPoint(168, 400)}));
    return w.finish();
}

QByteArray ClipArt::calculator()
{
    WmfWriter w(QRect(0, 0, 300, 460), kUnitsPerInch);
    w.setPen(kInk, 4);
    w.setBrush(QColor(70, 72, 84));
    w.roundRect(QRect(10, 10, 280, 440), 36, 36);
    // Display showing 3.14, and a solar cell.
    w.setPen(QColor(30, 30, 30), 3);
    w.setBrush(QColor(190, 210, 170));
    w.rectangle(QRect(34, 40, 232, 80));
    w.setNoPen();
    w.setBrush(QColor(40, 50, 40));
    lcdDigit(w, 3, QRect(150, 56, 26, 48), 8);
    w.rectangle(QRect(186, 98, 8, 8));
    lcdDigit(w, 1, QRect(200, 56, 26, 48), 8);
    lcdDigit(w, 4, QRect(232, 56, 26, 48), 8);
    w.setPen(QColor(20, 20, 20), 2);
    w.setBrush(QColor(90, 60, 40));
    w.rectangle(QRect(170, 136, 96, 26));
    for (int x = 194; x < 266; x += 24)
        w.line(QPoint(x, 136), QPoint(x, 162));

    // Keys: clear and the four operations on top, digits below; plus and equals twice as tall, zero twice
    // as wide.
    constexpr int kLeft = 32;
    constexpr int kTop = 180;
    constexpr int kStepX = 64;
    constexpr int kStepY = 52;
    const auto key = [&](int column, int row, int columns, int rows, const QColor& colour) {
        const QRect box(kLeft + column * kStepX, kTop + row * kStepY, 52 + (columns - 1) * kStepX,
                        40 + (rows - 1) * kStepY);
        w.setPen(kInk, 2);
        w.setBrush(colour);
        w.roundRect(box, 12, 12);
        w.setPen(colour.lightness() > 140 ? kInk : QColor(255, 255, 255), 3);
        return box;
    };
    const QColor digitKey(225, 225, 230);
    const QColor operationKey(245, 150, 30);
    const auto centreBox = [](QRect box, int width, int height) {
        return QRect(box.center().x() - width / 2, box.center().y() - height / 2, width, height);
    };
    // C
    QRect box = centreBox(key(0, 0, 1, 1, QColor(210, 50, 50)), 14, 22);
    w.polyline(QPolygon({box.topRight(), box.topLeft(), box.bottomLeft(), box.bottomRight()}));
    // Divide, multiply, subtract.
    box = centreBox(key(1, 0, 1, 1, operationKey), 20, 20);
    w.line(QPoint(box.left(), box.center().y()), QPoint(box.right(), box.center().y()));
    w.line(QPoint(box.center().x(), box.top()), QPoint(box.center().x(), box.top() + 1));
    w.line(QPoint(box.center().x(), box.bottom() - 1), QPoint(box.center().x(), box.bottom()));
    box = centreBox(key(2, 0, 1, 1, operationKey), 16, 16);
    w.line(box.topLeft(), box.bottomRight());
    w.line(box.topRight(), box.bottomLeft());
    box = centreBox(key(3, 0, 1, 1, operationKey), 20, 20);
    w.line(QPoint(box.left(), box.center().y()), QPoint(box.right(), box.center().y()));
    // Add (two rows tall) and equals (two rows tall).
    box = centreBox(key(3, 1, 1, 2, operationKey), 20, 20);
    w.line(QPoint(box.left(), box.center().y()), QPoint(box.right(), box.center().y()));
    w.line(QPoint(box.center().x(), box.top()), QPoint(box.center().x(), box.bottom()));
    box = centreBox(key(3, 3, 1, 2, QColor(60, 150, 220)), 20, 14);
    w.line(box.topLeft(), box.topRight());
    w.line(box.bottomLeft(), box.bottomRight());
    // Digits 7 8 9 / 4 5 6 / 1 2 3, then 0 and the point.
    for (int d = 1; d <= 9; ++d)
        strokeDigit(w, d, centreBox(key((d - 1) % 3, 3 - (d - 1) / 3, 1, 1, digitKey), 12, 22));
    strokeDigit(w, 0, centreBox(key(0, 4, 2, 1, digitKey), 12, 22));
    box = centreBox(key(2, 4, 1, 1, digitKey), 4, 4);
    w.setNoPen();
    w.setBrush(kInk);
    w.rectangle(box);
    return w.finish();
}
