// SPDX-License-Identifier: MIT
// The sample runner's canvases: the drawing surfaces of images, bitmaps, paint boxes, grids and the form, the
// Canvas methods a program calls (MoveTo, LineTo, Rectangle, TextOut, Draw ...), the canvas properties it
// reads and sets (Pen, Brush, Font, Pixels, PenPos), and the rectangles and points of TRect and TPoint.
#include "SampleRunInternal.h"

#include "FormPainter.h"

namespace SampleRunInternal {

// The corners of a rectangle in any order, as GDI takes them.
QRect Interpreter::fromCorners(qint64 x1, qint64 y1, qint64 x2, qint64 y2)
{
    const auto c = [](qint64 v) { return static_cast<int>(std::clamp<qint64>(v, -100000, 100000)); };
    return QRect(c(std::min(x1, x2)), c(std::min(y1, y2)), c(std::llabs(x2 - x1)), c(std::llabs(y2 - y1)));
}

QRect Interpreter::rectOf(const QVariant& value)
{
    const QHash<QString, QVariant>& f = value.value<Record>().fields;
    return fromCorners(f.value(QStringLiteral("left")).toLongLong(), f.value(QStringLiteral("top")).toLongLong(),
                       f.value(QStringLiteral("right")).toLongLong(), f.value(QStringLiteral("bottom")).toLongLong());
}

QPoint Interpreter::pointOf(const QVariant& value)
{
    const QHash<QString, QVariant>& f = value.value<Record>().fields;
    return QPoint(static_cast<int>(std::clamp<qint64>(f.value(QStringLiteral("x")).toLongLong(), -100000, 100000)),
                  static_cast<int>(std::clamp<qint64>(f.value(QStringLiteral("y")).toLongLong(), -100000, 100000)));
}

const QSet<QString>& Interpreter::canvasMembers()
{
    static const QSet<QString> names = {"pen",       "brush",     "font",      "pixels",     "penpos",  "cliprect",
                                        "handle",    "moveto",    "lineto",    "rectangle",  "ellipse", "fillrect",
                                        "framerect", "roundrect", "arc",       "pie",        "chord",   "polygon",
                                        "polyline",  "textout",   "textwidth", "textheight", "draw",    "stretchdraw",
                                        "copyrect",  "floodfill", "lock",      "unlock"};
    return names;
}

bool Interpreter::isGrid(const FormObject& object)
{
    return object.className == QLatin1String("TStringGrid") || object.className == QLatin1String("TDrawGrid");
}

// The surface of an object, made when the program first draws on it: an image's bitmap of the control's
// size in white, a transparent layer over a paint box, a grid's cells or the form.
SampleCanvas& Interpreter::canvasOf(FormObject& owner)
{
    if (const auto it = m_canvases.find(owner.name); it != m_canvases.end())
        return *it;
    QSize size(owner.number(QStringLiteral("Width"), 0), owner.number(QStringLiteral("Height"), 0));
    QColor fill = Qt::transparent;
    if (&owner == &m_form)
        size = QSize(clientSize(owner, true), clientSize(owner, false));
    else if (isGrid(owner))
        size -= QSize(4, 4);
    if (owner.className == QLatin1String("TImage") || owner.className == QLatin1String("TBitmap"))
        fill = Qt::white;
    return *m_canvases.insert(owner.name, SampleCanvas(size, fill));
}

// The picture that a graphic stands for: the surface of the image or bitmap it names.
QImage Interpreter::pictureOf(const QVariant& graphic)
{
    if (!isReference(graphic))
        return QImage();
    const FormObject* owner = findObject(graphic.value<ObjectRef>().path);
    return owner && m_canvases.contains(owner->name) ? m_canvases.value(owner->name).image() : QImage();
}

// A colour as the program holds it: a number of the TColor kind.
QVariant Interpreter::colourValue(const QString& stored, qint64 fallback)
{
    if (stored.isEmpty())
        return integer(fallback);
    if (const std::optional<qint64> constant = FormPainter::colourConstant(stored))
        return integer(*constant);
    if (const std::optional<qint64> n = parseInt(stored))
        return integer(*n);
    return stored;
}

qint64 Interpreter::colourNumber(const QColor& colour)
{
    return colour.red() | (colour.green() << 8) | (qint64(colour.blue()) << 16);
}

// A Canvas method called as a statement: Rectangle(10, 10, 50, 40), TextOut(x, y, 'Привет').
void Interpreter::canvasCall(FormObject& owner, const Segment& call)
{
    const QList<QVariant>& a = call.arguments;
    for (const QVariant& argument : a)
        if (!argument.isValid())
            return fail();
    const auto n = [&](int i) { return std::clamp<qint64>(a.value(i).toLongLong(), -100000, 100000); };
    const auto numbers = [&](int count) {
        if (a.size() < count)
            return false;
        for (int i = 0; i < count; ++i)
            if (!isNumber(a[i]))
                return false;
        return true;
    };
    const auto area = [&]() -> std::optional<QRect> {
        if (!a.isEmpty() && isRecord(a[0]))
            return rectOf(a[0]);
        if (numbers(4))
            return fromCorners(n(0), n(1), n(2), n(3));
        return std::nullopt;
    };
    const auto points = [&]() {
        QPolygon polygon;
        for (const QVariant& item : a.value(0).toList())
            polygon << pointOf(item);
        return polygon;
    };
    SampleCanvas& canvas = canvasOf(owner);
    const SampleCanvas::Tools tools = SampleCanvas::tools(owner);
    const QString& f = call.lower;
    const QPoint at(static_cast<int>(n(0)), static_cast<int>(n(1)));
    if (f == QLatin1String("moveto") && numbers(2)) {
        canvas.moveTo(at);
    } else if (f == QLatin1String("lineto") && numbers(2)) {
        canvas.lineTo(tools, at);
    } else if (f == QLatin1String("textout") && numbers(2) && a.size() == 3) {
        canvas.textOut(tools, at, text(a[2]));
    } else if (f == QLatin1String("polygon") || f == QLatin1String("polyline")) {
        if (a.value(0).typeId() != QMetaType::QVariantList)
            return fail();
        if (f == QLatin1String("polygon"))
            canvas.polygon(tools, points());
        else
            canvas.polyline(tools, points());
    } else if ((f == QLatin1String("arc") || f == QLatin1String("pie") || f == QLatin1String("chord")) && numbers(8)) {
        canvas.curve(tools,
                     f == QLatin1String("arc")   ? SampleCanvas::Curve::Arc
                     : f == QLatin1String("pie") ? SampleCanvas::Curve::Pie
                                                 : SampleCanvas::Curve::Chord,
                     fromCorners(n(0), n(1), n(2), n(3)), QPoint(int(n(4)), int(n(5))), QPoint(int(n(6)), int(n(7))));
    } else if (f == QLatin1String("roundrect") && numbers(6)) {
        canvas.roundRect(tools, fromCorners(n(0), n(1), n(2), n(3)), QSize(int(n(4)), int(n(5))));
    } else if (f == QLatin1String("draw") && numbers(2) && a.size() == 3) {
        const FormObject* source = isReference(a[2]) ? findObject(a[2].value<ObjectRef>().path) : nullptr;
        canvas.draw(at, pictureOf(a[2]), source && source->flag(QStringLiteral("Transparent"), false));
    } else if (f == QLatin1String("stretchdraw") && a.size() == 2 && isRecord(a[0])) {
        canvas.stretchDraw(rectOf(a[0]), pictureOf(a[1]));
    } else if (f == QLatin1String("copyrect") && a.size() == 3 && isRecord(a[0]) && isRecord(a[2])) {
        canvas.stretchDraw(rectOf(a[0]), pictureOf(a[1]).copy(rectOf(a[2])));
    } else if (const std::optional<QRect> box = area();
               box && (f == QLatin1String("rectangle") || f == QLatin1String("ellipse") ||
                       f == QLatin1String("fillrect") || f == QLatin1String("framerect"))) {
        if (f == QLatin1String("rectangle"))
            canvas.rectangle(tools, *box);
        else if (f == QLatin1String("ellipse"))
            canvas.ellipse(tools, *box);
        else if (f == QLatin1String("fillrect"))
            canvas.fillRect(tools, *box);
        else
            canvas.frameRect(tools, *box);
    } else if (f != QLatin1String("floodfill") && f != QLatin1String("lock") && f != QLatin1String("unlock") &&
               f != QLatin1String("refresh")) {
        fail();
    }
}

// A copy of a picture becomes the owner's own: Image1.Picture.Assign(Bmp), Image3.Picture.Bitmap := Bmp.
void Interpreter::givePicture(FormObject& owner, const QVariant& graphic)
{
    const QImage picture = pictureOf(graphic);
    if (picture.isNull())
        return;
    SampleCanvas copy(picture.size(), Qt::white);
    copy.draw(QPoint(0, 0), picture, false);
    m_canvases.insert(owner.name, copy);
}

// A property or function of a canvas: TextWidth(S), Pixels[X, Y], PenPos, Brush.Color, Font.Handle.
QVariant Interpreter::canvasRead(FormObject& owner, const QList<Segment>& path, qsizetype at)
{
    const Segment& member = path[at];
    const QString name = propertyPath(path, at, path.size());
    if (member.lower == QLatin1String("textwidth") || member.lower == QLatin1String("textheight")) {
        const SampleCanvas::Tools tools = SampleCanvas::tools(owner);
        const QString s = text(member.arguments.value(0));
        return integer(member.lower == QLatin1String("textwidth") ? SampleCanvas::textWidth(tools, s)
                                                                  : SampleCanvas::textHeight(tools, s));
    }
    if (member.lower == QLatin1String("pixels") && member.column && member.index)
        return integer(colourNumber(
            canvasOf(owner).pixel(QPoint(int(member.column->toLongLong()), int(member.index->toLongLong())))));
    if (name == QLatin1String("penpos"))
        return pointRecord(canvasOf(owner).penPos());
    if (name == QLatin1String("penpos.x") || name == QLatin1String("penpos.y"))
        return integer(name.endsWith(QLatin1Char('x')) ? canvasOf(owner).penPos().x() : canvasOf(owner).penPos().y());
    if (name == QLatin1String("cliprect"))
        return rectRecord(QRect(QPoint(0, 0), canvasOf(owner).size()));
    if (name == QLatin1String("handle"))
        return reference(owner.name + QStringLiteral(".Canvas"));
    if (name == QLatin1String("font.handle")) {
        QVariant font = zeroOf(QStringLiteral("tlogfont"));
        Record record = font.value<Record>();
        record.fields.insert(QStringLiteral("lfescapement"),
                             integer(owner.number(QStringLiteral("Canvas.Font.Escapement"), 0)));
        return QVariant::fromValue(record);
    }
    for (qsizetype i = at; i < path.size(); ++i)
        if (path[i].called || path[i].index) {
            fail();
            return QVariant();
        }
    const QString stored = owner.value(fileName(owner, QStringLiteral("canvas.") + name));
    if (name.endsWith(QLatin1String("color")))
        return colourValue(stored, name == QLatin1String("brush.color") ? 0xFFFFFF : 0);
    if (name == QLatin1String("pen.width") || name == QLatin1String("font.size")) {
        const std::optional<qint64> n = parseInt(stored);
        return integer(n ? *n : name == QLatin1String("pen.width") ? 1 : 8);
    }
    return stored;
}

// A property of a canvas set: Pen.Color := clRed, Font.Style := [fsBold], Pixels[X, Y] := clBlack.
void Interpreter::canvasWrite(FormObject& owner, const QList<Segment>& path, qsizetype at, const QVariant& value)
{
    const Segment& member = path[at];
    if (member.lower == QLatin1String("pixels") && member.column && member.index) {
        canvasOf(owner).setPixel(QPoint(int(member.column->toLongLong()), int(member.index->toLongLong())),
                                 FormPainter::colour(text(value), Qt::black));
        return;
    }
    for (qsizetype i = at; i < path.size(); ++i)
        if (path[i].called || path[i].index)
            return fail();
    const QString name = propertyPath(path, at, path.size());
    if (name == QLatin1String("penpos") && isRecord(value))
        return canvasOf(owner).moveTo(pointOf(value));
    if (name == QLatin1String("font.handle")) {
        // A font made from a description (CreateFontIndirect): its angle is what the figures show of it.
        if (!isRecord(value))
            return fail();
        owner.values.insert(QStringLiteral("Canvas.Font.Escapement"),
                            text(value.value<Record>().fields.value(QStringLiteral("lfescapement"))));
        return;
    }
    if (name == QLatin1String("font.size"))
        owner.values.remove(QStringLiteral("Canvas.Font.Height"));
    if (name == QLatin1String("font.height"))
        owner.values.remove(QStringLiteral("Canvas.Font.Size"));
    const QString key = fileName(owner, QStringLiteral("canvas.") + name);
    if (value.typeId() == QMetaType::QStringList) {
        owner.lists.insert(key, value.toStringList());
        owner.values.insert(key, QLatin1Char('[') + value.toStringList().join(QStringLiteral(", ")) + QLatin1Char(']'));
        return;
    }
    if (!value.isValid() || isRecord(value) || isReference(value))
        return fail();
    owner.values.insert(key, text(value));
}

} // namespace SampleRunInternal
