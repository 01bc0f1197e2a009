// SPDX-License-Identifier: MIT
// What the parts of the sample runner share, and nothing outside them uses: the tokens of Object Pascal, the
// values the program works with (numbers, texts, flags, sets, arrays, records and references to components),
// and the interpreter that runs one routine of the unit. The interpreter's methods are defined by subject in
// SampleRunStatements.cpp, SampleRunExpressions.cpp, SampleRunComponents.cpp, SampleRunCanvas.cpp,
// SampleRunFolder.cpp and SampleRunLibrary.cpp; reading the unit is in SampleRunUnit.cpp and the values'
// helpers in SampleRunValues.cpp.
#pragma once

#include "SampleRun.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSet>

#include <algorithm>
#include <initializer_list>

namespace SampleRunInternal {

// ---- Tokens of Object Pascal ----

enum class Kind { Identifier, Number, String, Symbol, End };

struct Token {
    Kind kind = Kind::End;
    QString text;  // identifiers in their spelling, symbols as written, strings decoded
    QString lower; // identifiers in lower case
};

// The unit's text as tokens, ended by a token of kind End.
QList<Token> tokenize(const QString& source);

inline bool isWord(const Token& token, const char* word)
{
    return token.kind == Kind::Identifier && token.lower == QLatin1String(word);
}

inline bool isSymbol(const Token& token, const char* symbol)
{
    return token.kind == Kind::Symbol && token.text == QLatin1String(symbol);
}

// The index of the header "procedure TForm1.Name" in the tokens, or -1.
qsizetype findHandler(const QList<Token>& tokens, const QString& className, const QString& name);
// The header of a routine of the unit by its name: a method of the form class or a plain routine.
qsizetype findRoutine(const QList<Token>& tokens, const QString& className, const QString& name);
// The types of the unit's type sections: an enumeration's names become numbered constants, and a name for
// an array or a simple type is kept, as "type:tweek", for the variables and constants of that type.
void declareTypes(const QList<Token>& tokens, QHash<QString, QVariant>& globals);
// The constants, or the form class's fields and the variables, of a unit.
void declareUnit(const QList<Token>& tokens, bool constants, FormObject& form, QHash<QString, QVariant>& globals);

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

QVariant reference(const QString& path);
bool isReference(const QVariant& v);
bool isRecord(const QVariant& v);
QVariant integer(qint64 n);
QVariant rectRecord(const QRect& r);
QVariant pointRecord(const QPoint& p);
bool isNumber(const QVariant& v);
bool isFloat(const QVariant& v);
// Numbers as a Russian Windows writes them: a decimal comma.
QString floatText(double value, char format, int precision);
QString text(const QVariant& v);
// A Pascal text to a number, the way StrToInt and StrToFloat accept it.
std::optional<qint64> parseInt(const QString& value);
std::optional<double> parseFloat(const QString& value);
// Properties of components that hold numbers or flags; everything else is text.
const QSet<QString>& numberProperties();
const QSet<QString>& flagProperties();

// The sample clock of every session: 1 September 2004, 12:30:45.
constexpr double kSampleDate = 38231.0;
constexpr double kSampleTime = (12 * 3600 + 30 * 60 + 45) / 86400.0;

QString timeText(double value, bool seconds = true);
QString dateText(double value);
// FormatFloat with the patterns of school programs: "0.00", "#0.0", "00", "0.###".
QString formatFloat(const QString& pattern, double value);

// An array of simple values: its elements and the index of the first one.
QVariant makeArray(qint64 low, QVariantList items);
bool isArray(const QVariant& v);
// The value a variable of a simple type starts with; nothing for types the runner does not know.
QVariant zeroOf(const QString& type, const QHash<QString, QVariant>* constants = nullptr);

// One part of a name as the program writes it: "Cells[1, 2]" or "TextOut(0, 0, S)" in
// "StringGrid1.Cells[1, 2]" and "Image1.Canvas.TextOut(0, 0, S)".
struct Segment {
    QString name;
    QString lower;
    bool called = false;
    QList<QVariant> arguments;
    std::optional<QVariant> index;
    std::optional<QVariant> column; // Cells[column, row]: the first of two indexes
};

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
    bool run(qsizetype at, const QList<QVariant>& arguments = {});
    // "a, b: Integer;" lines up to the next section; each variable starts at its type's zero.
    void declarations(QHash<QString, QVariant>& into);
    // Constants: "N = 10;" and "Names: array[1..3] of string = ('a', 'b', 'c');".
    qsizetype constantsAt(qsizetype at, QHash<QString, QVariant>& into);
    // The declarations of a "var" section whose first name is at `at`; returns the index after them.
    qsizetype declare(qsizetype at, QHash<QString, QVariant>& into);
    // Whether the routine whose header is at `at` does nothing but close the window.
    bool onlyCloses(qsizetype at);

private:
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

