// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QColor>
#include <QPolygon>
#include <QRect>

#include <vector>

// Writes a Windows metafile with an Aldus placeable header: the picture's bounding box in logical units and
// the number of those units per inch, then the standard metafile header and the drawing records. The picture
// is drawn in the logical coordinates of the bounding box (the window origin and extent), y growing down.
// Pens and brushes work like a painter's: setting one creates a new object, selects it and deletes the one it
// replaces, so the object table stays small; finish() deletes what is left and writes the end record.
class WmfWriter final {
public:
    WmfWriter(QRect bounds, int unitsPerInch);

    // A solid pen of the given width in logical units (0 is the thinnest line), or no outline at all.
    void setPen(const QColor& colour, int width = 0);
    void setNoPen();
    // A solid brush, or no filling at all.
    void setBrush(const QColor& colour);
    void setNoBrush();

    void polygon(const QPolygon& points);
    void polyline(const QPolygon& points);
    // A straight line as most programs write one: move to its start, draw to its end.
    void line(QPoint from, QPoint to);
    void ellipse(const QRect& box);
    void rectangle(const QRect& box);
    void roundRect(const QRect& box, int cornerWidth, int cornerHeight);

    // The whole file; the writer is finished afterwards.
    QByteArray finish();

private:
    enum class Slot { Pen, Brush };

    void record(quint16 function, const std::vector<qint16>& parameters);
    void replace(Slot slot, quint16 function, const std::vector<qint16>& parameters);
    int createObject();
    void deleteObject(int index);
    void boxRecord(quint16 function, const QRect& box, const std::vector<qint16>& leading = {});
    void points(quint16 function, const QPolygon& polygon);

    QRect m_bounds;
    int m_unitsPerInch;
    QByteArray m_records;
    quint32 m_largestRecord = 0;
    std::vector<bool> m_objects; // the object table: which indices hold an object
    int m_tableSize = 0;
    int m_selected[2] = {-1, -1};
    bool m_finished = false;
};
