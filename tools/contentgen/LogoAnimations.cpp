// SPDX-License-Identifier: MIT
#include "LogoAnimations.h"

#include "GifAnimation.h"

#include <QPainter>
#include <QPolygon>

#include <cmath>
#include <numbers>

namespace {

// The transparent colour is the cream of the screens, so that a viewer that ignores transparency still
// shows the logos on the right background.
constexpr QRgb kCream = 0xFFFFFBF0;

QImage blank(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

// A painter that puts down exact palette colours.
class FlatPainter final : public QPainter {
public:
    explicit FlatPainter(QImage* image)
        : QPainter(image) {
        setRenderHint(QPainter::Antialiasing, false);
    }
    void dot(int x, int y, QRgb colour) { fillRect(QRect(x, y, 1, 1), QColor::fromRgb(colour)); }
    void shape(QRgb outline, QRgb fillColour) {
        setPen(QColor::fromRgb(outline));
        setBrush(QColor::fromRgb(fillColour));
    }
};

void star(FlatPainter& p, int cx, int cy, int arm, QRgb colour) {
    p.fillRect(QRect(cx - arm, cy, 2 * arm + 1, 1), QColor::fromRgb(colour));
    p.fillRect(QRect(cx, cy - arm, 1, 2 * arm + 1), QColor::fromRgb(colour));
    p.dot(cx - 1, cy - 1, colour);
    p.dot(cx + 1, cy + 1, colour);
    p.dot(cx + 1, cy - 1, colour);
    p.dot(cx - 1, cy + 1, colour);
}

// Disc ------------------------------------------------------------------------------------------------

const QList<QRgb> kDiscPalette = {kCream,     0xFF282830, 0xFFC8C8D2, 0xFFEBEBF5, 0xFFFF5050, 0xFFFFC83C,
                                  0xFF50C850, 0xFF468CFF, 0xFFB45ADC, 0xFF9696A0, 0xFFFFFFFF};

QImage discScene(int step, bool glint) {
    QImage image = blank(24);
    FlatPainter p(&image);
    p.shape(kDiscPalette[1], kDiscPalette[2]);
    p.drawEllipse(QRect(1, 1, 21, 21));
    // A rainbow band of four sectors turns by 45 degrees a step; a light reflex sits opposite.
    const int start = -step * 45 * 16;
    p.setPen(Qt::NoPen);
    for (int band = 0; band < 4; ++band) {
        p.setBrush(QColor::fromRgb(kDiscPalette[4 + band]));
        p.drawPie(QRect(2, 2, 19, 19), start + band * 16 * 16, 16 * 16);
    }
    p.setBrush(QColor::fromRgb(kDiscPalette[3]));
    p.drawPie(QRect(2, 2, 19, 19), start + 180 * 16, 50 * 16);
    p.shape(kDiscPalette[1], kDiscPalette[9]);
    p.drawEllipse(QRect(8, 8, 7, 7));
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(QRect(11, 11, 2, 2), Qt::transparent);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (glint)
        star(p, 19, 4, 3, kDiscPalette[10]);
    return image;
}

// Flag ------------------------------------------------------------------------------------------------

const QList<QRgb> kFlagPalette = {kCream,     0xFF6E461E, 0xFFE6B428, 0xFFFFF0A0, 0xFFF0C828,
                                  0xFFC89614, 0xFF14A0A0, 0xFF0A6E6E, 0xFFFFFFFF, 0xFF3C963C};

QImage flagScene(int step, bool glint) {
    QImage image = blank(32);
    FlatPainter p(&image);
    // Grass tuft, pole and its knob.
    p.fillRect(QRect(1, 29, 9, 2), QColor::fromRgb(kFlagPalette[9]));
    p.fillRect(QRect(4, 3, 2, 27), QColor::fromRgb(kFlagPalette[1]));
    p.shape(kFlagPalette[1], kFlagPalette[2]);
    p.drawEllipse(QRect(3, 0, 3, 3));
    if (glint) {
        p.dot(4, 1, kFlagPalette[3]);
        star(p, 9, 3, 2, kFlagPalette[3]);
    }
    // The cloth: a wave runs along it, stronger away from the pole; columns on the falling side of the
    // wave are shaded.
    const double phase = step * std::numbers::pi / 3.0;
    for (int x = 6; x < 31; ++x) {
        const double along = (x - 6) / 24.0;
        const double angle = along * 2.0 * std::numbers::pi - phase;
        const int top = 5 + static_cast<int>(std::lround(3.0 * along * std::sin(angle)));
        const bool shaded = std::cos(angle) < -0.35;
        const QRgb gold = shaded ? kFlagPalette[5] : kFlagPalette[4];
        const QRgb teal = shaded ? kFlagPalette[7] : kFlagPalette[6];
        p.fillRect(QRect(x, top, 1, 7), QColor::fromRgb(gold));
        p.fillRect(QRect(x, top + 7, 1, 7), QColor::fromRgb(teal));
        // A white emblem dot near the middle of the cloth.
        if (x >= 14 && x <= 16)
            p.fillRect(QRect(x, top + 6, 1, 3), QColor::fromRgb(kFlagPalette[8]));
    }
    return image;
}

// Smile -----------------------------------------------------------------------------------------------

const QList<QRgb> kSmilePalette = {kCream,     0xFF281E00, 0xFFFFDC28, 0xFFEBAA14, 0xFF141414,
                                   0xFFFFFFFF, 0xFFC82828, 0xFFFF8296, 0xFF50A0FF};

enum class Face { Smile, Grin, Wink, LookRight, Tongue };

QImage smileScene(Face face, bool sparkle) {
    QImage image = blank(32);
    FlatPainter p(&image);
    p.shape(kSmilePalette[1], kSmilePalette[2]);
    p.drawEllipse(QRect(2, 2, 27, 27));
    // A shade along the lower right edge gives the face some roundness.
    p.setPen(QColor::fromRgb(kSmilePalette[3]));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRect(4, 4, 23, 23), 280 * 16, 60 * 16);
    // Eyes.
    const int pupilShift = face == Face::LookRight ? 1 : 0;
    for (const int x : {10, 19}) {
        if (face == Face::Wink && x == 10) {
            p.fillRect(QRect(x - 1, 12, 5, 1), QColor::fromRgb(kSmilePalette[4]));
            p.dot(x - 2, 11, kSmilePalette[4]);
            p.dot(x + 4, 11, kSmilePalette[4]);
            continue;
        }
        p.fillRect(QRect(x, 9, 3, 5), QColor::fromRgb(kSmilePalette[5]));
        p.fillRect(QRect(x + pupilShift, 10, 2, 3), QColor::fromRgb(kSmilePalette[4]));
    }
    // Mouth.
    if (face == Face::Smile) {
        p.setPen(QColor::fromRgb(kSmilePalette[4]));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRect(9, 12, 14, 10), 200 * 16, 140 * 16);
    } else {
        p.shape(kSmilePalette[4], kSmilePalette[6]);
        p.drawChord(QRect(9, 14, 14, 10), 180 * 16, 180 * 16);
        p.fillRect(QRect(11, 19, 10, 2), QColor::fromRgb(kSmilePalette[5]));
        if (face == Face::Tongue)
            p.fillRect(QRect(14, 21, 5, 3), QColor::fromRgb(kSmilePalette[7]));
    }
    if (sparkle)
        star(p, 28, 3, 2, kSmilePalette[8]);
    return image;
}

