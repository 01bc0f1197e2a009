// SPDX-License-Identifier: MIT
#include "FormPainter.h"

#include "FormFile.h"
#include "IdeParts.h"
#include "PictureMotifs.h"
#include "ResourcePictures.h"
#include "SampleCanvas.h"
#include "Sketch.h"

#include <QFontMetrics>
#include <QHash>
#include <QPolygon>
#include <QRegularExpression>
#include <QSet>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kIconSize = 28; // a non-visual component on the designer
constexpr int kCheckSize = 13;

// The classic Windows scheme for the system colours, by their index in the low byte.
const QColor kSystemColours[] = {{212, 208, 200}, {58, 110, 165},  {10, 36, 106},   {128, 128, 128}, {212, 208, 200},
                                 {255, 255, 255}, {0, 0, 0},       {0, 0, 0},       {0, 0, 0},       {255, 255, 255},
                                 {212, 208, 200}, {212, 208, 200}, {128, 128, 128}, {10, 36, 106},   {255, 255, 255},
                                 {212, 208, 200}, {128, 128, 128}, {128, 128, 128}, {0, 0, 0},       {212, 208, 200},
                                 {255, 255, 255}, {64, 64, 64},    {212, 208, 200}, {0, 0, 0},       {255, 255, 225},
                                 {181, 181, 181}, {0, 0, 128},     {166, 202, 240}, {192, 192, 192}, {49, 106, 197},
                                 {212, 208, 200}};

// The system colours by their index in the scheme, with the names the library gives them.
const char* const kSystemNames[] = {"clScrollBar",
                                    "clBackground",
                                    "clActiveCaption",
                                    "clInactiveCaption",
                                    "clMenu",
                                    "clWindow",
                                    "clWindowFrame",
                                    "clMenuText",
                                    "clWindowText",
                                    "clCaptionText",
                                    "clActiveBorder",
                                    "clInactiveBorder",
                                    "clAppWorkSpace",
                                    "clHighlight",
                                    "clHighlightText",
                                    "clBtnFace",
                                    "clBtnShadow",
                                    "clGrayText",
                                    "clBtnText",
                                    "clInactiveCaptionText",
                                    "clBtnHighlight",
                                    "cl3DDkShadow",
                                    "cl3DLight",
                                    "clInfoText",
                                    "clInfoBk",
                                    nullptr,
                                    "clHotLight",
                                    "clGradientActiveCaption",
                                    "clGradientInactiveCaption",
                                    "clMenuHighlight",
                                    "clMenuBar"};

const QHash<QString, QColor>& namedColours()
{
    static const QHash<QString, QColor> colours = {
        {"clblack", {0, 0, 0}},
        {"clmaroon", {128, 0, 0}},
        {"clgreen", {0, 128, 0}},
        {"clolive", {128, 128, 0}},
        {"clnavy", {0, 0, 128}},
        {"clpurple", {128, 0, 128}},
        {"clteal", {0, 128, 128}},
        {"clgray", {128, 128, 128}},
        {"clsilver", {192, 192, 192}},
        {"clred", {255, 0, 0}},
        {"cllime", {0, 255, 0}},
        {"clyellow", {255, 255, 0}},
        {"clblue", {0, 0, 255}},
        {"clfuchsia", {255, 0, 255}},
        {"claqua", {0, 255, 255}},
        {"clwhite", {255, 255, 255}},
        {"clltgray", {192, 192, 192}},
        {"cldkgray", {128, 128, 128}},
        {"clmoneygreen", {192, 220, 192}},
        {"clskyblue", {166, 202, 240}},
        {"clcream", {255, 251, 240}},
        {"clmedgray", {160, 160, 164}},
        {"clscrollbar", kSystemColours[0]},
        {"clbackground", kSystemColours[1]},
        {"clactivecaption", kSystemColours[2]},
        {"clinactivecaption", kSystemColours[3]},
        {"clmenu", kSystemColours[4]},
        {"clwindow", kSystemColours[5]},
        {"clwindowframe", kSystemColours[6]},
        {"clmenutext", kSystemColours[7]},
        {"clwindowtext", kSystemColours[8]},
        {"clcaptiontext", kSystemColours[9]},
        {"clactiveborder", kSystemColours[10]},
        {"clinactiveborder", kSystemColours[11]},
        {"clappworkspace", kSystemColours[12]},
        {"clhighlight", kSystemColours[13]},
        {"clhighlighttext", kSystemColours[14]},
        {"clbtnface", kSystemColours[15]},
        {"clbtnshadow", kSystemColours[16]},
        {"clgraytext", kSystemColours[17]},
        {"clbtntext", kSystemColours[18]},
        {"clinactivecaptiontext", kSystemColours[19]},
        {"clbtnhighlight", kSystemColours[20]},
        {"cl3ddkshadow", kSystemColours[21]},
        {"cl3dlight", kSystemColours[22]},
        {"clinfotext", kSystemColours[23]},
        {"clinfobk", kSystemColours[24]},
        {"clhotlight", kSystemColours[26]},
        {"clgradientactivecaption", kSystemColours[27]},
        {"clgradientinactivecaption", kSystemColours[28]},
        {"clmenuhighlight", kSystemColours[29]},
        {"clmenubar", kSystemColours[30]},
    };
    return colours;
}

