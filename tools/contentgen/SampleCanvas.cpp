// SPDX-License-Identifier: MIT
#include "SampleCanvas.h"

#include "FormFile.h"
#include "FormPainter.h"
#include "Sketch.h"

#include <QFontMetrics>
#include <QPainter>
#include <QtMath>

#include <cmath>

namespace {

QSize bounded(QSize size)
{
    return QSize(std::clamp(size.width(), 0, SampleCanvas::kMaxSide),
                 std::clamp(size.height(), 0, SampleCanvas::kMaxSide));
}

// A painter on the surface with the tools' pen and brush, without smoothing, in the tools' pen mode.
class Painter final {
public:
    Painter(QImage& image, const SampleCanvas::Tools& tools, bool withPen = true, bool withBrush = true)
        : m_painter(&image)
    {
        m_painter.setRenderHint(QPainter::Antialiasing, false);
        if (!withPen || tools.penStyle == Qt::NoPen) {
            m_painter.setPen(Qt::NoPen);
        } else {
            QPen pen(tools.pen, std::max(1, tools.penWidth), tools.penStyle);
            // Thick lines end round, as Windows draws them.
            pen.setCapStyle(tools.penWidth > 1 ? Qt::RoundCap : Qt::FlatCap);
            pen.setJoinStyle(tools.penWidth > 1 ? Qt::RoundJoin : Qt::MiterJoin);
            m_painter.setPen(pen);
        }
        m_painter.setBrush(withBrush && !tools.clearBrush ? QBrush(tools.brush) : QBrush(Qt::NoBrush));
        if (tools.penMode == QLatin1String("pmNotXor"))
            m_painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
        else if (tools.penMode == QLatin1String("pmXor"))
            m_painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        else if (tools.penMode == QLatin1String("pmNot"))
            m_painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    }
    QPainter* operator->() { return &m_painter; }

private:
    QPainter m_painter;
};

// The box a shape is drawn in: GDI's (x1, y1, x2, y2) covers x1 .. x2 - 1, as QPainter's outline of a
// rectangle one pixel smaller does; the corners may come in any order.
QRect outline(const QRect& area)
{
    const QRect r = area.normalized();
    return QRect(r.left(), r.top(), std::max(0, r.width() - 1), std::max(0, r.height() - 1));
}

// The direction of a point seen from the centre, in degrees counter-clockwise from three o'clock.
double direction(const QPointF& centre, const QPoint& point)
{
    return qRadiansToDegrees(std::atan2(centre.y() - point.y(), point.x() - centre.x()));
}

} // namespace

SampleCanvas::SampleCanvas(QSize size, const QColor& fill) : m_image(bounded(size), QImage::Format_ARGB32_Premultiplied)
{
    m_image.fill(fill);
}

void SampleCanvas::resize(QSize size, const QColor& fill)
{
    QImage bigger(bounded(size), QImage::Format_ARGB32_Premultiplied);
    bigger.fill(fill);
    QPainter(&bigger).drawImage(0, 0, m_image);
    m_image = bigger;
}

SampleCanvas::Tools SampleCanvas::tools(const FormObject& owner)
{
    Tools tools;
    const auto value = [&](const char* name) { return owner.value(QLatin1String(name)); };
    tools.pen = FormPainter::colour(value("Canvas.Pen.Color"), Qt::black);
    tools.penWidth = std::clamp(owner.number(QStringLiteral("Canvas.Pen.Width"), 1), 1, 200);
    const QString penStyle = value("Canvas.Pen.Style");
    tools.penStyle = penStyle == QLatin1String("psClear")     ? Qt::NoPen
                     : penStyle == QLatin1String("psDash")    ? Qt::DashLine
                     : penStyle == QLatin1String("psDot")     ? Qt::DotLine
                     : penStyle == QLatin1String("psDashDot") ? Qt::DashDotLine
                                                              : Qt::SolidLine;
    tools.penMode = value("Canvas.Pen.Mode");
    tools.brush = FormPainter::colour(value("Canvas.Brush.Color"), Qt::white);
    tools.clearBrush = value("Canvas.Brush.Style") == QLatin1String("bsClear");
    // The canvas font starts as the owner's own font.
    QColor colour = Qt::black;
    const QFont base = FormPainter::font(owner, Sketch::uiFont(11), &colour);
    FormObject font;
    for (auto it = owner.values.constBegin(); it != owner.values.constEnd(); ++it)
        if (it.key().startsWith(QLatin1String("Canvas.Font.")))
            font.values.insert(it.key().mid(7), it.value());
    if (owner.lists.contains(QStringLiteral("Canvas.Font.Style")))
        font.lists.insert(QStringLiteral("Font.Style"), owner.strings(QStringLiteral("Canvas.Font.Style")));
    tools.font = FormPainter::font(font, base, &colour);
    tools.fontColour = colour;
    tools.angle = owner.value(QStringLiteral("Canvas.Font.Escapement")).toDouble() / 10.0;
    return tools;
}

