// SPDX-License-Identifier: MIT
// The sample runner's interpreter reading expressions: names with their calls and indexes (designators),
// relations, set membership and class tests, the arithmetic and logical operators, literals and sets; and the
// names themselves: local and unit variables, and the objects that variables of class types stand for.
#include "SampleRunInternal.h"

namespace SampleRunInternal {

QList<Segment> Interpreter::designator()
{
    QList<Segment> path;
    while (!m_failed) {
        if (peek().kind != Kind::Identifier)
            break;
        const Token& name = take();
        Segment segment{name.text, name.lower, false, {}, std::nullopt, std::nullopt};
        if (isSymbol(peek(), "(")) {
            take();
            segment.called = true;
            while (!m_failed && !isSymbol(peek(), ")")) {
                segment.arguments.append(isSymbol(peek(), "[") ? openArray() : expression());
                if (isSymbol(peek(), ","))
                    take();
                else if (!isSymbol(peek(), ")"))
                    fail();
            }
            expect(")");
        }
        if (isSymbol(peek(), "[")) {
            take();
            segment.index = expression();
            if (isSymbol(peek(), ",")) {
                take();
                segment.column = segment.index;
                segment.index = expression();
            }
            expect("]");
        }
        path.append(segment);
        if (!isSymbol(peek(), "."))
            break;
        take();
    }
    if (path.isEmpty()) {
        fail();
        return path;
    }
    // Inside "with X.Canvas do", Pen, MoveTo or TextOut are the canvas's.
    const QString& first = path.first().lower;
    if (!m_with.isEmpty() && !m_locals.contains(first) && !m_globals.contains(first))
        for (qsizetype i = m_with.size() - 1; i >= 0; --i)
            if (m_with[i].last().lower == QLatin1String("canvas") && canvasMembers().contains(first))
                return m_with[i] + path;
    return path;
}

// Format's argument list: [a, b, c].
QVariant Interpreter::openArray()
{
    take();
    QVariantList items;
    while (!m_failed && !isSymbol(peek(), "]")) {
        items.append(expression());
        if (isSymbol(peek(), ","))
            take();
        else if (!isSymbol(peek(), "]"))
            fail();
    }
    expect("]");
    return items;
}

QVariant Interpreter::expression()
{
    QVariant left = simple();
    if (isWord(peek(), "in") && !isSymbol(peek(1), "[")) {
        // Membership of a set that a constant or variable holds: C in WordChars, ssShift in Shift.
        take();
        const QVariant set = simple();
        if (!active())
            return QVariant();
        if (set.typeId() == QMetaType::QStringList)
            return set.toStringList().contains(text(left), Qt::CaseInsensitive);
        if (set.typeId() != QMetaType::QVariantList) {
            fail();
            return QVariant();
        }
        for (const QVariant& range : set.toList()) {
            const QVariantList bounds = range.toList();
            if (bounds.size() == 2 && compare(left, bounds[0], QStringLiteral(">=")).toBool() &&
                compare(left, bounds[1], QStringLiteral("<=")).toBool())
                return true;
        }
        return false;
    }
    if (isWord(peek(), "in")) {
        // Membership of a set literal: C in ['0'..'9', ','].
        take();
        expect("[");
        bool member = false;
        while (!m_failed && !isSymbol(peek(), "]")) {
            const QVariant from = simple();
            QVariant to = from;
            if (isSymbol(peek(), "..")) {
                take();
                to = simple();
            }
            if (active()) {
                if (isNumber(left) && isNumber(from) && isNumber(to))
                    member = member || (left.toDouble() >= from.toDouble() && left.toDouble() <= to.toDouble());
                else if (left.typeId() == QMetaType::QString && from.typeId() == QMetaType::QString &&
                         to.typeId() == QMetaType::QString)
                    member = member || (left.toString().compare(from.toString()) >= 0 &&
                                        left.toString().compare(to.toString()) <= 0);
                else
                    fail();
            }
            if (isSymbol(peek(), ","))
                take();
            else if (!isSymbol(peek(), "]"))
                fail();
        }
        expect("]");
        return active() ? QVariant(member) : QVariant();
    }
    if (isWord(peek(), "is")) {
        // A class test: true when the object is a component of that class.
        take();
        const QString className = take().lower;
        if (!active())
            return QVariant();
        const QString path = isReference(left) ? left.value<ObjectRef>().path : QString();
        const FormObject* object = path.isEmpty() ? nullptr : findObject(path);
        // The graphic of a picture is of the class its file gave it.
        if (object && path.contains(QLatin1String(".Picture")))
            return object->value(QStringLiteral("Picture.ClassName")).toLower() == className;
        return object && object->className.toLower() == className;
    }
    static const QStringList relations = {"=", "<>", "<", ">", "<=", ">="};
    if (peek().kind == Kind::Symbol && relations.contains(peek().text)) {
        const QString op = take().text;
        const QVariant right = simple();
        if (!active())
            return QVariant();
        return compare(left, right, op);
    }
    return left;
}

QVariant Interpreter::compare(const QVariant& a, const QVariant& b, const QString& op)
{
    int order = 0;
    if (isNumber(a) && isNumber(b)) {
        order = a.toDouble() < b.toDouble() ? -1 : a.toDouble() > b.toDouble() ? 1 : 0;
    } else if (a.typeId() == QMetaType::QString && b.typeId() == QMetaType::QString) {
        order = a.toString().compare(b.toString());
    } else if (a.typeId() == QMetaType::Bool && b.typeId() == QMetaType::Bool) {
        order = int(a.toBool()) - int(b.toBool());
    } else if ((isReference(a) || a == QLatin1String("nil")) && (isReference(b) || b == QLatin1String("nil"))) {
        // Objects are the same or not: Sender = Button1, Bmp <> nil.
        const auto path = [](const QVariant& v) { return isReference(v) ? v.value<ObjectRef>().path : QString(); };
        order = path(a).compare(path(b), Qt::CaseInsensitive) == 0 ? 0 : 1;
    } else {
        fail();
        return QVariant();
    }
    const bool result = op == QLatin1String("=")    ? order == 0
                        : op == QLatin1String("<>") ? order != 0
                        : op == QLatin1String("<")  ? order < 0
                        : op == QLatin1String(">")  ? order > 0
                        : op == QLatin1String("<=") ? order <= 0
                                                    : order >= 0;
    return result;
}

QVariant Interpreter::simple()
{
    QVariant left = term();
    while (!m_failed) {
        const Token& op = peek();
        const bool plus = isSymbol(op, "+");
        const bool minus = isSymbol(op, "-");
        const bool orOp = isWord(op, "or");
        const bool xorOp = isWord(op, "xor");
        if (!plus && !minus && !orOp && !xorOp)
            break;
        take();
        // "or" stops at a true left side, as Pascal's short-circuit evaluation does: (I = 0) or (A[I - 1] ...).
        const bool decided = orOp && left.typeId() == QMetaType::Bool && left.toBool();
        QVariant right;
        {
            Inactive skip(m_inactive, decided);
            right = term();
        }
        if (!active() || decided)
            continue;
        if (orOp || xorOp) {
            left = logic(left, right, orOp ? 'o' : 'x');
        } else if (plus && (left.typeId() == QMetaType::QString || right.typeId() == QMetaType::QString)) {
            if (left.typeId() != QMetaType::QString || right.typeId() != QMetaType::QString)
                fail();
            left = left.toString() + right.toString();
        } else {
            left = arithmetic(left, right, plus ? '+' : '-');
        }
    }
    return left;
}

QVariant Interpreter::term()
{
    QVariant left = factor();
    while (!m_failed) {
        const Token& op = peek();
        char code = 0;
        if (isSymbol(op, "*"))
            code = '*';
        else if (isSymbol(op, "/"))
            code = '/';
        else if (isWord(op, "div"))
            code = 'd';
        else if (isWord(op, "mod"))
            code = 'm';
        else if (isWord(op, "and"))
            code = 'a';
        else if (isWord(op, "as")) {
            // (Sender as TButton): the object itself.
            take();
            take();
            continue;
        } else
            break;
        take();
        const bool decided = code == 'a' && left.typeId() == QMetaType::Bool && !left.toBool();
        QVariant right;
        {
            Inactive skip(m_inactive, decided);
            right = factor();
        }
        if (!active() || decided)
            continue;
        left = code == 'a' ? logic(left, right, 'a') : arithmetic(left, right, code);
    }
    return left;
}

QVariant Interpreter::logic(const QVariant& a, const QVariant& b, char op)
{
    if (a.typeId() == QMetaType::Bool && b.typeId() == QMetaType::Bool)
        return op == 'a' ? a.toBool() && b.toBool() : op == 'o' ? a.toBool() || b.toBool() : a.toBool() != b.toBool();
    if (a.typeId() == QMetaType::LongLong && b.typeId() == QMetaType::LongLong) {
        const qint64 x = a.toLongLong();
        const qint64 y = b.toLongLong();
        return QVariant::fromValue<qlonglong>(op == 'a' ? x & y : op == 'o' ? x | y : x ^ y);
    }
    fail();
    return QVariant();
}

QVariant Interpreter::arithmetic(const QVariant& a, const QVariant& b, char op)
{
    if (!isNumber(a) || !isNumber(b)) {
        fail();
        return QVariant();
    }
    if (op == 'd' || op == 'm') {
        if (isFloat(a) || isFloat(b)) {
            fail();
            return QVariant();
        }
        if (b.toLongLong() == 0) {
            raise(QStringLiteral("Division by zero"));
            return QVariant::fromValue<qlonglong>(0);
        }
        return QVariant::fromValue<qlonglong>(op == 'd' ? a.toLongLong() / b.toLongLong()
                                                        : a.toLongLong() % b.toLongLong());
    }
    if (op == '/' || isFloat(a) || isFloat(b)) {
        const double x = a.toDouble();
        const double y = b.toDouble();
        if (op == '/' && y == 0) {
            raise(QStringLiteral("Floating point division by zero"));
            return 0.0;
        }
        return op == '+' ? x + y : op == '-' ? x - y : op == '*' ? x * y : x / y;
    }
    const qint64 x = a.toLongLong();
    const qint64 y = b.toLongLong();
    return QVariant::fromValue<qlonglong>(op == '+' ? x + y : op == '-' ? x - y : x * y);
}

QVariant Interpreter::factor()
{
    const Token& token = peek();
    if (token.kind == Kind::Number) {
        take();
        if (token.text.startsWith(QLatin1Char('$')))
            return QVariant::fromValue<qlonglong>(token.text.mid(1).toLongLong(nullptr, 16));
        if (token.text.contains(QLatin1Char('.')) || token.text.contains(QLatin1Char('e'), Qt::CaseInsensitive))
            return token.text.toDouble();
        return QVariant::fromValue<qlonglong>(token.text.toLongLong());
    }
    if (token.kind == Kind::String) {
        take();
        return token.text;
    }
    if (isSymbol(token, "(")) {
        take();
        const QVariant inner = expression();
        expect(")");
        // (Sender as TButton).Caption: the rest of the name is read from the object in brackets.
        if (isSymbol(peek(), ".")) {
            take();
            const QList<Segment> rest = designator();
            if (!active())
                return QVariant();
            if (!isReference(inner)) {
                fail();
                return QVariant();
            }
            return read(resolve(segments(inner.value<ObjectRef>().path) + rest));
        }
        return inner;
    }
    if (isSymbol(token, "[")) {
        // A set: [fsBold, fsItalic] by the names of its members; one with ranges (['0'..'9', ',']) as the
        // list of its ranges.
        take();
        QStringList members;
        QVariantList ranges;
        bool hasRange = false;
        while (!m_failed && !isSymbol(peek(), "]")) {
            const QVariant from = simple();
            QVariant to = from;
            if (isSymbol(peek(), "..")) {
                take();
                to = simple();
                hasRange = true;
            }
            members.append(text(from));
            ranges.append(QVariant(QVariantList{from, to}));
            if (isSymbol(peek(), ","))
                take();
            else if (!isSymbol(peek(), "]"))
                fail();
        }
        expect("]");
        return hasRange ? QVariant(ranges) : QVariant(members);
    }
    if (isSymbol(token, "@")) {
        // The address of a variable, for the library routines that fill one in.
        take();
        return reference(QLatin1Char('@') + take().lower);
    }
    if (isWord(token, "intersectrect") && isSymbol(peek(1), "(")) {
        // IntersectRect(R, A, B): the common part of A and B into R; whether they overlap.
        take();
        take();
        const QList<Segment> target = designator();
        expect(",");
        const QVariant a = expression();
        expect(",");
        const QVariant b = expression();
        expect(")");
        if (!active())
            return QVariant();
        if (!isRecord(a) || !isRecord(b)) {
            fail();
            return QVariant();
        }
        const QRect common = rectOf(a).intersected(rectOf(b));
        write(target, rectRecord(common));
        return !common.isEmpty();
    }
    if (isSymbol(token, "-") || isSymbol(token, "+")) {
        const bool negative = isSymbol(take(), "-");
        const QVariant value = factor();
        if (!active() || !negative)
            return value;
        if (value.typeId() == QMetaType::LongLong)
            return QVariant::fromValue<qlonglong>(-value.toLongLong());
        if (value.typeId() == QMetaType::Double)
            return -value.toDouble();
        fail();
        return QVariant();
    }
    if (isWord(token, "not")) {
        take();
        const QVariant value = factor();
        if (!active())
            return QVariant();
        if (value.typeId() == QMetaType::Bool)
            return !value.toBool();
        if (value.typeId() == QMetaType::LongLong)
            return QVariant::fromValue<qlonglong>(~value.toLongLong());
        fail();
        return QVariant();
    }
    if ((isWord(token, "trystrtoint") || isWord(token, "trystrtofloat")) && isSymbol(peek(1), "(")) {
        // TryStrToInt(S, Value): converts into a variable (or an array element) and says whether it could.
        const bool integer = isWord(take(), "trystrtoint");
        take();
        const QVariant source = expression();
        expect(",");
        const QList<Segment> target = designator();
        expect(")");
        if (!active())
            return QVariant();
        if (integer) {
            const std::optional<qint64> n = parseInt(text(source));
            if (n)
                write(target, QVariant::fromValue<qlonglong>(*n));
            return n.has_value();
        }
        const std::optional<double> d = parseFloat(text(source));
        if (d)
            write(target, *d);
        return d.has_value();
    }
    if (token.kind == Kind::Identifier) {
        const QList<Segment> path = designator();
        if (!active())
            return QVariant();
        return read(path);
    }
    fail();
    return QVariant();
}

QVariant Interpreter::variableValue(const QString& name)
{
    if (m_locals.contains(name))
        return m_locals.value(name);
    return m_globals.value(name);
}

void Interpreter::assign(const QString& name, const QVariant& value)
{
    QVariant target = m_locals.contains(name) ? m_locals.value(name) : m_globals.value(name);
    QVariant stored = value;
    // An integer assigned to a real variable becomes real.
    if (target.typeId() == QMetaType::Double && value.typeId() == QMetaType::LongLong)
        stored = value.toDouble();
    if (m_locals.contains(name))
        m_locals.insert(name, stored);
    else if (m_globals.contains(name))
        m_globals.insert(name, stored);
    else
        fail();
}

QList<Segment> Interpreter::segments(const QString& path)
{
    QList<Segment> out;
    for (const QString& part : path.split(QLatin1Char('.'), Qt::SkipEmptyParts))
        out.append(Segment{part, part.toLower(), false, {}, std::nullopt, std::nullopt});
    return out;
}

// The component, or object the program created, that a reference's path begins with.
FormObject* Interpreter::findObject(const QString& path)
{
    const QString name = path.section(QLatin1Char('.'), 0, 0);
    if (const auto it = m_objects.find(name); it != m_objects.end())
        return &*it;
    return m_form.find(name);
}

// A name as the runner reads it: a variable that holds an object stands for that object's path
// ("C.Brush.Color" with C := Image1.Canvas), and a bitmap's canvas is its image's ("Image1.Picture.Bitmap.
// Canvas" is "Image1.Canvas").
QList<Segment> Interpreter::resolve(QList<Segment> path)
{
    if (path.isEmpty() || m_failed)
        return path;
    const Segment& head = path.first();
    if (!head.called && (m_locals.contains(head.lower) || m_globals.contains(head.lower))) {
        QVariant value = variableValue(head.lower);
        bool indexed = false;
        if (head.index && isArray(value) && head.index->typeId() == QMetaType::LongLong) {
            const QVariantMap array = value.toMap();
            value = array.value(QStringLiteral("items"))
                        .toList()
                        .value(head.index->toLongLong() - array.value(QStringLiteral("low")).toLongLong());
            indexed = true;
        }
        // Frames[I].Canvas, Notes.Count, and Notes[I]: the default property Strings of a string list.
        if (isReference(value) && (path.size() > 1 || (head.index && !indexed))) {
            const QString target = value.value<ObjectRef>().path;
            if (target.isEmpty()) {
                raise(QStringLiteral("Access violation"));
                return path;
            }
            QList<Segment> replaced = segments(target);
            if (head.index && !indexed)
                replaced.append(
                    Segment{QStringLiteral("Strings"), QStringLiteral("strings"), false, {}, head.index, head.column});
            path = replaced + path.mid(1);
        }
    }
    for (qsizetype i = 1; i + 1 < path.size(); ++i) {
        if (path[i].lower == QLatin1String("picture") && path[i + 1].lower == QLatin1String("bitmap") &&
            i + 2 < path.size() && path[i + 2].lower == QLatin1String("canvas"))
            path.remove(i, 2);
        else if (path[i].lower == QLatin1String("bitmap") && path[i + 1].lower == QLatin1String("canvas"))
            path.remove(i);
    }
    return path;
}

} // namespace SampleRunInternal