// Default sizes of the components that a form file may leave without Width or Height.
QSize defaultSize(const QString& className)
{
    static const QHash<QString, QSize> sizes = {
        {"TButton", {75, 25}},
        {"TBitBtn", {75, 25}},
        {"TSpeedButton", {23, 22}},
        {"TEdit", {121, 21}},
        {"TMaskEdit", {121, 21}},
        {"TLabeledEdit", {121, 21}},
        {"TSpinEdit", {121, 22}},
        {"TMemo", {185, 89}},
        {"TRichEdit", {185, 89}},
        {"TListBox", {121, 97}},
        {"TCheckListBox", {121, 97}},
        {"TComboBox", {145, 21}},
        {"TColorBox", {145, 22}},
        {"TCheckBox", {97, 17}},
        {"TRadioButton", {113, 17}},
        {"TGroupBox", {185, 105}},
        {"TRadioGroup", {185, 105}},
        {"TPanel", {185, 41}},
        {"TImage", {105, 105}},
        {"TPaintBox", {105, 105}},
        {"TShape", {65, 65}},
        {"TBevel", {50, 50}},
        {"TScrollBar", {121, 17}},
        {"TTrackBar", {150, 45}},
        {"TProgressBar", {150, 16}},
        {"TUpDown", {16, 24}},
        {"TStringGrid", {320, 120}},
        {"TDrawGrid", {320, 120}},
        {"TStatusBar", {0, 19}},
        {"TToolBar", {0, 29}},
        {"TMediaPlayer", {253, 30}},
        {"TPageControl", {289, 193}},
        {"TTabControl", {289, 193}},
        {"TTreeView", {121, 97}},
        {"TListView", {250, 150}},
        {"THeaderControl", {0, 17}},
        {"TDateTimePicker", {186, 21}},
        {"TMonthCalendar", {191, 154}},
        {"TCalendar", {320, 120}},
        {"TStaticText", {60, 17}},
        {"TScrollBox", {185, 41}},
        {"TAnimate", {100, 80}},
        {"TLabel", {32, 13}},
        {"TToolButton", {23, 22}},
        // The file controls of the Win 3.1 page, the Samples page and a few more.
        {"TDirectoryListBox", {145, 97}},
        {"TFileListBox", {145, 97}},
        {"TDriveComboBox", {145, 19}},
        {"TFilterComboBox", {145, 21}},
        {"TGauge", {100, 100}},
        {"TCGauge", {100, 100}},
        {"TSpinButton", {20, 25}},
        {"TColorGrid", {100, 100}},
        {"TValueListEditor", {306, 300}},
        {"TDBGrid", {320, 120}},
        {"TCoolBar", {0, 29}},
        {"TControlBar", {100, 50}},
        {"TChart", {400, 250}},
    };
    return sizes.value(className, QSize(100, 50));
}

bool isKnownVisual(const QString& className)
{
    return defaultSize(className) != QSize(100, 50) || className == QLatin1String("TSplitter") ||
           className == QLatin1String("TTabSheet");
}

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

QString family(const QString& name)
{
    const QString lower = name.toLower();
    if (lower.contains(QLatin1String("courier")) || lower.contains(QLatin1String("mono")) ||
        lower.contains(QLatin1String("console")) || lower.contains(QLatin1String("fixedsys")))
        return QStringLiteral("Liberation Mono");
    if (lower.contains(QLatin1String("times")) || lower.contains(QLatin1String("serif")) ||
        lower.contains(QLatin1String("georgia")))
        return lower.contains(QLatin1String("sans")) ? QStringLiteral("Liberation Sans")
                                                     : QStringLiteral("Liberation Serif");
    return QStringLiteral("Liberation Sans");
}

struct Look {
    QFont font;
    QColor text;
    QColor back; // the parent's colour, which ParentColor controls take
};

struct Context {
    Sketch& sketch;
    const FormPainter::Options& options;
    const FormObject& form;
    int imageIndex = 0;
};

void paintChildren(Context& context, const FormObject& parent, const QRect& client, const Look& look);

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

QColor ownColour(const FormObject& o, const Look& look, const QColor& fallback)
{
    if (o.flag(QStringLiteral("ParentColor"), false))
        return look.back;
    return FormPainter::colour(o.value(QStringLiteral("Color")), fallback);
}

