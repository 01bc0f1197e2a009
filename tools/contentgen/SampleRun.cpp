// SPDX-License-Identifier: MIT
#include "SampleRun.h"

#include "FormPainter.h"

#include <QBuffer>
#include <QDate>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>
#include <QtMath>

#include <functional>

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

// A component or a part of one ("Image1.Canvas", "Image1.Picture.Bitmap") as variables of class types and
// Sender hold it; an empty path is nil.
struct ObjectRef {
    QString path;
    bool operator==(const ObjectRef& other) const { return path == other.path; }
};

// A record of the library (TRect, TPoint, TLogFont): its fields by their names in lower case.
struct Record {
    QHash<QString, QVariant> fields;
    bool operator==(const Record& other) const { return fields == other.fields; }
};

QVariant reference(const QString& path)
{
    return QVariant::fromValue(ObjectRef{path});
}

bool isReference(const QVariant& v)
{
    return v.metaType() == QMetaType::fromType<ObjectRef>();
}

bool isRecord(const QVariant& v)
{
    return v.metaType() == QMetaType::fromType<Record>();
}

QVariant integer(qint64 n)
{
    return QVariant::fromValue<qlonglong>(n);
}

QVariant rectRecord(const QRect& r)
{
    return QVariant::fromValue(Record{{{"left", integer(r.left())},
                                       {"top", integer(r.top())},
                                       {"right", integer(r.left() + r.width())},
                                       {"bottom", integer(r.top() + r.height())}}});
}

QVariant pointRecord(const QPoint& p)
{
    return QVariant::fromValue(Record{{{"x", integer(p.x())}, {"y", integer(p.y())}}});
}

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
    static const QRegularExpression shape(QStringLiteral(R"(^array\[(\w+)\.\.(\w+)(?:,(\w+)\.\.(\w+))?\]of(.+)$)"));
    const QRegularExpressionMatch match = shape.match(type);
    if (!match.hasMatch())
        return QVariant();
    // An array of two dimensions is an array of arrays: array[0..4, 0..4] is array[0..4] of array[0..4].
    if (!match.captured(3).isEmpty())
        return zeroArray(
            QStringLiteral("array[%1..%2]ofarray[%3..%4]of%5")
                .arg(match.captured(1), match.captured(2), match.captured(3), match.captured(4), match.captured(5)),
            constants);
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
    const QVariant element = zeroOf(match.captured(5), constants);
    const qint64 inner = isArray(element) ? element.toMap().value(QStringLiteral("items")).toList().size() : 1;
    if (!low || !high || *high < *low || (*high - *low + 1) * inner > 10000 || !element.isValid())
        return QVariant();
    return makeArray(*low, QVariantList(*high - *low + 1, element));
}

QVariant zeroOf(const QString& written, const QHash<QString, QVariant>* constants)
{
    QString type = written;
    type.remove(QLatin1Char(' '));
    // A type of the unit: an enumeration, or another name for a type ("TWeek = array[1..7] of Integer").
    if (constants && !type.isEmpty()) {
        const QVariant declared = constants->value(QStringLiteral("type:") + type);
        if (declared == QLatin1String("enum"))
            return integer(0);
        if (declared.typeId() == QMetaType::QString && declared.toString() != type)
            return zeroOf(declared.toString(), nullptr);
    }
    // A dynamic array starts empty; SetLength gives it its elements.
    if (type.startsWith(QLatin1String("arrayof"))) {
        const QVariant element = zeroOf(type.mid(7), constants);
        return element.isValid() ? makeArray(0, {}) : QVariant();
    }
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
    if (type == QLatin1String("trect"))
        return rectRecord(QRect());
    if (type == QLatin1String("tpoint"))
        return pointRecord(QPoint());
    if (type == QLatin1String("tlogfont"))
        return QVariant::fromValue(Record{{{"lfheight", integer(0)},
                                           {"lfwidth", integer(0)},
                                           {"lfescapement", integer(0)},
                                           {"lforientation", integer(0)},
                                           {"lfweight", integer(400)}}});
    // Classes of the library (TBitmap, TCanvas, TStringGrid): a reference, nil to begin with.
    if (type.startsWith(QLatin1Char('t')) && !type.contains(QLatin1Char('(')))
        return QVariant::fromValue(ObjectRef{});
    return QVariant(); // arrays of unknown elements, records of the unit: unknown to the runner
}

// ---- The runner of one routine ----

// What every routine of a session works on: the form, the unit's variables, the first message shown, the
// drawing surfaces, the objects the program created and the state of Random.
struct State {
    FormObject& form;
    QHash<QString, QVariant>& globals;
    std::optional<SampleRun::Message>& message;
    QHash<QString, SampleCanvas>& canvases;
    QHash<QString, FormObject>& objects;
    quint32& random;
    const SampleRun::Folder* folder = nullptr;
};

// The parts of a state that a routine run only to read declarations or to look at a handler throws away.
struct Scratch {
    std::optional<SampleRun::Message> message;
    QHash<QString, SampleCanvas> canvases;
    QHash<QString, FormObject> objects;
    quint32 random = 1;
};

class Interpreter final {
public:
    Interpreter(const QList<Token>& tokens, const State& state, int& steps, int depth = 0)
        : m_tokens(tokens)
        , m_state(state)
        , m_form(state.form)
        , m_globals(state.globals)
        , m_message(state.message)
        , m_canvases(state.canvases)
        , m_objects(state.objects)
        , m_random(state.random)
        , m_folder(state.folder)
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

    // "with PaintBox1.Canvas do ...": inside, the canvas's own names stand for themselves.
    void withStatement()
    {
        take();
        const QList<Segment> target = resolve(designator());
        expect("do");
        m_with.append(target);
        statement();
        m_with.removeLast();
    }

    // SetLength(A, N) of a dynamic array: new elements are empty strings, zeros or False like the first.
    void setLengthStatement()
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

    static QVariant zeroLike(const QVariant& value)
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
    void colourValuesStatement()
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

    QVariant compare(const QVariant& a, const QVariant& b, const QString& op)
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