void SampleCanvas::lineTo(const Tools& tools, QPoint to)
{
    // Windows leaves out the last point of a line, as a pixel-wide line with flat ends does.
    if (m_penPos != to) {
        Painter p(m_image, tools, true, false);
        p->drawLine(m_penPos, to);
    }
    m_penPos = to;
}

void SampleCanvas::fillRect(const Tools& tools, const QRect& area)
{
    if (tools.clearBrush)
        return;
    Painter p(m_image, tools, false, true);
    p->fillRect(area.normalized(), tools.brush);
}

void SampleCanvas::frameRect(const Tools& tools, const QRect& area)
{
    Tools frame = tools;
    frame.pen = tools.brush;
    frame.penWidth = 1;
    frame.penStyle = Qt::SolidLine;
    Painter p(m_image, frame, true, false);
    p->drawRect(outline(area));
}

void SampleCanvas::rectangle(const Tools& tools, const QRect& area)
{
    Painter p(m_image, tools);
    p->drawRect(outline(area));
}

void SampleCanvas::roundRect(const Tools& tools, const QRect& area, QSize corner)
{
    Painter p(m_image, tools);
    p->drawRoundedRect(outline(area), corner.width() / 2.0, corner.height() / 2.0);
}

void SampleCanvas::ellipse(const Tools& tools, const QRect& area)
{
    Painter p(m_image, tools);
    p->drawEllipse(outline(area));
}

void SampleCanvas::curve(const Tools& tools, Curve kind, const QRect& area, QPoint start, QPoint end)
{
    const QRect box = outline(area);
    const QPointF centre = QRectF(area.normalized()).center();
    const double from = direction(centre, start);
    double span = direction(centre, end) - from;
    while (span <= 0)
        span += 360;
    Painter p(m_image, tools, true, kind != Curve::Arc);
    const int a = qRound(from * 16);
    const int s = qRound(span * 16);
    if (kind == Curve::Arc)
        p->drawArc(box, a, s);
    else if (kind == Curve::Pie)
        p->drawPie(box, a, s);
    else
        p->drawChord(box, a, s);
}

void SampleCanvas::polygon(const Tools& tools, const QPolygon& points)
{
    Painter p(m_image, tools);
    p->drawPolygon(points);
}

void SampleCanvas::polyline(const Tools& tools, const QPolygon& points)
{
    Painter p(m_image, tools, true, false);
    p->drawPolyline(points);
    if (!points.isEmpty())
        m_penPos = points.last();
}

void SampleCanvas::textOut(const Tools& tools, QPoint at, const QString& text)
{
    const QFontMetrics metrics(tools.font);
    QPainter p(&m_image);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.translate(at);
    p.rotate(-tools.angle);
    if (!tools.clearBrush)
        p.fillRect(QRect(0, 0, metrics.horizontalAdvance(text), metrics.height()), tools.brush);
    p.setFont(tools.font);
    p.setPen(tools.fontColour);
    p.drawText(QPoint(0, metrics.ascent()), text);
    m_penPos = at + QPoint(metrics.horizontalAdvance(text), 0);
}

void SampleCanvas::setPixel(QPoint at, const QColor& colour)
{
    if (m_image.rect().contains(at))
        m_image.setPixelColor(at, colour);
}

QColor SampleCanvas::pixel(QPoint at) const
{
    return m_image.rect().contains(at) ? m_image.pixelColor(at) : QColor(Qt::white);
}

void SampleCanvas::draw(QPoint at, const QImage& picture, bool transparent)
{
    QPainter(&m_image).drawImage(at, transparent ? withoutBackground(picture) : picture);
}

QImage SampleCanvas::withoutBackground(const QImage& picture)
{
    if (picture.isNull())
        return picture;
    QImage masked = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = masked.pixel(0, masked.height() - 1);
    for (int y = 0; y < masked.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(masked.scanLine(y));
        for (int x = 0; x < masked.width(); ++x)
            if (line[x] == key)
                line[x] = 0;
    }
    return masked;
}

void SampleCanvas::stretchDraw(const QRect& area, const QImage& picture)
{
    QPainter p(&m_image);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.drawImage(area.normalized(), picture);
}

int SampleCanvas::textWidth(const Tools& tools, const QString& text)
{
    return QFontMetrics(tools.font).horizontalAdvance(text);
}

int SampleCanvas::textHeight(const Tools& tools, const QString&)
{
    return QFontMetrics(tools.font).height();
}