void dashedFrame(Sketch& sketch, const QRect& r)
{
    QPainter& p = sketch.painter();
    p.save();
    p.setPen(QPen(Qt::black, 1, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.restore();
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

void paintControl(Context& c, const FormObject& o, const QRect& r, const Look& parentLook)
{
    Look look = parentLook;
    look.font = FormPainter::font(o, parentLook.font, &look.text);
    const QString& type = o.className;
    const QString caption = FormPainter::shownCaption(o.value(QStringLiteral("Caption")));
    QPainter& p = c.sketch.painter();
    p.save();

    if (type == QLatin1String("TLabel")) {
        label(c, o, r, look);
    } else if (type == QLatin1String("TStaticText")) {
        if (o.value(QStringLiteral("BorderStyle")) == QLatin1String("sbsSunken"))
            c.sketch.sunken(r, ownColour(o, look, look.back));
        label(c, o, r.adjusted(2, 1, -2, -1), look);
    } else if (type == QLatin1String("TButton")) {
        button(c, o, r, look, caption, o.flag(QStringLiteral("Default"), false));
    } else if (type == QLatin1String("TBitBtn")) {
        bitBtn(c, o, r, look);
    } else if (type == QLatin1String("TSpeedButton")) {
        glyphButton(c, o, r, look, -1, QColor(), caption, o.flag(QStringLiteral("Down"), false));
    } else if (type == QLatin1String("TEdit") || type == QLatin1String("TMaskEdit") ||
               type == QLatin1String("TLabeledEdit")) {
        edit(c, o, r, look, o.value(QStringLiteral("Text")));
        if (type == QLatin1String("TLabeledEdit")) {
            const QFontMetrics metrics(look.font);
            c.sketch.text(QRect(r.left(), r.top() - metrics.height() - 3, r.width() * 2, metrics.height()),
                          FormPainter::shownCaption(o.value(QStringLiteral("EditLabel.Caption"), o.name)),
                          Qt::AlignLeft | Qt::AlignVCenter, look.font, look.text);
        }
    } else if (type == QLatin1String("TSpinEdit")) {
        edit(c, o, r.adjusted(0, 0, -16, 0), look, o.value(QStringLiteral("Value"), QStringLiteral("0")));
        upDown(c, QRect(r.right() - 15, r.top() + 1, 15, r.height() - 2), false);
    } else if (type == QLatin1String("TMemo") || type == QLatin1String("TRichEdit")) {
        memo(c, o, r, look, o.strings(QStringLiteral("Lines.Strings")));
    } else if (type == QLatin1String("TListBox") || type == QLatin1String("TCheckListBox")) {
        listBox(c, o, r, look, type == QLatin1String("TCheckListBox"));
    } else if (type == QLatin1String("TComboBox")) {
        QString text = o.value(QStringLiteral("Text"));
        const QStringList items = o.strings(QStringLiteral("Items.Strings"));
        const int index = o.number(QStringLiteral("ItemIndex"), -1);
        if (o.value(QStringLiteral("Style")) == QLatin1String("csDropDownList") || (text.isEmpty() && index >= 0))
            text = items.value(index);
        comboBox(c, o, r, look, text);
    } else if (type == QLatin1String("TColorBox")) {
        comboBox(c, o, r.adjusted(0, 0, 0, 0), look, QString());
        const QColor selected = FormPainter::colour(o.value(QStringLiteral("Selected")), Qt::black);
        c.sketch.fill(QRect(r.left() + 4, r.top() + 4, 14, r.height() - 8), selected);
        c.sketch.text(QRect(r.left() + 22, r.top(), r.width() - 22 - r.height(), r.height()),
                      o.value(QStringLiteral("Selected"), QStringLiteral("clBlack")), Qt::AlignLeft | Qt::AlignVCenter,
                      look.font, look.text);
    } else if (type == QLatin1String("TDateTimePicker")) {
        comboBox(c, o, r, look,
                 o.value(QStringLiteral("Kind")) == QLatin1String("dtkTime") ? QStringLiteral("12:00:00")
                                                                             : QStringLiteral("01.09.2004"));
    } else if (type == QLatin1String("TCheckBox")) {
        checkOrRadio(c, o, r, look, false);
    } else if (type == QLatin1String("TRadioButton")) {
        checkOrRadio(c, o, r, look, true);
    } else if (type == QLatin1String("TGroupBox")) {
        groupFrame(c, o, r, look);
        Look inner = look;
        inner.back = ownColour(o, look, look.back);
        paintChildren(c, o, r, inner);
    } else if (type == QLatin1String("TRadioGroup")) {
        radioGroup(c, o, r, look);
    } else if (type == QLatin1String("TPanel")) {
        panel(c, o, r, look);
        Look inner = look;
        inner.back = ownColour(o, look, Sketch::kFace);
        paintChildren(c, o, r, inner);
    } else if (type == QLatin1String("TScrollBox")) {
        c.sketch.sunken(r, ownColour(o, look, Sketch::kFace));
        paintChildren(c, o, r.adjusted(2, 2, -2, -2), look);
    } else if (type == QLatin1String("TImage")) {
        image(c, o, r);
    } else if (type == QLatin1String("TPaintBox")) {
        if (c.options.designTime)
            dashedFrame(c.sketch, r);
        else if (const SampleCanvas* drawn = drawing(c, o))
            p.drawImage(r.topLeft(), drawn->image());
    } else if (type == QLatin1String("TAnimate")) {
        // A video clip of the exercise's files plays in it while the program runs.
        if (c.options.designTime)
            dashedFrame(c.sketch, r);
        else if (c.options.resourceFiles.contains(QLatin1String("AVI"), Qt::CaseInsensitive))
            PictureMotifs::draw(p, r, PictureMotifs::Motif::Clip);
    } else if (type == QLatin1String("TShape")) {
        shape(c, o, r);
    } else if (type == QLatin1String("TBevel")) {
        bevelControl(c, o, r);
    } else if (type == QLatin1String("TScrollBar")) {
        const int minimum = o.number(QStringLiteral("Min"), 0);
        const int maximum = std::max(minimum + 1, o.number(QStringLiteral("Max"), 100));
        const int position = std::clamp(o.number(QStringLiteral("Position"), 0), minimum, maximum);
        c.sketch.scrollBar(r, o.value(QStringLiteral("Kind")) == QLatin1String("sbVertical"),
                           double(position - minimum) / (maximum - minimum));
    } else if (type == QLatin1String("TTrackBar")) {
        trackBar(c, o, r);
    } else if (type == QLatin1String("TProgressBar")) {
        progressBar(c, o, r);
    } else if (type == QLatin1String("TUpDown")) {
        upDown(c, r, o.value(QStringLiteral("Orientation")) == QLatin1String("udHorizontal"));
    } else if (type == QLatin1String("TStringGrid") || type == QLatin1String("TDrawGrid")) {
        grid(c, o, r, look);
        // The cells the program drew itself (OnDrawCell) lie over the ones the grid drew.
        if (const SampleCanvas* drawn = drawing(c, o)) {
            p.setClipRect(r.adjusted(2, 2, -2, -2), Qt::IntersectClip);
            p.drawImage(r.topLeft() + QPoint(2, 2), drawn->image());
        }
    } else if (type == QLatin1String("TStatusBar")) {
        QStringList parts;
        for (const QHash<QString, QString>& item : o.collections.value(QStringLiteral("Panels")))
            parts.append(item.value(QStringLiteral("Text")));
        if (parts.isEmpty())
            parts.append(o.value(QStringLiteral("SimpleText")));
        c.sketch.statusBar(r, parts);
    } else if (type == QLatin1String("TToolBar")) {
        toolBar(c, o, r, look);
    } else if (type == QLatin1String("TPageControl") || type == QLatin1String("TTabControl")) {
        QStringList tabs = o.strings(QStringLiteral("Tabs.Strings"));
        const FormObject* active = nullptr;
        int tabIndex = 0;
        const QString activeName = o.value(QStringLiteral("ActivePage"));
        for (const FormObject& child : o.children) {
            if (child.className != QLatin1String("TTabSheet"))
                continue;
            if (!active || child.name == activeName) {
                active = &child;
                tabIndex = static_cast<int>(tabs.size());
            }
            tabs.append(FormPainter::shownCaption(child.value(QStringLiteral("Caption"), child.name)));
        }
        const QRect page = c.sketch.tabs(r, tabs, tabIndex);
        if (active)
            paintChildren(c, *active, page, look);
    } else if (type == QLatin1String("TTreeView")) {
        c.sketch.sunken(r, ownColour(o, look, Qt::white));
    } else if (type == QLatin1String("TListView")) {
        c.sketch.sunken(r, ownColour(o, look, Qt::white));
        if (o.value(QStringLiteral("ViewStyle")) == QLatin1String("vsReport"))
            header(c, QRect(r.left() + 2, r.top() + 2, r.width() - 4, 18),
                   o.collections.value(QStringLiteral("Columns")), look);
    } else if (type == QLatin1String("THeaderControl")) {
        header(c, r, o.collections.value(QStringLiteral("Sections")), look);
    } else if (type == QLatin1String("TMediaPlayer")) {
        mediaPlayer(c, o, r);
    } else if (type == QLatin1String("TMonthCalendar") || type == QLatin1String("TCalendar")) {
        calendar(c, r, look, type == QLatin1String("TMonthCalendar"));
    } else if (type == QLatin1String("TDirectoryListBox") || type == QLatin1String("TFileListBox")) {
        // What the file controls show on the sample machine: the running program's folder when it chose one,
        // else the project's folder, the files that match the mask.
        FormObject shown = o;
        if (type == QLatin1String("TDirectoryListBox")) {
            shown.lists.insert(QStringLiteral("Items.Strings"),
                               QStringList{"c:\\", "  DELPHIFILES", "  Program Files", "  WINDOWS"});
        } else if (!o.lists.contains(QStringLiteral("Items.Strings"))) {
            const QRegularExpression mask(
                QRegularExpression::wildcardToRegularExpression(o.value(QStringLiteral("Mask"), QStringLiteral("*.*"))),
                QRegularExpression::CaseInsensitiveOption);
            QStringList files;
            for (const char* name : {"Project1.dpr", "Project1.exe", "Unit1.dfm", "Unit1.pas"})
                if (mask.match(QLatin1String(name)).hasMatch())
                    files.append(QLatin1String(name));
            shown.lists.insert(QStringLiteral("Items.Strings"), files);
        }
        if (shown.strings(QStringLiteral("Items.Strings")).isEmpty())
            shown.lists.insert(QStringLiteral("Items.Strings"), {QStringLiteral(" ")});
        listBox(c, shown, r, look, false);
    } else if (type == QLatin1String("TDriveComboBox") || type == QLatin1String("TFilterComboBox")) {
        comboBox(c, o, r, look,
                 type == QLatin1String("TDriveComboBox") ? QStringLiteral("c: []") : QStringLiteral("All files (*.*)"));
    } else if (type == QLatin1String("TGauge") || type == QLatin1String("TCGauge")) {
        c.sketch.sunken(r, Qt::white);
        const int percent = std::clamp(o.number(QStringLiteral("Progress"), 0), 0, 100);
        c.sketch.fill(QRect(r.left() + 2, r.top() + 2, (r.width() - 4) * percent / 100, r.height() - 4),
                      FormPainter::colour(o.value(QStringLiteral("ForeColor")), Qt::black));
        c.sketch.text(r, QStringLiteral("%1%").arg(percent), Qt::AlignCenter, look.font, QColor(128, 128, 128));
    } else if (type == QLatin1String("TSpinButton")) {
        upDown(c, r, false);
    } else if (type == QLatin1String("TColorGrid")) {
        const QColor cells[] = {Qt::black,
                                QColor(128, 0, 0),
                                QColor(0, 128, 0),
                                QColor(128, 128, 0),
                                QColor(0, 0, 128),
                                QColor(128, 0, 128),
                                QColor(0, 128, 128),
                                QColor(192, 192, 192),
                                QColor(128, 128, 128),
                                Qt::red,
                                Qt::green,
                                Qt::yellow,
                                Qt::blue,
                                Qt::magenta,
                                Qt::cyan,
                                Qt::white};
        for (int i = 0; i < 16; ++i)
            c.sketch.sunken(QRect(r.left() + (i % 4) * r.width() / 4, r.top() + (i / 4) * r.height() / 4, r.width() / 4,
                                  r.height() / 4),
                            cells[i]);
    } else if (type == QLatin1String("TValueListEditor") || type == QLatin1String("TDBGrid")) {
        grid(c, o, r, look);
    } else if (type == QLatin1String("TCoolBar") || type == QLatin1String("TControlBar")) {
        c.sketch.raised(r);
        paintChildren(c, o, r.adjusted(2, 2, -2, -2), look);
    } else if (type == QLatin1String("TChart")) {
        c.sketch.fill(r, Qt::white);
        const QRect axes = r.adjusted(30, 16, -12, -24);
        QPainter& chart = c.sketch.painter();
        chart.setPen(Qt::black);
        chart.drawLine(axes.bottomLeft(), axes.bottomRight());
        chart.drawLine(axes.bottomLeft(), axes.topLeft());
        const int heights[] = {40, 75, 55, 90, 65};
        for (int i = 0; i < 5; ++i) {
            const int w = axes.width() / 6;
            const int h = axes.height() * heights[i] / 100;
            c.sketch.fill(QRect(axes.left() + 8 + i * (w + 4), axes.bottom() - h, w, h), QColor(220, 40, 40));
        }
    } else if (type == QLatin1String("TSplitter") || type == QLatin1String("TTabSheet")) {
        // Nothing of their own to show.
    } else {
        // A component this painter does not know: a plain box with its name, as a placeholder.
        c.sketch.raised(r);
        c.sketch.text(r, o.name, Qt::AlignCenter, look.font, look.text);
        if (c.options.warnings)
            c.options.warnings->append(QStringLiteral("%1: component class %2 drawn as a plain box").arg(o.name, type));
    }
    p.restore();
}

bool isGraphic(const QString& className)
{
    static const QSet<QString> graphic = {"TLabel",    "TShape",       "TImage",   "TBevel",
                                          "TPaintBox", "TSpeedButton", "TSplitter"};
    return graphic.contains(className);
}

QString alignOf(const FormObject& o)
{
    if (o.has(QStringLiteral("Align")))
        return o.value(QStringLiteral("Align"));
    if (o.className == QLatin1String("TStatusBar"))
        return QStringLiteral("alBottom");
    if (o.className == QLatin1String("TToolBar") || o.className == QLatin1String("TCoolBar"))
        return QStringLiteral("alTop");
    return QStringLiteral("alNone");
}

void paintChildren(Context& c, const FormObject& parent, const QRect& client, const Look& look)
{
    // Aligned children take their strips first, in the order top, bottom, left, right, client.
    QHash<const FormObject*, QRect> places;
    QRect rest = client;
    for (const char* pass : {"alTop", "alBottom", "alLeft", "alRight", "alClient"}) {
        for (const FormObject& child : parent.children) {
            if (alignOf(child) != QLatin1String(pass))
                continue;
            const QSize fallback = defaultSize(child.className);
            const int width = child.number(QStringLiteral("Width"), fallback.width());
            const int height = child.number(QStringLiteral("Height"), fallback.height());
            QRect place = rest;
            if (qstrcmp(pass, "alTop") == 0) {
                place.setHeight(height);
                rest.setTop(rest.top() + height);
            } else if (qstrcmp(pass, "alBottom") == 0) {
                place.setTop(rest.bottom() - height + 1);
                rest.setBottom(rest.bottom() - height);
            } else if (qstrcmp(pass, "alLeft") == 0) {
                place.setWidth(width);
                rest.setLeft(rest.left() + width);
            } else if (qstrcmp(pass, "alRight") == 0) {
                place.setLeft(rest.right() - width + 1);
                rest.setRight(rest.right() - width);
            }
            places.insert(&child, place);
        }
    }

    // Controls without a window of their own are painted on their parent, under every windowed control;
    // the designer's icons of non-visual components lie on top of everything.
    QList<const FormObject*> order;
    for (const bool windowed : {false, true})
        for (const FormObject& child : parent.children)
            if (isGraphic(child.className) != windowed && !FormPainter::isNonVisual(child))
                order.append(&child);
    for (const FormObject& child : parent.children)
        if (FormPainter::isNonVisual(child))
            order.append(&child);

    QPainter& p = c.sketch.painter();
    p.save();
    p.setClipRect(client, Qt::IntersectClip);
    for (const FormObject* item : order) {
        const FormObject& child = *item;
        if (child.className == QLatin1String("TMenuItem") || child.className == QLatin1String("TToolButton") ||
            child.className == QLatin1String("TAction") || child.className.isEmpty())
            continue;
        if (FormPainter::isNonVisual(child)) {
            if (c.options.designTime)
                nonVisualIcon(c, child, client.topLeft());
            continue;
        }
        if (!c.options.designTime && !child.flag(QStringLiteral("Visible"), true))
            continue;
        QRect place = places.value(&child);
        if (!places.contains(&child)) {
            const QSize fallback = defaultSize(child.className);
            place = QRect(client.topLeft() +
                              QPoint(child.number(QStringLiteral("Left"), 0), child.number(QStringLiteral("Top"), 0)),
                          QSize(std::max(0, child.number(QStringLiteral("Width"), fallback.width())),
                                std::max(0, child.number(QStringLiteral("Height"), fallback.height()))));
        }
        if (place.width() <= 0 || place.height() <= 0 || !place.intersects(client))
            continue;
        paintControl(c, child, place, look);
    }
    p.restore();
}

} // namespace

QColor FormPainter::colour(const QString& value, const QColor& fallback)
{
    if (value.isEmpty())
        return fallback;
    const auto named = namedColours().constFind(value.toLower());
    if (named != namedColours().constEnd())
        return *named;
    bool ok = false;
    qint64 number = 0;
    if (value.startsWith(QLatin1Char('$')))
        number = value.mid(1).toLongLong(&ok, 16);
    else
        number = value.toLongLong(&ok, 10);
    if (!ok)
        return fallback;
    const quint32 bits = static_cast<quint32>(number);
    // System colours have the top byte set; their low byte indexes the scheme.
    if (bits & 0xFF000000u) {
        const quint32 index = bits & 0xFFu;
        return index < std::size(kSystemColours) ? kSystemColours[index] : fallback;
    }
    return QColor(int(bits & 0xFF), int((bits >> 8) & 0xFF), int((bits >> 16) & 0xFF));
}

std::optional<qint64> FormPainter::colourConstant(const QString& name)
{
    const QString lower = name.toLower();
    for (int i = 0; i < int(std::size(kSystemNames)); ++i)
        if (kSystemNames[i] && name.compare(QLatin1String(kSystemNames[i]), Qt::CaseInsensitive) == 0)
            return qint32(0x80000000u | quint32(i));
    if (lower == QLatin1String("clnone"))
        return 0x1FFFFFFF;
    if (lower == QLatin1String("cldefault"))
        return 0x20000000;
    const auto named = namedColours().constFind(lower);
    if (named == namedColours().constEnd())
        return std::nullopt;
    return named->red() | (named->green() << 8) | (qint64(named->blue()) << 16);
}

const QStringList& FormPainter::colourNames()
{
    // The library's order: the sixteen standard colours, four more, then the system colours by name.
    static const QStringList names = {"clBlack",
                                      "clMaroon",
                                      "clGreen",
                                      "clOlive",
                                      "clNavy",
                                      "clPurple",
                                      "clTeal",
                                      "clGray",
                                      "clSilver",
                                      "clRed",
                                      "clLime",
                                      "clYellow",
                                      "clBlue",
                                      "clFuchsia",
                                      "clAqua",
                                      "clWhite",
                                      "clMoneyGreen",
                                      "clSkyBlue",
                                      "clCream",
                                      "clMedGray",
                                      "clActiveBorder",
                                      "clActiveCaption",
                                      "clAppWorkSpace",
                                      "clBackground",
                                      "clBtnFace",
                                      "clBtnHighlight",
                                      "clBtnShadow",
                                      "clBtnText",
                                      "clCaptionText",
                                      "clDefault",
                                      "clGradientActiveCaption",
                                      "clGradientInactiveCaption",
                                      "clGrayText",
                                      "clHighlight",
                                      "clHighlightText",
                                      "clHotLight",
                                      "clInactiveBorder",
                                      "clInactiveCaption",
                                      "clInactiveCaptionText",
                                      "clInfoBk",
                                      "clInfoText",
                                      "clMenu",
                                      "clMenuBar",
                                      "clMenuHighlight",
                                      "clMenuText",
                                      "clNone",
                                      "clScrollBar",
                                      "cl3DDkShadow",
                                      "cl3DLight",
                                      "clWindow",
                                      "clWindowFrame",
                                      "clWindowText"};
    return names;
}

QImage FormPainter::listPicture(const QString& resourceFiles, int index)
{
    // The tool-bar pictures of the text editor, which its image list holds.
    if (resourceFiles.contains(QLatin1String("18 FILES BMP"), Qt::CaseInsensitive) && index >= 0 &&
        index < ResourcePictures::kButtonCount)
        return ResourcePictures::button(index + 1);
    return QImage();
}

QImage FormPainter::picture(const QString& hex, bool classNamed)
{
    if (hex.isEmpty())
        return QImage();
    QByteArray bytes = QByteArray::fromHex(hex.toLatin1());
    // Picture.Data begins with the name of the graphic's class as a short string ("\x07TBitmap").
    QByteArray className;
    if (classNamed) {
        const int length = bytes.isEmpty() ? 0 : static_cast<uchar>(bytes.at(0));
        className = bytes.mid(1, length);
        bytes = bytes.mid(1 + length);
    }
    // A bitmap's bytes follow their count.
    if (!classNamed || className == "TBitmap") {
        if (bytes.size() < 4)
            return QImage();
        const quint32 size = quint32(uchar(bytes[0])) | quint32(uchar(bytes[1])) << 8 | quint32(uchar(bytes[2])) << 16 |
                             quint32(uchar(bytes[3])) << 24;
        bytes = bytes.mid(4, size);
    }
    QImage image;
    image.loadFromData(bytes);
    return image;
}

QFont FormPainter::font(const FormObject& object, const QFont& inherited, QColor* colour)
{
    QFont result = inherited;
    const QString name = object.value(QStringLiteral("Font.Name"));
    if (!name.isEmpty())
        result.setFamily(family(name));
    if (object.has(QStringLiteral("Font.Height"))) {
        const int height = object.number(QStringLiteral("Font.Height"), -11);
        // A negative height is the character height in pixels; a positive one includes the leading.
        const int pixels = height < 0 ? -height : height * 4 / 5;
        result.setPixelSize(std::clamp(pixels, 4, 200));
    } else if (object.has(QStringLiteral("Font.Size"))) {
        result.setPixelSize(std::clamp(object.number(QStringLiteral("Font.Size"), 8) * 96 / 72, 4, 200));
    }
    if (object.lists.contains(QStringLiteral("Font.Style"))) {
        const QStringList style = object.strings(QStringLiteral("Font.Style"));
        result.setBold(style.contains(QLatin1String("fsBold")));
        result.setItalic(style.contains(QLatin1String("fsItalic")));
        result.setUnderline(style.contains(QLatin1String("fsUnderline")));
        result.setStrikeOut(style.contains(QLatin1String("fsStrikeOut")));
    }
    if (colour && object.has(QStringLiteral("Font.Color")))
        *colour = FormPainter::colour(object.value(QStringLiteral("Font.Color")), *colour);
    return result;
}

QString FormPainter::shownCaption(const QString& caption)
{
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&'))
                out.append(caption[++i]);
            continue;
        }
        out.append(caption[i]);
    }
    return out;
}