    static QList<Segment> segments(const QString& path)
    {
        QList<Segment> out;
        for (const QString& part : path.split(QLatin1Char('.'), Qt::SkipEmptyParts))
            out.append(Segment{part, part.toLower(), false, {}, std::nullopt, std::nullopt});
        return out;
    }

    // The component, or object the program created, that a reference's path begins with.
    FormObject* findObject(const QString& path)
    {
        const QString name = path.section(QLatin1Char('.'), 0, 0);
        if (const auto it = m_objects.find(name); it != m_objects.end())
            return &*it;
        return m_form.find(name);
    }

    // A name as the runner reads it: a variable that holds an object stands for that object's path
    // ("C.Brush.Color" with C := Image1.Canvas), and a bitmap's canvas is its image's ("Image1.Picture.Bitmap.
    // Canvas" is "Image1.Canvas").
    QList<Segment> resolve(QList<Segment> path)
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
                    replaced.append(Segment{
                        QStringLiteral("Strings"), QStringLiteral("strings"), false, {}, head.index, head.column});
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

    // The corners of a rectangle in any order, as GDI takes them.
    static QRect fromCorners(qint64 x1, qint64 y1, qint64 x2, qint64 y2)
    {
        const auto c = [](qint64 v) { return static_cast<int>(std::clamp<qint64>(v, -100000, 100000)); };
        return QRect(c(std::min(x1, x2)), c(std::min(y1, y2)), c(std::llabs(x2 - x1)), c(std::llabs(y2 - y1)));
    }

    static QRect rectOf(const QVariant& value)
    {
        const QHash<QString, QVariant>& f = value.value<Record>().fields;
        return fromCorners(f.value(QStringLiteral("left")).toLongLong(), f.value(QStringLiteral("top")).toLongLong(),
                           f.value(QStringLiteral("right")).toLongLong(),
                           f.value(QStringLiteral("bottom")).toLongLong());
    }

    static QPoint pointOf(const QVariant& value)
    {
        const QHash<QString, QVariant>& f = value.value<Record>().fields;
        return QPoint(static_cast<int>(std::clamp<qint64>(f.value(QStringLiteral("x")).toLongLong(), -100000, 100000)),
                      static_cast<int>(std::clamp<qint64>(f.value(QStringLiteral("y")).toLongLong(), -100000, 100000)));
    }

    // ---- the working folder ----

    // A path inside C:\DELPHIFILES as the folder names it ("gif/001.gif", "" for the folder itself), or
    // nothing for a path elsewhere.
    static std::optional<QString> inFolder(QString path)
    {
        path.replace(QLatin1Char('/'), QLatin1Char('\\'));
        while (path.endsWith(QLatin1Char('\\')))
            path.chop(1);
        static const QString root = QStringLiteral("C:\\DELPHIFILES");
        if (path.compare(root, Qt::CaseInsensitive) == 0)
            return QString();
        if (!path.startsWith(root + QLatin1Char('\\'), Qt::CaseInsensitive))
            return std::nullopt;
        return path.mid(root.size() + 1).replace(QLatin1Char('\\'), QLatin1Char('/'));
    }

    // The name of a file of the working folder as the folder spells it, or nothing.
    std::optional<QString> folderFile(const QString& path) const
    {
        const std::optional<QString> inside = inFolder(path);
        if (!m_folder || !inside || inside->isEmpty())
            return std::nullopt;
        for (const QString& name : m_folder->names)
            if (name.compare(*inside, Qt::CaseInsensitive) == 0)
                return name;
        return std::nullopt;
    }

    bool folderExists(const QString& path) const
    {
        const std::optional<QString> inside = inFolder(path);
        if (!m_folder || !inside)
            return false;
        if (inside->isEmpty())
            return true;
        for (const QString& name : m_folder->names)
            if (name.startsWith(*inside + QLatin1Char('/'), Qt::CaseInsensitive))
                return true;
        return false;
    }

    // The files of a folder that match a mask ("*.gif"), sorted by name as a file list shows them.
    QStringList folderListing(const QString& path, const QString& mask) const
    {
        const std::optional<QString> inside = inFolder(path);
        QStringList out;
        if (!m_folder || !inside)
            return out;
        const QString prefix = inside->isEmpty() ? QString() : *inside + QLatin1Char('/');
        const QRegularExpression pattern(
            QRegularExpression::wildcardToRegularExpression(mask.isEmpty() ? QStringLiteral("*") : mask),
            QRegularExpression::CaseInsensitiveOption);
        for (const QString& name : m_folder->names) {
            const QString rest = name.mid(prefix.size());
            if (name.startsWith(prefix, Qt::CaseInsensitive) && !rest.contains(QLatin1Char('/')) &&
                pattern.match(rest).hasMatch())
                out.append(rest);
        }
        out.sort(Qt::CaseInsensitive);
        return out;
    }

    // A picture file of the working folder loaded into an image or bitmap: its first frame becomes the
    // owner's surface, its class and number of frames are noted for the program to read.
    void loadPicture(FormObject& owner, const QString& path)
    {
        const std::optional<QString> name = folderFile(path);
        if (!name) {
            raise(QStringLiteral("Cannot open file \"%1\". The system cannot find the file specified").arg(path));
            return;
        }
        QByteArray bytes = m_folder->bytes ? m_folder->bytes(*name) : QByteArray();
        QBuffer buffer(&bytes);
        QImageReader reader(&buffer);
        const int frames = std::max(1, reader.imageCount());
        const QImage picture = reader.read();
        const QString extension = name->section(QLatin1Char('.'), -1).toLower();
        owner.values.insert(QStringLiteral("Picture.ClassName"),
                            extension == QLatin1String("gif")   ? QStringLiteral("TGIFImage")
                            : extension == QLatin1String("ico") ? QStringLiteral("TIcon")
                            : extension == QLatin1String("wmf") || extension == QLatin1String("emf")
                                ? QStringLiteral("TMetafile")
                            : extension == QLatin1String("jpg") ? QStringLiteral("TJPEGImage")
                                                                : QStringLiteral("TBitmap"));
        owner.values.insert(QStringLiteral("Picture.Frames"), QString::number(frames));
        // A metafile the figures cannot decode keeps the picture the exercise's files give the image.
        if (picture.isNull())
            return;
        SampleCanvas loaded(picture.size(), Qt::white);
        loaded.draw(QPoint(0, 0), picture, false);
        m_canvases.insert(owner.name, loaded);
    }

