// SPDX-License-Identifier: MIT
// The property editors of the form designer in the exercise figures: the String List Editor, the collection
// editor of a list view's columns, the Filter Editor, the menu designer with the Object Inspector of the chosen
// item, the Object TreeView, and the editors of an image list and an action list with the exercise's pictures.
#include "ExerciseFiguresInternal.h"

#include "FormPainter.h"
#include "IdeParts.h"
#include "SampleCanvas.h"
#include "Sketch.h"

#include "screens/ExerciseTables.h"

#include <QFontMetrics>
#include <QHash>
#include <QPolygon>
#include <QRegularExpression>

#include <algorithm>

namespace {

// The tool glyph of a standard action by its name.
int actionGlyph(const QString& name)
{
    const struct {
        const char* word;
        int glyph;
    } glyphs[] = {{"Cut", 11}, {"Copy", 12}, {"Paste", 0}, {"Open", 1}, {"Save", 2}, {"Exit", 10}, {"Undo", 8}};
    for (const auto& row : glyphs)
        if (name.contains(QLatin1String(row.word)))
            return row.glyph;
    return 7;
}

} // namespace

namespace ExerciseFigureParts {

void stringListEditor(Sketch& sketch, const QStringList& lines)
{
    const QRect area = IdeParts::dialog(sketch, sketch.bounds(), QStringLiteral("String List Editor"), {}, true);
    const QRect client = area.adjusted(-6, -6, 6, 44);
    // Code Editor... on the left of the bottom row, OK, Cancel and Help on the right.
    const int y = client.bottom() - 31;
    sketch.button(QRect(client.left() + 8, y, 90, 25), QStringLiteral("Code Editor..."));
    const QString buttons[] = {QStringLiteral("OK"), QStringLiteral("Cancel"), QStringLiteral("Help")};
    for (int i = 0; i < 3; ++i)
        sketch.button(QRect(client.right() - 3 * 81 + i * 81, y, 75, 25), buttons[i], i == 0);
    const QRect group(area.left(), area.top(), area.width(), y - area.top() - 10);
    sketch.frameLine(group);
    const int count = static_cast<int>(lines.size());
    sketch.label(group.topLeft() + QPoint(10, 8),
                 count == 1 ? QStringLiteral("1 line") : QStringLiteral("%1 lines").arg(count));
    const QRect memo = group.adjusted(10, 28, -10, -10);
    sketch.sunken(memo);
    sketch.text(memo.adjusted(4, 3, -4, -3), lines.join(QLatin1Char('\n')), Qt::AlignLeft | Qt::AlignTop,
                Sketch::uiFont(11));
}

// The editor of a collection property (a list view's Columns): a tool bar to add, delete and move items, and
// the items as "0 - №", by their captions.
void collectionEditor(Sketch& sketch, const QString& form, const QString& owner, const QString& property,
                      const QStringList& items)
{
    const QRect client =
        sketch.window(sketch.bounds(), QStringLiteral("Editing %1.%2.%3").arg(form, owner, property), true, true);
    // Add New, Delete Selected, then Move Up and Move Down after a gap.
    const QRect bar(client.left(), client.top(), client.width(), 28);
    sketch.fill(bar, Sketch::kFace);
    sketch.frameLine(QRect(bar.left() - 2, bar.bottom() - 1, bar.width() + 4, 2));
    QPainter& p = sketch.painter();
    for (int i = 0; i < 4; ++i) {
        const QRect b(bar.left() + 3 + i * 24 + (i >= 2 ? 8 : 0), bar.top() + 3, 23, 22);
        sketch.raised(b);
        if (i < 2) {
            sketch.glyph(b.adjusted(3, 3, -4, -4), i == 0 ? 0 : 10);
            continue;
        }
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 128));
        const QPoint c = b.center();
        p.drawPolygon(i == 2 ? QPolygon({c + QPoint(-5, 3), c + QPoint(5, 3), c + QPoint(0, -3)})
                             : QPolygon({c + QPoint(-5, -3), c + QPoint(5, -3), c + QPoint(0, 3)}));
        p.restore();
    }
    const QRect list(client.left(), bar.bottom() + 1, client.width(), client.bottom() - bar.bottom());
    QStringList rows;
    for (qsizetype i = 0; i < items.size(); ++i)
        rows.append(QStringLiteral("%1 - %2").arg(i).arg(items[i]));
    sketch.listBox(list, rows, 0);
}