bool FormPainter::isNonVisual(const FormObject& object)
{
    if (isKnownVisual(object.className))
        return false;
    // Components that hold only data: their Width and Height, where they have them, are the sizes of what they
    // hold (the pictures of an image list), not a place on the form.
    static const QSet<QString> dataOnly{QStringLiteral("TImageList"),         QStringLiteral("TActionList"),
                                        QStringLiteral("TActionManager"),     QStringLiteral("TTimer"),
                                        QStringLiteral("TMainMenu"),          QStringLiteral("TPopupMenu"),
                                        QStringLiteral("TApplicationEvents"), QStringLiteral("TXPManifest")};
    if (dataOnly.contains(object.className) || object.className.endsWith(QLatin1String("Dialog")))
        return true;
    // Components without a window keep only their place on the designer.
    return !object.has(QStringLiteral("Width")) && !object.has(QStringLiteral("Height"));
}

QSize FormPainter::windowSize(const FormObject& form)
{
    const bool framed = form.value(QStringLiteral("BorderStyle")) != QLatin1String("bsNone");
    bool menu = false;
    for (const FormObject& child : form.children)
        menu = menu || child.className == QLatin1String("TMainMenu");
    const int width = form.has(QStringLiteral("Width"))
                          ? form.number(QStringLiteral("Width"), 435)
                          : form.number(QStringLiteral("ClientWidth"), 427) + (framed ? 8 : 0);
    const int height = form.has(QStringLiteral("Height"))
                           ? form.number(QStringLiteral("Height"), 300)
                           : form.number(QStringLiteral("ClientHeight"), 273) + (framed ? 26 : 0) + (menu ? 19 : 0);
    return QSize(std::clamp(width, 40, 4000), std::clamp(height, 30, 4000));
}