    // ---- canvases ----

    static const QSet<QString>& canvasMembers()
    {
        static const QSet<QString> names = {
            "pen",        "brush",  "font",        "pixels",   "penpos",    "cliprect",  "handle",
            "moveto",     "lineto", "rectangle",   "ellipse",  "fillrect",  "framerect", "roundrect",
            "arc",        "pie",    "chord",       "polygon",  "polyline",  "textout",   "textwidth",
            "textheight", "draw",   "stretchdraw", "copyrect", "floodfill", "lock",      "unlock"};
        return names;
    }

    static bool isGrid(const FormObject& object)
    {
        return object.className == QLatin1String("TStringGrid") || object.className == QLatin1String("TDrawGrid");
    }

    // The surface of an object, made when the program first draws on it: an image's bitmap of the control's
    // size in white, a transparent layer over a paint box, a grid's cells or the form.
    SampleCanvas& canvasOf(FormObject& owner)
    {
        if (const auto it = m_canvases.find(owner.name); it != m_canvases.end())
            return *it;
        QSize size(owner.number(QStringLiteral("Width"), 0), owner.number(QStringLiteral("Height"), 0));
        QColor fill = Qt::transparent;
        if (&owner == &m_form)
            size = QSize(clientSize(owner, true), clientSize(owner, false));
        else if (isGrid(owner))
            size -= QSize(4, 4);
        if (owner.className == QLatin1String("TImage") || owner.className == QLatin1String("TBitmap"))
            fill = Qt::white;
        return *m_canvases.insert(owner.name, SampleCanvas(size, fill));
    }

    // The picture that a graphic stands for: the surface of the image or bitmap it names.
    QImage pictureOf(const QVariant& graphic)
    {
        if (!isReference(graphic))
            return QImage();
        const FormObject* owner = findObject(graphic.value<ObjectRef>().path);
        return owner && m_canvases.contains(owner->name) ? m_canvases.value(owner->name).image() : QImage();
    }

    // A colour as the program holds it: a number of the TColor kind.
    static QVariant colourValue(const QString& stored, qint64 fallback)
    {
        if (stored.isEmpty())
            return integer(fallback);
        if (const std::optional<qint64> constant = FormPainter::colourConstant(stored))
            return integer(*constant);
        if (const std::optional<qint64> n = parseInt(stored))
            return integer(*n);
        return stored;
    }

    static qint64 colourNumber(const QColor& colour)
    {
        return colour.red() | (colour.green() << 8) | (qint64(colour.blue()) << 16);
    }

    // A Canvas method called as a statement: Rectangle(10, 10, 50, 40), TextOut(x, y, 'Привет').
    void canvasCall(FormObject& owner, const Segment& call)
    {
        const QList<QVariant>& a = call.arguments;
        for (const QVariant& argument : a)
            if (!argument.isValid())
                return fail();
        const auto n = [&](int i) { return std::clamp<qint64>(a.value(i).toLongLong(), -100000, 100000); };
        const auto numbers = [&](int count) {
            if (a.size() < count)
                return false;
            for (int i = 0; i < count; ++i)
                if (!isNumber(a[i]))
                    return false;
            return true;
        };
        const auto area = [&]() -> std::optional<QRect> {
            if (!a.isEmpty() && isRecord(a[0]))
                return rectOf(a[0]);
            if (numbers(4))
                return fromCorners(n(0), n(1), n(2), n(3));
            return std::nullopt;
        };
        const auto points = [&]() {
            QPolygon polygon;
            for (const QVariant& item : a.value(0).toList())
                polygon << pointOf(item);
            return polygon;
        };
        SampleCanvas& canvas = canvasOf(owner);
        const SampleCanvas::Tools tools = SampleCanvas::tools(owner);
        const QString& f = call.lower;
        const QPoint at(static_cast<int>(n(0)), static_cast<int>(n(1)));
        if (f == QLatin1String("moveto") && numbers(2)) {
            canvas.moveTo(at);
        } else if (f == QLatin1String("lineto") && numbers(2)) {
            canvas.lineTo(tools, at);
        } else if (f == QLatin1String("textout") && numbers(2) && a.size() == 3) {
            canvas.textOut(tools, at, text(a[2]));
        } else if (f == QLatin1String("polygon") || f == QLatin1String("polyline")) {
            if (a.value(0).typeId() != QMetaType::QVariantList)
                return fail();
            if (f == QLatin1String("polygon"))
                canvas.polygon(tools, points());
            else
                canvas.polyline(tools, points());
        } else if ((f == QLatin1String("arc") || f == QLatin1String("pie") || f == QLatin1String("chord")) &&
                   numbers(8)) {
            canvas.curve(tools,
                         f == QLatin1String("arc")   ? SampleCanvas::Curve::Arc
                         : f == QLatin1String("pie") ? SampleCanvas::Curve::Pie
                                                     : SampleCanvas::Curve::Chord,
                         fromCorners(n(0), n(1), n(2), n(3)), QPoint(int(n(4)), int(n(5))),
                         QPoint(int(n(6)), int(n(7))));
        } else if (f == QLatin1String("roundrect") && numbers(6)) {
            canvas.roundRect(tools, fromCorners(n(0), n(1), n(2), n(3)), QSize(int(n(4)), int(n(5))));
        } else if (f == QLatin1String("draw") && numbers(2) && a.size() == 3) {
            const FormObject* source = isReference(a[2]) ? findObject(a[2].value<ObjectRef>().path) : nullptr;
            canvas.draw(at, pictureOf(a[2]), source && source->flag(QStringLiteral("Transparent"), false));
        } else if (f == QLatin1String("stretchdraw") && a.size() == 2 && isRecord(a[0])) {
            canvas.stretchDraw(rectOf(a[0]), pictureOf(a[1]));
        } else if (f == QLatin1String("copyrect") && a.size() == 3 && isRecord(a[0]) && isRecord(a[2])) {
            canvas.stretchDraw(rectOf(a[0]), pictureOf(a[1]).copy(rectOf(a[2])));
        } else if (const std::optional<QRect> box = area();
                   box && (f == QLatin1String("rectangle") || f == QLatin1String("ellipse") ||
                           f == QLatin1String("fillrect") || f == QLatin1String("framerect"))) {
            if (f == QLatin1String("rectangle"))
                canvas.rectangle(tools, *box);
            else if (f == QLatin1String("ellipse"))
                canvas.ellipse(tools, *box);
            else if (f == QLatin1String("fillrect"))
                canvas.fillRect(tools, *box);
            else
                canvas.frameRect(tools, *box);
        } else if (f != QLatin1String("floodfill") && f != QLatin1String("lock") && f != QLatin1String("unlock") &&
                   f != QLatin1String("refresh")) {
            fail();
        }
    }

