// SPDX-License-Identifier: MIT
#include "LogoPainter.h"

#include "Sketch.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

constexpr QColor kCream{255, 251, 240};
constexpr QColor kNavy{0, 0, 128};
constexpr QColor kTeal{0, 128, 128};
constexpr QColor kGold{230, 180, 40};

void lettering(QPainter& p, const QRectF& area, const QString& text, int pixels, const QColor& from, const QColor& to) {
    QFont font = Sketch::uiFont(pixels, true);
    font.setLetterSpacing(QFont::PercentageSpacing, 104);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    path.translate(area.center() - box.center());
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setColorAt(0, from);
    gradient.setColorAt(1, to);
    p.setPen(QPen(QColor(0, 0, 60), 1.2));
    p.setBrush(gradient);
    p.drawPath(path);
}

void monitor(QPainter& p, const QRectF& body, const QStringList& codeLines) {
    QLinearGradient bezel(body.topLeft(), body.bottomRight());
    bezel.setColorAt(0, QColor(235, 235, 230));
    bezel.setColorAt(1, QColor(150, 150, 145));
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.setBrush(bezel);
    p.drawRoundedRect(body, body.width() * 0.06, body.width() * 0.06);
    const QRectF screen =
        body.adjusted(body.width() * 0.08, body.height() * 0.09, -body.width() * 0.08, -body.height() * 0.16);
    QLinearGradient glass(screen.topLeft(), screen.bottomLeft());
    glass.setColorAt(0, QColor(20, 40, 140));
    glass.setColorAt(1, QColor(0, 10, 70));
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(glass);
    p.drawRoundedRect(screen, 4, 4);
    // Power light.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 200, 60));
    const qreal led = std::max<qreal>(2.0, body.width() * 0.025);
    p.drawEllipse(QRectF(body.right() - body.width() * 0.12, body.bottom() - body.height() * 0.1, led, led));
    // Stand.
    p.setBrush(QColor(130, 130, 125));
    p.setPen(QPen(QColor(60, 60, 60), 1));
    const qreal cx = body.center().x();
    p.drawRect(QRectF(cx - body.width() * 0.08, body.bottom(), body.width() * 0.16, body.height() * 0.08));
    p.drawRoundedRect(QRectF(cx - body.width() * 0.25, body.bottom() + body.height() * 0.08, body.width() * 0.5,
                             body.height() * 0.06),
                      3, 3);
    if (codeLines.isEmpty())
        return;
    qsizetype longest = 1;
    for (const QString& line : codeLines)
        longest = std::max(longest, line.size());
    // Fixed-pitch characters are about 0.6 of their height wide.
    const int pixels = std::max(6, static_cast<int>(std::min(screen.height() / (codeLines.size() + 1.5),
                                                             screen.width() * 0.85 / (longest * 0.6))));
    p.setFont(Sketch::codeFont(pixels, true));
    qreal y = screen.top() + pixels * 1.2;
    for (const QString& line : codeLines) {
        p.setPen(line.trimmed().startsWith(QLatin1String("begin")) || line.startsWith(QLatin1String("end"))
                     ? QColor(255, 255, 255)
                     : QColor(255, 230, 90));
        p.drawText(QPointF(screen.left() + pixels * 0.8, y), line);
        y += pixels * 1.15;
    }
}