QRect FormPainter::paint(Sketch& sketch, const QRect& outer, const FormObject& form, const Options& options)
{
    // The designer gives a form without a border its title bar all the same, so that it can be moved.
    QString border = form.value(QStringLiteral("BorderStyle"), QStringLiteral("bsSizeable"));
    if (options.designTime && border == QLatin1String("bsNone"))
        border = QStringLiteral("bsSizeable");
    QRect client = outer;
    if (border != QLatin1String("bsNone"))
        client = sketch.window(outer, shownCaption(form.value(QStringLiteral("Caption"), form.name)), true,
                               border == QLatin1String("bsToolWindow") || border == QLatin1String("bsSizeToolWin"),
                               border == QLatin1String("bsDialog"));
    Look look;
    look.font = Sketch::uiFont(11);
    look.text = Qt::black;
    look.font = font(form, look.font, &look.text);
    look.back = colour(form.value(QStringLiteral("Color")), Sketch::kFace);

    // The main menu's bar belongs to the window, at design time as well.
    const QString menuName = form.value(QStringLiteral("Menu"));
    for (const FormObject& child : form.children) {
        if (child.className != QLatin1String("TMainMenu") || (!menuName.isEmpty() && child.name != menuName))
            continue;
        QStringList items;
        for (const FormObject& item : child.children)
            if (item.className == QLatin1String("TMenuItem"))
                items.append(shownCaption(item.value(QStringLiteral("Caption"), item.name)));
        client = sketch.menuBar(client, items);
        break;
    }
    sketch.fill(client, look.back);
    if (options.designTime)
        sketch.designGrid(client);
    // What the program drew on the form itself lies under its controls.
    if (options.canvases && options.canvases->contains(form.name))
        sketch.painter().drawImage(client.topLeft(), options.canvases->value(form.name).image());
    Context context{sketch, options, form};
    paintChildren(context, form, client, look);
    return client;
}