    // A copy of a picture becomes the owner's own: Image1.Picture.Assign(Bmp), Image3.Picture.Bitmap := Bmp.
    void givePicture(FormObject& owner, const QVariant& graphic)
    {
        const QImage picture = pictureOf(graphic);
        if (picture.isNull())
            return;
        SampleCanvas copy(picture.size(), Qt::white);
        copy.draw(QPoint(0, 0), picture, false);
        m_canvases.insert(owner.name, copy);
    }

    // A property or function of a canvas: TextWidth(S), Pixels[X, Y], PenPos, Brush.Color, Font.Handle.
    QVariant canvasRead(FormObject& owner, const QList<Segment>& path, qsizetype at)
    {
        const Segment& member = path[at];
        const QString name = propertyPath(path, at, path.size());
        if (member.lower == QLatin1String("textwidth") || member.lower == QLatin1String("textheight")) {
            const SampleCanvas::Tools tools = SampleCanvas::tools(owner);
            const QString s = text(member.arguments.value(0));
            return integer(member.lower == QLatin1String("textwidth") ? SampleCanvas::textWidth(tools, s)
                                                                      : SampleCanvas::textHeight(tools, s));
        }
        if (member.lower == QLatin1String("pixels") && member.column && member.index)
            return integer(colourNumber(
                canvasOf(owner).pixel(QPoint(int(member.column->toLongLong()), int(member.index->toLongLong())))));
        if (name == QLatin1String("penpos"))
            return pointRecord(canvasOf(owner).penPos());
        if (name == QLatin1String("penpos.x") || name == QLatin1String("penpos.y"))
            return integer(name.endsWith(QLatin1Char('x')) ? canvasOf(owner).penPos().x()
                                                           : canvasOf(owner).penPos().y());
        if (name == QLatin1String("cliprect"))
            return rectRecord(QRect(QPoint(0, 0), canvasOf(owner).size()));
        if (name == QLatin1String("handle"))
            return reference(owner.name + QStringLiteral(".Canvas"));
        if (name == QLatin1String("font.handle")) {
            QVariant font = zeroOf(QStringLiteral("tlogfont"));
            Record record = font.value<Record>();
            record.fields.insert(QStringLiteral("lfescapement"),
                                 integer(owner.number(QStringLiteral("Canvas.Font.Escapement"), 0)));
            return QVariant::fromValue(record);
        }
        for (qsizetype i = at; i < path.size(); ++i)
            if (path[i].called || path[i].index) {
                fail();
                return QVariant();
            }
        const QString stored = owner.value(fileName(owner, QStringLiteral("canvas.") + name));
        if (name.endsWith(QLatin1String("color")))
            return colourValue(stored, name == QLatin1String("brush.color") ? 0xFFFFFF : 0);
        if (name == QLatin1String("pen.width") || name == QLatin1String("font.size")) {
            const std::optional<qint64> n = parseInt(stored);
            return integer(n ? *n : name == QLatin1String("pen.width") ? 1 : 8);
        }
        return stored;
    }

