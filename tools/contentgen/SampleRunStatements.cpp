// SPDX-License-Identifier: MIT
// The sample runner's interpreter running a routine: its header and parameters, its local declarations and
// constants, and its statements (begin, if, for, while, repeat, case, try, with, Inc and Dec, SetLength,
// DecodeDate and DecodeTime, assignments and procedure calls), and calls of the unit's own routines. Parts
// of the code not taken run "inactive": they are read but change nothing.
#include "SampleRunInternal.h"

#include "FormPainter.h"

#include <QDate>

#include <cmath>

namespace SampleRunInternal {

bool Interpreter::run(qsizetype at, const QList<QVariant>& arguments)
{
    m_at = at;
    // procedure TForm1.Name(Sender: TObject);  function Rotate(C, First: Char; Count, Key: Integer): Char;
    take();
    while (peek().kind == Kind::Identifier || isSymbol(peek(), "."))
        take();
    qsizetype next = 0;
    if (isSymbol(peek(), "(")) {
        take();
        while (!m_failed && !atEnd() && !isSymbol(peek(), ")")) {
            if (isWord(peek(), "const") || isWord(peek(), "var") || isWord(peek(), "out"))
                take();
            QStringList names{take().lower};
            while (isSymbol(peek(), ",")) {
                take();
                names.append(take().lower);
            }
            QString type;
            if (isSymbol(peek(), ":")) {
                take();
                while (!atEnd() && !isSymbol(peek(), ";") && !isSymbol(peek(), ")"))
                    type += take().text.toLower();
            }
            for (const QString& name : names) {
                QVariant value = arguments.value(next++);
                // An integer passed for a real parameter becomes real.
                if (zeroOf(type).typeId() == QMetaType::Double && value.typeId() == QMetaType::LongLong)
                    value = value.toDouble();
                m_locals.insert(name, value);
            }
            if (isSymbol(peek(), ";"))
                take();
        }
        take();
    }
    if (isSymbol(peek(), ":")) {
        take();
        m_locals.insert(QStringLiteral("result"), zeroOf(take().lower));
    }
    while (!atEnd() && !isSymbol(peek(), ";"))
        ++m_at;
    take();
    while (!atEnd() && !isWord(peek(), "begin")) {
        if (isWord(peek(), "var")) {
            take();
            declarations(m_locals);
        } else if (isWord(peek(), "const")) {
            take();
            constants();
        } else {
            return false; // nested routines, labels, types: not for the figures
        }
    }
    statement();
    if (m_depth > 0)
        return !m_failed;
    // An exception no handler caught: the application's own message box, with a full stop added.
    if (m_raised && !m_failed)
        show(QStringLiteral("Project1"),
             m_raised->endsWith(QLatin1Char('.')) ? *m_raised : *m_raised + QLatin1Char('.'),
             SampleRun::Message::Icon::Error);
    return !m_failed;
}

void Interpreter::declarations(QHash<QString, QVariant>& into)
{
    while (peek().kind == Kind::Identifier && !isSectionWord(peek())) {
        QStringList names{take().lower};
        while (isSymbol(peek(), ",")) {
            take();
            names.append(take().lower);
        }
        if (!isSymbol(take(), ":"))
            return fail();
        QString type;
        int depth = 0;
        while (!atEnd() && (depth > 0 || !isSymbol(peek(), ";"))) {
            if (isSymbol(peek(), "(") || isSymbol(peek(), "["))
                ++depth;
            if (isSymbol(peek(), ")") || isSymbol(peek(), "]"))
                --depth;
            type += take().text.toLower() + QLatin1Char(' ');
        }
        take();
        for (const QString& name : names)
            into.insert(name, zeroOf(type, &m_globals));
    }
}

qsizetype Interpreter::constantsAt(qsizetype at, QHash<QString, QVariant>& into)
{
    m_at = at;
    while (!m_failed && peek().kind == Kind::Identifier && !isSectionWord(peek())) {
        const QString name = take().lower;
        QString type;
        if (isSymbol(peek(), ":")) {
            take();
            while (!atEnd() && !isSymbol(peek(), "="))
                type += take().text.toLower();
        }
        expect("=");
        QVariant value;
        if (isSymbol(peek(), "(")) {
            take();
            QVariantList items;
            while (!m_failed && !isSymbol(peek(), ")")) {
                items.append(expression());
                if (isSymbol(peek(), ","))
                    take();
                else if (!isSymbol(peek(), ")"))
                    fail();
            }
            expect(")");
            const QVariant shape = zeroOf(type, &m_globals);
            value = makeArray(isArray(shape) ? shape.toMap().value(QStringLiteral("low")).toLongLong() : 0, items);
        } else {
            value = expression();
        }
        expect(";");
        into.insert(name, value);
        m_globals.insert(name, value);
    }
    return m_at;
}

qsizetype Interpreter::declare(qsizetype at, QHash<QString, QVariant>& into)
{
    m_at = at;
    declarations(into);
    return m_at;
}

bool Interpreter::onlyCloses(qsizetype at)
{
    m_at = at;
    while (!atEnd() && !isSymbol(peek(), ";"))
        ++m_at;
    take();
    if (!isWord(take(), "begin"))
        return false;
    const Token& first = take();
    if (isWord(first, "application") && isSymbol(peek(), ".")) {
        take();
        if (!isWord(take(), "terminate"))
            return false;
    } else if (!isWord(first, "close") && !isWord(first, "halt")) {
        return false;
    }
    if (isSymbol(peek(), ";"))
        take();
    return isWord(peek(), "end");
}

bool Interpreter::isSectionWord(const Token& token)
{
    static const QSet<QString> words = {"begin",          "var",  "const",          "type",           "procedure",
                                        "function",       "end",  "implementation", "initialization", "finalization",
                                        "resourcestring", "uses", "threadvar"};
    return token.kind == Kind::Identifier && words.contains(token.lower);
}

void Interpreter::constants()
{
    QHash<QString, QVariant> declared;
    const QHash<QString, QVariant> before = m_globals;
    constantsAt(m_at, declared);
    // Local constants stay local.
    m_globals = before;
    m_locals.insert(declared);
}

void Interpreter::statements(std::initializer_list<const char*> terminators)
{
    while (!m_failed) {
        for (const char* word : terminators)
            if (isWord(peek(), word))
                return;
        if (atEnd())
            return fail();
        statement();
        if (isSymbol(peek(), ";")) {
            take();
            continue;
        }
        bool atTerminator = false;
        for (const char* word : terminators)
            atTerminator = atTerminator || isWord(peek(), word);
        if (!atTerminator)
            return fail();
    }
}

void Interpreter::statement()
{
    if (!counted())
        return;
    const Token& token = peek();
    if (isSymbol(token, ";") || isWord(token, "end") || isWord(token, "else") || isWord(token, "until") ||
        isWord(token, "except") || isWord(token, "finally"))
        return; // an empty statement
    if (isWord(token, "begin")) {
        take();
        statements({"end"});
        expect("end");
    } else if (isWord(token, "if")) {
        ifStatement();
    } else if (isWord(token, "for")) {
        forStatement();
    } else if (isWord(token, "while")) {
        whileStatement();
    } else if (isWord(token, "repeat")) {
        repeatStatement();
    } else if (isWord(token, "case")) {
        caseStatement();
    } else if (isWord(token, "try")) {
        tryStatement();
    } else if (isWord(token, "exit")) {
        take();
        if (active())
            m_exit = true;
    } else if (isWord(token, "inc") || isWord(token, "dec")) {
        stepStatement();
    } else if ((isWord(token, "decodedate") || isWord(token, "decodetime")) && isSymbol(peek(1), "(")) {
        decodeStatement();
    } else if (isWord(token, "setlength") && isSymbol(peek(1), "(")) {
        setLengthStatement();
    } else if (isWord(token, "with")) {
        withStatement();
    } else if (isWord(token, "getcolorvalues") && isSymbol(peek(1), "(")) {
        colourValuesStatement();
    } else if (token.kind == Kind::Identifier) {
        designatorStatement();
    } else {
        fail();
    }
}

void Interpreter::ifStatement()
{
    take();
    const bool was = active();
    const QVariant condition = expression();
    expect("then");
    const bool yes = was && condition.typeId() == QMetaType::Bool && condition.toBool();
    if (was && condition.typeId() != QMetaType::Bool)
        return fail();
    {
        Inactive skip(m_inactive, !yes);
        statement();
    }
    if (isWord(peek(), "else")) {
        take();
        Inactive skip(m_inactive, yes || !was);
        statement();
    }
}

void Interpreter::forStatement()
{
    take();
    const QString variable = take().lower;
    expect(":=");
    const QVariant first = expression();
    const bool down = isWord(peek(), "downto");
    if (!down && !isWord(peek(), "to"))
        return fail();
    take();
    const QVariant last = expression();
    expect("do");
    const qsizetype body = m_at;
    const bool was = active();
    if (was && (first.typeId() != QMetaType::LongLong || last.typeId() != QMetaType::LongLong))
        return fail();
    qsizetype after = -1;
    if (was) {
        for (qint64 i = first.toLongLong(); down ? i >= last.toLongLong() : i <= last.toLongLong();
             i += down ? -1 : 1) {
            assign(variable, QVariant::fromValue<qlonglong>(i));
            m_at = body;
            statement();
            after = m_at;
            if (!active())
                break;
        }
    }
    if (after < 0) {
        m_at = body;
        Inactive skip(m_inactive, true);
        statement();
    } else {
        m_at = after;
    }
}

void Interpreter::whileStatement()
{
    take();
    const qsizetype condition = m_at;
    while (true) {
        m_at = condition;
        const bool was = active();
        const QVariant value = expression();
        expect("do");
        const bool yes = was && value.typeId() == QMetaType::Bool && value.toBool();
        if (was && value.typeId() != QMetaType::Bool)
            return fail();
        Inactive skip(m_inactive, !yes);
        statement();
        if (!yes || !active())
            return;
    }
}

void Interpreter::repeatStatement()
{
    take();
    const qsizetype body = m_at;
    while (true) {
        m_at = body;
        statements({"until"});
        expect("until");
        const bool was = active();
        const QVariant value = expression();
        if (!was || m_failed)
            return;
        if (value.typeId() != QMetaType::Bool)
            return fail();
        if (value.toBool())
            return;
    }
}

void Interpreter::caseStatement()
{
    take();
    const bool was = active();
    const QVariant selector = expression();
    expect("of");
    bool matched = false;
    while (!m_failed && !isWord(peek(), "end") && !isWord(peek(), "else")) {
        bool hit = false;
        while (!m_failed) {
            const QVariant from = expression();
            QVariant to = from;
            if (isSymbol(peek(), "..")) {
                take();
                to = expression();
            }
            if (was && isNumber(selector) && isNumber(from) && isNumber(to))
                hit = hit || (selector.toDouble() >= from.toDouble() && selector.toDouble() <= to.toDouble());
            else if (was && selector.typeId() == QMetaType::QString && from.typeId() == QMetaType::QString &&
                     to.typeId() == QMetaType::QString)
                hit = hit || (selector.toString().compare(from.toString()) >= 0 &&
                              selector.toString().compare(to.toString()) <= 0);
            else if (was && selector == from)
                hit = true;
            if (!isSymbol(peek(), ","))
                break;
            take();
        }
        expect(":");
        {
            Inactive skip(m_inactive, !(was && hit && !matched));
            statement();
        }
        matched = matched || hit;
        if (isSymbol(peek(), ";"))
            take();
    }
    if (isWord(peek(), "else")) {
        take();
        Inactive skip(m_inactive, matched || !was);
        statements({"end"});
    }
    expect("end");
}

void Interpreter::tryStatement()
{
    take();
    const bool was = active();
    statements({"except", "finally"});
    if (isWord(peek(), "finally")) {
        take();
        const std::optional<QString> pending = m_raised;
        if (was)
            m_raised.reset();
        statements({"end"});
        if (was && pending)
            m_raised = pending;
    } else {
        expect("except");
        const bool handling = was && m_raised && !m_failed;
        const QString what = m_raised.value_or(QString());
        if (handling)
            m_raised.reset();
        Inactive skip(m_inactive, !handling);
        if (isWord(peek(), "on")) {
            bool first = true;
            while (isWord(peek(), "on")) {
                take();
                if (peek().kind == Kind::Identifier && isSymbol(peek(1), ":")) {
                    m_exceptionName = take().lower;
                    take();
                }
                take(); // the exception class
                expect("do");
                m_exceptionMessage = what;
                Inactive only(m_inactive, !first);
                statement();
                first = false;
                if (isSymbol(peek(), ";"))
                    take();
            }
            if (isWord(peek(), "else")) {
                take();
                Inactive never(m_inactive, true);
                statements({"end"});
            }
        } else {
            m_exceptionMessage = what;
            statements({"end"});
        }
    }
    expect("end");
}

// DecodeDate(T, Year, Month, Day) and DecodeTime(T, Hour, Minute, Second, Millisecond).
void Interpreter::decodeStatement()
{
    const bool date = isWord(take(), "decodedate");
    take();
    const QVariant moment = expression();
    QStringList variables;
    while (isSymbol(peek(), ",")) {
        take();
        variables.append(take().lower);
    }
    expect(")");
    if (!active())
        return;
    if (!isNumber(moment) || variables.size() != (date ? 3 : 4))
        return fail();
    const double value = moment.toDouble();
    QList<qint64> parts;
    if (date) {
        const QDate day = QDate(1899, 12, 30).addDays(static_cast<qint64>(std::floor(value)));
        parts = {day.year(), day.month(), day.day()};
    } else {
        const qint64 ms = std::llround((value - std::floor(value)) * 86400000.0) % 86400000;
        parts = {ms / 3600000, ms / 60000 % 60, ms / 1000 % 60, ms % 1000};
    }
    for (qsizetype i = 0; i < variables.size(); ++i)
        assign(variables[i], QVariant::fromValue<qlonglong>(parts[i]));
}

// "with PaintBox1.Canvas do ...": inside, the canvas's own names stand for themselves.
void Interpreter::withStatement()
{
    take();
    const QList<Segment> target = resolve(designator());
    expect("do");
    m_with.append(target);
    statement();
    m_with.removeLast();
}

// SetLength(A, N) of a dynamic array: new elements are empty strings, zeros or False like the first.
void Interpreter::setLengthStatement()
{
    take();
    expect("(");
    const QString variable = take().lower;
    expect(",");
    const QVariant length = expression();
    expect(")");
    if (!active())
        return;
    const QVariant current = variableValue(variable);
    if (!isArray(current) || length.typeId() != QMetaType::LongLong || length.toLongLong() < 0 ||
        length.toLongLong() > 10000)
        return fail();
    QVariantMap array = current.toMap();
    QVariantList items = array.value(QStringLiteral("items")).toList();
    const QVariant zero = items.isEmpty() ? QVariant(QString()) : zeroLike(items.first());
    items.resize(length.toLongLong(), zero);
    array.insert(QStringLiteral("items"), items);
    assign(variable, array);
}

QVariant Interpreter::zeroLike(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::LongLong:
        return integer(0);
    case QMetaType::Double:
        return 0.0;
    case QMetaType::Bool:
        return false;
    default:
        return QString();
    }
}