// Wink ------------------------------------------------------------------------------------------------

const QList<QRgb> kWinkPalette = {kCream,     0xFF1E3250, 0xFF78BEFF, 0xFFFFFFFF,
                                  0xFF141414, 0xFFC82828, 0xFF4682C8, 0xFFFF5078};

enum class Eye { Open, Half, Closed };

QImage winkScene(Eye eye, bool heart) {
    QImage image = blank(24);
    FlatPainter p(&image);
    p.shape(kWinkPalette[1], kWinkPalette[2]);
    p.drawEllipse(QRect(1, 2, 20, 20));
    // Left eye always open; the right one blinks.
    p.fillRect(QRect(6, 8, 3, 4), QColor::fromRgb(kWinkPalette[3]));
    p.fillRect(QRect(7, 9, 2, 2), QColor::fromRgb(kWinkPalette[4]));
    if (eye == Eye::Closed) {
        p.fillRect(QRect(13, 10, 4, 1), QColor::fromRgb(kWinkPalette[4]));
        p.dot(12, 9, kWinkPalette[4]);
    } else {
        p.fillRect(QRect(13, 8, 3, 4), QColor::fromRgb(kWinkPalette[3]));
        p.fillRect(QRect(14, 9, 2, 2), QColor::fromRgb(kWinkPalette[4]));
        if (eye == Eye::Half)
            p.fillRect(QRect(13, 8, 3, 2), QColor::fromRgb(kWinkPalette[6]));
    }
    p.setPen(QColor::fromRgb(kWinkPalette[5]));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRect(6, 10, 10, 7), 200 * 16, 140 * 16);
    if (heart) {
        p.shape(kWinkPalette[7], kWinkPalette[7]);
        p.drawPolygon(
            QPolygon({QPoint(18, 2), QPoint(20, 0), QPoint(21, 1), QPoint(23, 0), QPoint(23, 2), QPoint(21, 5)}));
    }
    return image;
}

} // namespace