void openBook(QPainter& p, const QRectF& area) {
    const qreal cx = area.center().x();
    for (const int side : {-1, 1}) {
        QPainterPath page;
        const qreal outer = cx + side * area.width() / 2;
        page.moveTo(cx, area.top() + area.height() * 0.15);
        page.cubicTo(cx + side * area.width() * 0.2, area.top(), outer - side * area.width() * 0.1, area.top(), outer,
                     area.top() + area.height() * 0.08);
        page.lineTo(outer, area.bottom() - area.height() * 0.1);
        page.cubicTo(outer - side * area.width() * 0.1, area.bottom() - area.height() * 0.2,
                     cx + side * area.width() * 0.2, area.bottom() - area.height() * 0.15, cx, area.bottom());
        page.closeSubpath();
        QLinearGradient paper(QPointF(cx, 0), QPointF(outer, 0));
        paper.setColorAt(0, QColor(215, 210, 195));
        paper.setColorAt(0.3, QColor(255, 255, 250));
        paper.setColorAt(1, QColor(240, 236, 222));
        p.setPen(QPen(QColor(90, 70, 40), 1.3));
        p.setBrush(paper);
        p.drawPath(page);
        p.setPen(QPen(QColor(150, 150, 170), 1));
        for (int line = 1; line <= 4; ++line) {
            const qreal y = area.top() + area.height() * (0.18 + line * 0.14);
            p.drawLine(QPointF(cx + side * area.width() * 0.08, y + area.height() * 0.03),
                       QPointF(outer - side * area.width() * 0.08, y));
        }
    }
}

void cube(QPainter& p, const QPointF& centre, qreal size) {
    const qreal h = size * 0.5;
    const QPointF top(centre.x(), centre.y() - size);
    const QPointF left(centre.x() - size * 0.87, centre.y() - h);
    const QPointF right(centre.x() + size * 0.87, centre.y() - h);
    const QPointF bottom(centre.x(), centre.y() + size);
    const QPointF lowLeft(left.x(), left.y() + size);
    const QPointF lowRight(right.x(), right.y() + size);
    p.setPen(QPen(QColor(0, 40, 60), 1.5));
    p.setBrush(QColor(120, 210, 210));
    p.drawPolygon(QPolygonF({top, right, centre, left}));
    p.setBrush(QColor(0, 150, 160));
    p.drawPolygon(QPolygonF({left, centre, bottom, lowLeft}));
    p.setBrush(QColor(0, 95, 120));
    p.drawPolygon(QPolygonF({centre, right, lowRight, bottom}));
    // A "V" cut into the front-left face.
    p.setPen(QPen(QColor(255, 250, 220), size * 0.12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF a = left + (centre - left) * 0.25 + QPointF(0, size * 0.25);
    const QPointF b = left + (centre - left) * 0.5 + QPointF(0, size * 0.8);
    const QPointF c = left + (centre - left) * 0.75 + QPointF(0, size * 0.25 + h * 0.5);
    p.drawPolyline(QPolygonF({a, b, c}));
}

void tree(QPainter& p, const QRectF& area) {
    QRadialGradient disc(area.center(), area.width() / 2);
    disc.setColorAt(0, QColor(255, 245, 200));
    disc.setColorAt(1, kGold);
    p.setPen(QPen(QColor(120, 40, 0), 2));
    p.setBrush(disc);
    p.drawEllipse(area);
    const qreal u = area.width() / 10;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 60, 20));
    p.drawRect(QRectF(area.center().x() - u * 0.5, area.center().y(), u, u * 3.5));
    p.setBrush(QColor(30, 130, 50));
    for (const QPointF& leaf : {QPointF(0, -2.2), QPointF(-1.8, -0.6), QPointF(1.8, -0.6), QPointF(0, -0.2)})
        p.drawEllipse(area.center() + leaf * u, u * 1.9, u * 1.6);
}