    // A property of a canvas set: Pen.Color := clRed, Font.Style := [fsBold], Pixels[X, Y] := clBlack.
    void canvasWrite(FormObject& owner, const QList<Segment>& path, qsizetype at, const QVariant& value)
    {
        const Segment& member = path[at];
        if (member.lower == QLatin1String("pixels") && member.column && member.index) {
            canvasOf(owner).setPixel(QPoint(int(member.column->toLongLong()), int(member.index->toLongLong())),
                                     FormPainter::colour(text(value), Qt::black));
            return;
        }
        for (qsizetype i = at; i < path.size(); ++i)
            if (path[i].called || path[i].index)
                return fail();
        const QString name = propertyPath(path, at, path.size());
        if (name == QLatin1String("penpos") && isRecord(value))
            return canvasOf(owner).moveTo(pointOf(value));
        if (name == QLatin1String("font.handle")) {
            // A font made from a description (CreateFontIndirect): its angle is what the figures show of it.
            if (!isRecord(value))
                return fail();
            owner.values.insert(QStringLiteral("Canvas.Font.Escapement"),
                                text(value.value<Record>().fields.value(QStringLiteral("lfescapement"))));
            return;
        }
        if (name == QLatin1String("font.size"))
            owner.values.remove(QStringLiteral("Canvas.Font.Height"));
        if (name == QLatin1String("font.height"))
            owner.values.remove(QStringLiteral("Canvas.Font.Size"));
        const QString key = fileName(owner, QStringLiteral("canvas.") + name);
        if (value.typeId() == QMetaType::QStringList) {
            owner.lists.insert(key, value.toStringList());
            owner.values.insert(key,
                                QLatin1Char('[') + value.toStringList().join(QStringLiteral(", ")) + QLatin1Char(']'));
            return;
        }
        if (!value.isValid() || isRecord(value) || isReference(value))
            return fail();
        owner.values.insert(key, text(value));
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
        if (const auto it = m_objects.find(path.first().name); it != m_objects.end()) {
            *rest = 1;
            return &*it;
        }
        // The form's own properties, written without "Self.".
        static const QSet<QString> formProperties = {"caption",    "color",       "width",       "height",
                                                     "left",       "top",         "canvas",      "font",
                                                     "clientrect", "clientwidth", "clientheight"};
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

    QVariant read(const QList<Segment>& written)
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
            static const QHash<QString, qint64> sizes = {{"width", 1024},
                                                         {"height", 768},
                                                         {"workareawidth", 1024},
                                                         {"workareaheight", 738},
                                                         {"pixelsperinch", 96}};
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
                return rectRecord(
                    QRect(object->number(QStringLiteral("Left"), 0), object->number(QStringLiteral("Top"), 0),
                          object->number(QStringLiteral("Width"), 0), object->number(QStringLiteral("Height"), 0)));
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

    void write(const QList<Segment>& written, const QVariant& value)
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
        if (!object &&
            ((path.size() == 1 && !head.called && !head.index) || head.lower == QLatin1String("application")))
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
            callRoutine(
                Segment{handler, handler.toLower(), true, {reference(object->name)}, std::nullopt, std::nullopt});
        }
    }

    // A procedure call as a statement.
    void call(const QList<Segment>& written)
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
                lines.removeAt(std::clamp<qsizetype>(arguments.value(0).toLongLong(), 0,
                                                     std::max<qsizetype>(0, lines.size() - 1)));
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
        // Colour constants: clRed, clBtnFace, as the numbers they are.
        if (f.startsWith(QLatin1String("cl")) && a.isEmpty())
            if (const std::optional<qint64> colour = FormPainter::colourConstant(call.name))
                return integer(*colour);
        // The names of the library's enumerations, spelled as the form files spell them.
        static const QStringList enumerations = {
            "fsBold",     "fsItalic",  "fsUnderline", "fsStrikeOut", "bsSolid",   "bsClear",   "bsHorizontal",
            "bsVertical", "bsCross",   "bsDiagCross", "psSolid",     "psDash",    "psDot",     "psDashDot",
            "psClear",    "pmCopy",    "pmNotXor",    "pmXor",       "pmNot",     "mbLeft",    "mbRight",
            "mbMiddle",   "ssShift",   "ssCtrl",      "ssAlt",       "ssLeft",    "goAnimate", "goLoop",
            "gdSelected", "gdFocused", "gdFixed",     "dupAccept",   "dupIgnore", "dupError"};
        for (const QString& name : enumerations)
            if (name.toLower() == f)
                return name;
        if (f == QLatin1String("rect") && needs(4))
            return rectRecord(fromCorners(a[0].toLongLong(), a[1].toLongLong(), a[2].toLongLong(), a[3].toLongLong()));
        if (f == QLatin1String("bounds") && needs(4))
            return rectRecord(fromCorners(a[0].toLongLong(), a[1].toLongLong(), a[0].toLongLong() + a[2].toLongLong(),
                                          a[1].toLongLong() + a[3].toLongLong()));
        if (f == QLatin1String("point") && needs(2))
            return pointRecord(QPoint(int(std::clamp<qint64>(a[0].toLongLong(), -100000, 100000)),
                                      int(std::clamp<qint64>(a[1].toLongLong(), -100000, 100000))));
        if (f == QLatin1String("ptinrect") && needs(2))
            return isRecord(a[0]) && isRecord(a[1]) && rectOf(a[0]).contains(pointOf(a[1]));
        // No key is held down while the figures are made.
        if (f == QLatin1String("getkeystate") || f == QLatin1String("getasynckeystate"))
            return integer(0);
        if (f.startsWith(QLatin1String("vk_"))) {
            static const QHash<QString, qint64> keys = {
                {"vk_back", 8},      {"vk_tab", 9},     {"vk_return", 13},  {"vk_shift", 16},  {"vk_control", 17},
                {"vk_menu", 18},     {"vk_pause", 19},  {"vk_capital", 20}, {"vk_escape", 27}, {"vk_space", 32},
                {"vk_prior", 33},    {"vk_next", 34},   {"vk_end", 35},     {"vk_home", 36},   {"vk_left", 37},
                {"vk_up", 38},       {"vk_right", 39},  {"vk_down", 40},    {"vk_insert", 45}, {"vk_delete", 46},
                {"vk_lwin", 91},     {"vk_f1", 112},    {"vk_f2", 113},     {"vk_f10", 121},   {"vk_f12", 123},
                {"vk_numlock", 144}, {"vk_scroll", 145}};
            if (keys.contains(f))
                return integer(keys.value(f));
        }
        if (f == QLatin1String("maxint"))
            return integer(2147483647);
        if (f == QLatin1String("changefileext") && needs(2)) {
            const QString path = text(a[0]);
            const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
            return (dot > path.lastIndexOf(QLatin1Char('\\')) ? path.left(dot) : path) + text(a[1]);
        }
        if (f == QLatin1String("extractfilepath") && needs(1))
            return text(a[0]).left(text(a[0]).lastIndexOf(QLatin1Char('\\')) + 1);
        if (f == QLatin1String("extractfileext") && needs(1)) {
            const QString name = text(a[0]).section(QLatin1Char('\\'), -1);
            return name.contains(QLatin1Char('.')) ? name.mid(name.lastIndexOf(QLatin1Char('.'))) : QString();
        }
        if (f == QLatin1String("includetrailingpathdelimiter") && needs(1))
            return text(a[0]).endsWith(QLatin1Char('\\')) ? text(a[0]) : text(a[0]) + QLatin1Char('\\');
        if (f == QLatin1String("encodetime") && needs(4))
            return (number(0) * 3600 + number(1) * 60 + number(2) + number(3) / 1000) / 86400.0;
        // The sample session's program was started without parameters.
        if (f == QLatin1String("paramcount"))
            return integer(0);
        if (f == QLatin1String("paramstr"))
            return QString();
        if (f == QLatin1String("sizeof"))
            return integer(60);
        if (f == QLatin1String("createfontindirect") && needs(1))
            return a[0];
        if (f == QLatin1String("stringtocolor") && needs(1)) {
            if (const std::optional<qint64> colour = FormPainter::colourConstant(text(a[0])))
                return integer(*colour);
            if (const std::optional<qint64> n = parseInt(text(a[0])))
                return integer(*n);
            raise(QStringLiteral("'%1' is not a valid integer value").arg(text(a[0])));
            return integer(0);
        }
        if (f == QLatin1String("colortorgb") && needs(1))
            return integer(colourNumber(FormPainter::colour(text(a[0]), Qt::black)));
        if ((f == QLatin1String("getrvalue") || f == QLatin1String("getgvalue") || f == QLatin1String("getbvalue")) &&
            needs(1))
            return integer((a[0].toLongLong() >> (f == QLatin1String("getrvalue")   ? 0
                                                  : f == QLatin1String("getgvalue") ? 8
                                                                                    : 16)) &
                           0xFF);
        // Type casts keep the value: TTool(Tag), TColor(N), TGIFImage(Image1.Picture.Graphic).
        if (a.size() == 1 &&
            (m_globals.contains(QStringLiteral("type:") + f) || (f.startsWith(QLatin1Char('t')) && isReference(a[0])) ||
             QStringList{"integer", "longint", "byte", "word", "tcolor", "cardinal"}.contains(f)))
            return a[0];
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
        // The sample machine's files are those of its working folder.
        if (f == QLatin1String("fileexists") && needs(1))
            return folderFile(text(a[0])).has_value();
        if (f == QLatin1String("directoryexists") && needs(1))
            return folderExists(text(a[0]));
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
        if (f == QLatin1String("inttohex") && needs(2)) {
            // A negative number is written as the 32 bits it is: IntToHex(clBtnFace, 8) is 8000000F.
            const qint64 n = a[0].toLongLong();
            const quint64 bits = n < 0 && n >= INT32_MIN ? quint64(quint32(qint32(n))) : quint64(n);
            return QStringLiteral("%1").arg(bits, int(a[1].toLongLong()), 16, QLatin1Char('0')).toUpper();
        }
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
        if ((f == QLatin1String("comparetext") || f == QLatin1String("ansicomparetext") ||
             f == QLatin1String("comparestr") || f == QLatin1String("ansicomparestr")) &&
            needs(2))
            return integer(text(a[0]).compare(text(a[1]), f.endsWith(QLatin1String("text")) ? Qt::CaseInsensitive
                                                                                            : Qt::CaseSensitive));
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
    State m_state;
    FormObject& m_form;
    QHash<QString, QVariant>& m_globals;
    std::optional<SampleRun::Message>& m_message;
    QHash<QString, SampleCanvas>& m_canvases;
    QHash<QString, FormObject>& m_objects;
    quint32& m_random;
    const SampleRun::Folder* m_folder;
    int& m_steps;
    int m_depth = 0;
    QHash<QString, QVariant> m_locals;

