// SPDX-License-Identifier: MIT
#include "SampleRun.h"

#include "FormPainter.h"

#include <QDate>
#include <QRegularExpression>
#include <QSet>
#include <QtMath>

#include <cctype>
#include <cmath>

namespace {

// ---- Tokens of Object Pascal ----

enum class Kind { Identifier, Number, String, Symbol, End };

struct Token {
    Kind kind = Kind::End;
    QString text;  // identifiers in their spelling, symbols as written, strings decoded
    QString lower; // identifiers in lower case
};

QList<Token> tokenize(const QString& source)
{
    QList<Token> out;
    qsizetype at = 0;
    const qsizetype size = source.size();
    while (at < size) {
        const QChar c = source[at];
        if (c.isSpace()) {
            ++at;
        } else if (c == QLatin1Char('{')) {
            const qsizetype end = source.indexOf(QLatin1Char('}'), at);
            at = end < 0 ? size : end + 1;
        } else if (c == QLatin1Char('(') && at + 1 < size && source[at + 1] == QLatin1Char('*')) {
            const qsizetype end = source.indexOf(QLatin1String("*)"), at + 2);
            at = end < 0 ? size : end + 2;
        } else if (c == QLatin1Char('/') && at + 1 < size && source[at + 1] == QLatin1Char('/')) {
            const qsizetype end = source.indexOf(QLatin1Char('\n'), at);
            at = end < 0 ? size : end;
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('#')) {
            Token token{Kind::String, QString(), QString()};
            while (at < size && (source[at] == QLatin1Char('\'') || source[at] == QLatin1Char('#'))) {
                if (source[at] == QLatin1Char('#')) {
                    qsizetype end = ++at;
                    while (end < size && source[end].isDigit() && end - at < 6)
                        ++end;
                    const uint code = source.mid(at, end - at).toUInt();
                    if (code > 0 && code < 0xD800)
                        token.text.append(QChar(char16_t(code)));
                    at = end;
                    continue;
                }
                ++at;
                while (at < size && source[at] != QLatin1Char('\n')) {
                    if (source[at] == QLatin1Char('\'')) {
                        if (at + 1 < size && source[at + 1] == QLatin1Char('\'')) {
                            token.text.append(QLatin1Char('\''));
                            at += 2;
                            continue;
                        }
                        break;
                    }
                    token.text.append(source[at++]);
                }
                ++at;
            }
            out.append(token);
        } else if (c.isDigit() || (c == QLatin1Char('$') && at + 1 < size && isxdigit(source[at + 1].toLatin1()))) {
            qsizetype end = at + 1;
            while (end < size && (source[end].isLetterOrNumber() ||
                                  (source[end] == QLatin1Char('.') && end + 1 < size && source[end + 1].isDigit())))
                ++end;
            out.append(Token{Kind::Number, source.mid(at, end - at), QString()});
            at = end;
        } else if (c.isLetter() || c == QLatin1Char('_')) {
            qsizetype end = at + 1;
            while (end < size && (source[end].isLetterOrNumber() || source[end] == QLatin1Char('_')))
                ++end;
            const QString text = source.mid(at, end - at);
            out.append(Token{Kind::Identifier, text, text.toLower()});
            at = end;
        } else {
            static const QStringList pairs = {":=", "<=", ">=", "<>", ".."};
            QString symbol = c;
            if (at + 1 < size && pairs.contains(source.mid(at, 2)))
                symbol = source.mid(at, 2);
            out.append(Token{Kind::Symbol, symbol, QString()});
            at += symbol.size();
        }
    }
    out.append(Token{});
    return out;
}

bool isWord(const Token& token, const char* word)
{
    return token.kind == Kind::Identifier && token.lower == QLatin1String(word);
}

bool isSymbol(const Token& token, const char* symbol)
{
    return token.kind == Kind::Symbol && token.text == QLatin1String(symbol);
}

// ---- Values ----

bool isNumber(const QVariant& v)
{
    return v.typeId() == QMetaType::LongLong || v.typeId() == QMetaType::Double;
}

bool isFloat(const QVariant& v)
{
    return v.typeId() == QMetaType::Double;
}

// Numbers as a Russian Windows writes them: a decimal comma.
QString floatText(double value, char format, int precision)
{
    QString text = QString::number(value, format, precision);
    if (format == 'g' && text.contains(QLatin1Char('e'))) {
        // Delphi writes exponents as E+015.
        text.replace(QLatin1Char('e'), QLatin1Char('E'));
    }
    return text.replace(QLatin1Char('.'), QLatin1Char(','));
}

QString text(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::LongLong:
        return QString::number(v.toLongLong());
    case QMetaType::Double:
        return floatText(v.toDouble(), 'g', 15);
    case QMetaType::Bool:
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    default:
        return v.toString();
    }
}

// A Pascal text to a number, the way StrToInt and StrToFloat accept it.
std::optional<qint64> parseInt(const QString& value)
{
    bool ok = false;
    const QString trimmed = value.trimmed();
    const qint64 n =
        trimmed.startsWith(QLatin1Char('$')) ? trimmed.mid(1).toLongLong(&ok, 16) : trimmed.toLongLong(&ok);
    return ok && trimmed == value.trimmed() ? std::optional<qint64>(n) : std::nullopt;
}

std::optional<double> parseFloat(const QString& value)
{
    QString normal = value.trimmed();
    normal.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double d = normal.toDouble(&ok);
    return ok && std::isfinite(d) ? std::optional<double>(d) : std::nullopt;
}

// Properties of components that hold numbers or flags; everything else is text.
const QSet<QString>& numberProperties()
{
    static const QSet<QString> names = {"left",      "top",       "width",    "height",      "position",
                                        "itemindex", "min",       "max",      "tag",         "interval",
                                        "value",     "maxlength", "selstart", "sellength",   "font.size",
                                        "pen.width", "colcount",  "rowcount", "clientwidth", "clientheight"};
    return names;
}

const QSet<QString>& flagProperties()
{
    static const QSet<QString> names = {"checked", "visible", "enabled", "readonly", "down", "stretch", "transparent"};
    return names;
}

// The sample clock of every session: 1 September 2004, 12:30:45.
constexpr double kSampleDate = 38231.0;
constexpr double kSampleTime = (12 * 3600 + 30 * 60 + 45) / 86400.0;