// The title screen lays two small pictures and two version captions over this one (above the left of the
// monitor, and right of the middle under the lettering); the composition leaves those places free.
void paintComposition(QPainter& p, const QSizeF& size) {
    const qreal w = size.width();
    // A ringed planet with two moons in the left column, below the free place at the top left.
    p.save();
    p.translate(75, 165);
    p.rotate(-18);
    QRadialGradient planet(QPointF(-12, -12), 46);
    planet.setColorAt(0, QColor(255, 250, 220));
    planet.setColorAt(1, QColor(60, 120, 220));
    p.setPen(QPen(QColor(20, 40, 90), 1.2));
    p.setBrush(planet);
    p.drawEllipse(QPointF(0, 0), 32, 32);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kTeal, 3));
    p.drawArc(QRectF(-60, -14, 120, 28), 0, -180 * 16);
    p.restore();
    const QColor moons[] = {QColor(220, 60, 50), kGold};
    const QPointF places[] = {QPointF(30, 228), QPointF(128, 112)};
    for (int i = 0; i < 2; ++i) {
        QRadialGradient ball(places[i] - QPointF(3, 3), 11);
        ball.setColorAt(0, Qt::white);
        ball.setColorAt(1, moons[i]);
        p.setPen(QPen(QColor(40, 40, 40), 1));
        p.setBrush(ball);
        p.drawEllipse(places[i], 9, 9);
    }
    monitor(p, QRectF(w - 225, 8, 215, 168), {"program Vedarium;", "begin", "  Learn;", "  Create;", "end."});
    openBook(p, QRectF(w - 262, 200, 240, 50));
    lettering(p, QRectF(0, 258, w, 44), QStringLiteral("ВЕДАРИУМ"), 44, QColor(0, 160, 170), kNavy);
    p.setFont(Sketch::uiFont(14, true));
    p.setPen(QColor(128, 0, 0));
    p.drawText(QRectF(4, 306, 205, 20), Qt::AlignLeft, QStringLiteral("курс программирования"));
    p.drawText(QRectF(4, 326, 205, 20), Qt::AlignLeft, QStringLiteral("для школьников"));
}

void paintCube(QPainter& p, const QSizeF& size) {
    cube(p, QPointF(size.width() / 2, 62), 44);
    lettering(p, QRectF(0, 114, size.width(), 24), QStringLiteral("ВИЗУАЛЬНО"), 17, QColor(0, 160, 170), kNavy);
    p.setFont(Sketch::uiFont(10, true));
    p.setPen(QColor(128, 0, 0));
    p.drawText(QRectF(0, 138, size.width(), 16), Qt::AlignCenter, QStringLiteral("собери окно из деталей"));
}

void paintMaker(QPainter& p, const QSizeF& size) {
    tree(p, QRectF(6, 10, 62, 62));
    lettering(p, QRectF(72, 14, size.width() - 76, 34), QStringLiteral("DREVON"), 19, QColor(200, 40, 30),
              QColor(110, 0, 0));
    p.setPen(QPen(QColor(128, 0, 0), 2));
    p.drawLine(QPointF(74, 50), QPointF(size.width() - 6, 50));
    p.setFont(Sketch::uiFont(11, true));
    p.setPen(kNavy);
    p.drawText(QRectF(70, 54, size.width() - 74, 16), Qt::AlignCenter, QStringLiteral("учебные"));
    p.drawText(QRectF(70, 68, size.width() - 74, 16), Qt::AlignCenter, QStringLiteral("программы"));
}

void paintBook(QPainter& p, const QSizeF& size) {
    const qreal w = size.width();
    // Pages seen from the side, then the cover, a bookmark and a round badge.
    p.setPen(QPen(QColor(90, 70, 40), 1.2));
    p.setBrush(QColor(250, 246, 232));
    p.drawRoundedRect(QRectF(20, 14, w - 34, 90), 4, 4);
    QLinearGradient cover(QPointF(12, 0), QPointF(w - 18, 0));
    cover.setColorAt(0, QColor(150, 20, 20));
    cover.setColorAt(1, QColor(210, 60, 40));
    p.setBrush(cover);
    p.setPen(QPen(QColor(80, 0, 0), 1.5));
    p.drawRoundedRect(QRectF(12, 8, w - 32, 92), 5, 5);
    p.setPen(QPen(kGold, 2));
    p.drawLine(QPointF(20, 12), QPointF(20, 96));
    p.setBrush(QColor(20, 120, 60));
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF(
        {QPointF(w - 40, 96), QPointF(w - 32, 96), QPointF(w - 32, 116), QPointF(w - 36, 111), QPointF(w - 40, 116)}));
    QRadialGradient badge(QPointF(w / 2 - 4, 48), 28);
    badge.setColorAt(0, QColor(255, 248, 200));
    badge.setColorAt(1, kGold);
    p.setBrush(badge);
    p.setPen(QPen(QColor(120, 70, 0), 1.5));
    p.drawEllipse(QPointF(w / 2 - 4, 50), 26, 26);
    p.setFont(Sketch::codeFont(20, true));
    p.setPen(QColor(120, 0, 0));
    p.drawText(QRectF(w / 2 - 30, 36, 52, 28), Qt::AlignCenter, QStringLiteral("{ }"));
}