public:
    QString m_stop;               // where the run stopped at something unknown
    QList<QList<Segment>> m_with; // the objects of the "with" statements around the current one
    qsizetype m_at = 0;
    int m_inactive = 0;
    bool m_failed = false;
    bool m_exit = false;
    std::optional<QString> m_raised;
    QString m_exceptionName;
    QString m_exceptionMessage;
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

// The types of the unit's type sections: an enumeration's names become numbered constants, and a name for
// an array or a simple type is kept, as "type:tweek", for the variables and constants of that type.
void declareTypes(const QList<Token>& tokens, QHash<QString, QVariant>& globals)
{
    const auto word = [&](qsizetype i, const char* w) { return i < tokens.size() && isWord(tokens[i], w); };
    const auto symbol = [&](qsizetype i, const char* s) { return i < tokens.size() && isSymbol(tokens[i], s); };
    for (qsizetype i = 0; i < tokens.size() && tokens[i].kind != Kind::End; ++i) {
        if (!word(i, "type"))
            continue;
        ++i;
        while (i + 2 < tokens.size() && tokens[i].kind == Kind::Identifier && symbol(i + 1, "=")) {
            const QString name = tokens[i].lower;
            i += 2;
            if (symbol(i, "(")) {
                qint64 next = 0;
                for (++i; i < tokens.size() && tokens[i].kind != Kind::End && !symbol(i, ")"); ++i)
                    if (tokens[i].kind == Kind::Identifier)
                        globals.insert(tokens[i].lower, integer(next++));
                globals.insert(QStringLiteral("type:") + name, QStringLiteral("enum"));
                i += 2; // ")" and ";"
                continue;
            }
            if ((word(i, "class") || word(i, "record") || word(i, "object")) && !symbol(i + 1, ";") &&
                !word(i + 1, "of")) {
                // A class or a record: its body up to the matching "end".
                int depth = 0;
                for (; i < tokens.size() && tokens[i].kind != Kind::End; ++i) {
                    if (word(i, "class") || word(i, "record") || word(i, "object"))
                        ++depth;
                    else if (word(i, "end") && --depth == 0)
                        break;
                }
                i += 2;
                continue;
            }
            QString text;
            int depth = 0;
            for (; i < tokens.size() && tokens[i].kind != Kind::End && (depth > 0 || !symbol(i, ";")); ++i) {
                depth += symbol(i, "[") || symbol(i, "(") ? 1 : symbol(i, "]") || symbol(i, ")") ? -1 : 0;
                text += tokens[i].text.toLower();
            }
            globals.insert(QStringLiteral("type:") + name, text);
            ++i;
        }
        --i;
    }
}

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
                    // The components are the form's own, not variables.
                    for (const QString& name : names)
                        if (zero.isValid() && !std::as_const(form).find(name))
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
            Scratch scratch;
            Interpreter section(
                tokens, State{form, globals, scratch.message, scratch.canvases, scratch.objects, scratch.random},
                steps);
            QHash<QString, QVariant> declared;
            i = std::max(i + 1, section.constantsAt(i + 1, declared));
            continue;
        }
        if (!constants && implementation && isWord(tokens[i], "var") && parentheses == 0) {
            int steps = 0;
            Scratch scratch;
            Interpreter section(
                tokens, State{form, globals, scratch.message, scratch.canvases, scratch.objects, scratch.random},
                steps);
            QHash<QString, QVariant> declared;
            i = std::max(i + 1, section.declare(i + 1, declared));
            globals.insert(declared);
            continue;
        }
        ++i;
    }
}

struct SampleRun::Tokens {
    QList<Token> list;
};

SampleRun::SampleRun(FormObject form, const QString& unitSource)
    : m_form(std::move(form))
    , m_source(unitSource)
    , m_tokens(std::make_shared<const Tokens>(Tokens{tokenize(unitSource)}))
{
    const QList<Token>& tokens = m_tokens->list;
    // Types first, then constants, so that array bounds can name them; then fields and variables.
    declareTypes(tokens, m_globals);
    for (int pass = 0; pass < 2; ++pass)
        declareUnit(tokens, pass == 0, m_form, m_globals);
}