void filterEditor(Sketch& sketch, const QList<QPair<QString, QString>>& rows)
{
    const QRect area = IdeParts::dialog(sketch, sketch.bounds(), QStringLiteral("Filter Editor"),
                                        {QStringLiteral("OK"), QStringLiteral("Cancel"), QStringLiteral("Help")}, true);
    sketch.sunken(area, Qt::white);
    const QRect grid = area.adjusted(2, 2, -2, -2);
    const int split = grid.left() + grid.width() * 45 / 100;
    constexpr int kRow = 18;
    const QFont font = Sketch::uiFont(11);
    sketch.raised(QRect(grid.left(), grid.top(), split - grid.left(), kRow));
    sketch.raised(QRect(split, grid.top(), grid.right() - split + 1, kRow));
    sketch.text(QRect(grid.left() + 4, grid.top(), split - grid.left() - 4, kRow), QStringLiteral("Filter Name"),
                Qt::AlignLeft | Qt::AlignVCenter, font);
    sketch.text(QRect(split + 4, grid.top(), grid.right() - split - 4, kRow), QStringLiteral("Filter"),
                Qt::AlignLeft | Qt::AlignVCenter, font);
    QPainter& p = sketch.painter();
    int y = grid.top() + kRow;
    for (int i = 0; y + kRow <= grid.bottom(); ++i, y += kRow) {
        p.setPen(QColor(192, 192, 192));
        p.drawLine(grid.left(), y + kRow - 1, grid.right(), y + kRow - 1);
        p.drawLine(split, y, split, y + kRow - 1);
        if (i < rows.size()) {
            sketch.text(QRect(grid.left() + 4, y, split - grid.left() - 6, kRow), rows[i].first,
                        Qt::AlignLeft | Qt::AlignVCenter, font);
            sketch.text(QRect(split + 4, y, grid.right() - split - 6, kRow), rows[i].second,
                        Qt::AlignLeft | Qt::AlignVCenter, font);
        }
    }
}

const FormObject* mainMenu(const FormObject& form)
{
    for (const FormObject* o : form.all())
        if (o->className == QLatin1String("TMainMenu"))
            return o;
    return nullptr;
}

FormObject standInMenu()
{
    FormObject menu = object(QStringLiteral("MainMenu1"), QStringLiteral("TMainMenu"), {});
    FormObject file = object(QStringLiteral("N1"), QStringLiteral("TMenuItem"), {{"Caption", "&Файл"}});
    file.children = {object("N2", "TMenuItem", {{"Caption", "&Открыть..."}}),
                     object("N3", "TMenuItem", {{"Caption", "&Сохранить"}}),
                     object("N4", "TMenuItem", {{"Caption", "-"}}), object("N5", "TMenuItem", {{"Caption", "В&ыход"}})};
    menu.children = {file, object("N6", "TMenuItem", {{"Caption", "&Правка"}}),
                     object("N7", "TMenuItem", {{"Caption", "&Справка"}})};
    return menu;
}

