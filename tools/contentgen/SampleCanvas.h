// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QSize>
#include <QString>

struct FormObject;

// The drawing surface of one component in a sample session: the bitmap of an image, or what a paint box, a
// grid or the form itself shows of the program's drawing. The program's Canvas calls are carried out on it as
// Windows carries them out: without smoothing, a rectangle from (x1, y1) up to but not including (x2, y2), a
// line without its last point, text from its top left corner on the brush colour unless the brush is clear.
// Pens, brushes and fonts are the owner's "Canvas.Pen.Color", "Canvas.Brush.Style", "Canvas.Font.Size" ...
// properties, which the program sets like any other.
class SampleCanvas final {
public:
    SampleCanvas() = default;
    // A surface of the given size filled with `fill`; a transparent fill lets the control show through.
    SampleCanvas(QSize size, const QColor& fill);

    struct Tools {
        QColor pen = Qt::black;
        int penWidth = 1;
        Qt::PenStyle penStyle = Qt::SolidLine;
        QString penMode; // "pmCopy", "pmNotXor", "pmXor", "pmNot"
        QColor brush = Qt::white;
        bool clearBrush = false;
        QFont font;
        QColor fontColour = Qt::black;
        double angle = 0; // of the text, in degrees counter-clockwise
    };
    // The tools as the owner's Canvas properties set them.
    static Tools tools(const FormObject& owner);

    const QImage& image() const { return m_image; }
    QSize size() const { return m_image.size(); }
    // A new size keeps the drawing in the top left corner; new parts are filled with `fill`.
    void resize(QSize size, const QColor& fill);

    QPoint penPos() const { return m_penPos; }
    void moveTo(QPoint to) { m_penPos = to; }
    void lineTo(const Tools& tools, QPoint to);
    void fillRect(const Tools& tools, const QRect& area);
    void frameRect(const Tools& tools, const QRect& area);
    void rectangle(const Tools& tools, const QRect& area);
    void roundRect(const Tools& tools, const QRect& area, QSize corner);
    void ellipse(const Tools& tools, const QRect& area);
    // Arc, Pie and Chord: from the ray through `start` counter-clockwise to the ray through `end`.
    enum class Curve { Arc, Pie, Chord };
    void curve(const Tools& tools, Curve kind, const QRect& area, QPoint start, QPoint end);
    void polygon(const Tools& tools, const QPolygon& points);
    void polyline(const Tools& tools, const QPolygon& points);
    void textOut(const Tools& tools, QPoint at, const QString& text);
    void setPixel(QPoint at, const QColor& colour);
    QColor pixel(QPoint at) const;
    // Another surface drawn at `at` or stretched into `area`; a transparent picture leaves out the colour of
    // its bottom-left pixel.
    void draw(QPoint at, const QImage& picture, bool transparent);
    void stretchDraw(const QRect& area, const QImage& picture);
    // The picture with the colour of its bottom-left pixel made transparent.
    static QImage withoutBackground(const QImage& picture);

    static int textWidth(const Tools& tools, const QString& text);
    static int textHeight(const Tools& tools, const QString& text);

    // Drawings larger than this are refused: a program's sizes must not exhaust memory.
    static constexpr int kMaxSide = 4000;

private:
    QImage m_image;
    QPoint m_penPos;
};