QString timeText(double value, bool seconds = true)
{
    const int total = static_cast<int>(std::lround((value - std::floor(value)) * 86400.0)) % 86400;
    QString out = QStringLiteral("%1:%2").arg(total / 3600).arg((total / 60) % 60, 2, 10, QLatin1Char('0'));
    if (seconds)
        out += QStringLiteral(":%1").arg(total % 60, 2, 10, QLatin1Char('0'));
    return out;
}

QString dateText(double value)
{
    const QDate date = QDate(1899, 12, 30).addDays(static_cast<qint64>(std::floor(value)));
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

// FormatFloat with the patterns of school programs: "0.00", "#0.0", "00", "0.###".
QString formatFloat(const QString& pattern, double value)
{
    const qsizetype point = pattern.indexOf(QLatin1Char('.'));
    const QString fraction = point < 0 ? QString() : pattern.mid(point + 1);
    const int required = static_cast<int>(fraction.count(QLatin1Char('0')));
    const int optional = static_cast<int>(fraction.count(QLatin1Char('#')));
    QString out = QString::number(std::fabs(value), 'f', required + optional);
    if (optional > 0) {
        while (out.endsWith(QLatin1Char('0')) && out.size() - out.indexOf(QLatin1Char('.')) - 1 > required)
            out.chop(1);
        if (out.endsWith(QLatin1Char('.')))
            out.chop(1);
    }
    const int integerZeros = static_cast<int>(pattern.left(point < 0 ? pattern.size() : point).count(QLatin1Char('0')));
    const qsizetype integerDigits = out.indexOf(QLatin1Char('.')) < 0 ? out.size() : out.indexOf(QLatin1Char('.'));
    if (integerDigits < integerZeros)
        out.prepend(QString(integerZeros - integerDigits, QLatin1Char('0')));
    if (value < 0 && out.contains(QRegularExpression(QStringLiteral("[1-9]"))))
        out.prepend(QLatin1Char('-'));
    return out.replace(QLatin1Char('.'), QLatin1Char(','));
}

struct Segment {
    QString name;
    QString lower;
    bool called = false;
    QList<QVariant> arguments;
    std::optional<QVariant> index;
    std::optional<QVariant> column; // Cells[column, row]: the first of two indexes
};

qsizetype findRoutine(const QList<Token>& tokens, const QString& className, const QString& name);

// The value a variable of a simple type starts with; nothing for types the runner does not know.
// An array of simple values: its elements and the index of the first one.
QVariant makeArray(qint64 low, QVariantList items)
{
    return QVariantMap{{QStringLiteral("low"), QVariant::fromValue<qlonglong>(low)}, {QStringLiteral("items"), items}};
}

bool isArray(const QVariant& v)
{
    return v.typeId() == QMetaType::QVariantMap;
}

QVariant zeroOf(const QString& type, const QHash<QString, QVariant>* constants = nullptr);

// array[1..N] of Integer, with bounds written as numbers or as constants of the unit.
QVariant zeroArray(const QString& type, const QHash<QString, QVariant>* constants)
{
    static const QRegularExpression shape(QStringLiteral(R"(^array\[(\w+)\.\.(\w+)\]of(\w+)$)"));
    const QRegularExpressionMatch match = shape.match(type);
    if (!match.hasMatch())
        return QVariant();
    const auto bound = [&](const QString& text) -> std::optional<qint64> {
        bool ok = false;
        const qint64 n = text.toLongLong(&ok);
        if (ok)
            return n;
        if (constants && constants->value(text).typeId() == QMetaType::LongLong)
            return constants->value(text).toLongLong();
        return std::nullopt;
    };
    const std::optional<qint64> low = bound(match.captured(1));
    const std::optional<qint64> high = bound(match.captured(2));
    const QVariant element = zeroOf(match.captured(3));
    if (!low || !high || *high < *low || *high - *low >= 10000 || !element.isValid())
        return QVariant();
    return makeArray(*low, QVariantList(*high - *low + 1, element));
}

QVariant zeroOf(const QString& written, const QHash<QString, QVariant>* constants)
{
    QString type = written;
    type.remove(QLatin1Char(' '));
    if (type.startsWith(QLatin1String("array")))
        return zeroArray(type, constants);
    static const QSet<QString> integers = {"integer",  "longint",  "cardinal", "word",     "byte",
                                           "shortint", "smallint", "int64",    "longword", "tcolor"};
    static const QSet<QString> floats = {"real", "double", "single", "extended", "currency", "tdatetime", "real48"};
    static const QSet<QString> texts = {"string", "ansistring", "widestring", "shortstring", "char", "ansichar"};
    if (integers.contains(type))
        return QVariant::fromValue<qlonglong>(0);
    if (floats.contains(type))
        return QVariant::fromValue<double>(0.0);
    if (texts.contains(type) || type.startsWith(QLatin1String("string")))
        return QVariant::fromValue(QString());
    if (type == QLatin1String("boolean"))
        return QVariant::fromValue(false);
    return QVariant(); // arrays, records, objects: unknown to the runner
}

// ---- The runner of one routine ----

class Interpreter final {
public:
    Interpreter(const QList<Token>& tokens, FormObject& form, QHash<QString, QVariant>& globals,
                std::optional<SampleRun::Message>& message, int& steps, int depth = 0)
        : m_tokens(tokens)
        , m_form(form)
        , m_globals(globals)
        , m_message(message)
        , m_steps(steps)
        , m_depth(depth)
    {
    }

    // Runs the routine whose header starts at `at` with its value parameters bound to `arguments`; false
    // when it stopped at something unknown.
    bool run(qsizetype at, const QList<QVariant>& arguments = {})
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

    // "a, b: Integer;" lines up to the next section; each variable starts at its type's zero.
    void declarations(QHash<QString, QVariant>& into)
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

    // Constants: "N = 10;" and "Names: array[1..3] of string = ('a', 'b', 'c');".
    qsizetype constantsAt(qsizetype at, QHash<QString, QVariant>& into)
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
                const QVariant shape = zeroOf(type, &into);
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

    // The declarations of a "var" section whose first name is at `at`; returns the index after them.
    qsizetype declare(qsizetype at, QHash<QString, QVariant>& into)
    {
        m_at = at;
        declarations(into);
        return m_at;
    }

    // Whether the routine whose header is at `at` does nothing but close the window.
    bool onlyCloses(qsizetype at)
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

private:
    static bool isSectionWord(const Token& token)
    {
        static const QSet<QString> words = {
            "begin",          "var",  "const",          "type",           "procedure",
            "function",       "end",  "implementation", "initialization", "finalization",
            "resourcestring", "uses", "threadvar"};
        return token.kind == Kind::Identifier && words.contains(token.lower);
    }

    const Token& peek(int ahead = 0) const
    {
        return m_tokens[std::clamp<qsizetype>(m_at + ahead, 0, m_tokens.size() - 1)];
    }
    const Token& take()
    {
        const Token& token = peek();
        if (token.kind != Kind::End)
            ++m_at;
        return token;
    }
    bool atEnd() const { return peek().kind == Kind::End; }
    void fail()
    {
        if (!m_failed)
            m_stop = QStringLiteral("near '%1'").arg(peek(-1).text);
        m_failed = true;
    }
    bool expect(const char* word)
    {
        const Token& token = take();
        if (token.kind == Kind::Symbol ? token.text == QLatin1String(word) : token.lower == QLatin1String(word))
            return true;
        fail();
        return false;
    }

    bool active() const { return !m_failed && m_inactive == 0 && !m_exit && !m_raised; }
    bool counted()
    {
        if (++m_steps > SampleRun::kMaxSteps)
            fail();
        return !m_failed;
    }

    struct Inactive {
        Inactive(int& counter, bool on) : m_counter(counter), m_on(on)
        {
            if (m_on)
                ++m_counter;
        }
        ~Inactive()
        {
            if (m_on)
                --m_counter;
        }
        int& m_counter;
        bool m_on;
    };

    void show(const QString& caption, const QString& text, SampleRun::Message::Icon icon)
    {
        if (!m_message)
            m_message = SampleRun::Message{caption, text, icon};
    }

    void raise(const QString& what)
    {
        if (active())
            m_raised = what;
    }

    // ---- statements ----

    void statements(std::initializer_list<const char*> terminators)
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

    void statement()
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
        } else if (token.kind == Kind::Identifier) {
            designatorStatement();
        } else {
            fail();
        }
    }

    void ifStatement()
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

    void forStatement()
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

    void whileStatement()
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

    void repeatStatement()
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

    void caseStatement()
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

    void tryStatement()
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
    void decodeStatement()
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

    // Inc(x) and Dec(x, n).
    void stepStatement()
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

    void designatorStatement()
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

    // ---- expressions ----

    QList<Segment> designator()
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
        if (path.isEmpty())
            fail();
        return path;
    }

    // Format's argument list: [a, b, c].
    QVariant openArray()
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

    QVariant expression()
    {
        QVariant left = simple();
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

    QVariant compare(const QVariant& a, const QVariant& b, const QString& op)
    {
        int order = 0;
        if (isNumber(a) && isNumber(b)) {
            order = a.toDouble() < b.toDouble() ? -1 : a.toDouble() > b.toDouble() ? 1 : 0;
        } else if (a.typeId() == QMetaType::QString && b.typeId() == QMetaType::QString) {
            order = a.toString().compare(b.toString());
        } else if (a.typeId() == QMetaType::Bool && b.typeId() == QMetaType::Bool) {
            order = int(a.toBool()) - int(b.toBool());
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

    QVariant simple()
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
            const QVariant right = term();
            if (!active())
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

    QVariant term()
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
            else
                break;
            take();
            const QVariant right = factor();
            if (!active())
                continue;
            left = code == 'a' ? logic(left, right, 'a') : arithmetic(left, right, code);
        }
        return left;
    }

    QVariant logic(const QVariant& a, const QVariant& b, char op)
    {
        if (a.typeId() == QMetaType::Bool && b.typeId() == QMetaType::Bool)
            return op == 'a'   ? a.toBool() && b.toBool()
                   : op == 'o' ? a.toBool() || b.toBool()
                               : a.toBool() != b.toBool();
        if (a.typeId() == QMetaType::LongLong && b.typeId() == QMetaType::LongLong) {
            const qint64 x = a.toLongLong();
            const qint64 y = b.toLongLong();
            return QVariant::fromValue<qlonglong>(op == 'a' ? x & y : op == 'o' ? x | y : x ^ y);
        }
        fail();
        return QVariant();
    }

    QVariant arithmetic(const QVariant& a, const QVariant& b, char op)
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

    QVariant factor()
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
            return inner;
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

    // ---- names ----

    QVariant variableValue(const QString& name)
    {
        if (m_locals.contains(name))
            return m_locals.value(name);
        return m_globals.value(name);
    }

    void assign(const QString& name, const QVariant& value)
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

    // The component and the rest of the path: "Label1.Font.Color" is Label1 and "font.color".
    FormObject* component(const QList<Segment>& path, qsizetype* rest)
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
        // The form's own properties, written without "Self.".
        static const QSet<QString> formProperties = {"caption", "color", "width",       "height",
                                                     "left",    "top",   "clientwidth", "clientheight"};
        if (formProperties.contains(first)) {
            *rest = 0;
            return &m_form;
        }
        return nullptr;
    }

    static QString propertyPath(const QList<Segment>& path, qsizetype from, qsizetype to)
    {
        QStringList parts;
        for (qsizetype i = from; i < to; ++i)
            parts.append(path[i].lower);
        return parts.join(QLatin1Char('.'));
    }

    // The stored name of a property as the form file spells it.
    static QString fileName(const FormObject& object, const QString& lower)
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
    int clientSize(const FormObject& object, bool width) const
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
                bevels +=
                    object.value(QLatin1String(property), QLatin1String(fallback)) != QLatin1String("bvNone") ? 1 : 0;
            return std::max(0, size - 2 * bevels);
        }
        return size;
    }

    // Where a grid cell's text is kept on its component: "Cells[2,0]".
    static QString cellKey(const QVariant& column, const QVariant& row)
    {
        return QStringLiteral("Cells[%1,%2]").arg(column.toLongLong()).arg(row.toLongLong());
    }

    static QString listName(const QString& lower)
    {
        return lower == QLatin1String("lines") ? QStringLiteral("Lines.Strings") : QStringLiteral("Items.Strings");
    }

    // A routine of the unit, a method of the form or a plain procedure or function, run with the call's
    // arguments; nothing when the unit has no routine of that name.
    std::optional<QVariant> callRoutine(const Segment& call)
    {
        const qsizetype at = findRoutine(m_tokens, m_form.className, call.name);
        if (at < 0)
            return std::nullopt;
        if (m_depth >= 16) {
            fail();
            return QVariant();
        }
        Interpreter inner(m_tokens, m_form, m_globals, m_message, m_steps, m_depth + 1);
        if (!inner.run(at, call.arguments)) {
            m_stop = call.name + QStringLiteral(": ") + inner.m_stop;
            m_failed = true;
            return QVariant();
        }
        if (inner.m_raised)
            raise(*inner.m_raised);
        return inner.m_locals.value(QStringLiteral("result"));
    }

    // The text of a list control: its lines, each ended by a line break, as TStrings.Text gives it.
    static QString listText(const QStringList& lines)
    {
        QString out;
        for (const QString& line : lines)
            out += line + QStringLiteral("\r\n");
        return out;
    }

    static bool isListControl(const FormObject& object)
    {
        return object.className == QLatin1String("TMemo") || object.className == QLatin1String("TRichEdit") ||
               object.className == QLatin1String("TListBox");
    }

    QVariant read(const QList<Segment>& path)
    {
        const Segment& head = path.first();
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
            if (isArray(value) && head.index->typeId() == QMetaType::LongLong && !head.column) {
                const QVariantMap array = value.toMap();
                const QVariantList items = array.value(QStringLiteral("items")).toList();
                const qint64 i = head.index->toLongLong() - array.value(QStringLiteral("low")).toLongLong();
                if (i < 0 || i >= items.size()) {
                    raise(QStringLiteral("Range check error"));
                    return QVariant::fromValue<qlonglong>(0);
                }
                return items[i];
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
            return object->name;
        const Segment& property = path[rest];
        if (property.lower == QLatin1String("cells") && property.column && property.index)
            return object->value(cellKey(*property.column, *property.index));
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
        if (name == QLatin1String("text") || name == QLatin1String("caption") ||
            name.endsWith(QLatin1String("color")) || name == QLatin1String("font.name") ||
            name == QLatin1String("hint") || object->has(fileName(*object, name)))
            return stored;
        fail();
        return QVariant();
    }

    void write(const QList<Segment>& path, const QVariant& value)
    {
        const Segment& head = path.first();
        const bool variable = m_locals.contains(head.lower) || m_globals.contains(head.lower);
        if (path.size() == 1 && !head.called && variable) {
            if (!head.index) {
                assign(head.lower, value);
                return;
            }
            const QVariant current = variableValue(head.lower);
            if (isArray(current) && head.index->typeId() == QMetaType::LongLong && !head.column) {
                QVariantMap array = current.toMap();
                QVariantList items = array.value(QStringLiteral("items")).toList();
                const qint64 i = head.index->toLongLong() - array.value(QStringLiteral("low")).toLongLong();
                if (i < 0 || i >= items.size())
                    return raise(QStringLiteral("Range check error"));
                QVariant stored = value;
                if (items[i].typeId() == QMetaType::Double && value.typeId() == QMetaType::LongLong)
                    stored = value.toDouble();
                items[i] = stored;
                array.insert(QStringLiteral("items"), items);
                assign(head.lower, array);
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
        // Properties of the form that a still picture does not show: ActiveControl, Tag, Cursor...
        if (!object && path.size() == 1 && !head.called && !head.index)
            return;
        if (!object || rest >= path.size())
            return fail();
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
            callRoutine(Segment{handler, handler.toLower(), true, {}, std::nullopt, std::nullopt});
        }
    }

    // A procedure call as a statement.
    void call(const QList<Segment>& path)
    {
        const Segment& head = path.first();
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
        const QString method = propertyPath(path, rest, path.size());
        const QList<QVariant> arguments = path.last().arguments;
        const bool onList = rest < path.size() &&
                            (path[rest].lower == QLatin1String("lines") || path[rest].lower == QLatin1String("items"));
        if (onList) {
            const QString list = listName(path[rest].lower);
            const QString verb = rest + 1 < path.size() ? path[rest + 1].lower : QString();
            QStringList lines = object->strings(list);
            if (verb == QLatin1String("add") || verb == QLatin1String("append"))
                lines.append(text(arguments.value(0)));
            else if (verb == QLatin1String("clear"))
                lines.clear();
            else if (verb == QLatin1String("delete") && arguments.value(0).typeId() == QMetaType::LongLong)
                lines.removeAt(std::clamp<qsizetype>(arguments.value(0).toLongLong(), 0,
                                                     std::max<qsizetype>(0, lines.size() - 1)));
            else if (verb == QLatin1String("assign") && arguments.value(0).typeId() == QMetaType::QStringList)
                lines = arguments.value(0).toStringList();
            else if (verb == QLatin1String("insert"))
                lines.insert(std::clamp<qsizetype>(arguments.value(0).toLongLong(), 0, lines.size()),
                             text(arguments.value(1)));
            else if (verb != QLatin1String("beginupdate") && verb != QLatin1String("endupdate"))
                return fail();
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

    // Library functions; nullopt when the name is no function the runner knows.
    std::optional<QVariant> function(const Segment& call)
    {
        const QString& f = call.lower;
        const QList<QVariant>& a = call.arguments;
        const auto number = [&](int i) { return a.value(i).toDouble(); };
        const auto needs = [&](int count) {
            if (a.size() < count)
                fail();
            return a.size() >= count;
        };
        if (f == QLatin1String("true") || f == QLatin1String("false"))
            return QVariant(f == QLatin1String("true"));
        if (f == QLatin1String("pi"))
            return M_PI;
        // Colour constants: clRed, clBtnFace.
        if (call.name.startsWith(QLatin1String("cl")) && call.name.size() > 2 && call.name[2].isUpper())
            return call.name;
        if (f == QLatin1String("time"))
            return kSampleTime;
        if (f == QLatin1String("date"))
            return kSampleDate;
        if (f == QLatin1String("now"))
            return kSampleDate + kSampleTime;
        if (f == QLatin1String("random")) {
            m_random = (m_random * 1103515245u + 12345u) & 0x7FFFFFFFu;
            if (a.isEmpty())
                return double(m_random) / 0x80000000u;
            const qint64 range = std::max<qint64>(1, a.value(0).toLongLong());
            return QVariant::fromValue<qlonglong>(m_random % range);
        }
        if (f == QLatin1String("inttostr") && needs(1)) {
            if (a[0].typeId() != QMetaType::LongLong)
                fail();
            return text(a[0]);
        }
        if (f == QLatin1String("floattostr") && needs(1))
            return floatText(number(0), 'g', 15);
        if (f == QLatin1String("floattostrf") && needs(4)) {
            const QString format = text(a[1]).toLower();
            return format == QLatin1String("ffgeneral") ? floatText(number(0), 'g', int(a[2].toLongLong()))
                                                        : floatText(number(0), 'f', int(a[3].toLongLong()));
        }
        if (f == QLatin1String("formatfloat") && needs(2))
            return formatFloat(text(a[0]), number(1));
        if ((f == QLatin1String("strtoint") || f == QLatin1String("strtointdef")) && needs(1)) {
            const std::optional<qint64> n = parseInt(text(a[0]));
            if (n)
                return QVariant::fromValue<qlonglong>(*n);
            if (f == QLatin1String("strtointdef") && a.size() > 1)
                return a[1];
            raise(QStringLiteral("'%1' is not a valid integer value").arg(text(a[0])));
            return QVariant::fromValue<qlonglong>(0);
        }
        if ((f == QLatin1String("strtofloat") || f == QLatin1String("strtofloatdef")) && needs(1)) {
            const std::optional<double> d = parseFloat(text(a[0]));
            if (d)
                return *d;
            if (f == QLatin1String("strtofloatdef") && a.size() > 1)
                return a[1].toDouble();
            raise(QStringLiteral("'%1' is not a valid floating point value").arg(text(a[0])));
            return 0.0;
        }
        if (f == QLatin1String("fileexists") || f == QLatin1String("directoryexists"))
            return false; // the sample session has no files of its own
        if (f == QLatin1String("extractfilename") && needs(1))
            return text(a[0]).section(QRegularExpression(QStringLiteral("[\\\\/]")), -1);
        if (f == QLatin1String("formatdatetime") && needs(2))
            return formatDateTime(text(a[0]), number(1));
        if (f == QLatin1String("timetostr") && needs(1))
            return timeText(number(0));
        if (f == QLatin1String("datetostr") && needs(1))
            return dateText(number(0));
        if (f == QLatin1String("datetimetostr") && needs(1))
            return dateText(number(0)) + QLatin1Char(' ') + timeText(number(0));
        if ((f == QLatin1String("high") || f == QLatin1String("low")) && needs(1) && isArray(a[0])) {
            const QVariantMap array = a[0].toMap();
            const qint64 low = array.value(QStringLiteral("low")).toLongLong();
            return QVariant::fromValue<qlonglong>(
                f == QLatin1String("low") ? low : low + array.value(QStringLiteral("items")).toList().size() - 1);
        }
        if (f == QLatin1String("length") && needs(1) && isArray(a[0]))
            return QVariant::fromValue<qlonglong>(a[0].toMap().value(QStringLiteral("items")).toList().size());
        if (f == QLatin1String("inttohex") && needs(2))
            return QStringLiteral("%1").arg(a[0].toLongLong(), int(a[1].toLongLong()), 16, QLatin1Char('0')).toUpper();
        if (f == QLatin1String("rgb") && needs(3))
            return QVariant::fromValue<qlonglong>((a[0].toLongLong() & 0xFF) | ((a[1].toLongLong() & 0xFF) << 8) |
                                                  ((a[2].toLongLong() & 0xFF) << 16));
        if (f == QLatin1String("length") && needs(1))
            return QVariant::fromValue<qlonglong>(text(a[0]).size());
        if (f == QLatin1String("copy") && needs(3)) {
            const QString s = text(a[0]);
            const qint64 from = std::max<qint64>(1, a[1].toLongLong());
            return s.mid(from - 1, std::max<qint64>(0, a[2].toLongLong()));
        }
        if (f == QLatin1String("pos") && needs(2))
            return QVariant::fromValue<qlonglong>(text(a[1]).indexOf(text(a[0])) + 1);
        if ((f == QLatin1String("uppercase") || f == QLatin1String("ansiuppercase")) && needs(1))
            return text(a[0]).toUpper();
        if ((f == QLatin1String("lowercase") || f == QLatin1String("ansilowercase")) && needs(1))
            return text(a[0]).toLower();
        if (f == QLatin1String("trim") && needs(1))
            return text(a[0]).trimmed();
        if (f == QLatin1String("chr") && needs(1))
            return QString(QChar(char16_t(a[0].toLongLong() & 0xFFFF)));
        if (f == QLatin1String("ord") && needs(1)) {
            const QString s = text(a[0]);
            return QVariant::fromValue<qlonglong>(s.isEmpty() ? 0 : s[0].unicode());
        }
        if ((f == QLatin1String("sqr") || f == QLatin1String("abs")) && needs(1)) {
            if (a[0].typeId() == QMetaType::LongLong) {
                const qint64 x = a[0].toLongLong();
                return QVariant::fromValue<qlonglong>(f == QLatin1String("sqr") ? x * x : std::llabs(x));
            }
            return f == QLatin1String("sqr") ? number(0) * number(0) : std::fabs(number(0));
        }
        if (f == QLatin1String("sqrt") && needs(1)) {
            if (number(0) < 0) {
                raise(QStringLiteral("Invalid floating point operation"));
                return 0.0;
            }
            return std::sqrt(number(0));
        }
        // Round takes halves to the even neighbour, as the Pascal library does: Round(2.5) is 2.
        if ((f == QLatin1String("round") || f == QLatin1String("trunc")) && needs(1))
            return QVariant::fromValue<qlonglong>(f == QLatin1String("round") ? std::llrint(number(0))
                                                                              : static_cast<qint64>(number(0)));
        if (f == QLatin1String("int") && needs(1))
            return std::trunc(number(0));
        if (f == QLatin1String("frac") && needs(1))
            return number(0) - std::trunc(number(0));
        if (f == QLatin1String("power") && needs(2))
            return std::pow(number(0), number(1));
        if ((f == QLatin1String("sin") || f == QLatin1String("cos") || f == QLatin1String("exp") ||
             f == QLatin1String("ln") || f == QLatin1String("arctan")) &&
            needs(1)) {
            const double x = number(0);
            return f == QLatin1String("sin")   ? std::sin(x)
                   : f == QLatin1String("cos") ? std::cos(x)
                   : f == QLatin1String("exp") ? std::exp(x)
                   : f == QLatin1String("ln")  ? std::log(x)
                                               : std::atan(x);
        }
        if (f == QLatin1String("odd") && needs(1))
            return (a[0].toLongLong() & 1) != 0;
        if ((f == QLatin1String("max") || f == QLatin1String("min")) && needs(2)) {
            const bool larger = a[0].toDouble() > a[1].toDouble();
            return (f == QLatin1String("max")) == larger ? a[0] : a[1];
        }
        if (f == QLatin1String("format") && needs(2))
            return format(text(a[0]), a[1].toList());
        if (f == QLatin1String("messagedlg") && needs(2)) {
            const QString type = text(a[1]).toLower();
            const struct {
                const char* type;
                const char* caption;
                SampleRun::Message::Icon icon;
            } kinds[] = {{"mterror", "Error", SampleRun::Message::Icon::Error},
                         {"mtwarning", "Warning", SampleRun::Message::Icon::Warning},
                         {"mtinformation", "Information", SampleRun::Message::Icon::Information},
                         {"mtconfirmation", "Confirm", SampleRun::Message::Icon::Question}};
            for (const auto& kind : kinds)
                if (type == QLatin1String(kind.type))
                    show(QString::fromLatin1(kind.caption), text(a[0]), kind.icon);
            if (!m_message)
                show(QStringLiteral("Project1"), text(a[0]), SampleRun::Message::Icon::None);
            return QVariant::fromValue<qlonglong>(1); // mrOk
        }
        if (f == QLatin1String("messagebox") && needs(3)) {
            show(text(a[2]), text(a[1]), SampleRun::Message::Icon::Information);
            return QVariant::fromValue<qlonglong>(1);
        }
        static const QHash<QString, qint64> constants = {{"mrok", 1}, {"mrcancel", 2}, {"mryes", 6}, {"mrno", 7}};
        if (constants.contains(f))
            return QVariant::fromValue<qlonglong>(constants.value(f));
        static const QSet<QString> identifiers = {
            "ffgeneral",      "fffixed",  "ffnumber", "ffexponent", "mterror", "mtwarning", "mtinformation",
            "mtconfirmation", "mtcustom", "mbyes",    "mbno",       "mbok",    "mbcancel",  "mbabort",
            "mbretry",        "mbignore", "mball",    "mbhelp",     "nil"};
        if (identifiers.contains(f))
            return call.lower;
        return std::nullopt;
    }

    // FormatDateTime with the Russian names of days and months.
    static QString formatDateTime(const QString& pattern, double moment)
    {
        static const QStringList days = {"понедельник", "вторник", "среда",      "четверг",
                                         "пятница",     "суббота", "воскресенье"};
        static const QStringList months = {"Январь", "Февраль", "Март",     "Апрель",  "Май",    "Июнь",
                                           "Июль",   "Август",  "Сентябрь", "Октябрь", "Ноябрь", "Декабрь"};
        const QDate date = QDate(1899, 12, 30).addDays(static_cast<qint64>(std::floor(moment)));
        const qint64 seconds = std::llround((moment - std::floor(moment)) * 86400.0) % 86400;
        const struct {
            const char* token;
            QString value;
        } tokens[] = {{"yyyy", QString::number(date.year())},
                      {"yy", QStringLiteral("%1").arg(date.year() % 100, 2, 10, QLatin1Char('0'))},
                      {"mmmm", months[date.month() - 1]},
                      {"mm", QStringLiteral("%1").arg(date.month(), 2, 10, QLatin1Char('0'))},
                      {"dddd", days[date.dayOfWeek() - 1]},
                      {"dd", QStringLiteral("%1").arg(date.day(), 2, 10, QLatin1Char('0'))},
                      {"d", QString::number(date.day())},
                      {"hh", QStringLiteral("%1").arg(seconds / 3600, 2, 10, QLatin1Char('0'))},
                      {"h", QString::number(seconds / 3600)},
                      {"nn", QStringLiteral("%1").arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))},
                      {"n", QString::number(seconds / 60 % 60)},
                      {"ss", QStringLiteral("%1").arg(seconds % 60, 2, 10, QLatin1Char('0'))},
                      {"s", QString::number(seconds % 60)}};
        QString out;
        for (qsizetype i = 0; i < pattern.size();) {
            if (pattern[i] == QLatin1Char('"') || pattern[i] == QLatin1Char('\'')) {
                const qsizetype end = pattern.indexOf(pattern[i], i + 1);
                out += pattern.mid(i + 1, (end < 0 ? pattern.size() : end) - i - 1);
                i = end < 0 ? pattern.size() : end + 1;
                continue;
            }
            bool matched = false;
            for (const auto& token : tokens) {
                const QLatin1String name(token.token);
                if (pattern.mid(i, name.size()).compare(name, Qt::CaseInsensitive) == 0) {
                    out += token.value;
                    i += name.size();
                    matched = true;
                    break;
                }
            }
            if (!matched)
                out += pattern[i++];
        }
        return out;
    }

    // Format with %d, %s and %.nf, the specifiers school programs use.
    QString format(const QString& pattern, const QVariantList& arguments)
    {
        QString out;
        qsizetype next = 0;
        for (qsizetype i = 0; i < pattern.size(); ++i) {
            if (pattern[i] != QLatin1Char('%')) {
                out.append(pattern[i]);
                continue;
            }
            if (i + 1 < pattern.size() && pattern[i + 1] == QLatin1Char('%')) {
                out.append(QLatin1Char('%'));
                ++i;
                continue;
            }
            qsizetype j = i + 1;
            while (j < pattern.size() && (pattern[j].isDigit() || pattern[j] == QLatin1Char('.')))
                ++j;
            if (j >= pattern.size()) {
                fail();
                return out;
            }
            const QString modifier = pattern.mid(i + 1, j - i - 1);
            const QChar type = pattern[j].toLower();
            const QVariant value = arguments.value(next++);
            const int decimals =
                modifier.contains(QLatin1Char('.')) ? modifier.section(QLatin1Char('.'), 1).toInt() : 2;
            if (type == QLatin1Char('d'))
                out += text(value);
            else if (type == QLatin1Char('s'))
                out += text(value);
            else if (type == QLatin1Char('f') || type == QLatin1Char('n'))
                out += floatText(value.toDouble(), 'f', decimals);
            else if (type == QLatin1Char('x'))
                out += QStringLiteral("%1")
                           .arg(value.toLongLong(), modifier.contains(QLatin1Char('.')) ? decimals : 0, 16,
                                QLatin1Char('0'))
                           .toUpper();
            else
                fail();
            i = j;
        }
        return out;
    }

    void constants()
    {
        QHash<QString, QVariant> declared;
        const QHash<QString, QVariant> before = m_globals;
        constantsAt(m_at, declared);
        // Local constants stay local.
        m_globals = before;
        m_locals.insert(declared);
    }

    const QList<Token>& m_tokens;
    FormObject& m_form;
    QHash<QString, QVariant>& m_globals;
    std::optional<SampleRun::Message>& m_message;
    int& m_steps;
    int m_depth = 0;
    QHash<QString, QVariant> m_locals;

public:
    QString m_stop; // where the run stopped at something unknown
    qsizetype m_at = 0;
    int m_inactive = 0;
    bool m_failed = false;
    bool m_exit = false;
    std::optional<QString> m_raised;
    QString m_exceptionName;
    QString m_exceptionMessage;
    quint32 m_random = 1;
};

// The index of the header "procedure TForm1.Name" in the tokens, or -1.
qsizetype findHandler(const QList<Token>& tokens, const QString& className, const QString& name)
{
    for (qsizetype i = 0; i + 3 < tokens.size(); ++i)
        if (isWord(tokens[i], "procedure") && tokens[i + 1].lower == className.toLower() &&
            isSymbol(tokens[i + 2], ".") && tokens[i + 3].lower == name.toLower())
            return i;
    return -1;
}

// The header of a routine of the unit by its name: a method of the form class or a plain routine.
qsizetype findRoutine(const QList<Token>& tokens, const QString& className, const QString& name)
{
    const QString lower = name.toLower();
    bool implementation = false;
    for (qsizetype i = 0; i + 1 < tokens.size(); ++i) {
        if (isWord(tokens[i], "implementation"))
            implementation = true;
        if (!implementation || !(isWord(tokens[i], "procedure") || isWord(tokens[i], "function")))
            continue;
        if (tokens[i + 1].lower == lower && !isSymbol(tokens[i + 2], "."))
            return i;
        if (i + 3 < tokens.size() && tokens[i + 1].lower == className.toLower() && isSymbol(tokens[i + 2], ".") &&
            tokens[i + 3].lower == lower)
            return i;
    }
    return -1;
}

// Past the routine whose header starts at `at`: its declarations and its body to the matching "end".
qsizetype skipRoutine(const QList<Token>& tokens, qsizetype at)
{
    qsizetype i = at + 1;
    while (i < tokens.size() && tokens[i].kind != Kind::End && !isWord(tokens[i], "begin")) {
        // A forward or interface declaration has no body.
        if (isWord(tokens[i], "forward") || isWord(tokens[i], "external"))
            return i + 1;
        ++i;
    }
    int depth = 0;
    for (; i < tokens.size() && tokens[i].kind != Kind::End; ++i) {
        if (isWord(tokens[i], "begin") || isWord(tokens[i], "case") || isWord(tokens[i], "try") ||
            isWord(tokens[i], "asm") || isWord(tokens[i], "record"))
            ++depth;
        else if (isWord(tokens[i], "end") && --depth == 0)
            return i + 1;
    }
    return i;
}

} // namespace

