// SPDX-License-Identifier: MIT
// The form painter's other controls: images with the picture the form file holds, the program drew or the
// exercise's files give, shapes and bevels, track, progress and up-down bars, grids with the cells the program
// wrote or drew, the media player's buttons, calendars, header sections and tool bars, and the designer's icons
// of non-visual components.
#include "FormPainterInternal.h"

#include "IdeParts.h"
#include "PictureMotifs.h"
#include "SampleCanvas.h"
#include "Sketch.h"

#include <QPolygon>

#include <algorithm>

namespace {

constexpr int kIconSize = 28; // a non-visual component on the designer

// The palette icon of a component class, as the designer shows non-visual components.
int iconOf(const QString& className)
{
    const QString name = className.mid(1);
    for (const QString& tab : IdeParts::paletteTabs())
        for (const IdeParts::Component& component : IdeParts::palettePage(tab))
            if (component.name == name)
                return component.icon;
    return 17;
}

void triangle(Sketch& sketch, const QPoint& c, bool down, const QColor& colour = Qt::black)
{
    QPainter& p = sketch.painter();
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    if (down)
        p.drawPolygon(QPolygon({c + QPoint(-3, -1), c + QPoint(3, -1), c + QPoint(0, 2)}));
    else
        p.drawPolygon(QPolygon({c + QPoint(-3, 2), c + QPoint(3, 2), c + QPoint(0, -1)}));
    p.restore();
}

} // namespace