void menuDesigner(Sketch& sketch, const FormObject& form, const FormObject& menu)
{
    const QRect all = sketch.bounds();
    const bool tall = all.height() > all.width() * 3 / 2;
    const QRect designer = tall ? QRect(all.left(), all.top(), all.width(), all.height() * 45 / 100) : all;
    const QRect client = sketch.window(designer, QStringLiteral("%1.%2").arg(form.name, menu.name));
    sketch.fill(client, Qt::white);
    const QFont font = Sketch::uiFont(11);
    const QFontMetrics metrics(font);
    QList<const FormObject*> items;
    for (const FormObject& child : menu.children)
        if (child.className == QLatin1String("TMenuItem"))
            items.append(&child);
    const QRect bar(client.left(), client.top(), client.width(), 20);
    sketch.fill(bar, Sketch::kFace);
    QPainter& p = sketch.painter();
    int x = bar.left() + 2;
    const FormObject* open = items.isEmpty() ? nullptr : items.first();
    QRect openRect;
    for (const FormObject* item : items) {
        const QString text = FormPainter::shownCaption(item->value(QStringLiteral("Caption"), item->name));
        const QRect cell(x, bar.top() + 1, metrics.horizontalAdvance(text) + 16, bar.height() - 2);
        if (item == open) {
            sketch.fill(cell, Sketch::kSelection);
            openRect = cell;
        }
        sketch.text(cell, text, Qt::AlignCenter, font, item == open ? Qt::white : Qt::black);
        x = cell.right() + 1;
    }
    // The designer's empty slot for the next item, a dashed frame.
    const auto slot = [&](const QRect& r) {
        p.save();
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.restore();
    };
    slot(QRect(x + 2, bar.top() + 2, 40, bar.height() - 4));
    const FormObject* selected = open;
    if (open) {
        QStringList rows;
        for (const FormObject& child : open->children)
            if (child.className == QLatin1String("TMenuItem"))
                rows.append(FormPainter::shownCaption(child.value(QStringLiteral("Caption"), child.name)));
        int width = 110;
        for (const QString& text : rows)
            width = std::max(width, metrics.horizontalAdvance(text) + 40);
        const QRect drop(openRect.left(), bar.bottom() + 1, width, static_cast<int>(rows.size()) * 18 + 24);
        sketch.raised(drop);
        int y = drop.top() + 3;
        for (const QString& text : rows) {
            if (text == QLatin1String("-")) {
                sketch.frameLine(QRect(drop.left() + 3, y + 4, drop.width() - 6, 2));
            } else {
                sketch.text(QRect(drop.left() + 20, y, drop.width() - 24, 18), text, Qt::AlignLeft | Qt::AlignVCenter,
                            font);
            }
            y += 18;
        }
        slot(QRect(drop.left() + 4, y + 1, drop.width() - 8, 16));
    }
    if (!tall)
        return;
    const QString caption = selected ? selected->value(QStringLiteral("Caption"), selected->name) : QString();
    const QString name = selected ? selected->name : QStringLiteral("N1");
    const QList<QPair<QString, QString>> properties = {
        {"Action", ""},
        {"AutoCheck", "False"},
        {"AutoHotkeys", "maParent"},
        {"AutoLineReduction", "maParent"},
        {"Bitmap", "(None)"},
        {"Break", "mbNone"},
        {"Caption", caption},
        {"Checked", "False"},
        {"Default", "False"},
        {"Enabled", "True"},
        {"GroupIndex", "0"},
        {"HelpContext", "0"},
        {"Hint", ""},
        {"ImageIndex", "-1"},
        {"Name", name},
        {"RadioItem", "False"},
        {"ShortCut", selected ? selected->value(QStringLiteral("ShortCut"), QStringLiteral("(None)")) : "(None)"},
        {"SubMenuImages", ""},
        {"Tag", "0"},
        {"Visible", "True"}};
    IdeParts::inspector(sketch,
                        QRect(all.left(), designer.bottom() + 2, all.width(), all.bottom() - designer.bottom() - 1),
                        QStringLiteral("%1: TMenuItem").arg(name), properties, 6);
}

void objectTreeView(Sketch& sketch, const FormObject& form)
{
    const QRect client = sketch.window(sketch.bounds(), QStringLiteral("Object TreeView"), true, true);
    sketch.toolButtons(QPoint(client.left() + 2, client.top() + 2), 3, 9, 20);
    const QRect tree(client.left(), client.top() + 25, client.width(), client.height() - 25);
    sketch.sunken(tree);
    QPainter& p = sketch.painter();
    int y = tree.top() + 4;
    constexpr int kRow = 18;
    const auto walk = [&](const auto& self, const FormObject& o, int depth) -> void {
        if (y + kRow > tree.bottom())
            return;
        const int x = tree.left() + 6 + depth * 16;
        if (!o.children.isEmpty()) {
            const QRect box(x, y + 4, 9, 9);
            p.setPen(Sketch::kShadow);
            p.setBrush(Qt::white);
            p.drawRect(box.adjusted(0, 0, -1, -1));
            p.setPen(Qt::black);
            p.drawLine(box.left() + 2, box.center().y(), box.right() - 2, box.center().y());
        } else if (depth > 0) {
            p.setPen(QPen(Sketch::kShadow, 1, Qt::DotLine));
            p.drawLine(x - 8, y + kRow / 2, x + 6, y + kRow / 2);
        }
        const int icon = o.className.startsWith(QLatin1String("TForm")) ? 17
                         : o.className == QLatin1String("TMenuItem")    ? 1
                                                                        : -1;
        const QString text =
            o.className == QLatin1String("TMenuItem")
                ? QStringLiteral("%1: %2").arg(o.name, FormPainter::shownCaption(o.value(QStringLiteral("Caption"))))
                : o.name;
        int kind = icon;
        if (kind < 0) {
            kind = 17;
            for (const QString& tab : IdeParts::paletteTabs())
                for (const IdeParts::Component& component : IdeParts::palettePage(tab))
                    if (component.name == o.className.mid(1))
                        kind = component.icon;
        }
        row(sketch, QRect(x + 12, y, tree.right() - x - 14, kRow), text, kind, depth == 0);
        y += kRow;
        for (const FormObject& child : o.children)
            self(self, child, depth + 1);
    };
    walk(walk, form, 0);
}