// The constants, or the form class's fields and the variables, of a unit.
void declareUnit(const QList<Token>& tokens, bool constants, FormObject& form, QHash<QString, QVariant>& globals)
{
    bool implementation = false;
    int parentheses = 0;
    for (qsizetype i = 0; i < tokens.size() && tokens[i].kind != Kind::End;) {
        if (isWord(tokens[i], "implementation"))
            implementation = true;
        if (implementation && (isWord(tokens[i], "procedure") || isWord(tokens[i], "function"))) {
            i = skipRoutine(tokens, i);
            continue;
        }
        // Fields of the form class: "Answer, Right: Integer;" between its methods and visibility words.
        if (!constants && !implementation && i + 2 < tokens.size() && tokens[i].lower == form.className.toLower() &&
            isSymbol(tokens[i + 1], "=") && isWord(tokens[i + 2], "class")) {
            i += 3;
            while (i < tokens.size() && tokens[i].kind != Kind::End && !isWord(tokens[i], "end")) {
                if (isSymbol(tokens[i], "(")) { // the ancestor: class(TForm)
                    while (i < tokens.size() && tokens[i].kind != Kind::End && !isSymbol(tokens[i], ")"))
                        ++i;
                    ++i;
                    continue;
                }
                if (isWord(tokens[i], "procedure") || isWord(tokens[i], "function")) {
                    int depth = 0;
                    for (; i < tokens.size() && tokens[i].kind != Kind::End; ++i) {
                        depth += isSymbol(tokens[i], "(") ? 1 : isSymbol(tokens[i], ")") ? -1 : 0;
                        if (depth == 0 && isSymbol(tokens[i], ";"))
                            break;
                    }
                    ++i;
                    continue;
                }
                if (tokens[i].kind == Kind::Identifier &&
                    (isSymbol(tokens[i + 1], ",") || isSymbol(tokens[i + 1], ":"))) {
                    QStringList names;
                    while (tokens[i].kind == Kind::Identifier) {
                        names.append(tokens[i].lower);
                        if (!isSymbol(tokens[i + 1], ","))
                            break;
                        i += 2;
                    }
                    i += 2; // the last name and the colon
                    QString type;
                    while (i < tokens.size() && tokens[i].kind != Kind::End && !isSymbol(tokens[i], ";"))
                        type += tokens[i++].text.toLower();
                    const QVariant zero = zeroOf(type, &globals);
                    for (const QString& name : names)
                        if (zero.isValid())
                            globals.insert(name, zero);
                }
                ++i;
            }
            continue;
        }
        if (isSymbol(tokens[i], "("))
            ++parentheses;
        if (isSymbol(tokens[i], ")"))
            parentheses = std::max(0, parentheses - 1);
        // Sections of the unit, not the "const" of a parameter list.
        if (constants && isWord(tokens[i], "const") && parentheses == 0) {
            int steps = 0;
            std::optional<SampleRun::Message> none;
            Interpreter section(tokens, form, globals, none, steps);
            QHash<QString, QVariant> declared;
            i = std::max(i + 1, section.constantsAt(i + 1, declared));
            continue;
        }
        if (!constants && implementation && isWord(tokens[i], "var") && parentheses == 0) {
            int steps = 0;
            std::optional<SampleRun::Message> none;
            Interpreter section(tokens, form, globals, none, steps);
            QHash<QString, QVariant> declared;
            i = std::max(i + 1, section.declare(i + 1, declared));
            globals.insert(declared);
            continue;
        }
        ++i;
    }
}

