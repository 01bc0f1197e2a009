// SPDX-License-Identifier: MIT
// The sample runner's component model: which component a name stands for, how its properties are read and
// set as the form file stores them (captions, texts, numbers, flags, colours, lists and grid cells, string
// lists the program makes, the screen and the mouse), the events the library fires when the program changes a
// control, and the methods called on components as statements.
#include "SampleRunInternal.h"

#include "FormPainter.h"

#include <functional>

namespace SampleRunInternal {

// The component and the rest of the path: "Label1.Font.Color" is Label1 and "font.color".
FormObject* Interpreter::component(const QList<Segment>& path, qsizetype* rest)
{
    const QString& first = path.first().lower;
    if (first == QLatin1String("self") || first == m_form.name.toLower()) {
        *rest = 1;
        if (path.size() > 1)
            if (FormObject* child = m_form.find(path[1].name); child && child != &m_form) {
                *rest = 2;
                return child;
            }
        return &m_form;
    }
    if (FormObject* child = m_form.find(path.first().name)) {
        *rest = 1;
        return child;
    }
    if (const auto it = m_objects.find(path.first().name); it != m_objects.end()) {
        *rest = 1;
        return &*it;
    }
    // The form's own properties, written without "Self.".
    static const QSet<QString> formProperties = {"caption", "color", "width",      "height",      "left",        "top",
                                                 "canvas",  "font",  "clientrect", "clientwidth", "clientheight"};
    if (formProperties.contains(first)) {
        *rest = 0;
        return &m_form;
    }
    return nullptr;
}

QString Interpreter::propertyPath(const QList<Segment>& path, qsizetype from, qsizetype to)
{
    QStringList parts;
    for (qsizetype i = from; i < to; ++i)
        parts.append(path[i].lower);
    return parts.join(QLatin1Char('.'));
}

// The stored name of a property as the form file spells it.
QString Interpreter::fileName(const FormObject& object, const QString& lower)
{
    for (auto it = object.values.constBegin(); it != object.values.constEnd(); ++it)
        if (it.key().toLower() == lower)
            return it.key();
    // Spelled as the form files spell the common ones.
    QStringList parts = lower.split(QLatin1Char('.'));
    for (QString& part : parts) {
        static const QHash<QString, QString> spelled = {
            {"caption", "Caption"}, {"text", "Text"},         {"color", "Color"},         {"brush", "Brush"},
            {"pen", "Pen"},         {"font", "Font"},         {"visible", "Visible"},     {"enabled", "Enabled"},
            {"checked", "Checked"}, {"position", "Position"}, {"itemindex", "ItemIndex"}, {"left", "Left"},
            {"top", "Top"},         {"width", "Width"},       {"height", "Height"},       {"size", "Size"},
            {"style", "Style"},     {"shape", "Shape"},       {"name", "Name"},           {"interval", "Interval"}};
        part = spelled.value(part, part.left(1).toUpper() + part.mid(1));
    }
    return parts.join(QLatin1Char('.'));
}

// The inner size of a form or control that its file gives only from outside: the form's frame, a
// control's sunken border or a panel's bevels taken off.
int Interpreter::clientSize(const FormObject& object, bool width) const
{
    if (&object == &m_form) {
        const QSize outer = FormPainter::windowSize(object);
        bool menu = false;
        for (const FormObject& child : object.children)
            menu = menu || child.className == QLatin1String("TMainMenu");
        return width ? outer.width() - 8 : outer.height() - 26 - (menu ? 19 : 0);
    }
    const int size = object.number(width ? QStringLiteral("Width") : QStringLiteral("Height"), 0);
    static const QSet<QString> bordered = {"TEdit", "TMemo", "TListBox", "TRichEdit", "TStringGrid", "TComboBox"};
    if (bordered.contains(object.className))
        return std::max(0, size - 4);
    if (object.className == QLatin1String("TPanel")) {
        int bevels = 0;
        for (const auto& [property, fallback] :
             {std::pair{"BevelOuter", "bvRaised"}, std::pair{"BevelInner", "bvNone"}})
            bevels += object.value(QLatin1String(property), QLatin1String(fallback)) != QLatin1String("bvNone") ? 1 : 0;
        return std::max(0, size - 2 * bevels);
    }
    return size;
}

// Where a grid cell's text is kept on its component: "Cells[2,0]".
QString Interpreter::cellKey(const QVariant& column, const QVariant& row)
{
    return QStringLiteral("Cells[%1,%2]").arg(column.toLongLong()).arg(row.toLongLong());
}

QString Interpreter::listName(const QString& lower)
{
    return lower == QLatin1String("lines") ? QStringLiteral("Lines.Strings") : QStringLiteral("Items.Strings");
}

// The text of a list control: its lines, each ended by a line break, as TStrings.Text gives it.
QString Interpreter::listText(const QStringList& lines)
{
    QString out;
    for (const QString& line : lines)
        out += line + QStringLiteral("\r\n");
    return out;
}

bool Interpreter::isListControl(const FormObject& object)
{
    return object.className == QLatin1String("TMemo") || object.className == QLatin1String("TRichEdit") ||
           object.className == QLatin1String("TListBox");
}

QVariant Interpreter::read(const QList<Segment>& written)
{
    const QList<Segment> path = resolve(written);
    if (m_failed || m_raised)
        return QVariant();
    const Segment& head = path.first();
    if (path.size() == 2 && !head.index && !head.called && !path[1].called && !path[1].index &&
        isRecord(variableValue(head.lower))) {
        // A field of a record: R.Left, P.X, LF.lfEscapement.
        const QHash<QString, QVariant>& fields = variableValue(head.lower).value<Record>().fields;
        if (!fields.contains(path[1].lower)) {
            fail();
            return QVariant();
        }
        return fields.value(path[1].lower);
    }
    if (path.size() == 1 && !head.index) {
        if (m_locals.contains(head.lower) || m_globals.contains(head.lower)) {
            const QVariant value = variableValue(head.lower);
            if (!value.isValid())
                fail();
            return value;
        }
        if (head.lower == m_exceptionName && !m_exceptionName.isEmpty())
            return m_exceptionMessage;
    }
    if (path.size() == 1 && head.index && (m_locals.contains(head.lower) || m_globals.contains(head.lower))) {
        const QVariant value = variableValue(head.lower);
        if (isArray(value) && head.index->typeId() == QMetaType::LongLong) {
            // A[I], and A[I, J] of an array of two dimensions.
            QVariant element = value;
            for (const std::optional<QVariant>& index : {head.column, head.index}) {
                if (!index)
                    continue;
                if (!isArray(element) || index->typeId() != QMetaType::LongLong) {
                    fail();
                    return QVariant();
                }
                const QVariantMap array = element.toMap();
                const QVariantList items = array.value(QStringLiteral("items")).toList();
                const qint64 i = index->toLongLong() - array.value(QStringLiteral("low")).toLongLong();
                if (i < 0 || i >= items.size()) {
                    raise(QStringLiteral("Range check error"));
                    return QVariant::fromValue<qlonglong>(0);
                }
                element = items[i];
            }
            return element;
        }
        if (value.typeId() != QMetaType::QString || head.index->typeId() != QMetaType::LongLong) {
            fail();
            return QVariant();
        }
        const qint64 i = head.index->toLongLong();
        const QString s = value.toString();
        return i >= 1 && i <= s.size() ? QString(s[i - 1]) : QString();
    }
    if (path.size() == 2 && path[1].lower == QLatin1String("message") && head.lower == m_exceptionName)
        return m_exceptionMessage;
    // The pupil moves the mouse while the program runs: every look at it finds it farther along.
    if (path.size() >= 2 && head.lower == QLatin1String("mouse") && path[1].lower == QLatin1String("cursorpos")) {
        const qint64 step = m_globals.value(QStringLiteral("#mouse")).toLongLong() + 1;
        m_globals.insert(QStringLiteral("#mouse"), integer(step));
        const QPoint at(int(200 + (step * 37) % 600), int(150 + (step * 23) % 400));
        if (path.size() == 2)
            return pointRecord(at);
        return path.size() == 3 && path[2].lower == QLatin1String("x")   ? integer(at.x())
               : path.size() == 3 && path[2].lower == QLatin1String("y") ? integer(at.y())
                                                                         : (fail(), QVariant());
    }
    if (path.size() == 2 && head.lower == QLatin1String("application") && path[1].lower == QLatin1String("exename"))
        return QStringLiteral("C:\\PROJECTS\\Project1.exe");
    // What a settings file gives on the sample machine, which has none: the default the program names.
    if (path.size() == 2 && m_objects.contains(head.name) && path[1].called &&
        path[1].lower.startsWith(QLatin1String("read")) && path[1].arguments.size() == 3)
        return path[1].arguments[2];
    // The screen of the sample machine.
    if (path.size() == 2 && head.lower == QLatin1String("screen")) {
        static const QHash<QString, qint64> sizes = {
            {"width", 1024}, {"height", 768}, {"workareawidth", 1024}, {"workareaheight", 738}, {"pixelsperinch", 96}};
        if (sizes.contains(path[1].lower))
            return integer(sizes.value(path[1].lower));
    }
    // An object the program makes: TBitmap.Create.
    if (path.size() == 2 && path[1].lower == QLatin1String("create") && head.lower.startsWith(QLatin1Char('t')) &&
        !m_form.find(head.name)) {
        if (m_objects.size() >= 100) {
            fail();
            return QVariant();
        }
        FormObject created;
        created.name = QStringLiteral("#%1").arg(m_objects.size() + 1);
        created.className = head.name;
        m_objects.insert(created.name, created);
        return reference(created.name);
    }
    // The fonts installed in Windows, for the font lists of the exercises.
    if (path.size() == 2 && head.lower == QLatin1String("screen") && path[1].lower == QLatin1String("fonts"))
        return QStringList{"Arial",  "Arial Black",   "Comic Sans MS", "Courier New",     "Georgia",
                           "Impact", "MS Sans Serif", "Tahoma",        "Times New Roman", "Verdana"};
    if (path.size() == 1) {
        std::optional<QVariant> value = function(head);
        if (!value)
            value = callRoutine(head);
        if (value) {
            if (!value->isValid())
                fail();
            return *value;
        }
    }
    qsizetype rest = 0;
    FormObject* object = component(path, &rest);
    if (!object) {
        fail();
        return QVariant();
    }
    if (rest >= path.size())
        return reference(object->name);
    const Segment& property = path[rest];
    if (property.lower == QLatin1String("cells") && property.column && property.index)
        return object->value(cellKey(*property.column, *property.index));
    // A dialog of the sample session is closed without a choice.
    if (object->className.endsWith(QLatin1String("Dialog")) && property.lower == QLatin1String("execute"))
        return false;
    if (object->className == QLatin1String("TStringList") && rest + 1 == path.size()) {
        // A string list the program made: its Count, Strings[I], Text and IndexOf.
        const QStringList list = object->strings(QStringLiteral("Items.Strings"));
        if (property.lower == QLatin1String("count"))
            return integer(list.size());
        if (property.lower == QLatin1String("strings") && property.index) {
            const qint64 i = property.index->toLongLong();
            if (i < 0 || i >= list.size()) {
                raise(QStringLiteral("List index out of bounds (%1)").arg(i));
                return QString();
            }
            return list[i];
        }
        if (property.lower == QLatin1String("text"))
            return listText(list);
        if (property.lower == QLatin1String("indexof") && property.called)
            return integer(list.indexOf(text(property.arguments.value(0))));
    }
    if (property.lower == QLatin1String("canvas"))
        return rest + 1 == path.size() ? reference(object->name + QStringLiteral(".Canvas"))
                                       : canvasRead(*object, path, rest + 1);
    {
        const QString name = propertyPath(path, rest, path.size());
        if (name == QLatin1String("picture") || name == QLatin1String("picture.bitmap") ||
            name == QLatin1String("picture.graphic"))
            return reference(object->name + QStringLiteral(".Picture.Bitmap"));
        if (name == QLatin1String("picture.width") || name == QLatin1String("picture.height") ||
            name == QLatin1String("picture.bitmap.width") || name == QLatin1String("picture.bitmap.height")) {
            const QSize size = m_canvases.contains(object->name) ? m_canvases.value(object->name).size() : QSize();
            return integer(name.endsWith(QLatin1String("width")) ? size.width() : size.height());
        }
        if (name == QLatin1String("picture.bitmap.images.count") || name == QLatin1String("picture.images.count"))
            return integer(object->number(QStringLiteral("Picture.Frames"), 1));
        if (name == QLatin1String("boundsrect"))
            return rectRecord(QRect(object->number(QStringLiteral("Left"), 0), object->number(QStringLiteral("Top"), 0),
                                    object->number(QStringLiteral("Width"), 0),
                                    object->number(QStringLiteral("Height"), 0)));
        if (name == QLatin1String("clientrect"))
            return rectRecord(QRect(0, 0, clientSize(*object, true), clientSize(*object, false)));
    }
    if (property.lower == QLatin1String("lines") || property.lower == QLatin1String("items")) {
        const QStringList list = object->strings(listName(property.lower));
        if (property.index) {
            const qint64 i = property.index->toLongLong();
            return i >= 0 && i < list.size() ? list[i] : QString();
        }
        if (rest + 1 < path.size() && path[rest + 1].lower == QLatin1String("count"))
            return QVariant::fromValue<qlonglong>(list.size());
        if (rest + 1 < path.size() && path[rest + 1].lower == QLatin1String("text"))
            return list.join(QStringLiteral("\r\n")) + (list.isEmpty() ? QString() : QStringLiteral("\r\n"));
        if (rest + 1 < path.size() && path[rest + 1].lower == QLatin1String("indexof") && path[rest + 1].called)
            return QVariant::fromValue<qlonglong>(list.indexOf(text(path[rest + 1].arguments.value(0))));
        fail();
        return QVariant();
    }
    for (qsizetype i = rest; i < path.size(); ++i)
        if (path[i].called || path[i].index) {
            fail();
            return QVariant();
        }
    const QString name = propertyPath(path, rest, path.size());
    if (name == QLatin1String("text") && isListControl(*object))
        return listText(object->strings(object->className == QLatin1String("TListBox")
                                            ? QStringLiteral("Items.Strings")
                                            : QStringLiteral("Lines.Strings")));
    const QString stored = object->value(fileName(*object, name));
    if ((name == QLatin1String("clientwidth") || name == QLatin1String("clientheight")) && stored.isEmpty())
        return QVariant::fromValue<qlonglong>(clientSize(*object, name == QLatin1String("clientwidth")));
    if (numberProperties().contains(name)) {
        const std::optional<qint64> n = parseInt(stored.isEmpty() ? QStringLiteral("0") : stored);
        if (!n) {
            fail();
            return QVariant();
        }
        return QVariant::fromValue<qlonglong>(*n);
    }
    if (flagProperties().contains(name)) {
        if (stored.isEmpty())
            return name == QLatin1String("visible") || name == QLatin1String("enabled");
        return stored.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0;
    }
    if (name.endsWith(QLatin1String("color"))) {
        // What a colour left at its default is: white brushes, the window colour of fields and lists, the
        // face colour of everything else, black text.
        const bool field = isListControl(*object) || object->className == QLatin1String("TEdit");
        const QString fallback = name == QLatin1String("brush.color") ? QStringLiteral("clWhite")
                                 : name != QLatin1String("color")     ? QStringLiteral("clWindowText")
                                 : field                              ? QStringLiteral("clWindow")
                                                                      : QStringLiteral("clBtnFace");
        return colourValue(stored, FormPainter::colourConstant(fallback).value_or(0));
    }
    if (name == QLatin1String("text") || name == QLatin1String("caption") || name == QLatin1String("font.name") ||
        name == QLatin1String("hint") || object->has(fileName(*object, name)))
        return stored;
    fail();
    return QVariant();
}

void Interpreter::write(const QList<Segment>& written, const QVariant& value)
{
    const QList<Segment> path = resolve(written);
    if (m_failed || m_raised)
        return;
    const Segment& head = path.first();
    if (path.size() == 2 && !head.index && !head.called && !path[1].called && !path[1].index &&
        isRecord(variableValue(head.lower))) {
        Record record = variableValue(head.lower).value<Record>();
        if (!record.fields.contains(path[1].lower))
            return fail();
        record.fields.insert(path[1].lower, value);
        assign(head.lower, QVariant::fromValue(record));
        return;
    }
    const bool variable = m_locals.contains(head.lower) || m_globals.contains(head.lower);
    if (path.size() == 1 && !head.called && variable) {
        if (!head.index) {
            assign(head.lower, value);
            return;
        }
        const QVariant current = variableValue(head.lower);
        if (isArray(current) && head.index->typeId() == QMetaType::LongLong) {
            // A[I] := x, and A[I, J] := x: the element set in a copy of each array on the way down.
            const std::function<bool(QVariant&, int)> set = [&](QVariant& into, int level) {
                const std::optional<QVariant>& index = level == 0 && head.column ? head.column : head.index;
                if (!isArray(into) || index->typeId() != QMetaType::LongLong)
                    return false;
                QVariantMap array = into.toMap();
                QVariantList items = array.value(QStringLiteral("items")).toList();
                const qint64 i = index->toLongLong() - array.value(QStringLiteral("low")).toLongLong();
                if (i < 0 || i >= items.size()) {
                    raise(QStringLiteral("Range check error"));
                    return true;
                }
                if (level == 0 && head.column) {
                    if (!set(items[i], 1))
                        return false;
                } else {
                    items[i] = items[i].typeId() == QMetaType::Double && value.typeId() == QMetaType::LongLong
                                   ? QVariant(value.toDouble())
                                   : value;
                }
                array.insert(QStringLiteral("items"), items);
                into = array;
                return true;
            };
            QVariant updated = current;
            if (!set(updated, 0))
                return fail();
            assign(head.lower, updated);
            return;
        }
        // S[i] := c
        QString s = variableValue(head.lower).toString();
        const qint64 i = head.index->toLongLong();
        if (variableValue(head.lower).typeId() != QMetaType::QString || i < 1 || i > s.size() ||
            value.typeId() != QMetaType::QString || value.toString().size() != 1)
            return fail();
        s[i - 1] = value.toString().at(0);
        assign(head.lower, s);
        return;
    }
    qsizetype rest = 0;
    FormObject* object = component(path, &rest);
    if (object && rest + 1 == path.size() && path[rest].lower == QLatin1String("cells") && path[rest].column &&
        path[rest].index) {
        object->values.insert(cellKey(*path[rest].column, *path[rest].index), text(value));
        return;
    }
    // Properties of the form that a still picture does not show: ActiveControl, Tag, Cursor...; and those of
    // the application (its Title on the task bar).
    if (!object && ((path.size() == 1 && !head.called && !head.index) || head.lower == QLatin1String("application")))
        return;
    if (!object || rest >= path.size())
        return fail();
    if (path[rest].lower == QLatin1String("canvas") && rest + 1 < path.size())
        return canvasWrite(*object, path, rest + 1, value);
    {
        const QString name = propertyPath(path, rest, path.size());
        // A picture given to an image: what its surface shows.
        if (name == QLatin1String("picture.bitmap") || name == QLatin1String("picture.graphic"))
            return givePicture(*object, value);
        // The size of a bitmap, or of an image's own bitmap.
        const bool bitmap = object->className == QLatin1String("TBitmap");
        if ((bitmap && (name == QLatin1String("width") || name == QLatin1String("height"))) ||
            name == QLatin1String("picture.bitmap.width") || name == QLatin1String("picture.bitmap.height")) {
            if (value.typeId() != QMetaType::LongLong)
                return fail();
            SampleCanvas& canvas = canvasOf(*object);
            const int side = static_cast<int>(std::clamp<qint64>(value.toLongLong(), 0, SampleCanvas::kMaxSide));
            canvas.resize(name.endsWith(QLatin1String("width")) ? QSize(side, canvas.size().height())
                                                                : QSize(canvas.size().width(), side),
                          Qt::white);
            if (bitmap)
                object->values.insert(fileName(*object, name), text(value));
            return;
        }
        // A file list shows the files of its folder that match its mask.
        if (name == QLatin1String("directory") && object->className == QLatin1String("TFileListBox")) {
            object->values.insert(QStringLiteral("Directory"), text(value));
            object->lists.insert(QStringLiteral("Items.Strings"),
                                 folderListing(text(value), object->value(QStringLiteral("Mask"))));
            return;
        }
        // Objects and records that the figures do not show: an icon given to an image, a font handle.
        if (isReference(value) || isRecord(value))
            return;
        if (value.typeId() == QMetaType::QStringList && name != QLatin1String("lines") &&
            name != QLatin1String("items")) {
            // A set: Font.Style := [fsBold].
            object->lists.insert(fileName(*object, name), value.toStringList());
            object->values.insert(fileName(*object, name), QLatin1Char('[') +
                                                               value.toStringList().join(QStringLiteral(", ")) +
                                                               QLatin1Char(']'));
            return;
        }
    }
    for (qsizetype i = rest; i < path.size(); ++i)
        if (path[i].called || path[i].index)
            return fail();
    const QString name = propertyPath(path, rest, path.size());
    if (name == QLatin1String("lines") || name == QLatin1String("items")) {
        if (value.typeId() != QMetaType::QStringList)
            return fail();
        object->lists.insert(listName(name), value.toStringList());
        return;
    }
    if (numberProperties().contains(name) && value.typeId() != QMetaType::LongLong)
        return fail();
    if (name == QLatin1String("text") && isListControl(*object)) {
        QString text = value.toString();
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        if (text.endsWith(QLatin1Char('\n')))
            text.chop(1);
        object->lists.insert(object->className == QLatin1String("TListBox") ? QStringLiteral("Items.Strings")
                                                                            : QStringLiteral("Lines.Strings"),
                             text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n')));
        return;
    }
    if (name == QLatin1String("font.size"))
        object->values.remove(QStringLiteral("Font.Height"));
    // A check box's State follows its Checked.
    if (name == QLatin1String("checked"))
        object->values.remove(QStringLiteral("State"));
    const QString key = fileName(*object, name);
    const bool changed = object->value(key) != text(value);
    object->values.insert(key, text(value));
    if (name == QLatin1String("itemindex") && object->className == QLatin1String("TComboBox"))
        object->values.insert(QStringLiteral("Text"),
                              object->strings(QStringLiteral("Items.Strings")).value(value.toLongLong()));
    // The library fires a control's event when the program changes it, as when the user does.
    const QString event =
        name == QLatin1String("position") || name == QLatin1String("text") || name == QLatin1String("value")
            ? QStringLiteral("OnChange")
        : name == QLatin1String("checked") ? QStringLiteral("OnClick")
                                           : QString();
    if (changed && !event.isEmpty() && object->has(event)) {
        const QString handler = object->value(event);
        callRoutine(Segment{handler, handler.toLower(), true, {reference(object->name)}, std::nullopt, std::nullopt});
    }
}

// A procedure call as a statement.
void Interpreter::call(const QList<Segment>& written)
{
    const QList<Segment> path = resolve(written);
    if (m_failed || m_raised)
        return;
    const Segment& head = path.first();
    if (path.size() == 1 && head.lower == QLatin1String("getobject")) {
        // GetObject(Font.Handle, SizeOf(LF), @LF): the description of a font into a record variable.
        const QVariant target = head.arguments.value(2);
        if (!isRecord(head.arguments.value(0)) || !isReference(target) ||
            !target.value<ObjectRef>().path.startsWith(QLatin1Char('@')))
            return fail();
        return assign(target.value<ObjectRef>().path.mid(1), head.arguments.value(0));
    }
    if (path.size() == 1) {
        if (head.lower == QLatin1String("showmessage")) {
            show(QStringLiteral("Project1"), text(head.arguments.value(0)), SampleRun::Message::Icon::None);
            return;
        }
        if (head.lower == QLatin1String("messagedlg") || head.lower == QLatin1String("messagebox")) {
            function(head);
            return;
        }
        static const QSet<QString> ignored = {"close",   "randomize",  "beep",   "sleep", "repaint",
                                              "refresh", "invalidate", "update", "halt",  "application"};
        if (ignored.contains(head.lower))
            return;
        if (callRoutine(head))
            return;
    }
    if (path.size() == 2 && head.lower == QLatin1String("application")) {
        if (path[1].lower == QLatin1String("messagebox")) {
            show(text(path[1].arguments.value(1)), text(path[1].arguments.value(0)),
                 SampleRun::Message::Icon::Information);
        }
        return; // Terminate, ProcessMessages, Minimize: nothing to show
    }
    qsizetype rest = 0;
    FormObject* object = component(path, &rest);
    if (!object) {
        // A routine of the unit or of the library: its effect is unknown, the handler goes on.
        return;
    }
    if (rest + 2 == path.size() && path[rest].lower == QLatin1String("canvas"))
        return canvasCall(*object, path.last());
    const QString method = propertyPath(path, rest, path.size());
    const QList<QVariant> arguments = path.last().arguments;
    if (method == QLatin1String("picture.assign") || method == QLatin1String("picture.bitmap.assign"))
        return givePicture(*object, arguments.value(0));
    if (method == QLatin1String("picture.loadfromfile") ||
        (object->className == QLatin1String("TBitmap") && method == QLatin1String("loadfromfile")))
        return loadPicture(*object, text(arguments.value(0)));
    if (method == QLatin1String("setbounds")) {
        const char* names[] = {"Left", "Top", "Width", "Height"};
        for (int i = 0; i < 4; ++i) {
            if (arguments.value(i).typeId() != QMetaType::LongLong)
                return fail();
            object->values.insert(QLatin1String(names[i]), text(arguments.value(i)));
        }
        return;
    }
    // A string list the program made is a list of its own: Notes.Add(S).
    const bool ownList = object->className == QLatin1String("TStringList") && rest + 1 == path.size();
    const bool onList = ownList || (rest < path.size() && (path[rest].lower == QLatin1String("lines") ||
                                                           path[rest].lower == QLatin1String("items")));
    if (onList) {
        const QString list = ownList ? QStringLiteral("Items.Strings") : listName(path[rest].lower);
        const QString verb = ownList ? path[rest].lower : rest + 1 < path.size() ? path[rest + 1].lower : QString();
        static const QSet<QString> quiet = {"beginupdate", "endupdate", "loadfromfile", "savetofile", "free"};
        if (quiet.contains(verb))
            return;
        QStringList lines = object->strings(list);
        if (verb == QLatin1String("add") || verb == QLatin1String("append"))
            lines.append(text(arguments.value(0)));
        else if (verb == QLatin1String("clear"))
            lines.clear();
        else if (verb == QLatin1String("delete") && arguments.value(0).typeId() == QMetaType::LongLong)
            lines.removeAt(
                std::clamp<qsizetype>(arguments.value(0).toLongLong(), 0, std::max<qsizetype>(0, lines.size() - 1)));
        else if (verb == QLatin1String("assign") && arguments.value(0).typeId() == QMetaType::QStringList)
            lines = arguments.value(0).toStringList();
        else if (verb == QLatin1String("insert"))
            lines.insert(std::clamp<qsizetype>(arguments.value(0).toLongLong(), 0, lines.size()),
                         text(arguments.value(1)));
        else
            return fail();
        if (object->flag(QStringLiteral("Sorted"), false))
            lines.sort(Qt::CaseInsensitive);
        object->lists.insert(list, lines);
        return;
    }
    if (method == QLatin1String("clear")) {
        object->values.insert(QStringLiteral("Text"), QString());
        object->lists.remove(QStringLiteral("Lines.Strings"));
        object->lists.remove(QStringLiteral("Items.Strings"));
        return;
    }
    if (method == QLatin1String("hide") || method == QLatin1String("show")) {
        object->values.insert(QStringLiteral("Visible"),
                              method == QLatin1String("show") ? QStringLiteral("True") : QStringLiteral("False"));
        return;
    }
    // SetFocus, ShowModal, Execute, Repaint, SelectAll...: nothing that a still picture shows.
}

} // namespace SampleRunInternal