namespace FormPainting {

void dashedFrame(Sketch& sketch, const QRect& r)
{
    QPainter& p = sketch.painter();
    p.save();
    p.setPen(QPen(Qt::black, 1, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.restore();
}

// What the running program drew on a control, if it drew on it.
const SampleCanvas* drawing(const Context& c, const FormObject& o)
{
    if (!c.options.canvases)
        return nullptr;
    const auto found = c.options.canvases->constFind(o.name);
    return found == c.options.canvases->constEnd() ? nullptr : &*found;
}

void image(Context& c, const FormObject& o, const QRect& r)
{
    if (const SampleCanvas* drawn = drawing(c, o)) {
        // The image's bitmap: stretched to the control, centred in it or in its corner, its background
        // colour left out when it is transparent.
        const QImage picture = o.flag(QStringLiteral("Transparent"), false)
                                   ? SampleCanvas::withoutBackground(drawn->image())
                                   : drawn->image();
        QPainter& p = c.sketch.painter();
        if (o.flag(QStringLiteral("Stretch"), false)) {
            p.drawImage(r, picture);
        } else {
            QRect area(r.topLeft(), picture.size());
            if (o.flag(QStringLiteral("Center"), false))
                area.moveCenter(r.center());
            p.save();
            p.setClipRect(r, Qt::IntersectClip);
            p.drawImage(area.topLeft(), picture);
            p.restore();
        }
        c.imageIndex++;
        return;
    }
    if (const QImage stored = FormPainter::picture(o.value(QStringLiteral("Picture.Data")), true); !stored.isNull()) {
        // The picture the form file holds, as the designer loaded it.
        const QImage shown =
            o.flag(QStringLiteral("Transparent"), false) ? SampleCanvas::withoutBackground(stored) : stored;
        QRect area(r.topLeft(), shown.size());
        if (o.flag(QStringLiteral("Stretch"), false))
            area = r;
        else if (o.flag(QStringLiteral("Center"), false))
            area.moveCenter(r.center());
        c.sketch.painter().save();
        c.sketch.painter().setClipRect(r, Qt::IntersectClip);
        c.sketch.painter().drawImage(area, shown);
        c.sketch.painter().restore();
        c.imageIndex++;
        return;
    }
    // The program loads or draws this image's picture itself: it is empty in the designer.
    const bool byProgram = c.options.loadedByProgram.contains(o.name, Qt::CaseInsensitive);
    const bool loaded = c.options.designTime ? c.options.picturesLoaded && !byProgram : c.options.picturesLoaded;
    const int index = c.imageIndex++;
    if (!loaded) {
        if (c.options.designTime)
            dashedFrame(c.sketch, r);
        return;
    }
    QRect area = r;
    if (!o.flag(QStringLiteral("Stretch"), false) && !o.flag(QStringLiteral("AutoSize"), false)) {
        // An unstretched picture keeps its own size: a square in the corner, or in the middle when centred.
        const int side = std::min({r.width(), r.height(), 120});
        area = QRect(r.topLeft(), QSize(side, side));
        if (o.flag(QStringLiteral("Center"), false))
            area.moveCenter(r.center());
    }
    // A metafile has no background of its own, and a transparent image shows the form around its picture.
    PictureMotifs::draw(c.sketch.painter(), area, PictureMotifs::choose(c.options.resourceFiles, index),
                        c.options.resourceFiles.contains(QLatin1String("WMF"), Qt::CaseInsensitive) ||
                            o.flag(QStringLiteral("Transparent"), false));
}

void shape(Context& c, const FormObject& o, const QRect& r)
{
    const QString kind = o.value(QStringLiteral("Shape"), QStringLiteral("stRectangle"));
    QRect area = r;
    if (kind == QLatin1String("stSquare") || kind == QLatin1String("stCircle") ||
        kind == QLatin1String("stRoundSquare")) {
        const int side = std::min(r.width(), r.height());
        area = QRect(0, 0, side, side);
        area.moveCenter(r.center());
    }
    const int penWidth = std::max(1, o.number(QStringLiteral("Pen.Width"), 1));
    QPainter& p = c.sketch.painter();
    p.save();
    if (o.value(QStringLiteral("Pen.Style")) == QLatin1String("psClear"))
        p.setPen(Qt::NoPen);
    else
        p.setPen(QPen(FormPainter::colour(o.value(QStringLiteral("Pen.Color")), Qt::black), penWidth));
    if (o.value(QStringLiteral("Brush.Style")) == QLatin1String("bsClear"))
        p.setBrush(Qt::NoBrush);
    else
        p.setBrush(FormPainter::colour(o.value(QStringLiteral("Brush.Color")), Qt::white));
    const QRect inner = area.adjusted(penWidth / 2, penWidth / 2, -(penWidth + 1) / 2, -(penWidth + 1) / 2);
    if (kind == QLatin1String("stEllipse") || kind == QLatin1String("stCircle"))
        p.drawEllipse(inner);
    else if (kind == QLatin1String("stRoundRect") || kind == QLatin1String("stRoundSquare"))
        p.drawRoundedRect(inner, std::min(inner.width(), inner.height()) / 4.0,
                          std::min(inner.width(), inner.height()) / 4.0);
    else
        p.drawRect(inner);
    p.restore();
}

void bevelControl(Context& c, const FormObject& o, const QRect& r)
{
    const QString kind = o.value(QStringLiteral("Shape"), QStringLiteral("bsBox"));
    const bool raised = o.value(QStringLiteral("Style")) == QLatin1String("bsRaised");
    if (kind == QLatin1String("bsFrame")) {
        c.sketch.frameLine(r);
    } else if (kind == QLatin1String("bsTopLine")) {
        c.sketch.frameLine(QRect(r.left(), r.top(), r.width(), 2));
    } else if (kind == QLatin1String("bsBottomLine")) {
        c.sketch.frameLine(QRect(r.left(), r.bottom() - 1, r.width(), 2));
    } else if (kind == QLatin1String("bsLeftLine")) {
        c.sketch.frameLine(QRect(r.left(), r.top(), 2, r.height()));
    } else if (kind == QLatin1String("bsRightLine")) {
        c.sketch.frameLine(QRect(r.right() - 1, r.top(), 2, r.height()));
    } else if (kind != QLatin1String("bsSpacer")) {
        c.sketch.bevel(r, raised);
    }
}

void trackBar(Context& c, const FormObject& o, const QRect& r)
{
    c.sketch.fill(r, FormPainter::colour(o.value(QStringLiteral("Color")), Sketch::kFace));
    const bool vertical = o.value(QStringLiteral("Orientation")) == QLatin1String("trVertical");
    const int minimum = o.number(QStringLiteral("Min"), 0);
    const int maximum = std::max(minimum + 1, o.number(QStringLiteral("Max"), 10));
    const int position = std::clamp(o.number(QStringLiteral("Position"), 0), minimum, maximum);
    const int frequency = std::max(1, o.number(QStringLiteral("Frequency"), 1));
    const int length = (vertical ? r.height() : r.width()) - 26;
    if (length < 4)
        return;
    const auto at = [&](int value) {
        return 13 + static_cast<int>(qint64(length) * (value - minimum) / (maximum - minimum));
    };
    QPainter& p = c.sketch.painter();
    p.setPen(Qt::black);
    // A tick every `frequency` steps, but never closer than three pixels.
    const int step = std::max(frequency, (maximum - minimum) * 3 / std::max(1, length) + 1);
    for (int value = minimum; value <= maximum; value += step) {
        const int d = at(value);
        if (vertical)
            p.drawLine(r.left() + 30, r.top() + d, r.left() + 33, r.top() + d);
        else
            p.drawLine(r.left() + d, r.top() + 30, r.left() + d, r.top() + 33);
    }
    const int thumbAt = at(position);
    if (vertical) {
        c.sketch.sunken(QRect(r.left() + 12, r.top() + 8, 4, r.height() - 16), Qt::white);
        c.sketch.raised(QRect(r.left() + 4, r.top() + thumbAt - 5, 21, 11));
    } else {
        c.sketch.sunken(QRect(r.left() + 8, r.top() + 12, r.width() - 16, 4), Qt::white);
        c.sketch.raised(QRect(r.left() + thumbAt - 5, r.top() + 4, 11, 21));
    }
}

void progressBar(Context& c, const FormObject& o, const QRect& r)
{
    c.sketch.sunken(r, Sketch::kFace);
    const int maximum = std::max(1, o.number(QStringLiteral("Max"), 100));
    const int position = std::clamp(o.number(QStringLiteral("Position"), 0), 0, maximum);
    const int filled = (r.width() - 4) * position / maximum;
    for (int x = 0; x + 2 < filled; x += 10)
        c.sketch.fill(QRect(r.left() + 2 + x, r.top() + 2, std::min(8, filled - x), r.height() - 4),
                      Sketch::kSelection);
}

void upDown(Context& c, const QRect& r, bool horizontal)
{
    const QRect first = horizontal ? QRect(r.left(), r.top(), r.width() / 2, r.height())
                                   : QRect(r.left(), r.top(), r.width(), r.height() / 2);
    const QRect second = horizontal ? QRect(first.right() + 1, r.top(), r.width() - first.width(), r.height())
                                    : QRect(r.left(), first.bottom() + 1, r.width(), r.height() - first.height());
    c.sketch.raised(first);
    c.sketch.raised(second);
    triangle(c.sketch, first.center(), false);
    triangle(c.sketch, second.center(), true);
}

void grid(Context& c, const FormObject& o, const QRect& r, const Look& look)
{
    c.sketch.sunken(r, Qt::white);
    const int columns = std::max(0, o.number(QStringLiteral("ColCount"), 5));
    const int rows = std::max(0, o.number(QStringLiteral("RowCount"), 5));
    const int fixedColumns = o.number(QStringLiteral("FixedCols"), 1);
    const int fixedRows = o.number(QStringLiteral("FixedRows"), 1);
    const int width = std::max(4, o.number(QStringLiteral("DefaultColWidth"), 64));
    const int height = std::max(4, o.number(QStringLiteral("DefaultRowHeight"), 24));
    QPainter& p = c.sketch.painter();
    p.save();
    p.setClipRect(r.adjusted(2, 2, -2, -2), Qt::IntersectClip);
    for (int row = 0; row < rows && r.top() + 2 + row * (height + 1) < r.bottom(); ++row) {
        for (int column = 0; column < columns && r.left() + 2 + column * (width + 1) < r.right(); ++column) {
            const QRect cell(r.left() + 2 + column * (width + 1), r.top() + 2 + row * (height + 1), width, height);
            if (row < fixedRows || column < fixedColumns) {
                c.sketch.raised(cell);
            } else {
                p.setPen(QColor(192, 192, 192));
                p.setBrush(Qt::NoBrush);
                p.drawRect(cell.adjusted(-1, -1, 0, 0));
            }
            // Cell texts that the running program wrote.
            const QString text = o.value(QStringLiteral("Cells[%1,%2]").arg(column).arg(row));
            if (!text.isEmpty())
                c.sketch.text(cell.adjusted(3, 0, -2, 0), text, Qt::AlignLeft | Qt::AlignVCenter, look.font, look.text);
        }
    }
    p.restore();
}

void mediaPlayer(Context& c, const FormObject& o, const QRect& r)
{
    // The buttons VisibleButtons leaves, in their order; all nine when the form file names none.
    static const QStringList names = {"btPlay", "btPause", "btStop",   "btNext", "btPrev",
                                      "btStep", "btBack",  "btRecord", "btEject"};
    QList<int> shown;
    const QStringList visible = o.strings(QStringLiteral("VisibleButtons"));
    for (int i = 0; i < int(names.size()); ++i)
        if (!o.lists.contains(QStringLiteral("VisibleButtons")) || visible.contains(names[i]))
            shown.append(i);
    if (shown.isEmpty())
        return;
    const int count = int(shown.size());
    const int width = r.width() / count;
    QPainter& p = c.sketch.painter();
    for (int k = 0; k < count; ++k) {
        const int i = shown[k];
        const QRect b(r.left() + k * width, r.top(), k == count - 1 ? r.width() - k * width : width, r.height());
        c.sketch.raised(b);
        const QPoint m = b.center();
        p.save();
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0));
        // Play, Pause, Stop, Next, Prev, Step, Back, Record, Eject.
        switch (i) {
        case 0:
            p.setBrush(QColor(0, 128, 0));
            p.drawPolygon(QPolygon({m + QPoint(-3, -5), m + QPoint(4, 0), m + QPoint(-3, 5)}));
            break;
        case 1:
            p.drawRect(QRect(m + QPoint(-4, -5), QSize(3, 10)));
            p.drawRect(QRect(m + QPoint(1, -5), QSize(3, 10)));
            break;
        case 2:
            p.drawRect(QRect(m + QPoint(-4, -4), QSize(9, 9)));
            break;
        case 3:
            p.drawPolygon(QPolygon({m + QPoint(-5, -5), m + QPoint(2, 0), m + QPoint(-5, 5)}));
            p.drawRect(QRect(m + QPoint(3, -5), QSize(2, 10)));
            break;
        case 4:
            p.drawRect(QRect(m + QPoint(-5, -5), QSize(2, 10)));
            p.drawPolygon(QPolygon({m + QPoint(5, -5), m + QPoint(-2, 0), m + QPoint(5, 5)}));
            break;
        case 5:
            p.drawPolygon(QPolygon({m + QPoint(-5, -4), m + QPoint(0, 0), m + QPoint(-5, 4)}));
            p.drawPolygon(QPolygon({m + QPoint(0, -4), m + QPoint(5, 0), m + QPoint(0, 4)}));
            break;
        case 6:
            p.drawPolygon(QPolygon({m + QPoint(5, -4), m + QPoint(0, 0), m + QPoint(5, 4)}));
            p.drawPolygon(QPolygon({m + QPoint(0, -4), m + QPoint(-5, 0), m + QPoint(0, 4)}));
            break;
        case 7:
            p.setBrush(QColor(200, 0, 0));
            p.drawEllipse(m, 4, 4);
            break;
        default:
            p.drawPolygon(QPolygon({m + QPoint(-5, 1), m + QPoint(0, -5), m + QPoint(5, 1)}));
            p.drawRect(QRect(m + QPoint(-5, 3), QSize(11, 2)));
            break;
        }
        p.restore();
    }
}

void calendar(Context& c, const QRect& r, const Look& look, bool month)
{
    c.sketch.sunken(r, Qt::white);
    QRect area = r.adjusted(2, 2, -2, -2);
    if (month) {
        const QRect title(area.left(), area.top(), area.width(), 20);
        c.sketch.fill(title, Sketch::kFace);
        c.sketch.text(title, QStringLiteral("Сентябрь 2004 г."), Qt::AlignCenter, Sketch::uiFont(11, true));
        area.setTop(title.bottom() + 2);
    }
    const QStringList days = {"Пн", "Вт", "Ср", "Чт", "Пт", "Сб", "Вс"};
    const int cellWidth = area.width() / 7;
    const int cellHeight = std::max(1, area.height() / 7);
    for (int i = 0; i < 7; ++i)
        c.sketch.text(QRect(area.left() + i * cellWidth, area.top(), cellWidth, cellHeight), days[i], Qt::AlignCenter,
                      look.font, i >= 5 ? QColor(200, 0, 0) : QColor(Qt::black));
    // September 2004 began on a Wednesday.
    for (int day = 1; day <= 30; ++day) {
        const int slot = day + 1;
        const QRect cell(area.left() + (slot % 7) * cellWidth, area.top() + (1 + slot / 7) * cellHeight, cellWidth,
                         cellHeight);
        if (day == 1)
            c.sketch.fill(cell, Sketch::kSelection);
        c.sketch.text(cell, QString::number(day), Qt::AlignCenter, look.font,
                      day == 1 ? QColor(Qt::white) : QColor(Qt::black));
    }
}

void header(Context& c, const QRect& r, const QList<QHash<QString, QString>>& sections, const Look& look)
{
    int x = r.left();
    for (const QHash<QString, QString>& section : sections) {
        const int width = section.value(QStringLiteral("Width"), QStringLiteral("50")).toInt();
        const QRect cell(x, r.top(), std::max(8, width), r.height());
        c.sketch.raised(cell);
        c.sketch.text(cell.adjusted(4, 0, -2, 0),
                      section.value(QStringLiteral("Caption"), section.value(QStringLiteral("Text"))),
                      Qt::AlignLeft | Qt::AlignVCenter, look.font, look.text);
        x += cell.width();
        if (x > r.right())
            break;
    }
    if (x < r.right())
        c.sketch.raised(QRect(x, r.top(), r.right() - x + 1, r.height()));
}

void toolBar(Context& c, const FormObject& o, const QRect& r, const Look& look)
{
    c.sketch.fill(r, ownColour(o, look, Sketch::kFace));
    c.sketch.frameLine(QRect(r.left() - 2, r.top(), r.width() + 4, r.height() + 2));
    const bool flat = o.flag(QStringLiteral("Flat"), false);
    const int width = o.number(QStringLiteral("ButtonWidth"), 23);
    const int height = o.number(QStringLiteral("ButtonHeight"), 22);
    int x = r.left() + 2;
    for (const FormObject& child : o.children) {
        if (child.className != QLatin1String("TToolButton")) {
            continue;
        }
        const int left = child.has(QStringLiteral("Left")) ? r.left() + child.number(QStringLiteral("Left"), 0) : x;
        if (child.value(QStringLiteral("Style")) == QLatin1String("tbsSeparator") ||
            child.value(QStringLiteral("Style")) == QLatin1String("tbsDivider")) {
            const int w = child.number(QStringLiteral("Width"), 8);
            c.sketch.frameLine(QRect(left + w / 2 - 1, r.top() + 3, 2, height - 2));
            x = left + w;
            continue;
        }
        const QRect b(left, r.top() + 2, width, height);
        if (!flat)
            c.sketch.raised(b);
        // A button of an action shows the action's picture.
        const FormObject* action =
            child.has(QStringLiteral("Action")) ? c.form.find(child.value(QStringLiteral("Action"))) : nullptr;
        const int index = (action ? action : &child)->number(QStringLiteral("ImageIndex"), 0);
        const QImage picture = FormPainter::listPicture(c.options.resourceFiles, index);
        if (picture.isNull())
            c.sketch.glyph(b.adjusted(3, 3, -4, -4), index);
        else
            c.sketch.painter().drawImage(QRect(b.center() - QPoint(7, 7), QSize(16, 16)),
                                         SampleCanvas::withoutBackground(picture));
        x = left + width;
    }
}

void nonVisualIcon(Context& c, const FormObject& o, const QPoint& origin)
{
    const QRect r(origin + QPoint(o.number(QStringLiteral("Left"), 8), o.number(QStringLiteral("Top"), 8)),
                  QSize(kIconSize, kIconSize));
    c.sketch.raised(r);
    c.sketch.componentIcon(r.adjusted(2, 2, -2, -2), iconOf(o.className));
}

} // namespace FormPainting
