// SPDX-License-Identifier: MIT
// The form painter: the window of a form with its border, title and menu bar, the designer's grid, and its
// components placed by Left, Top, Width and Height or by Align, drawn in the order Windows paints them (controls
// without a window first, the designer's icons on top), each by its class; the window fitted to a picture of
// any size. The controls themselves are drawn in FormPainterStandard.cpp and FormPainterAdditional.cpp.
#include "FormPainter.h"

#include "FormFile.h"
#include "FormPainterInternal.h"
#include "PictureMotifs.h"
#include "SampleCanvas.h"
#include "Sketch.h"

#include <QFontMetrics>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QtMath>

#include <algorithm>

using namespace FormPainting;

namespace {

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

void paintChildren(Context& context, const FormObject& parent, const QRect& client, const Look& look);

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