SampleRun::SampleRun(FormObject form, const QString& unitSource) : m_form(std::move(form)), m_source(unitSource)
{
    const QList<Token> tokens = tokenize(m_source);
    // Constants first, so that array bounds can name them; then fields and variables.
    for (int pass = 0; pass < 2; ++pass)
        declareUnit(tokens, pass == 0, m_form, m_globals);
}

bool SampleRun::runHandler(const QString& name)
{
    const QList<Token> tokens = tokenize(m_source);
    const qsizetype at = findHandler(tokens, m_form.className, name);
    if (at < 0)
        return false;
    int steps = 0;
    Interpreter interpreter(tokens, m_form, m_globals, m_message, steps);
    if (!interpreter.run(at))
        m_stops.append(QStringLiteral("%1: %2").arg(name, interpreter.m_stop));
    return true;
}

void SampleRun::start()
{
    runHandler(m_form.value(QStringLiteral("OnCreate"), QStringLiteral("FormCreate")));
    if (m_form.has(QStringLiteral("OnShow")))
        runHandler(m_form.value(QStringLiteral("OnShow")));
}

void SampleRun::typeSamples(bool badInput)
{
    // What the unit does with each edit's text decides the sample.
    static const QRegularExpression integerUse(
        QStringLiteral(R"(StrToInt(?:Def)?\s*\(\s*(?:Trim\s*\(\s*)?(\w+)\.Text)"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression floatUse(
        QStringLiteral(R"(StrToFloat(?:Def)?\s*\(\s*(?:Trim\s*\(\s*)?(\w+)\.Text)"),
        QRegularExpression::CaseInsensitiveOption);
    QSet<QString> integers;
    QSet<QString> floats;
    for (auto it = integerUse.globalMatch(m_source); it.hasNext();)
        integers.insert(it.next().captured(1).toLower());
    for (auto it = floatUse.globalMatch(m_source); it.hasNext();)
        floats.insert(it.next().captured(1).toLower());

    const QStringList integerSamples = {"12", "5", "8", "3", "7", "4"};
    const QStringList floatSamples = {"2,5", "4", "1,5", "3"};
    int nextInteger = 0;
    int nextFloat = 0;
    bool spoiled = false;
    QStringList typed;
    for (const FormObject* object : m_form.all()) {
        if (object->className != QLatin1String("TEdit") && object->className != QLatin1String("TMaskEdit") &&
            object->className != QLatin1String("TLabeledEdit"))
            continue;
        if (!object->value(QStringLiteral("Text")).isEmpty() || object->flag(QStringLiteral("ReadOnly"), false))
            continue;
        const QString name = object->name.toLower();
        QString sample;
        if (integers.contains(name))
            sample = integerSamples[nextInteger++ % integerSamples.size()];
        else if (floats.contains(name))
            sample = floatSamples[nextFloat++ % floatSamples.size()];
        else
            sample = QStringLiteral("Маша");
        if (badInput && !spoiled && (integers.contains(name) || floats.contains(name))) {
            sample = QStringLiteral("12а");
            spoiled = true;
        }
        m_form.find(object->name)->values.insert(QStringLiteral("Text"), sample);
        typed.append(object->name);
    }
    for (const FormObject* object : m_form.all()) {
        if ((object->className != QLatin1String("TMemo") && object->className != QLatin1String("TRichEdit")) ||
            !object->strings(QStringLiteral("Lines.Strings")).isEmpty() ||
            object->flag(QStringLiteral("ReadOnly"), false))
            continue;
        // Only a memo the program reads is one the pupil types into; a memo for results stays empty.
        const QRegularExpression read(
            QStringLiteral(R"(\b%1\.(Text\b(?!\s*:=)|Lines\s*\[|Lines\.(Count|Text)\b))").arg(object->name),
            QRegularExpression::CaseInsensitiveOption);
        if (!read.match(m_source).hasMatch())
            continue;
        m_form.find(object->name)
            ->lists.insert(
                QStringLiteral("Lines.Strings"),
                {QStringLiteral("Встречаемся в субботу у школы в 10 часов."), QStringLiteral("Пароль: Дельфин.")});
        typed.append(object->name);
    }
    for (const QString& name : typed)
        if (const FormObject* edit = m_form.find(name); edit && edit->has(QStringLiteral("OnChange")))
            runHandler(edit->value(QStringLiteral("OnChange")));
}

bool SampleRun::clickMatching(const QString& words)
{
    const QStringList wanted = words.toLower().split(
        QRegularExpression(QStringLiteral("\\W+"), QRegularExpression::UseUnicodePropertiesOption), Qt::SkipEmptyParts);
    for (const FormObject* object : m_form.all()) {
        const QString handler = object->value(QStringLiteral("OnClick"));
        if (handler.isEmpty())
            continue;
        const QStringList own =
            object->value(QStringLiteral("Caption"))
                .remove(QLatin1Char('&'))
                .toLower()
                .split(QRegularExpression(QStringLiteral("\\W+"), QRegularExpression::UseUnicodePropertiesOption),
                       Qt::SkipEmptyParts);
        for (const QString& word : wanted)
            for (const QString& mine : own)
                if (word.size() >= 6 && mine.size() >= 6 && word.left(6) == mine.left(6)) {
                    runHandler(handler);
                    return true;
                }
    }
    return false;
}

void SampleRun::clickMainButton()
{
    const QList<Token> tokens = tokenize(m_source);
    QString chosen;
    for (const FormObject* object : m_form.all()) {
        if (object->className != QLatin1String("TButton") && object->className != QLatin1String("TBitBtn") &&
            object->className != QLatin1String("TSpeedButton"))
            continue;
        const QString handler = object->value(QStringLiteral("OnClick"));
        if (handler.isEmpty())
            continue;
        if (object->flag(QStringLiteral("Default"), false)) {
            chosen = handler;
            break;
        }
        if (!chosen.isEmpty())
            continue;
        // Buttons that only close the window are passed over.
        const qsizetype at = findHandler(tokens, m_form.className, handler);
        int steps = 0;
        std::optional<Message> none;
        if (at >= 0 && !Interpreter(tokens, m_form, m_globals, none, steps).onlyCloses(at))
            chosen = handler;
    }
    if (!chosen.isEmpty())
        runHandler(chosen);
}

void SampleRun::tickTimers()
{
    const QList<const FormObject*> objects = m_form.all();
    QStringList handlers;
    for (const FormObject* object : objects)
        if (object->className == QLatin1String("TTimer") && object->flag(QStringLiteral("Enabled"), true) &&
            object->has(QStringLiteral("OnTimer")))
            handlers.append(object->value(QStringLiteral("OnTimer")));
    for (const QString& handler : handlers)
        runHandler(handler);
}