// GetColorValues(Proc) calls Proc with the name of every colour constant of the library.
void Interpreter::colourValuesStatement()
{
    take();
    expect("(");
    const Token& routine = take();
    expect(")");
    if (!active())
        return;
    for (const QString& name : FormPainter::colourNames()) {
        Segment call{routine.text, routine.lower, true, {name}, std::nullopt, std::nullopt};
        if (!callRoutine(call) || !active())
            return;
    }
}

// Inc(x) and Dec(x, n).
void Interpreter::stepStatement()
{
    const bool increase = isWord(take(), "inc");
    expect("(");
    const QString variable = take().lower;
    QVariant amount = QVariant::fromValue<qlonglong>(1);
    if (isSymbol(peek(), ",")) {
        take();
        amount = expression();
    }
    expect(")");
    if (!active())
        return;
    const QVariant current = variableValue(variable);
    if (current.typeId() != QMetaType::LongLong || amount.typeId() != QMetaType::LongLong)
        return fail();
    assign(variable, QVariant::fromValue<qlonglong>(current.toLongLong() +
                                                    (increase ? amount.toLongLong() : -amount.toLongLong())));
}

void Interpreter::designatorStatement()
{
    QList<Segment> path = designator();
    if (m_failed)
        return;
    if (isSymbol(peek(), ":=")) {
        take();
        const QVariant value = expression();
        if (active())
            write(path, value);
        return;
    }
    if (active())
        call(path);
}

// A routine of the unit, a method of the form or a plain procedure or function, run with the call's
// arguments; nothing when the unit has no routine of that name.
std::optional<QVariant> Interpreter::callRoutine(const Segment& call)
{
    const qsizetype at = findRoutine(m_tokens, m_form.className, call.name);
    if (at < 0)
        return std::nullopt;
    if (m_depth >= 16) {
        fail();
        return QVariant();
    }
    Interpreter inner(m_tokens, m_state, m_steps, m_depth + 1);
    if (!inner.run(at, call.arguments)) {
        m_stop = call.name + QStringLiteral(": ") + inner.m_stop;
        m_failed = true;
        return QVariant();
    }
    if (inner.m_raised)
        raise(*inner.m_raised);
    return inner.m_locals.value(QStringLiteral("result"));
}

} // namespace SampleRunInternal