int imageCount(const ExerciseTables::Exercise& exercise)
{
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("^(\\d+)\\s+FILES"))
                                              .match(QString::fromUtf8(exercise.fileLabel ? exercise.fileLabel : ""));
    return match.hasMatch() ? std::clamp(match.captured(1).toInt(), 1, 40) : 8;
}

void imageListEditor(Sketch& sketch, const FormObject& form, const QString& resourceFiles, int count)
{
    // The exercise's own pictures when it has them, else pictures of the drawing set.
    const auto image = [&](const QRect& area, int index) {
        const QImage picture = FormPainter::listPicture(resourceFiles, index);
        if (picture.isNull())
            sketch.glyph(area, index);
        else
            sketch.painter().drawImage(area, SampleCanvas::withoutBackground(picture));
    };
    QString list = QStringLiteral("ImageList1");
    for (const FormObject* o : form.all())
        if (o->className == QLatin1String("TImageList")) {
            list = o->name;
            break;
        }
    const QRect client =
        sketch.window(sketch.bounds(), QStringLiteral("%1.%2 ImageList").arg(form.name, list), true, false, true);
    const int buttonsLeft = client.right() - 84;
    const char* buttons[] = {"OK", "Cancel", "Apply", "Help"};
    for (int i = 0; i < 4; ++i)
        sketch.button(QRect(buttonsLeft, client.top() + 10 + i * 30, 75, 25), QString::fromLatin1(buttons[i]), i == 0);
    const QRect selected(client.left() + 8, client.top() + 4, buttonsLeft - client.left() - 16, 112);
    sketch.groupBox(selected, QStringLiteral("Selected Image"));
    const QRect preview(selected.left() + 10, selected.top() + 20, 82, 82);
    sketch.sunken(preview);
    image(preview.adjusted(17, 17, -17, -17), 0);
    const int x = preview.right() + 12;
    sketch.label(QPoint(x, selected.top() + 20), QStringLiteral("Transparent Color:"));
    sketch.combo(QRect(x, selected.top() + 36, 110, 21), QStringLiteral("clFuchsia"));
    sketch.label(QPoint(x, selected.top() + 62), QStringLiteral("Fill Color:"));
    sketch.combo(QRect(x, selected.top() + 78, 110, 21), QStringLiteral("clNone"));
    const QRect options(x + 122, selected.top() + 16, selected.right() - x - 130, 86);
    if (options.width() > 60) {
        sketch.groupBox(options, QStringLiteral("Options"));
        sketch.radio(options.topLeft() + QPoint(8, 20), QStringLiteral("Crop"), true);
        sketch.radio(options.topLeft() + QPoint(8, 40), QStringLiteral("Stretch"), false);
        sketch.radio(options.topLeft() + QPoint(8, 60), QStringLiteral("Center"), false);
    }
    const QRect images(client.left() + 8, selected.bottom() + 8, client.width() - 16,
                       client.bottom() - selected.bottom() - 14);
    sketch.groupBox(images, QStringLiteral("Images"));
    const QRect strip(images.left() + 10, images.top() + 20, images.width() - 20, 58);
    sketch.sunken(strip);
    constexpr int kCell = 40;
    for (int i = 0; i < count && strip.left() + 4 + (i + 1) * kCell < strip.right(); ++i) {
        const QRect cell(strip.left() + 4 + i * kCell, strip.top() + 4, kCell - 4, kCell - 4);
        sketch.fill(cell, i == 0 ? Sketch::kSelection : QColor(240, 240, 240));
        sketch.fill(cell.adjusted(2, 2, -2, -2), Qt::white);
        image(cell.adjusted(10, 10, -10, -10), i);
        sketch.text(QRect(cell.left(), cell.bottom() + 1, cell.width(), 13), QString::number(i), Qt::AlignCenter,
                    Sketch::uiFont(10));
    }
    const char* actions[] = {"Add...", "Delete", "Clear", "Export..."};
    for (int i = 0; i < 4; ++i)
        sketch.button(QRect(strip.left() + i * 82, strip.bottom() + 8, 75, 25), QString::fromLatin1(actions[i]));
}

