// SPDX-License-Identifier: MIT
#include "WmfWriter.h"

#include "LittleEndian.h"

#include "platform/Error.h"

#include <QtEndian>

#include <algorithm>

namespace {

constexpr quint32 kPlaceableKey = 0x9AC6CDD7;
constexpr int kRecordHeaderWords = 3; // size (two words) and function
constexpr int kHeaderWords = 9;

// Record functions; the low byte is the function number, the high byte the number of parameter words.
constexpr quint16 kEof = 0x0000;
constexpr quint16 kSetBkMode = 0x0102;
constexpr quint16 kSetMapMode = 0x0103;
constexpr quint16 kSetPolyFillMode = 0x0106;
constexpr quint16 kSetWindowOrg = 0x020B;
constexpr quint16 kSetWindowExt = 0x020C;
constexpr quint16 kLineTo = 0x0213;
constexpr quint16 kMoveTo = 0x0214;
constexpr quint16 kSelectObject = 0x012D;
constexpr quint16 kDeleteObject = 0x01F0;
constexpr quint16 kCreatePenIndirect = 0x02FA;
constexpr quint16 kCreateBrushIndirect = 0x02FC;
constexpr quint16 kPolygon = 0x0324;
constexpr quint16 kPolyline = 0x0325;
constexpr quint16 kEllipse = 0x0418;
constexpr quint16 kRectangle = 0x041B;
constexpr quint16 kRoundRect = 0x061C;

constexpr qint16 kMapAnisotropic = 8;
constexpr qint16 kTransparent = 1;
constexpr qint16 kWinding = 2;
constexpr qint16 kPenSolid = 0;
constexpr qint16 kPenNull = 5;
constexpr qint16 kBrushSolid = 0;
constexpr qint16 kBrushNull = 1;

qint16 coordinate(int value)
{
    if (value < -32768 || value > 32767)
        throw Error(QStringLiteral("Metafile coordinate %1 out of range").arg(value));
    return static_cast<qint16>(value);
}

// A COLORREF (0x00BBGGRR) as the two words of a record parameter.
std::vector<qint16> colourWords(const QColor& colour)
{
    const quint32 ref = quint32(colour.red()) | quint32(colour.green()) << 8 | quint32(colour.blue()) << 16;
    return {static_cast<qint16>(ref & 0xFFFF), static_cast<qint16>(ref >> 16)};
}

} // namespace

WmfWriter::WmfWriter(QRect bounds, int unitsPerInch) : m_bounds(bounds), m_unitsPerInch(unitsPerInch)
{
    if (bounds.isEmpty() || unitsPerInch <= 0)
        throw Error(QStringLiteral("A metafile needs a bounding box and a scale"));
    record(kSetMapMode, {kMapAnisotropic});
    // Window origin and extent: the parameters come in reverse order, y before x.
    record(kSetWindowOrg, {coordinate(bounds.top()), coordinate(bounds.left())});
    record(kSetWindowExt, {coordinate(bounds.height()), coordinate(bounds.width())});
    record(kSetBkMode, {kTransparent});
    record(kSetPolyFillMode, {kWinding});
}

void WmfWriter::record(quint16 function, const std::vector<qint16>& parameters)
{
    if (m_finished)
        throw Error(QStringLiteral("The metafile is already finished"));
    const auto words = static_cast<quint32>(kRecordHeaderWords + parameters.size());
    put32(m_records, words);
    put16(m_records, function);
    for (const qint16 parameter : parameters)
        put16(m_records, static_cast<quint16>(parameter));
    m_largestRecord = std::max(m_largestRecord, words);
}

int WmfWriter::createObject()
{
    // A new object takes the lowest free index of the table, as the player assigns them.
    const auto free = std::find(m_objects.begin(), m_objects.end(), false);
    const auto index = static_cast<int>(free - m_objects.begin());
    if (free == m_objects.end())
        m_objects.push_back(true);
    else
        *free = true;
    m_tableSize = std::max(m_tableSize, static_cast<int>(m_objects.size()));
    return index;
}

void WmfWriter::deleteObject(int index)
{
    record(kDeleteObject, {static_cast<qint16>(index)});
    m_objects[static_cast<std::size_t>(index)] = false;
}

void WmfWriter::replace(Slot slot, quint16 function, const std::vector<qint16>& parameters)
{
    record(function, parameters);
    const int index = createObject();
    record(kSelectObject, {static_cast<qint16>(index)});
    // The old object is no longer selected once the new one is, so it can go.
    int& selected = m_selected[static_cast<int>(slot)];
    if (selected >= 0)
        deleteObject(selected);
    selected = index;
}