QImage FormPainter::render(const FormObject& form, const Options& options, QSize size)
{
    const QSize natural = windowSize(form);
    const qreal scale = std::min({1.0, qreal(size.width()) / natural.width(), qreal(size.height()) / natural.height()});
    if (scale < kCornerBelow) {
        // A picture far smaller than the window would make all of it unreadable: it shows the window's top left
        // corner, its title bar and first row of controls, at full size or as little smaller as that needs.
        QImage whole = Sketch::canvas(natural.width(), natural.height());
        QRect client;
        {
            Sketch sketch(whole);
            client = paint(sketch, whole.rect(), form, options);
        }
        const qreal corner = std::clamp(qreal(size.height()) / (client.top() + kFirstRow), kSmallestCorner, 1.0);
        if (corner < 1.0)
            whole = whole.scaled((QSizeF(natural) * corner).toSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QImage picture = Sketch::canvas(size.width(), size.height());
        QPainter(&picture).drawImage(0, 0, whole);
        return picture;
    }
    const QSize drawn(qCeil(size.width() / scale - 0.001), qCeil(size.height() / scale - 0.001));
    QImage image = Sketch::canvas(drawn.width(), drawn.height());
    {
        Sketch sketch(image);
        paint(sketch, image.rect(), form, options);
    }
    if (drawn != size)
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}
