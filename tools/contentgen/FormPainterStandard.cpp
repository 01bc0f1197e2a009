// SPDX-License-Identifier: MIT
// The form painter's standard controls, as Windows draws them: labels, buttons with and without glyphs, edits,
// memos, list and combo boxes, check boxes and radio buttons, group boxes, radio groups and panels, each in its
// own font and colours, grey and engraved when it is disabled.
#include "FormPainterInternal.h"

#include "SampleCanvas.h"
#include "Sketch.h"

#include <QFontMetrics>
#include <QPolygon>

#include <algorithm>

namespace {

constexpr int kCheckSize = 13;

bool enabled(const FormObject& o)
{
    return o.flag(QStringLiteral("Enabled"), true);
}

// Text in a control's font; a disabled control's text is engraved grey.
void drawText(Sketch& sketch, const QRect& area, const QString& text, int flags, const QFont& font,
              const QColor& colour, bool isEnabled = true)
{
    if (!isEnabled) {
        sketch.text(area.translated(1, 1), text, flags, font, Sketch::kLight);
        sketch.text(area, text, flags, font, Sketch::kShadow);
        return;
    }
    sketch.text(area, text, flags, font, colour);
}

} // namespace

namespace FormPainting {

QColor ownColour(const FormObject& o, const Look& look, const QColor& fallback)
{
    if (o.flag(QStringLiteral("ParentColor"), false))
        return look.back;
    return FormPainter::colour(o.value(QStringLiteral("Color")), fallback);
}

void label(Context& c, const FormObject& o, const QRect& r, const Look& look)
{
    const QString caption = FormPainter::shownCaption(o.value(QStringLiteral("Caption")));
    int flags = Qt::AlignTop;
    const QString alignment = o.value(QStringLiteral("Alignment"));
    const QString layout = o.value(QStringLiteral("Layout"));
    flags = (alignment == QLatin1String("taCenter")         ? Qt::AlignHCenter
             : alignment == QLatin1String("taRightJustify") ? Qt::AlignRight
                                                            : Qt::AlignLeft) |
            (layout == QLatin1String("tlCenter")   ? Qt::AlignVCenter
             : layout == QLatin1String("tlBottom") ? Qt::AlignBottom
                                                   : Qt::AlignTop);
    QRect area = r;
    if (o.flag(QStringLiteral("WordWrap"), false)) {
        flags |= Qt::TextWordWrap;
    } else if (o.flag(QStringLiteral("AutoSize"), true)) {
        // An auto-sized label is as wide as its text, whatever width the file gives.
        area.setWidth(std::max(r.width(), QFontMetrics(look.font).horizontalAdvance(caption) + 2));
        area.setHeight(std::max(r.height(), QFontMetrics(look.font).height()));
    }
    // A label is opaque unless told otherwise: it covers the designer's grid with its colour.
    if (!o.flag(QStringLiteral("Transparent"), false))
        c.sketch.fill(area, ownColour(o, look, look.back));
    drawText(c.sketch, area, caption, flags, look.font, look.text, enabled(o));
}

void button(Context& c, const FormObject& o, const QRect& r, const Look& look, const QString& caption, bool isDefault)
{
    QRect b = r;
    if (isDefault) {
        c.sketch.painter().setPen(Qt::black);
        c.sketch.painter().setBrush(Qt::NoBrush);
        c.sketch.painter().drawRect(r.adjusted(0, 0, -1, -1));
        b = r.adjusted(1, 1, -1, -1);
    }
    c.sketch.raised(b);
    drawText(c.sketch, b, caption, Qt::AlignCenter, look.font, look.text, enabled(o));
}

// A glyph button: BitBtn kinds have their own pictures; other glyphs come from the drawing set.
// A glyph button: a kind's own mark (glyphKind 100 and up with `mark`), a picture of the drawing set, the
// picture of the form file's Glyph.Data, or no glyph at all (glyphKind below 0).
void glyphButton(Context& c, const FormObject& o, const QRect& r, const Look& look, int glyphKind, const QColor& mark,
                 const QString& caption, bool down)
{
    if (down)
        c.sketch.sunken(r, QColor(234, 232, 228));
    else
        c.sketch.raised(r);
    const QImage picture = FormPainter::picture(o.value(QStringLiteral("Glyph.Data")), false);
    if (glyphKind < 0 && picture.isNull()) {
        drawText(c.sketch, r, caption, Qt::AlignCenter, look.font, look.text, enabled(o));
        return;
    }
    const QFontMetrics metrics(look.font);
    const int glyphSize = picture.isNull() ? std::min(16, r.height() - 6) : std::min(picture.height(), r.height() - 4);
    const int textWidth = caption.isEmpty() ? 0 : metrics.horizontalAdvance(caption) + 4;
    const int total = glyphSize + textWidth;
    const int x = r.left() + std::max(3, (r.width() - total) / 2);
    const QRect glyph(x, r.top() + (r.height() - glyphSize) / 2, glyphSize, glyphSize);
    if (!picture.isNull()) {
        // The bitmap's bottom-left colour is transparent on the button.
        c.sketch.painter().drawImage(glyph, SampleCanvas::withoutBackground(picture));
    } else if (mark.isValid()) {
        QPainter& p = c.sketch.painter();
        p.save();
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(mark, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        if (glyphKind == 100) { // a tick
            p.drawPolyline(
                QPolygon({glyph.topLeft() + QPoint(2, glyphSize / 2),
                          glyph.topLeft() + QPoint(glyphSize / 3, glyphSize - 3), glyph.topRight() + QPoint(-2, 3)}));
        } else if (glyphKind == 101) { // a cross
            p.drawLine(glyph.topLeft() + QPoint(3, 3), glyph.bottomRight() - QPoint(3, 3));
            p.drawLine(glyph.topRight() + QPoint(-3, 3), glyph.bottomLeft() + QPoint(3, -3));
        } else { // a door
            p.setPen(QPen(Qt::black, 1));
            p.setBrush(mark);
            p.drawRect(glyph.adjusted(3, 1, -4, -1));
            p.setBrush(Qt::yellow);
            p.drawEllipse(QPoint(glyph.right() - 7, glyph.center().y()), 1, 1);
        }
        p.restore();
    } else {
        c.sketch.glyph(glyph, glyphKind);
    }
    if (!caption.isEmpty())
        drawText(c.sketch, QRect(glyph.right() + 4, r.top(), textWidth, r.height()), caption,
                 Qt::AlignLeft | Qt::AlignVCenter, look.font, look.text, enabled(o));
}

void bitBtn(Context& c, const FormObject& o, const QRect& r, const Look& look)
{
    const QString kind = o.value(QStringLiteral("Kind"), QStringLiteral("bkCustom"));
    const struct {
        const char* kind;
        const char* caption;
        int glyph;
        QColor mark;
    } kinds[] = {{"bkOK", "OK", 100, QColor(0, 128, 0)},
                 {"bkYes", "&Yes", 100, QColor(0, 128, 0)},
                 {"bkCancel", "Cancel", 101, QColor(200, 0, 0)},
                 {"bkNo", "&No", 101, QColor(200, 0, 0)},
                 {"bkAbort", "Abort", 101, QColor(200, 0, 0)},
                 {"bkClose", "&Close", 102, QColor(0, 128, 128)},
                 {"bkHelp", "&Help", 13, QColor()},
                 {"bkRetry", "&Retry", 8, QColor()},
                 {"bkIgnore", "&Ignore", 5, QColor()},
                 {"bkAll", "&All", 100, QColor(0, 128, 0)}};
    int glyph = -1; // a custom button has only the glyph the form file gives it
    QColor mark;
    QString caption = o.value(QStringLiteral("Caption"));
    for (const auto& row : kinds) {
        if (kind == QLatin1String(row.kind)) {
            glyph = row.glyph;
            mark = row.mark;
            if (!o.has(QStringLiteral("Caption")))
                caption = QString::fromLatin1(row.caption);
        }
    }
    glyphButton(c, o, r, look, glyph, mark, FormPainter::shownCaption(caption), false);
}

void edit(Context& c, const FormObject& o, const QRect& r, const Look& look, const QString& text)
{
    const QColor back = ownColour(o, look, Qt::white);
    if (o.value(QStringLiteral("BorderStyle")) == QLatin1String("bsNone"))
        c.sketch.fill(r, back);
    else
        c.sketch.sunken(r, back);
    QString shown = text;
    const QString mask = o.value(QStringLiteral("PasswordChar"));
    if (!mask.isEmpty() && mask != QLatin1String("#0") && mask.at(0) != QChar(0))
        shown = QString(text.size(), mask.at(0));
    drawText(c.sketch, r.adjusted(4, 0, -2, 0), shown, Qt::AlignLeft | Qt::AlignVCenter, look.font, look.text,
             enabled(o));
}

void memo(Context& c, const FormObject& o, const QRect& r, const Look& look, const QStringList& lines)
{
    c.sketch.sunken(r, ownColour(o, look, Qt::white));
    const QString bars = o.value(QStringLiteral("ScrollBars"), QStringLiteral("ssNone"));
    const bool vertical = bars == QLatin1String("ssVertical") || bars == QLatin1String("ssBoth");
    const bool horizontal = bars == QLatin1String("ssHorizontal") || bars == QLatin1String("ssBoth");
    QRect text = r.adjusted(4, 3, -3, -2);
    if (vertical) {
        c.sketch.scrollBar(QRect(r.right() - 17, r.top() + 2, 16, r.height() - 4 - (horizontal ? 16 : 0)), true);
        text.setRight(r.right() - 19);
    }
    if (horizontal) {
        c.sketch.scrollBar(QRect(r.left() + 2, r.bottom() - 17, r.width() - 4 - (vertical ? 16 : 0), 16), false);
        text.setBottom(r.bottom() - 19);
    }
    const QString alignment = o.value(QStringLiteral("Alignment"));
    int flags = Qt::AlignTop | (alignment == QLatin1String("taCenter")         ? Qt::AlignHCenter
                                : alignment == QLatin1String("taRightJustify") ? Qt::AlignRight
                                                                               : Qt::AlignLeft);
    if (o.flag(QStringLiteral("WordWrap"), true) && !horizontal)
        flags |= Qt::TextWordWrap;
    c.sketch.painter().save();
    c.sketch.painter().setClipRect(text, Qt::IntersectClip);
    drawText(c.sketch, text, lines.join(QLatin1Char('\n')), flags, look.font, look.text, enabled(o));
    c.sketch.painter().restore();
}

void listBox(Context& c, const FormObject& o, const QRect& r, const Look& look, bool checks)
{
    c.sketch.sunken(r, ownColour(o, look, Qt::white));
    QStringList items = o.strings(QStringLiteral("Items.Strings"));
    // An empty list shows its name in the designer.
    if (items.isEmpty() && c.options.designTime)
        items = {o.name};
    const int rowHeight = std::max(o.number(QStringLiteral("ItemHeight"), 13), QFontMetrics(look.font).height());
    const int selected = o.number(QStringLiteral("ItemIndex"), -1);
    int y = r.top() + 2;
    c.sketch.painter().save();
    c.sketch.painter().setClipRect(r.adjusted(2, 2, -2, -2), Qt::IntersectClip);
    for (qsizetype i = 0; i < items.size() && y < r.bottom() - 2; ++i) {
        QRect row(r.left() + 2, y, r.width() - 4, rowHeight);
        const bool on = i == selected;
        if (checks) {
            c.sketch.sunken(QRect(row.left() + 2, row.top() + (rowHeight - kCheckSize) / 2, kCheckSize, kCheckSize));
            row.setLeft(row.left() + kCheckSize + 4);
        }
        if (on)
            c.sketch.fill(row, Sketch::kSelection);
        drawText(c.sketch, row.adjusted(2, 0, 0, 0), items[i], Qt::AlignLeft | Qt::AlignVCenter, look.font,
                 on ? QColor(Qt::white) : look.text, enabled(o));
        y += rowHeight;
    }
    c.sketch.painter().restore();
}

void comboBox(Context& c, const FormObject& o, const QRect& r, const Look& look, const QString& text)
{
    c.sketch.combo(r, QString());
    if (ownColour(o, look, Qt::white) != QColor(Qt::white))
        c.sketch.fill(r.adjusted(2, 2, -r.height(), -2), ownColour(o, look, Qt::white));
    drawText(c.sketch, r.adjusted(4, 0, -r.height(), 0), text, Qt::AlignLeft | Qt::AlignVCenter, look.font, look.text,
             enabled(o));
}

void checkOrRadio(Context& c, const FormObject& o, const QRect& r, const Look& look, bool radio)
{
    c.sketch.fill(r, ownColour(o, look, look.back));
    const bool checked =
        o.flag(QStringLiteral("Checked"), false) || o.value(QStringLiteral("State")) == QLatin1String("cbChecked");
    const QPoint box(r.left(), r.top() + (r.height() - kCheckSize) / 2);
    if (radio)
        c.sketch.radio(box, QString(), checked);
    else
        c.sketch.checkBox(box, QString(), checked);
    drawText(c.sketch, QRect(r.left() + kCheckSize + 4, r.top(), r.width() - kCheckSize - 4, r.height()),
             FormPainter::shownCaption(o.value(QStringLiteral("Caption"))), Qt::AlignLeft | Qt::AlignVCenter, look.font,
             look.text, enabled(o));
}

// The frame and title of a group box; returns nothing, children are placed from the box's corner.
void groupFrame(Context& c, const FormObject& o, const QRect& r, const Look& look)
{
    c.sketch.fill(r, ownColour(o, look, look.back));
    const QFontMetrics metrics(look.font);
    c.sketch.frameLine(r.adjusted(0, metrics.height() / 2, 0, 0));
    const QString caption = FormPainter::shownCaption(o.value(QStringLiteral("Caption")));
    if (caption.isEmpty())
        return;
    const QRect title(r.left() + 8, r.top(), metrics.horizontalAdvance(caption) + 4, metrics.height());
    c.sketch.fill(title, look.back);
    drawText(c.sketch, title, caption, Qt::AlignCenter, look.font, look.text, enabled(o));
}

void radioGroup(Context& c, const FormObject& o, const QRect& r, const Look& look)
{
    groupFrame(c, o, r, look);
    const QStringList items = o.strings(QStringLiteral("Items.Strings"));
    if (items.isEmpty())
        return;
    const int columns = std::max(1, o.number(QStringLiteral("Columns"), 1));
    const int rows = (static_cast<int>(items.size()) + columns - 1) / columns;
    const int top = r.top() + QFontMetrics(look.font).height();
    const int rowHeight = std::max(1, (r.bottom() - 4 - top) / rows);
    const int columnWidth = (r.width() - 16) / columns;
    const int selected = o.number(QStringLiteral("ItemIndex"), -1);
    for (int i = 0; i < items.size(); ++i) {
        const QRect cell(r.left() + 8 + (i / rows) * columnWidth, top + (i % rows) * rowHeight, columnWidth - 4,
                         rowHeight);
        c.sketch.radio(QPoint(cell.left(), cell.top() + (cell.height() - kCheckSize) / 2), QString(), i == selected);
        drawText(c.sketch, cell.adjusted(kCheckSize + 4, 0, 0, 0), FormPainter::shownCaption(items[i]),
                 Qt::AlignLeft | Qt::AlignVCenter, look.font, look.text, enabled(o));
    }
}

void panel(Context& c, const FormObject& o, const QRect& r, const Look& look)
{
    c.sketch.fill(r, ownColour(o, look, Sketch::kFace));
    QRect edge = r;
    const auto bevelEdge = [&](const QString& property, const QString& fallback) {
        const QString kind = o.value(property, fallback);
        if (kind == QLatin1String("bvNone") || kind == QLatin1String("bvSpace"))
            return;
        c.sketch.bevel(edge, kind != QLatin1String("bvLowered"));
        edge.adjust(1, 1, -1, -1);
    };
    if (o.value(QStringLiteral("BorderStyle")) == QLatin1String("bsSingle")) {
        c.sketch.painter().setPen(Qt::black);
        c.sketch.painter().setBrush(Qt::NoBrush);
        c.sketch.painter().drawRect(edge.adjusted(0, 0, -1, -1));
        edge.adjust(1, 1, -1, -1);
    }
    bevelEdge(QStringLiteral("BevelOuter"), QStringLiteral("bvRaised"));
    bevelEdge(QStringLiteral("BevelInner"), QStringLiteral("bvNone"));
    const QString alignment = o.value(QStringLiteral("Alignment"));
    const int flags = Qt::AlignVCenter | (alignment == QLatin1String("taLeftJustify")    ? Qt::AlignLeft
                                          : alignment == QLatin1String("taRightJustify") ? Qt::AlignRight
                                                                                         : Qt::AlignHCenter);
    drawText(c.sketch, edge.adjusted(2, 0, -2, 0), FormPainter::shownCaption(o.value(QStringLiteral("Caption"))), flags,
             look.font, look.text, enabled(o));
}

} // namespace FormPainting