QByteArray LogoAnimations::create(AnimationKind kind) {
    switch (kind) {
    case AnimationKind::Disc:
        return disc();
    case AnimationKind::Flag:
        return flag();
    case AnimationKind::Smile:
        return smile();
    case AnimationKind::Wink:
        return wink();
    }
    return {};
}

QByteArray LogoAnimations::disc() {
    GifAnimation gif(QSize(24, 24), kDiscPalette);
    for (int step = 0; step < 8; ++step) {
        gif.addFrame(discScene(step, false), step == 0 ? 10 : 6, GifAnimation::LeaveInPlace);
        // Once a turn a glint flashes and vanishes with the frame.
        if (step == 3)
            gif.addFrame(discScene(step, true), 5, GifAnimation::RestorePrevious);
    }
    return gif.encode();
}

QByteArray LogoAnimations::flag() {
    GifAnimation gif(QSize(32, 32), kFlagPalette);
    constexpr int kDelays[] = {12, 8, 7, 12, 8, 7};
    for (int step = 0; step < 6; ++step) {
        gif.addFrame(flagScene(step, false), kDelays[step], GifAnimation::RestoreBackground);
        if (step == 2)
            gif.addFrame(flagScene(step, true), 6, GifAnimation::RestorePrevious);
    }
    return gif.encode();
}

QByteArray LogoAnimations::smile() {
    GifAnimation gif(QSize(32, 32), kSmilePalette);
    gif.addFrame(smileScene(Face::Smile, false), 50, GifAnimation::LeaveInPlace);
    gif.addFrame(smileScene(Face::Grin, false), 20, GifAnimation::LeaveInPlace);
    gif.addFrame(smileScene(Face::Wink, false), 15, GifAnimation::RestorePrevious);
    gif.addFrame(smileScene(Face::LookRight, false), 25, GifAnimation::LeaveInPlace);
    gif.addFrame(smileScene(Face::Tongue, true), 20, GifAnimation::RestoreBackground);
    gif.addFrame(smileScene(Face::Smile, false), 30, GifAnimation::LeaveInPlace);
    return gif.encode();
}

QByteArray LogoAnimations::wink() {
    GifAnimation gif(QSize(24, 24), kWinkPalette);
    gif.addFrame(winkScene(Eye::Open, false), 40, GifAnimation::LeaveInPlace);
    gif.addFrame(winkScene(Eye::Half, false), 5, GifAnimation::LeaveInPlace);
    gif.addFrame(winkScene(Eye::Closed, false), 8, GifAnimation::LeaveInPlace);
    gif.addFrame(winkScene(Eye::Half, false), 5, GifAnimation::LeaveInPlace);
    gif.addFrame(winkScene(Eye::Open, true), 30, GifAnimation::RestoreBackground);
    gif.addFrame(winkScene(Eye::Open, false), 20, GifAnimation::LeaveInPlace);
    return gif.encode();
}