void WmfWriter::setPen(const QColor& colour, int width)
{
    std::vector<qint16> parameters = {kPenSolid, coordinate(width), 0};
    const std::vector<qint16> ref = colourWords(colour);
    parameters.insert(parameters.end(), ref.begin(), ref.end());
    replace(Slot::Pen, kCreatePenIndirect, parameters);
}

void WmfWriter::setNoPen()
{
    replace(Slot::Pen, kCreatePenIndirect, {kPenNull, 0, 0, 0, 0});
}

void WmfWriter::setBrush(const QColor& colour)
{
    std::vector<qint16> parameters = {kBrushSolid};
    const std::vector<qint16> ref = colourWords(colour);
    parameters.insert(parameters.end(), ref.begin(), ref.end());
    parameters.push_back(0);
    replace(Slot::Brush, kCreateBrushIndirect, parameters);
}

void WmfWriter::setNoBrush()
{
    replace(Slot::Brush, kCreateBrushIndirect, {kBrushNull, 0, 0, 0});
}

void WmfWriter::points(quint16 function, const QPolygon& polygon)
{
    if (polygon.size() < 2)
        throw Error(QStringLiteral("A metafile polygon needs at least two points"));
    std::vector<qint16> parameters = {coordinate(static_cast<int>(polygon.size()))};
    for (const QPoint& point : polygon) {
        parameters.push_back(coordinate(point.x()));
        parameters.push_back(coordinate(point.y()));
    }
    record(function, parameters);
}

void WmfWriter::line(QPoint from, QPoint to)
{
    record(kMoveTo, {coordinate(from.y()), coordinate(from.x())});
    record(kLineTo, {coordinate(to.y()), coordinate(to.x())});
}

void WmfWriter::polygon(const QPolygon& polygon)
{
    points(kPolygon, polygon);
}

void WmfWriter::polyline(const QPolygon& polygon)
{
    points(kPolyline, polygon);
}

// Box records take the rectangle's edges in reverse order: bottom, right, top, left (right and bottom
// exclusive).
void WmfWriter::boxRecord(quint16 function, const QRect& box, const std::vector<qint16>& leading)
{
    std::vector<qint16> parameters = leading;
    parameters.push_back(coordinate(box.top() + box.height()));
    parameters.push_back(coordinate(box.left() + box.width()));
    parameters.push_back(coordinate(box.top()));
    parameters.push_back(coordinate(box.left()));
    record(function, parameters);
}

void WmfWriter::ellipse(const QRect& box)
{
    boxRecord(kEllipse, box);
}

void WmfWriter::rectangle(const QRect& box)
{
    boxRecord(kRectangle, box);
}

void WmfWriter::roundRect(const QRect& box, int cornerWidth, int cornerHeight)
{
    boxRecord(kRoundRect, box, {coordinate(cornerHeight), coordinate(cornerWidth)});
}

QByteArray WmfWriter::finish()
{
    for (int& selected : m_selected) {
        if (selected >= 0)
            deleteObject(selected);
        selected = -1;
    }
    record(kEof, {});
    m_finished = true;

    QByteArray out;
    // The placeable header: key, handle (always 0), bounding box, units per inch, reserved, and the XOR of
    // the ten words before the checksum.
    put32(out, kPlaceableKey);
    put16(out, 0);
    put16(out, static_cast<quint16>(coordinate(m_bounds.left())));
    put16(out, static_cast<quint16>(coordinate(m_bounds.top())));
    put16(out, static_cast<quint16>(coordinate(m_bounds.left() + m_bounds.width())));
    put16(out, static_cast<quint16>(coordinate(m_bounds.top() + m_bounds.height())));
    put16(out, static_cast<quint16>(m_unitsPerInch));
    put32(out, 0);
    quint16 checksum = 0;
    for (int i = 0; i < 10; ++i)
        checksum ^= qFromLittleEndian<quint16>(out.constData() + 2 * i);
    put16(out, checksum);

    // The standard header: a memory metafile, version 3.0, sizes in words.
    const auto totalWords = static_cast<quint32>(kHeaderWords + m_records.size() / 2);
    put16(out, 1);
    put16(out, kHeaderWords);
    put16(out, 0x0300);
    put32(out, totalWords);
    put16(out, static_cast<quint16>(m_tableSize));
    put32(out, m_largestRecord);
    put16(out, 0);
    out.append(m_records);
    return out;
}
