// SPDX-License-Identifier: MIT
#include "GifClips.h"

#include "GifAnimation.h"

#include "platform/Error.h"

#include <QPainter>
#include <QPolygon>

#include <cmath>
#include <functional>
#include <numbers>
#include <optional>

namespace {

constexpr double kPi = std::numbers::pi;
constexpr QRgb kNone = 0xFFFFFFFF; // the transparent colour of every clip: white, if a viewer ignores it

// A painter for exact palette colours: no smoothing, solid pens and brushes by colour.
class Flat final : public QPainter {
public:
    explicit Flat(QImage* image) : QPainter(image) { setRenderHint(QPainter::Antialiasing, false); }
    void shape(QRgb outline, QRgb fill)
    {
        setPen(QColor::fromRgb(outline));
        setBrush(QColor::fromRgb(fill));
    }
    void solid(QRgb fill)
    {
        setPen(Qt::NoPen);
        setBrush(QColor::fromRgb(fill));
    }
    void rect(int x, int y, int w, int h, QRgb colour) { fillRect(QRect(x, y, w, h), QColor::fromRgb(colour)); }
    void stroke(QRgb colour, int width)
    {
        setPen(QPen(QColor::fromRgb(colour), width, Qt::SolidLine, Qt::RoundCap));
        setBrush(Qt::NoBrush);
    }
};

using Draw = std::function<void(Flat&, int frame)>;

// Builds a clip of delays.size() frames. With a background colour every scene is opaque and the frames
// leave their pixels in place; without one the scenes are drawn on transparency and each frame is
// cleared by the disposal given.
QByteArray animate(QSize size, QList<QRgb> palette, std::optional<QRgb> background, const QList<int>& delays,
                   GifAnimation::Disposal disposal, const Draw& draw)
{
    palette.prepend(kNone);
    if (background)
        palette.append(*background);
    GifAnimation gif(size, palette);
    for (int frame = 0; frame < delays.size(); ++frame) {
        QImage scene(size, QImage::Format_ARGB32);
        scene.fill(background ? QColor::fromRgb(*background) : QColor(Qt::transparent));
        {
            Flat painter(&scene);
            draw(painter, frame);
        }
        gif.addFrame(scene, delays[frame], background ? GifAnimation::LeaveInPlace : disposal);
    }
    return gif.encode();
}

QList<int> repeat(int delay, int frames)
{
    return QList<int>(frames, delay);
}

QPoint polar(QPointF centre, double radius, double radians)
{
    return QPointF(centre.x() + radius * std::sin(radians), centre.y() - radius * std::cos(radians)).toPoint();
}

QByteArray bouncingBall()
{
    constexpr QRgb sky = 0xFFC8E6FF, floor = 0xFF785A3C, ball = 0xFFDC1E1E, shine = 0xFFFFB4B4, shade = 0xFF5A6E82;
    return animate(QSize(64, 64), {floor, ball, shine, shade}, sky, repeat(4, 16), GifAnimation::LeaveInPlace,
                   [=](Flat& p, int frame) {
                       const double height = std::abs(std::sin(kPi * frame / 16.0));
                       p.rect(0, 52, 64, 12, floor);
                       const int shadowWidth = static_cast<int>(20 - 10 * height);
                       p.solid(shade);
                       p.drawEllipse(QRect(32 - shadowWidth / 2, 52, shadowWidth, 4));
                       const int bottom = 52 - static_cast<int>(std::lround(34 * height));
                       // Squashed where it meets the floor.
                       const QRect body =
                           height < 0.1 ? QRect(22, bottom - 12, 20, 12) : QRect(24, bottom - 16, 16, 16);
                       p.solid(ball);
                       p.drawEllipse(body);
                       p.solid(shine);
                       p.drawEllipse(QRect(body.left() + 4, body.top() + 3, 4, 3));
                   });
}

QByteArray spinningStar()
{
    constexpr QRgb night = 0xFF141E50, gold = 0xFFFFDC28, edge = 0xFFE68C00, twinkle = 0xFFF0F0FF;
    return animate(QSize(64, 64), {gold, edge, twinkle}, night, repeat(8, 12), GifAnimation::LeaveInPlace,
                   [=](Flat& p, int frame) {
                       QPolygon star;
                       const double turn = 2.0 * kPi / 5.0 * frame / 12.0;
                       for (int i = 0; i < 10; ++i)
                           star << polar(QPointF(32, 33), i % 2 == 0 ? 26 : 11, turn + i * kPi / 5.0);
                       p.shape(edge, gold);
                       p.drawPolygon(star);
                       for (const QPoint at : {QPoint(8, 8), QPoint(54, 12), QPoint(10, 54), QPoint(56, 56)}) {
                           const int arm = (frame + at.x()) % 3 == 0 ? 2 : 1;
                           p.rect(at.x() - arm, at.y(), 2 * arm + 1, 1, twinkle);
                           p.rect(at.x(), at.y() - arm, 1, 2 * arm + 1, twinkle);
                       }
                   });
}

QByteArray trafficLight()
{
    constexpr QRgb wall = 0xFFDCDCDC, housing = 0xFF202020;
    constexpr QRgb on[3] = {0xFFFF2020, 0xFFFFC800, 0xFF20E040};
    constexpr QRgb off[3] = {0xFF501010, 0xFF504010, 0xFF104018};
    // Red, red and amber, green, amber: the long phases stay longer.
    constexpr bool lit[4][3] = {{true, false, false}, {true, true, false}, {false, false, true}, {false, true, false}};
    return animate(QSize(32, 80), {housing, on[0], on[1], on[2], off[0], off[1], off[2]}, wall, {150, 50, 150, 50},
                   GifAnimation::LeaveInPlace, [=](Flat& p, int frame) {
                       p.solid(housing);
                       p.drawRoundedRect(QRect(5, 3, 22, 74), 5, 5);
                       for (int lamp = 0; lamp < 3; ++lamp) {
                           p.solid(lit[frame][lamp] ? on[lamp] : off[lamp]);
                           p.drawEllipse(QRect(8, 7 + 24 * lamp, 16, 16));
                       }
                   });
}

QByteArray windmill()
{
    constexpr QRgb sky = 0xFFB4DCFF, grass = 0xFF50A03C, tower = 0xFFA08264, roof = 0xFF8C3C28, blade = 0xFFF0F0E6,
                   frame = 0xFF3C3228;
    return animate(QSize(64, 64), {grass, tower, roof, blade, frame}, sky, repeat(8, 8), GifAnimation::LeaveInPlace,
                   [=](Flat& p, int step) {
                       p.rect(0, 54, 64, 10, grass);
                       p.shape(frame, tower);
                       p.drawPolygon(QPolygon({QPoint(26, 24), QPoint(38, 24), QPoint(42, 58), QPoint(22, 58)}));
                       p.shape(frame, roof);
                       p.drawPolygon(QPolygon({QPoint(24, 25), QPoint(32, 16), QPoint(40, 25)}));
                       p.rect(30, 46, 5, 12, frame);
                       // Four sails, turned by an eighth of a quarter turn each frame.
                       const QPointF hub(32, 24);
                       for (int sail = 0; sail < 4; ++sail) {
                           const double angle = sail * kPi / 2.0 + step * kPi / 16.0;
                           const QPoint tip = polar(hub, 22, angle);
                           const QPoint side = polar(hub, 20, angle + 0.28);
                           const QPoint inner = polar(hub, 6, angle + 0.5);
                           p.shape(frame, blade);
                           p.drawPolygon(QPolygon({hub.toPoint(), tip, side, inner}));
                       }
                       p.solid(frame);
                       p.drawEllipse(QRect(30, 22, 5, 5));
                   });
}

QPolygon heartShape(QPointF centre, double scale)
{
    QPolygon out;
    for (int i = 0; i < 48; ++i) {
        const double t = 2.0 * kPi * i / 48.0;
        const double x = 16.0 * std::pow(std::sin(t), 3);
        const double y = 13.0 * std::cos(t) - 5.0 * std::cos(2 * t) - 2.0 * std::cos(3 * t) - std::cos(4 * t);
        out << QPointF(centre.x() + x * scale, centre.y() - y * scale).toPoint();
    }
    return out;
}

QByteArray heart()
{
    constexpr QRgb red = 0xFFDC143C, dark = 0xFF8C0A28, light = 0xFFFF8CA0;
    constexpr double kScales[] = {1.0, 1.3, 1.1, 1.3, 1.0};
    return animate(QSize(48, 48), {red, dark, light}, std::nullopt, {40, 8, 8, 8, 20}, GifAnimation::RestoreBackground,
                   [=](Flat& p, int frame) {
                       const double scale = kScales[frame];
                       p.shape(dark, red);
                       p.drawPolygon(heartShape(QPointF(24, 25), scale));
                       p.solid(light);
                       p.drawEllipse(QRectF(24 - 10 * scale, 25 - 9 * scale, 4 * scale, 4 * scale).toRect());
                   });
}

QByteArray clockFace()
{
    constexpr QRgb backdrop = 0xFFC8DCF0, face = 0xFFFFFFF0, rim = 0xFF283C78, hands = 0xFF141414, tick = 0xFF646464;
    return animate(QSize(48, 48), {face, rim, hands, tick}, backdrop, repeat(20, 12), GifAnimation::LeaveInPlace,
                   [=](Flat& p, int frame) {
                       const QPointF centre(24, 24);
                       p.setPen(QPen(QColor::fromRgb(rim), 3));
                       p.setBrush(QColor::fromRgb(face));
                       p.drawEllipse(QRect(3, 3, 42, 42));
                       for (int hour = 0; hour < 12; ++hour)
                           p.rect(polar(centre, 16, hour * kPi / 6.0).x(), polar(centre, 16, hour * kPi / 6.0).y(),
                                  hour % 3 == 0 ? 2 : 1, hour % 3 == 0 ? 2 : 1, tick);
                       // The minute hand goes round five minutes a frame; the hour hand stays at two, so the
                       // loop has no jump.
                       p.stroke(hands, 2);
                       p.drawLine(centre.toPoint(), polar(centre, 10, kPi / 3.0));
                       p.stroke(hands, 1);
                       p.drawLine(centre.toPoint(), polar(centre, 15, frame * kPi / 6.0));
                       p.rect(23, 23, 2, 2, rim);
                   });
}

QByteArray bird()
{
    constexpr QRgb sky = 0xFF8CC8FF, cloud = 0xFFF5F5FA, body = 0xFF28283C, beak = 0xFFFFB400;
    // Wing tip heights: up, level, down, level.
    constexpr int kWing[] = {-14, -2, 10, -2};
    return animate(QSize(64, 48), {cloud, body, beak}, sky, repeat(8, 8), GifAnimation::LeaveInPlace,
                   [=](Flat& p, int frame) {
                       p.solid(cloud);
                       p.drawEllipse(QRect(4, 32, 22, 9));
                       p.drawEllipse(QRect(12, 28, 16, 10));
                       p.drawEllipse(QRect(42, 6, 18, 7));
                       const int bob = frame % 4 == 2 ? -1 : (frame % 4 == 0 ? 1 : 0);
                       const int wing = kWing[frame % 4];
                       const QPoint shoulder(30, 24 + bob);
                       p.shape(body, body);
                       p.drawEllipse(QRect(18, 20 + bob, 26, 9));
                       p.drawEllipse(QRect(40, 17 + bob, 8, 8));
                       p.drawPolygon(QPolygon({QPoint(19, 24 + bob), QPoint(10, 19 + bob), QPoint(12, 28 + bob)}));
                       p.drawPolygon(QPolygon({shoulder, shoulder + QPoint(-10, wing), shoulder + QPoint(-2, wing),
                                               shoulder + QPoint(8, 1)}));
                       p.solid(beak);
                       p.drawPolygon(QPolygon({QPoint(47, 20 + bob), QPoint(53, 22 + bob), QPoint(47, 23 + bob)}));
                   });
}

QByteArray gear()
{
    constexpr QRgb steel = 0xFF8C96AA, edge = 0xFF32374B, axle = 0xFFD2D7E1;
    return animate(QSize(64, 64), {steel, edge, axle}, std::nullopt, repeat(6, 6), GifAnimation::RestoreBackground,
                   [=](Flat& p, int frame) {
                       // Eight teeth: the outline alternates between the tip and root radius; one tooth's turn
                       // is six frames.
                       QPolygon outline;
                       const double turn = frame * (kPi / 4.0) / 6.0;
                       for (int i = 0; i < 32; ++i) {
                           const double radius = (i % 4 == 0 || i % 4 == 1) ? 29 : 22;
                           outline << polar(QPointF(32, 32), radius, turn + i * kPi / 16.0);
                       }
                       p.shape(edge, steel);
                       p.drawPolygon(outline);
                       p.shape(edge, axle);
                       p.drawEllipse(QRect(24, 24, 16, 16));
                       p.rect(31, 21, 3, 4, edge);
                   });
}

QByteArray sun()
{
    constexpr QRgb sky = 0xFF9BD2FF, disc = 0xFFFFD728, ray = 0xFFFF9614, eye = 0xFF643200;
    return animate(QSize(64, 64), {disc, ray, eye}, sky, repeat(12, 4), GifAnimation::LeaveInPlace,
                   [=](Flat& p, int frame) {
                       const QPointF centre(32, 32);
                       // Twelve rays, long and short in turn, a quarter of the spacing further each frame.
                       for (int i = 0; i < 12; ++i) {
                           const double angle = i * kPi / 6.0 + frame * kPi / 24.0;
                           const double length = i % 2 == 0 ? 30 : 24;
                           p.solid(ray);
                           p.drawPolygon(QPolygon({polar(centre, 16, angle - 0.18), polar(centre, length, angle),
                                                   polar(centre, 16, angle + 0.18)}));
                       }
                       p.shape(ray, disc);
                       p.drawEllipse(QRect(16, 16, 32, 32));
                       p.rect(25, 27, 3, 3, eye);
                       p.rect(36, 27, 3, 3, eye);
                       p.stroke(eye, 1);
                       p.drawArc(QRect(24, 28, 16, 11), 200 * 16, 140 * 16);
                   });
}

QByteArray snow()
{
    constexpr QRgb night = 0xFF141E46, flake = 0xFFFAFAFF, drift = 0xFFE6EBF5, wall = 0xFF3C2D28, window = 0xFFFFD25A;
    constexpr int kFrames = 16;
    return animate(QSize(64, 64), {flake, drift, wall, window}, night, repeat(10, kFrames), GifAnimation::LeaveInPlace,
                   [=](Flat& p, int frame) {
                       p.solid(wall);
                       p.drawPolygon(QPolygon({QPoint(34, 36), QPoint(46, 26), QPoint(58, 36)}));
                       p.rect(36, 36, 20, 18, wall);
                       p.rect(43, 41, 6, 6, window);
                       p.solid(drift);
                       p.drawEllipse(QRect(-10, 50, 84, 30));
                       // Flakes fall 4 pixels a frame: after 16 frames each is back where it started.
                       std::uint32_t seed = 0xC0FFEEU;
                       for (int i = 0; i < 22; ++i) {
                           seed = seed * 1103515245U + 12345U;
                           const int x = static_cast<int>((seed >> 16) % 62);
                           const int y = (static_cast<int>((seed >> 8) % 64) + 4 * frame) % 64;
                           const int sway = (frame + i) % 8 < 4 ? 0 : 1;
                           p.rect(x + sway, y, 2, 2, flake);
                       }
                   });
}

QByteArray moonPhases()
{
    constexpr QRgb space = 0xFF0A0A19, lit = 0xFFFAF0BE, dark = 0xFF373746, star = 0xFFC8C8DC;
    return animate(
        QSize(48, 48), {lit, dark, star}, space, repeat(40, 8), GifAnimation::LeaveInPlace, [=](Flat& p, int frame) {
            for (const QPoint at : {QPoint(5, 6), QPoint(41, 9), QPoint(8, 40), QPoint(43, 38)})
                p.rect(at.x(), at.y(), 1, 1, star);
            // New moon, waxing, full, waning: the terminator is half an ellipse across the disc.
            const double phase = 2.0 * kPi * frame / 8.0;
            constexpr int kRadius = 16;
            for (int y = -kRadius; y <= kRadius; ++y) {
                for (int x = -kRadius; x <= kRadius; ++x) {
                    if (x * x + y * y > kRadius * kRadius)
                        continue;
                    const double across = x / static_cast<double>(kRadius);
                    const double edge = std::sqrt(1.0 - std::pow(y / static_cast<double>(kRadius), 2));
                    const bool waxing = phase <= kPi;
                    const bool isLit = waxing ? across > std::cos(phase) * edge : across < std::cos(phase - kPi) * edge;
                    p.rect(24 + x, 24 + y, 1, 1, isLit ? lit : dark);
                }
            }
        });
}

QByteArray fish()
{
    constexpr QRgb water = 0xFF2878C8, sand = 0xFFDCC88C, body = 0xFFFF8C1E, fin = 0xFFDC5A0A, eye = 0xFF101010,
                   bubble = 0xFFB4E6FF, weed = 0xFF288C3C;
    constexpr int kFrames = 26;
    return animate(QSize(96, 48), {sand, body, fin, eye, bubble, weed}, water, repeat(8, kFrames),
                   GifAnimation::LeaveInPlace, [=](Flat& p, int frame) {
                       p.rect(0, 42, 96, 6, sand);
                       p.stroke(weed, 2);
                       p.drawPolyline(QPolygon({QPoint(12, 44), QPoint(9, 36), QPoint(13, 28), QPoint(10, 22)}));
                       p.drawPolyline(QPolygon({QPoint(80, 44), QPoint(83, 35), QPoint(79, 27)}));
                       // The fish crosses the tank and comes back in from the left: 26 frames of 6 pixels.
                       const int x = -30 + 6 * frame;
                       const int tail = frame % 4 < 2 ? 3 : -3;
                       p.shape(fin, fin);
                       p.drawPolygon(QPolygon({QPoint(x + 4, 22), QPoint(x - 6, 14 + tail), QPoint(x - 6, 30 + tail)}));
                       p.shape(fin, body);
                       p.drawEllipse(QRect(x, 14, 26, 16));
                       p.solid(fin);
                       p.drawPolygon(QPolygon({QPoint(x + 10, 15), QPoint(x + 14, 9), QPoint(x + 18, 15)}));
                       p.rect(x + 19, 19, 2, 2, eye);
                       for (int i = 0; i < 3; ++i) {
                           const int y = 44 - ((frame * 48 / kFrames + i * 16) % 48);
                           p.setPen(QColor::fromRgb(bubble));
                           p.setBrush(Qt::NoBrush);
                           p.drawEllipse(QRect(70 + (i % 2) * 4, y, 3 + i % 2, 3 + i % 2));
                       }
                   });
}

QByteArray coin()
{
    constexpr QRgb gold = 0xFFE6B428, back = 0xFFC8961E, rim = 0xFF825A0A, mark = 0xFFFFE68C;
    return animate(QSize(48, 48), {gold, back, rim, mark}, std::nullopt, repeat(6, 12), GifAnimation::RestorePrevious,
                   [=](Flat& p, int frame) {
                       // Seen edge-on at a quarter turn; the back shows for the second half of the turn.
                       const double turn = std::cos(kPi * frame / 12.0 * 2.0);
                       const int width = std::max(3, static_cast<int>(std::lround(std::abs(turn) * 38)));
                       const QRect face(24 - width / 2, 5, width, 38);
                       p.shape(rim, turn >= 0 ? gold : back);
                       p.drawEllipse(face);
                       if (width > 12) {
                           p.solid(mark);
                           p.drawRect(QRect(24 - width / 8, 14, std::max(2, width / 4), 20));
                       }
                   });
}

QByteArray candle()
{
    constexpr QRgb dark = 0xFF1E1928, wax = 0xFFF0EBDC, wick = 0xFF282828, outer = 0xFFFF8C14, inner = 0xFFFFF064,
                   glow = 0xFF3C2D32;
    constexpr int kHeight[] = {14, 17, 13, 18, 15, 14};
    constexpr int kLean[] = {0, 1, -1, 1, 0, -1};
    return animate(QSize(32, 64), {wax, wick, outer, inner, glow}, dark, {10, 8, 12, 9, 10, 11},
                   GifAnimation::LeaveInPlace, [=](Flat& p, int frame) {
                       p.solid(glow);
                       p.drawEllipse(QRect(4, 6, 24, 30));
                       p.rect(10, 30, 12, 32, wax);
                       p.rect(15, 26, 2, 5, wick);
                       const int top = 26 - kHeight[frame];
                       const int lean = kLean[frame];
                       p.solid(outer);
                       p.drawPolygon(QPolygon({QPoint(16 + lean * 2, top), QPoint(21, 22), QPoint(19, 28),
                                               QPoint(13, 28), QPoint(11, 22)}));
                       p.solid(inner);
                       p.drawPolygon(QPolygon({QPoint(16 + lean, top + 6), QPoint(18, 23), QPoint(17, 27),
                                               QPoint(15, 27), QPoint(14, 23)}));
                   });
}

QByteArray mail()
{
    constexpr QRgb paper = 0xFFF0F0E6, envelope = 0xFFF5D79B, edge = 0xFF78501E, letter = 0xFFFFFFFA, line = 0xFF5064A0,
                   stamp = 0xFFC83232;
    // Closed, opening, the letter rising, shown, sinking back, closing.
    constexpr int kLetter[] = {0, 0, 8, 14, 8, 0};
    constexpr bool kOpen[] = {false, true, true, true, true, true};
    return animate(QSize(48, 40), {envelope, edge, letter, line, stamp}, paper, {60, 10, 10, 60, 10, 10},
                   GifAnimation::LeaveInPlace, [=](Flat& p, int frame) {
                       const int rise = kLetter[frame];
                       if (kOpen[frame]) {
                           p.shape(edge, envelope);
                           p.drawPolygon(QPolygon({QPoint(4, 18), QPoint(24, 4), QPoint(44, 18)}));
                       }
                       if (rise > 0) {
                           p.shape(edge, letter);
                           p.drawRect(QRect(9, 18 - rise, 30, 18));
                           for (int y = 22 - rise; y < 32 - rise; y += 3)
                               p.rect(12, y, 22, 1, line);
                       }
                       p.shape(edge, envelope);
                       p.drawRect(QRect(4, 18, 40, 20));
                       p.drawLine(QPoint(4, 37), QPoint(24, 26));
                       p.drawLine(QPoint(44, 37), QPoint(24, 26));
                       if (!kOpen[frame])
                           p.drawPolygon(QPolygon({QPoint(4, 18), QPoint(24, 30), QPoint(44, 18)}));
                       p.rect(36, 21, 5, 6, stamp);
                   });
}

QByteArray spinner()
{
    constexpr QRgb backdrop = 0xFFF0F0F0;
    constexpr QRgb shades[] = {0xFF1E50B4, 0xFF5A82C8, 0xFF96B4DC, 0xFFC8D2E6};
    return animate(QSize(48, 48), {shades[0], shades[1], shades[2], shades[3]}, backdrop, repeat(10, 8),
                   GifAnimation::LeaveInPlace, [=](Flat& p, int frame) {
                       // Eight dots; the bright one runs round with a fading trail.
                       for (int dot = 0; dot < 8; ++dot) {
                           const int behind = (frame - dot + 8) % 8;
                           p.solid(shades[std::min(behind, 3)]);
                           const QPoint at = polar(QPointF(24, 24), 16, dot * kPi / 4.0);
                           const int size = behind == 0 ? 9 : 7;
                           p.drawEllipse(QRect(at.x() - size / 2, at.y() - size / 2, size, size));
                       }
                   });
}

QByteArray rocket()
{
    constexpr QRgb space = 0xFF0A0A28, hull = 0xFFDCDCE6, nose = 0xFFDC2828, window = 0xFF3C8CF0, flame = 0xFFFF9614,
                   core = 0xFFFFF06E, star = 0xFFFFFFFF;
    constexpr int kFrames = 16;
    return animate(QSize(48, 96), {hull, nose, window, flame, core, star}, space, repeat(6, kFrames),
                   GifAnimation::LeaveInPlace, [=](Flat& p, int frame) {
                       // Stars stream past at 6 pixels a frame, round the picture once in 16 frames.
                       std::uint32_t seed = 0xBADC0DEU;
                       for (int i = 0; i < 18; ++i) {
                           seed = seed * 1103515245U + 12345U;
                           const int x = static_cast<int>((seed >> 16) % 48);
                           const int y = (static_cast<int>((seed >> 8) % 96) + 6 * frame) % 96;
                           p.rect(x, y, 1, i % 3 == 0 ? 2 : 1, star);
                       }
                       const int burn = frame % 2 == 0 ? 14 : 9;
                       p.solid(flame);
                       p.drawPolygon(QPolygon({QPoint(18, 64), QPoint(24, 64 + burn + 6), QPoint(30, 64)}));
                       p.solid(core);
                       p.drawPolygon(QPolygon({QPoint(21, 64), QPoint(24, 64 + burn), QPoint(27, 64)}));
                       p.solid(nose);
                       p.drawPolygon(QPolygon({QPoint(16, 50), QPoint(10, 66), QPoint(18, 62)}));
                       p.drawPolygon(QPolygon({QPoint(32, 50), QPoint(38, 66), QPoint(30, 62)}));
                       p.solid(hull);
                       p.drawRoundedRect(QRect(17, 26, 14, 38), 4, 4);
                       p.solid(nose);
                       p.drawPolygon(QPolygon({QPoint(17, 30), QPoint(24, 12), QPoint(31, 30)}));
                       p.shape(nose, window);
                       p.drawEllipse(QRect(20, 36, 8, 8));
                   });
}

QByteArray hourglass()
{
    constexpr QRgb backdrop = 0xFFEBE1C8, wood = 0xFF8C5A28, glass = 0xFF6E7882, sand = 0xFFDCAA46;
    constexpr int kFrames = 10;
    return animate(QSize(40, 64), {wood, glass, sand}, backdrop, repeat(25, kFrames), GifAnimation::LeaveInPlace,
                   [=](Flat& p, int frame) {
                       const double done = frame / static_cast<double>(kFrames - 1);
                       // Sand: the upper heap sinks while the lower one grows.
                       const int upper = static_cast<int>(std::lround(20 * (1.0 - done)));
                       const int lower = static_cast<int>(std::lround(18 * done));
                       p.solid(sand);
                       if (upper > 0)
                           p.drawPolygon(QPolygon({QPoint(20 - upper / 2, 31 - upper),
                                                   QPoint(20 + upper / 2, 31 - upper), QPoint(20, 31)}));
                       if (lower > 0)
                           p.drawPolygon(QPolygon({QPoint(8, 58), QPoint(32, 58), QPoint(20, 58 - lower)}));
                       if (frame < kFrames - 1)
                           p.rect(20, 31, 1, 27 - lower, sand);
                       p.stroke(glass, 1);
                       p.drawPolyline(QPolygon({QPoint(7, 7), QPoint(19, 31), QPoint(7, 57)}));
                       p.drawPolyline(QPolygon({QPoint(33, 7), QPoint(21, 31), QPoint(33, 57)}));
                       p.rect(3, 2, 34, 5, wood);
                       p.rect(3, 57, 34, 5, wood);
                   });
}

QByteArray pendulum()
{
    constexpr QRgb wall = 0xFFE6DCC8, brass = 0xFFC8A032, rod = 0xFF5A4632, shade = 0xFF8C6E1E;
    constexpr int kFrames = 16;
    return animate(QSize(64, 64), {brass, rod, shade}, wall, repeat(5, kFrames), GifAnimation::LeaveInPlace,
                   [=](Flat& p, int frame) {
                       const double angle = (kPi / 6.0) * std::cos(2.0 * kPi * frame / kFrames);
                       const QPointF pivot(32, 6);
                       const QPoint bob = polar(pivot, -40, -angle);
                       p.rect(22, 2, 20, 4, rod);
                       p.stroke(rod, 2);
                       p.drawLine(pivot.toPoint(), bob);
                       p.shape(shade, brass);
                       p.drawEllipse(QRect(bob.x() - 8, bob.y() - 8, 16, 16));
                   });
}

QByteArray house()
{
    constexpr QRgb sky = 0xFFA0D2FF, grass = 0xFF3CAA3C, wall = 0xFFF0D2A0, roof = 0xFFB43C28, door = 0xFF784628,
                   glass = 0xFF64B4F0, trunk = 0xFF6E4B1E, leaves = 0xFF1E7828, sunColour = 0xFFFFDC32;
    return animate(QSize(64, 64), {grass, wall, roof, door, glass, trunk, leaves, sunColour}, sky, {0},
                   GifAnimation::LeaveInPlace, [=](Flat& p, int) {
                       p.solid(sunColour);
                       p.drawEllipse(QRect(48, 4, 12, 12));
                       p.rect(0, 48, 64, 16, grass);
                       p.rect(10, 30, 28, 20, wall);
                       p.solid(roof);
                       p.drawPolygon(QPolygon({QPoint(6, 31), QPoint(24, 14), QPoint(42, 31)}));
                       p.rect(14, 38, 8, 12, door);
                       p.rect(26, 35, 8, 7, glass);
                       p.rect(50, 36, 4, 14, trunk);
                       p.solid(leaves);
                       p.drawEllipse(QRect(43, 22, 18, 18));
                   });
}

} // namespace

QByteArray GifClips::clip(int number)
{
    using Maker = QByteArray (*)();
    static constexpr Maker kMakers[kCount] = {
        bouncingBall, spinningStar, trafficLight, windmill, heart, clockFace, bird,   gear,      sun,      snow,
        moonPhases,   fish,         coin,         candle,   mail,  spinner,   rocket, hourglass, pendulum, house};
    if (number < 1 || number > kCount)
        throw Error(QStringLiteral("There is no GIF picture %1").arg(number));
    return kMakers[number - 1]();
}
