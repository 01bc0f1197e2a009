// SPDX-License-Identifier: MIT
// Reading an Object Pascal unit for the sample runner: its text as tokens, where its routines and event
// handlers are, and what it declares for the whole session (the enumerations and type names of its type
// sections, its constants, the form class's fields and the unit's variables).
#include "SampleRunInternal.h"

#include <cctype>

namespace SampleRunInternal {

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

qsizetype findHandler(const QList<Token>& tokens, const QString& className, const QString& name)
{
    for (qsizetype i = 0; i + 3 < tokens.size(); ++i)
        if (isWord(tokens[i], "procedure") && tokens[i + 1].lower == className.toLower() &&
            isSymbol(tokens[i + 2], ".") && tokens[i + 3].lower == name.toLower())
            return i;
    return -1;
}

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

namespace {

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

} // namespace SampleRunInternal