bool SampleRun::runHandler(const QString& name, const QString& sender, const QList<QVariant>& more)
{
    const QList<Token>& tokens = m_tokens->list;
    const qsizetype at = findHandler(tokens, m_form.className, name);
    if (at < 0)
        return false;
    int steps = 0;
    Interpreter interpreter(
        tokens, State{m_form, m_globals, m_message, m_canvases, m_objects, m_random, m_folder.get()}, steps);
    QList<QVariant> arguments{sender.isEmpty() ? QVariant(QStringLiteral("nil")) : reference(sender)};
    arguments += more;
    if (!interpreter.run(at, arguments))
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
        // The pupil types only where the program lets him: into empty fields that are enabled and writable.
        if (!object->value(QStringLiteral("Text")).isEmpty() || object->flag(QStringLiteral("ReadOnly"), false) ||
            !object->flag(QStringLiteral("Enabled"), true))
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
            runHandler(edit->value(QStringLiteral("OnChange")), edit->name);
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
                    runHandler(handler, object->name);
                    return true;
                }
    }
    return false;
}

void SampleRun::clickMainButton()
{
    const QList<Token>& tokens = m_tokens->list;
    // A program whose timer runs from the start works by itself: only a default button is pressed.
    bool running = false;
    for (const FormObject* object : m_form.all())
        running = running || (object->className == QLatin1String("TTimer") && object->has(QStringLiteral("OnTimer")) &&
                              object->flag(QStringLiteral("Enabled"), true));
    QString chosen;
    QString sender;
    for (const bool menu : {false, true}) {
        for (const FormObject* object : m_form.all()) {
            const bool button = object->className == QLatin1String("TButton") ||
                                object->className == QLatin1String("TBitBtn") ||
                                object->className == QLatin1String("TSpeedButton");
            if ((menu ? object->className != QLatin1String("TMenuItem") : !button) ||
                !object->flag(QStringLiteral("Enabled"), true))
                continue;
            const QString handler = object->value(QStringLiteral("OnClick"));
            if (handler.isEmpty())
                continue;
            if (object->flag(QStringLiteral("Default"), false)) {
                chosen = handler;
                sender = object->name;
                break;
            }
            if (!chosen.isEmpty() || running)
                continue;
            // Buttons that only close the window are passed over.
            const qsizetype at = findHandler(tokens, m_form.className, handler);
            int steps = 0;
            Scratch scratch;
            const State state{m_form, m_globals, scratch.message, scratch.canvases, scratch.objects, scratch.random};
            if (at >= 0 && !Interpreter(tokens, state, steps).onlyCloses(at)) {
                chosen = handler;
                sender = object->name;
            }
        }
        // The commands of the menu, when the window has no button to press.
        if (!chosen.isEmpty())
            break;
    }
    if (!chosen.isEmpty())
        runHandler(chosen, sender);
}

void SampleRun::tickTimers()
{
    QList<QPair<QString, QString>> timers; // name, handler
    for (const FormObject* object : m_form.all())
        if (object->className == QLatin1String("TTimer") && object->flag(QStringLiteral("Enabled"), true) &&
            object->has(QStringLiteral("OnTimer")))
            timers.append({object->name, object->value(QStringLiteral("OnTimer"))});
    for (const auto& [name, handler] : timers)
        runHandler(handler, name);
}

void SampleRun::runFor(int milliseconds)
{
    struct Timer {
        QString name;
        QString handler;
        int ticks;
    };
    QList<Timer> timers;
    int rounds = 0;
    for (const FormObject* object : m_form.all()) {
        if (object->className != QLatin1String("TTimer") || !object->has(QStringLiteral("OnTimer")))
            continue;
        const int interval = std::max(1, object->number(QStringLiteral("Interval"), 1000));
        const int ticks = std::min(milliseconds / interval, kMaxTicks);
        timers.append({object->name, object->value(QStringLiteral("OnTimer")), ticks});
        rounds = std::max(rounds, ticks);
    }
    // Round by round, each timer that is enabled at that moment and has time for another tick fires.
    for (int round = 0; round < rounds; ++round)
        for (const Timer& timer : timers) {
            const FormObject* object = std::as_const(m_form).find(timer.name);
            if (round < timer.ticks && object && object->flag(QStringLiteral("Enabled"), true))
                runHandler(timer.handler, timer.name);
        }
}

void SampleRun::paint()
{
    QList<QPair<QString, QString>> painted; // owner, handler
    QList<QPair<QString, QString>> grids;
    for (const FormObject* object : m_form.all()) {
        if ((object == &m_form || object->className == QLatin1String("TPaintBox")) &&
            object->has(QStringLiteral("OnPaint")))
            painted.append({object->name, object->value(QStringLiteral("OnPaint"))});
        if ((object->className == QLatin1String("TStringGrid") || object->className == QLatin1String("TDrawGrid")) &&
            object->has(QStringLiteral("OnDrawCell")))
            grids.append({object->name, object->value(QStringLiteral("OnDrawCell"))});
    }
    // What was painted before is gone: each paint starts on a clear surface.
    for (const auto& [owner, handler] : painted) {
        m_canvases.remove(owner);
        runHandler(handler, owner);
    }
    for (const auto& [owner, handler] : grids) {
        m_canvases.remove(owner);
        const FormObject* grid = std::as_const(m_form).find(owner);
        const int columns = std::max(0, grid->number(QStringLiteral("ColCount"), 5));
        const int rows = std::max(0, grid->number(QStringLiteral("RowCount"), 5));
        const int fixedColumns = grid->number(QStringLiteral("FixedCols"), 1);
        const int fixedRows = grid->number(QStringLiteral("FixedRows"), 1);
        const int width = std::max(4, grid->number(QStringLiteral("DefaultColWidth"), 64));
        const int height = std::max(4, grid->number(QStringLiteral("DefaultRowHeight"), 24));
        const int line = std::max(0, grid->number(QStringLiteral("GridLineWidth"), 1));
        const QSize visible(grid->number(QStringLiteral("Width"), 320), grid->number(QStringLiteral("Height"), 120));
        int cells = 0;
        for (int row = 0; row < rows && row * (height + line) < visible.height(); ++row)
            for (int column = 0; column < columns && column * (width + line) < visible.width(); ++column) {
                if (++cells > kMaxCells)
                    return;
                const QRect cell(column * (width + line), row * (height + line), width, height);
                QStringList state;
                if (row < fixedRows || column < fixedColumns)
                    state.append(QStringLiteral("gdFixed"));
                runHandler(handler, owner,
                           {integer(column), integer(row), rectRecord(cell), QVariant::fromValue(state)});
            }
    }
}