void actionListEditor(Sketch& sketch, const FormObject& form, const QString& resourceFiles)
{
    QString list = QStringLiteral("ActionList1");
    QList<QPair<QString, QString>> actions; // name, category
    QHash<QString, int> images;             // the ImageIndex of each action that has one
    for (const FormObject* o : form.all()) {
        if (o->className != QLatin1String("TActionList"))
            continue;
        list = o->name;
        for (const FormObject& action : o->children) {
            actions.append({action.name, action.value(QStringLiteral("Category"), QStringLiteral("(No Category)"))});
            if (action.has(QStringLiteral("ImageIndex")))
                images.insert(action.name, action.number(QStringLiteral("ImageIndex"), -1));
        }
        break;
    }
    if (actions.isEmpty()) {
        // The standard actions an editor of rich text takes from the library.
        actions = {{"EditCut1", "Edit"},          {"EditCopy1", "Edit"},           {"EditPaste1", "Edit"},
                   {"EditSelectAll1", "Edit"},    {"EditUndo1", "Edit"},           {"FileOpen1", "File"},
                   {"FileSaveAs1", "File"},       {"FileExit1", "File"},           {"RichEditBold1", "Format"},
                   {"RichEditItalic1", "Format"}, {"RichEditUnderline1", "Format"}};
    }
    QStringList categories;
    for (const auto& action : actions)
        if (!categories.contains(action.second))
            categories.append(action.second);
    categories.sort();
    categories.append(QStringLiteral("(All Actions)"));
    const QString current = categories.first();
    QStringList names;
    for (const auto& action : actions)
        if (action.second == current)
            names.append(action.first);

    const QRect client =
        sketch.window(sketch.bounds(), QStringLiteral("Editing %1.%2").arg(form.name, list), true, false, true);
    // New action, delete, move up, move down.
    sketch.toolButtons(QPoint(client.left() + 2, client.top() + 2), 2, 9, 22);
    for (int i = 0; i < 2; ++i) {
        const QRect b(client.left() + 50 + i * 23, client.top() + 2, 22, 22);
        sketch.raised(b);
        QPainter& p = sketch.painter();
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 128));
        const QPoint c = b.center();
        p.drawPolygon(i == 0 ? QPolygon({c + QPoint(-5, 3), c + QPoint(5, 3), c + QPoint(0, -3)})
                             : QPolygon({c + QPoint(-5, -3), c + QPoint(5, -3), c + QPoint(0, 3)}));
        p.restore();
    }
    const QRect body(client.left() + 2, client.top() + 28, client.width() - 4, client.height() - 30);
    const int split = body.left() + body.width() * 40 / 100;
    sketch.label(QPoint(body.left() + 2, body.top()), QStringLiteral("Categories:"));
    sketch.label(QPoint(split + 4, body.top()), QStringLiteral("Actions:"));
    sketch.listBox(QRect(body.left(), body.top() + 16, split - body.left(), body.height() - 16), categories, 0);
    const QRect actionList(split + 4, body.top() + 16, body.right() - split - 4, body.height() - 16);
    sketch.sunken(actionList);
    int y = actionList.top() + 3;
    for (qsizetype i = 0; i < names.size() && y + 18 < actionList.bottom(); ++i, y += 18) {
        const QRect area(actionList.left() + 3, y, actionList.width() - 6, 18);
        // An action shows the picture of the image list it names, else one of the drawing set.
        const QImage picture = FormPainter::listPicture(resourceFiles, images.value(names[i], -1));
        if (picture.isNull()) {
            row(sketch, area, names[i], actionGlyph(names[i]), i == 0, 1);
        } else {
            sketch.painter().drawImage(QRect(area.left() + 2, area.top() + 1, 16, 16),
                                       SampleCanvas::withoutBackground(picture));
            row(sketch, area.adjusted(20, 0, 0, 0), names[i], -1, i == 0);
        }
    }
}

} // namespace ExerciseFigureParts
