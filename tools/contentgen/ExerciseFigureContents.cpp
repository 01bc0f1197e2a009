// SPDX-License-Identifier: MIT
// What of an exercise's sources a figure shows, chosen by its caption: the string list a String List Editor
// figure edits, the filters of a Filter Editor, the lines of a code window, the stage of each design-time
// figure of an exercise and its form with that stage applied.
#include "ExerciseFigures.h"

#include "ExerciseFiguresInternal.h"
#include "FormPainter.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <cmath>

using namespace ExerciseFigureParts;

// The string list a String List Editor figure edits: named by the caption, else the form's first one.
QStringList ExerciseFigures::editedStrings(const FormObject& form, const QString& caption, QString* owner)
{
    const QList<const FormObject*> all = form.all();
    const auto first = [&](auto accept, const QString& property) -> const FormObject* {
        for (const FormObject* o : all)
            if (accept(*o) && o->lists.contains(property))
                return o;
        return nullptr;
    };
    if (mentions(caption, "столбцов")) {
        for (const FormObject* o : all) {
            for (const QString& collection : {QStringLiteral("Columns"), QStringLiteral("Sections")}) {
                const auto items = o->collections.value(collection);
                if (items.isEmpty())
                    continue;
                QStringList captions;
                for (const auto& item : items)
                    captions.append(item.value(QStringLiteral("Caption"), item.value(QStringLiteral("Text"))));
                *owner = o->name;
                return captions;
            }
        }
    }
    for (const QString& kind : {QStringLiteral("Memo"), QStringLiteral("RadioGroup"), QStringLiteral("ListBox"),
                                QStringLiteral("ComboBox")}) {
        if (!caption.contains(kind))
            continue;
        const QString className = QLatin1Char('T') + kind;
        for (const QString& property : {QStringLiteral("Lines.Strings"), QStringLiteral("Items.Strings")}) {
            if (const FormObject* o = first([&](const FormObject& x) { return x.className == className; }, property)) {
                *owner = o->name;
                return o->strings(property);
            }
        }
    }
    for (const QString& property : {QStringLiteral("Items.Strings"), QStringLiteral("Lines.Strings")}) {
        if (const FormObject* o = first([](const FormObject&) { return true; }, property)) {
            *owner = o->name;
            return o->strings(property);
        }
    }
    return {};
}

QList<QPair<QString, QString>> ExerciseFigures::filters(const FormObject& form, const QString& caption, QString* owner)
{
    const QList<const FormObject*> all = form.all();
    const FormObject* dialog = nullptr;
    for (const char* kind : {"SaveDialog", "OpenDialog"}) {
        if (dialog || !caption.contains(QLatin1String(kind)))
            continue;
        for (const FormObject* o : all)
            if (!dialog && o->className.contains(QLatin1String(kind)) && o->has(QStringLiteral("Filter")))
                dialog = o;
    }
    for (const FormObject* o : all)
        if (!dialog && o->has(QStringLiteral("Filter")))
            dialog = o;
    QList<QPair<QString, QString>> rows;
    if (!dialog)
        return rows;
    *owner = dialog->name;
    const QStringList parts = dialog->value(QStringLiteral("Filter")).split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        rows.append({parts[i], parts[i + 1]});
    return rows;
}

// The lines of the unit the code window shows: from the routine that declares variables when the caption
// asks for them, else from the top.
QStringList ExerciseFigures::codeLines(const QString& unit, const QString& caption)
{
    QStringList lines = unit.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        line.replace(QLatin1Char('\t'), QStringLiteral("  "));
    }
    if (!mentions(caption, "Объявление переменных"))
        return lines;
    const qsizetype implementation = lines.indexOf(QStringLiteral("implementation"));
    for (qsizetype i = std::max<qsizetype>(0, implementation); i < lines.size(); ++i) {
        if (lines[i].trimmed() != QLatin1String("var"))
            continue;
        qsizetype start = i;
        while (start > 0 && !lines[start].trimmed().startsWith(QLatin1String("procedure")))
            --start;
        return lines.mid(start);
    }
    return lines;
}

QList<ExerciseFigures::Stage> ExerciseFigures::stages(const QStringList& captions)
{
    QList<Stage> out;
    QList<qsizetype> partials[2];
    bool finished[2] = {false, false}; // a complete figure of the form follows its partial ones
    for (const QString& caption : captions) {
        Stage stage;
        if (kindOf(caption) == Kind::FormDesign) {
            stage.secondForm = caption.contains(QLatin1String("Form2")) || mentions(caption, "второго окна");
            stage.partial = mentions(caption, "на данный момент") || mentions(caption, "на данном этапе") ||
                            mentions(caption, "Начало работы");
            // "Начальное расположение компонентов", "Начальный интерфейс": every component placed, nothing set
            // yet, the form itself included.
            stage.initial = mentions(caption, "Начальн");
            stage.defaults = (mentions(caption, "Расположение компонентов") && !mentions(caption, "на данном этапе")) ||
                             mentions(caption, "Компоненты формы") || stage.initial;
            if (stage.partial) {
                partials[stage.secondForm ? 1 : 0].append(out.size());
                // "Начало работы - поле Memo": only the component the caption names.
                const QRegularExpressionMatch named =
                    QRegularExpression(QStringLiteral("поле (\\w+)"), QRegularExpression::UseUnicodePropertiesOption)
                        .match(caption);
                if (named.hasMatch())
                    stage.onlyClass = QLatin1Char('T') + named.captured(1);
            } else if (!partials[stage.secondForm ? 1 : 0].isEmpty()) {
                finished[stage.secondForm ? 1 : 0] = true;
            }
        }
        out.append(stage);
    }
    // The partial figures of one form show more and more of it: the first of two partial figures a third,
    // the second two thirds, and the finished form comes last. When no finished figure follows, the last
    // partial one is the form as it stands: all of it.
    for (int form = 0; form < 2; ++form) {
        const QList<qsizetype>& indexes = partials[form];
        const qsizetype steps = indexes.size() + (finished[form] ? 1 : 0);
        for (qsizetype i = 0; i < indexes.size(); ++i)
            out[indexes[i]].share = double(i + 1) / double(steps);
    }
    return out;
}