    // ---- routines and statements (SampleRunStatements.cpp) ----

    static bool isSectionWord(const Token& token);
    void constants();
    void statements(std::initializer_list<const char*> terminators);
    void statement();
    void ifStatement();
    void forStatement();
    void whileStatement();
    void repeatStatement();
    void caseStatement();
    void tryStatement();
    void decodeStatement();
    void withStatement();
    void setLengthStatement();
    static QVariant zeroLike(const QVariant& value);
    void colourValuesStatement();
    void stepStatement();
    void designatorStatement();
    std::optional<QVariant> callRoutine(const Segment& call);

    // ---- expressions and names (SampleRunExpressions.cpp) ----

    QList<Segment> designator();
    QVariant openArray();
    QVariant expression();
    QVariant compare(const QVariant& a, const QVariant& b, const QString& op);
    QVariant simple();
    QVariant term();
    QVariant logic(const QVariant& a, const QVariant& b, char op);
    QVariant arithmetic(const QVariant& a, const QVariant& b, char op);
    QVariant factor();
    QVariant variableValue(const QString& name);
    void assign(const QString& name, const QVariant& value);
    static QList<Segment> segments(const QString& path);
    FormObject* findObject(const QString& path);
    QList<Segment> resolve(QList<Segment> path);

    // ---- the working folder (SampleRunFolder.cpp) ----

    static std::optional<QString> inFolder(QString path);
    std::optional<QString> folderFile(const QString& path) const;
    bool folderExists(const QString& path) const;
    QStringList folderListing(const QString& path, const QString& mask) const;
    void loadPicture(FormObject& owner, const QString& path);

    // ---- canvases (SampleRunCanvas.cpp) ----

    static QRect fromCorners(qint64 x1, qint64 y1, qint64 x2, qint64 y2);
    static QRect rectOf(const QVariant& value);
    static QPoint pointOf(const QVariant& value);
    static const QSet<QString>& canvasMembers();
    static bool isGrid(const FormObject& object);
    SampleCanvas& canvasOf(FormObject& owner);
    QImage pictureOf(const QVariant& graphic);
    static QVariant colourValue(const QString& stored, qint64 fallback);
    static qint64 colourNumber(const QColor& colour);
    void canvasCall(FormObject& owner, const Segment& call);
    void givePicture(FormObject& owner, const QVariant& graphic);
    QVariant canvasRead(FormObject& owner, const QList<Segment>& path, qsizetype at);
    void canvasWrite(FormObject& owner, const QList<Segment>& path, qsizetype at, const QVariant& value);

    // ---- components (SampleRunComponents.cpp) ----

    FormObject* component(const QList<Segment>& path, qsizetype* rest);
    static QString propertyPath(const QList<Segment>& path, qsizetype from, qsizetype to);
    static QString fileName(const FormObject& object, const QString& lower);
    int clientSize(const FormObject& object, bool width) const;
    static QString cellKey(const QVariant& column, const QVariant& row);
    static QString listName(const QString& lower);
    static QString listText(const QStringList& lines);
    static bool isListControl(const FormObject& object);
    QVariant read(const QList<Segment>& written);
    void write(const QList<Segment>& written, const QVariant& value);
    void call(const QList<Segment>& written);

    // ---- the runtime library (SampleRunLibrary.cpp) ----

    std::optional<QVariant> function(const Segment& call);
    static QString formatDateTime(const QString& pattern, double moment);
    QString format(const QString& pattern, const QVariantList& arguments);

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

} // namespace SampleRunInternal