void SampleRun::drawStrokes()
{
    QStringList surfaces;
    QStringList tools;
    int group = 0;
    for (const FormObject* object : m_form.all()) {
        if ((object->className == QLatin1String("TImage") || object->className == QLatin1String("TPaintBox")) &&
            object->has(QStringLiteral("OnMouseDown")) && object->has(QStringLiteral("OnMouseMove")))
            surfaces.append(object->name);
        const int index = object->number(QStringLiteral("GroupIndex"), 0);
        if (object->className == QLatin1String("TSpeedButton") && index > 0 && object->has(QStringLiteral("OnClick")) &&
            (group == 0 || group == index)) {
            group = index;
            tools.append(object->name);
        }
    }
    tools = tools.mid(0, 9);
    for (const QString& surface : surfaces) {
        const FormObject* object = std::as_const(m_form).find(surface);
        const QString down = object->value(QStringLiteral("OnMouseDown"));
        const QString move = object->value(QStringLiteral("OnMouseMove"));
        const QString up = object->value(QStringLiteral("OnMouseUp"));
        const QSize size = m_canvases.contains(surface) ? m_canvases.value(surface).size()
                                                        : QSize(object->number(QStringLiteral("Width"), 105),
                                                                object->number(QStringLiteral("Height"), 105));
        // Each tool draws in its own cell of a grid over the surface.
        const int count = std::max<int>(1, int(tools.size()));
        const int columns = int(std::ceil(std::sqrt(double(count))));
        const int rows = (count + columns - 1) / columns;
        for (int k = 0; k < count; ++k) {
            if (!tools.isEmpty()) {
                for (const QString& tool : tools)
                    m_form.find(tool)->values.insert(
                        QStringLiteral("Down"), tool == tools[k] ? QStringLiteral("True") : QStringLiteral("False"));
                runHandler(std::as_const(m_form).find(tools[k])->value(QStringLiteral("OnClick")), tools[k]);
            }
            const QRectF cell(double(size.width()) * (k % columns) / columns,
                              double(size.height()) * (k / columns) / rows, double(size.width()) / columns,
                              double(size.height()) / rows);
            // A wavy stroke from the top left of the cell to its bottom right.
            const auto at = [&](double t) {
                return QPoint(int(cell.left() + cell.width() * (0.15 + 0.7 * t)),
                              int(cell.top() + cell.height() * (0.15 + 0.7 * t + 0.12 * std::sin(t * 2 * M_PI))));
            };
            const QStringList pressed{QStringLiteral("ssLeft")};
            const QPoint first = at(0);
            runHandler(
                down, surface,
                {QStringLiteral("mbLeft"), QVariant::fromValue(pressed), integer(first.x()), integer(first.y())});
            QPoint last = first;
            for (int i = 1; i <= 12; ++i) {
                last = at(i / 12.0);
                runHandler(move, surface, {QVariant::fromValue(pressed), integer(last.x()), integer(last.y())});
            }
            if (!up.isEmpty())
                runHandler(up, surface,
                           {QStringLiteral("mbLeft"), QVariant::fromValue(QStringList()), integer(last.x()),
                            integer(last.y())});
        }
    }
}

bool SampleRun::changeOptions()
{
    QString group;
    QString check;
    QString track;
    for (const FormObject* object : m_form.all()) {
        if (!object->flag(QStringLiteral("Enabled"), true) || !object->flag(QStringLiteral("Visible"), true))
            continue;
        if (group.isEmpty() && object->className == QLatin1String("TRadioGroup") &&
            object->strings(QStringLiteral("Items.Strings")).size() > 1)
            group = object->name;
        if (check.isEmpty() && object->className == QLatin1String("TCheckBox"))
            check = object->name;
        if (track.isEmpty() && object->className == QLatin1String("TTrackBar"))
            track = object->name;
    }
    const auto fire = [&](const QString& name, const char* event) {
        const QString handler = std::as_const(m_form).find(name)->value(QLatin1String(event));
        if (!handler.isEmpty())
            runHandler(handler, name);
    };
    if (!group.isEmpty()) {
        FormObject* radio = m_form.find(group);
        const int count = int(radio->strings(QStringLiteral("Items.Strings")).size());
        radio->values.insert(QStringLiteral("ItemIndex"),
                             QString::number((std::max(0, radio->number(QStringLiteral("ItemIndex"), 0)) + 1) % count));
        fire(group, "OnClick");
    }
    if (!check.isEmpty()) {
        FormObject* box = m_form.find(check);
        const bool checked = box->flag(QStringLiteral("Checked"), false) ||
                             box->value(QStringLiteral("State")) == QLatin1String("cbChecked");
        box->values.insert(QStringLiteral("Checked"), checked ? QStringLiteral("False") : QStringLiteral("True"));
        box->values.remove(QStringLiteral("State"));
        fire(check, "OnClick");
    }
    if (!track.isEmpty()) {
        FormObject* bar = m_form.find(track);
        const int minimum = bar->number(QStringLiteral("Min"), 0);
        const int maximum = std::max(minimum + 1, bar->number(QStringLiteral("Max"), 10));
        const int position = bar->number(QStringLiteral("Position"), minimum);
        const int step = std::max(1, (maximum - minimum) / 8);
        bar->values.insert(QStringLiteral("Position"),
                           QString::number(position + step <= maximum ? position + step : minimum));
        fire(track, "OnChange");
    }
    return !group.isEmpty() || !check.isEmpty() || !track.isEmpty();
}