void paintMonitor(QPainter& p, const QSizeF& size) {
    monitor(p, QRectF(24, 4, 92, 70), {});
    // A small form on the screen: title bar, an edit field and a button.
    const QRectF form(38, 14, 64, 38);
    p.setPen(QPen(QColor(20, 20, 20), 1));
    p.setBrush(Sketch::kFace);
    p.drawRect(form);
    p.fillRect(QRectF(form.left() + 1, form.top() + 1, form.width() - 1, 6), Sketch::kTitle);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(form.left() + 5, form.top() + 12, 36, 7));
    p.setBrush(QColor(230, 226, 218));
    p.drawRect(QRectF(form.left() + 44, form.top() + 11, 15, 9));
    p.drawRect(QRectF(form.left() + 5, form.top() + 24, 54, 9));
    // Keyboard.
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(225, 222, 212));
    QPolygonF board({QPointF(14, 86), QPointF(size.width() - 14, 86), QPointF(size.width() - 6, 98), QPointF(6, 98)});
    p.drawPolygon(board);
    p.setPen(QPen(QColor(120, 120, 115), 1));
    for (qreal x = 18; x < size.width() - 16; x += 7)
        p.drawLine(QPointF(x, 89), QPointF(x - 1, 95));
}

} // namespace

QImage LogoPainter::paint(LogoKind kind, int width, int height) {
    // Draw on transparency, then lay the drawing over the cream of the screens: the smoothed edges blend
    // into the colour the picture will be shown on, and whatever stays untouched becomes the key colour.
    QImage art(width, height, QImage::Format_ARGB32_Premultiplied);
    art.fill(Qt::transparent);
    {
        QPainter p(&art);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setRenderHint(QPainter::TextAntialiasing, true);
        const QSizeF size(width, height);
        switch (kind) {
        case LogoKind::Composition:
            paintComposition(p, size);
            break;
        case LogoKind::Cube:
            paintCube(p, size);
            break;
        case LogoKind::Maker:
            paintMaker(p, size);
            break;
        case LogoKind::Book:
            paintBook(p, size);
            break;
        case LogoKind::Monitor:
            paintMonitor(p, size);
            break;
        }
    }
    const QImage straight = art.convertToFormat(QImage::Format_ARGB32);
    QImage out(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(straight.constScanLine(y));
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int alpha = qAlpha(in[x]);
            if (alpha == 0) {
                line[x] = kKeyColour;
                continue;
            }
            const auto blend = [alpha](int over, int under) { return (over * alpha + under * (255 - alpha)) / 255; };
            QRgb colour = qRgb(blend(qRed(in[x]), kCream.red()), blend(qGreen(in[x]), kCream.green()),
                               blend(qBlue(in[x]), kCream.blue()));
            // The key colour is reserved for the background.
            if (colour == kKeyColour)
                colour = qRgb(254, 0, 254);
            line[x] = colour;
        }
    }
    // The bottom-left pixel names the transparent colour, so it must be background.
    out.setPixel(0, height - 1, kKeyColour);
    return out;
}