FormObject ExerciseFigures::staged(const FormObject& form, const Stage& stage)
{
    FormObject out = form;
    if (stage.partial) {
        QList<FormObject> kept;
        if (!stage.onlyClass.isEmpty()) {
            for (const FormObject& child : form.children)
                if (child.className == stage.onlyClass)
                    kept.append(child);
        }
        if (kept.isEmpty() && stage.share < 1.0) {
            // A form is built from the top down: the controls are taken in rows (tops within a few pixels of
            // each other); pictures come after them and the components without a window last.
            QList<const FormObject*> visual;
            for (const FormObject& child : form.children)
                if (!FormPainter::isNonVisual(child))
                    visual.append(&child);
            const auto isPicture = [](const FormObject* o) { return o->className == QLatin1String("TImage"); };
            std::stable_sort(visual.begin(), visual.end(), [&](const FormObject* a, const FormObject* b) {
                if (isPicture(a) != isPicture(b))
                    return isPicture(b);
                return a->number(QStringLiteral("Top"), 0) < b->number(QStringLiteral("Top"), 0);
            });
            QList<QList<const FormObject*>> rows;
            int rowTop = 0;
            for (const FormObject* child : visual) {
                const int top = child->number(QStringLiteral("Top"), 0);
                if (rows.isEmpty() || top > rowTop + 12 || isPicture(child) != isPicture(rows.last().first())) {
                    rows.append(QList<const FormObject*>());
                    rowTop = top;
                }
                rows.last().append(child);
            }
            const qsizetype shown = std::clamp<qsizetype>(
                static_cast<qsizetype>(std::floor(rows.size() * stage.share + 1e-9)), 1, rows.size());
            QSet<const FormObject*> chosen;
            for (qsizetype i = 0; i < shown; ++i)
                for (const FormObject* child : rows[i])
                    chosen.insert(child);
            // Kept in file order, which is the order they are drawn in.
            for (const FormObject& child : form.children)
                if (chosen.contains(&child))
                    kept.append(child);
        }
        if (!kept.isEmpty() || stage.share < 1.0)
            out.children = kept;
    }
    if (stage.partial || stage.defaults) {
        // Bars are placed first and filled later: their buttons and the menu's items are not there yet.
        const auto empty = [](const auto& self, FormObject& o) -> void {
            o.children.removeIf([](const FormObject& child) {
                return child.className == QLatin1String("TToolButton") || child.className == QLatin1String("TMenuItem");
            });
            for (FormObject& child : o.children)
                self(self, child);
        };
        empty(empty, out);
    }
    if (stage.defaults) {
        // As dropped from the palette: captions and texts are the names, fonts and colours the defaults.
        const auto reset = [](const auto& self, FormObject& o) -> void {
            static const QStringList dropped = {
                "Color",      "Font.Name",   "Font.Height", "Font.Size",    "Font.Color", "Font.Style", "Font.Charset",
                "ParentFont", "Brush.Color", "Pen.Color",   "Picture.Data", "Glyph.Data", "Shape"};
            for (const QString& key : dropped) {
                o.values.remove(key);
                o.lists.remove(key);
            }
            static const QStringList captioned = {"TLabel", "TButton", "TCheckBox",   "TRadioButton", "TGroupBox",
                                                  "TPanel", "TBitBtn", "TRadioGroup", "TStaticText"};
            static const QStringList texted = {"TEdit", "TComboBox", "TMaskEdit", "TLabeledEdit"};
            if (captioned.contains(o.className))
                o.values.insert(QStringLiteral("Caption"), o.name);
            if (texted.contains(o.className))
                o.values.insert(QStringLiteral("Text"), o.name);
            if (o.className == QLatin1String("TMemo") || o.className == QLatin1String("TRichEdit"))
                o.lists.insert(QStringLiteral("Lines.Strings"), {o.name});
            // A fresh list has no items yet, and a fresh combo box shows its name in its edit field.
            if (o.className == QLatin1String("TListBox") || o.className == QLatin1String("TRadioGroup") ||
                o.className == QLatin1String("TComboBox")) {
                o.lists.remove(QStringLiteral("Items.Strings"));
                o.values.remove(QStringLiteral("ItemIndex"));
            }
            if (o.className == QLatin1String("TComboBox"))
                o.values.remove(QStringLiteral("Style"));
            for (FormObject& child : o.children)
                self(self, child);
        };
        for (FormObject& child : out.children)
            reset(reset, child);
    }
    if (stage.initial) {
        // A new form is a plain window: its border, colour and behaviour are set later.
        for (const char* key : {"BorderStyle", "Color", "TransparentColor", "TransparentColorValue", "FormStyle",
                                "AlphaBlend", "AlphaBlendValue", "WindowState"})
            out.values.remove(QLatin1String(key));
    }
    return out;
}
