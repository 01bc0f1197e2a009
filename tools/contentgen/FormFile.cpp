// SPDX-License-Identifier: MIT
#include "FormFile.h"

#include <cctype>

namespace {

// The digits of binary data kept for a property: a picture of a few hundred kilobytes.
constexpr qsizetype kMaxBinaryDigits = 1 << 20;

enum class TokenType { Identifier, Number, String, Symbol, Binary, End };

struct Token {
    TokenType type = TokenType::End;
    QString text;
    int line = 0;
};

bool isIdentifierStart(QChar c)
{
    return c.isLetter() || c == QLatin1Char('_');
}

bool isIdentifierPart(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('.');
}

// Splits the text into tokens. Strings come out decoded: the quoted pieces and #nnn character codes that
// follow each other without a gap make one string token.
class Lexer final {
public:
    Lexer(const QString& text, QStringList& warnings) : m_text(text), m_warnings(warnings) {}

    QList<Token> tokens()
    {
        QList<Token> out;
        while (true) {
            skipSpace();
            if (m_at >= m_text.size())
                break;
            out.append(next());
        }
        out.append(Token{TokenType::End, QString(), m_line});
        return out;
    }

private:
    void skipSpace()
    {
        while (m_at < m_text.size()) {
            const QChar c = m_text[m_at];
            if (c == QLatin1Char('\n'))
                ++m_line;
            if (!c.isSpace())
                return;
            ++m_at;
        }
    }

    Token next()
    {
        const QChar c = m_text[m_at];
        Token token{TokenType::Symbol, QString(), m_line};
        if (c == QLatin1Char('\'') || c == QLatin1Char('#')) {
            token.type = TokenType::String;
            token.text = string();
        } else if (c == QLatin1Char('{')) {
            // Binary data (pictures, icons): its hexadecimal digits, which can span many lines; beyond a
            // bounded length only skipped.
            token.type = TokenType::Binary;
            while (m_at < m_text.size() && m_text[m_at] != QLatin1Char('}')) {
                if (m_text[m_at] == QLatin1Char('\n'))
                    ++m_line;
                if (isxdigit(m_text[m_at].toLatin1()) && token.text.size() < kMaxBinaryDigits)
                    token.text.append(m_text[m_at]);
                ++m_at;
            }
            if (m_at >= m_text.size())
                m_warnings.append(QStringLiteral("line %1: binary data without its closing brace").arg(token.line));
            ++m_at;
        } else if (c.isDigit() || c == QLatin1Char('$') ||
                   (c == QLatin1Char('-') && m_at + 1 < m_text.size() &&
                    (m_text[m_at + 1].isDigit() || m_text[m_at + 1] == QLatin1Char('$')))) {
            token.type = TokenType::Number;
            const qsizetype start = m_at++;
            const bool hex = m_text.mid(start, 2).contains(QLatin1Char('$'));
            while (m_at < m_text.size()) {
                const QChar d = m_text[m_at];
                // An exponent's sign belongs to the number: 1.5E+003.
                const bool exponentSign = !hex && (d == QLatin1Char('+') || d == QLatin1Char('-')) &&
                                          m_text[m_at - 1].toUpper() == QLatin1Char('E');
                if (!d.isLetterOrNumber() && d != QLatin1Char('.') && !exponentSign)
                    break;
                ++m_at;
            }
            token.text = m_text.mid(start, m_at - start);
        } else if (isIdentifierStart(c)) {
            token.type = TokenType::Identifier;
            const qsizetype start = m_at++;
            while (m_at < m_text.size() && isIdentifierPart(m_text[m_at]))
                ++m_at;
            token.text = m_text.mid(start, m_at - start);
        } else {
            token.text = c;
            ++m_at;
        }
        return token;
    }

    // 'It''s'#13#10'next': quoted pieces with doubled quotes, and character codes.
    QString string()
    {
        QString out;
        while (m_at < m_text.size()) {
            const QChar c = m_text[m_at];
            if (c == QLatin1Char('\'')) {
                ++m_at;
                while (true) {
                    if (m_at >= m_text.size() || m_text[m_at] == QLatin1Char('\n')) {
                        m_warnings.append(QStringLiteral("line %1: string without its closing quote").arg(m_line));
                        return out;
                    }
                    if (m_text[m_at] == QLatin1Char('\'')) {
                        if (m_at + 1 < m_text.size() && m_text[m_at + 1] == QLatin1Char('\'')) {
                            out.append(QLatin1Char('\''));
                            m_at += 2;
                            continue;
                        }
                        ++m_at;
                        break;
                    }
                    out.append(m_text[m_at++]);
                }
            } else if (c == QLatin1Char('#')) {
                const qsizetype start = ++m_at;
                const bool hex = m_at < m_text.size() && m_text[m_at] == QLatin1Char('$');
                if (hex)
                    ++m_at;
                while (m_at < m_text.size() && (hex ? isxdigit(m_text[m_at].toLatin1()) : m_text[m_at].isDigit()) &&
                       m_at - start < 10)
                    ++m_at;
                bool ok = false;
                const uint code = hex ? m_text.mid(start + 1, m_at - start - 1).toUInt(&ok, 16)
                                      : m_text.mid(start, m_at - start).toUInt(&ok, 10);
                if (ok && code > 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF)) {
                    const char32_t character = code;
                    out.append(QString::fromUcs4(&character, 1));
                } else {
                    m_warnings.append(QStringLiteral("line %1: bad character code skipped").arg(m_line));
                }
            } else {
                break;
            }
        }
        return out;
    }

    const QString& m_text;
    QStringList& m_warnings;
    qsizetype m_at = 0;
    int m_line = 1;
};

bool isWord(const Token& token, const char* word)
{
    return token.type == TokenType::Identifier && token.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

bool isSymbol(const Token& token, char symbol)
{
    return token.type == TokenType::Symbol && token.text == QLatin1Char(symbol);
}

bool isObjectHeader(const Token& token)
{
    return isWord(token, "object") || isWord(token, "inherited") || isWord(token, "inline");
}

class Parser final {
public:
    Parser(QList<Token> tokens, QStringList& warnings) : m_tokens(std::move(tokens)), m_warnings(warnings) {}

    std::optional<FormObject> root()
    {
        while (!atEnd() && !isObjectHeader(peek()))
            ++m_at;
        if (atEnd()) {
            m_warnings.append(QStringLiteral("no object in the form file"));
            return std::nullopt;
        }
        FormObject form = object(0);
        if (!atEnd())
            m_warnings.append(QStringLiteral("line %1: text after the end of the form ignored").arg(peek().line));
        return form;
    }

private:
    const Token& peek(int ahead = 0) const { return m_tokens[std::min<qsizetype>(m_at + ahead, m_tokens.size() - 1)]; }
    bool atEnd() const { return peek().type == TokenType::End; }
    const Token& take()
    {
        const Token& token = peek();
        if (!atEnd())
            ++m_at;
        return token;
    }

    // Skips the rest of the line of the token at `line`.
    void skipLine(int line)
    {
        while (!atEnd() && peek().line <= line)
            ++m_at;
    }

    void warn(const Token& token, const QString& what)
    {
        m_warnings.append(QStringLiteral("line %1: %2").arg(token.line).arg(what));
    }

    FormObject object(int depth)
    {
        FormObject result;
        const Token& header = take();
        result.line = header.line;
        if (peek().type == TokenType::Identifier && peek().line == header.line) {
            const QString first = take().text;
            if (isSymbol(peek(), ':')) {
                take();
                result.name = first;
                if (peek().type == TokenType::Identifier)
                    result.className = take().text;
                else
                    warn(header, QStringLiteral("object %1 without its class").arg(first));
            } else {
                result.className = first;
            }
        } else {
            warn(header, QStringLiteral("object without a name"));
        }
        // An inherited form's child order index: "inherited Label1: TLabel [2]".
        if (isSymbol(peek(), '[') && peek().line == header.line)
            skipLine(header.line);

        if (depth >= FormFile::kMaxDepth) {
            warn(header, QStringLiteral("objects nested too deeply; %1 skipped").arg(result.name));
            skipObjectBody();
            return result;
        }

        while (true) {
            const Token& token = peek();
            if (token.type == TokenType::End) {
                warn(token, QStringLiteral("the file ends inside %1").arg(result.name));
                return result;
            }
            if (isWord(token, "end")) {
                take();
                return result;
            }
            if (isObjectHeader(token)) {
                result.children.append(object(depth + 1));
                continue;
            }
            if (token.type == TokenType::Identifier && isSymbol(peek(1), '=')) {
                const QString name = take().text;
                take();
                property(result.values, result.lists, &result.collections, name, depth);
                continue;
            }
            warn(token, QStringLiteral("'%1' not understood in %2; line skipped").arg(token.text, result.name));
            skipLine(token.line);
        }
    }

    // After an object nested too deeply: everything to its matching "end".
    void skipObjectBody()
    {
        int open = 1;
        while (!atEnd() && open > 0) {
            const Token& token = take();
            if (isObjectHeader(token))
                ++open;
            else if (isWord(token, "end"))
                --open;
            else if (isSymbol(token, '<'))
                ++open; // a collection closes with "end" for every item and ">" at the end
            else if (isSymbol(token, '>'))
                --open;
            else if (isWord(token, "item"))
                ++open;
        }
    }

    // The value after "Name =".
    void property(QHash<QString, QString>& values, QHash<QString, QStringList>& lists,
                  QHash<QString, QList<QHash<QString, QString>>>* collections, const QString& name, int depth)
    {
        const Token& first = peek();
        switch (first.type) {
        case TokenType::String:
            values.insert(name, concatenated());
            return;
        case TokenType::Number:
        case TokenType::Identifier:
            values.insert(name, take().text);
            return;
        case TokenType::Binary:
            values.insert(name, take().text);
            return;
        case TokenType::End:
            warn(first, QStringLiteral("%1 has no value").arg(name));
            return;
        case TokenType::Symbol:
            break;
        }
        if (isSymbol(first, '[')) {
            take();
            QStringList members;
            while (!atEnd() && !isSymbol(peek(), ']')) {
                const Token& member = take();
                if (member.type == TokenType::Identifier || member.type == TokenType::Number)
                    members.append(member.text);
                else if (!isSymbol(member, ','))
                    break;
            }
            if (isSymbol(peek(), ']'))
                take();
            else
                warn(first, QStringLiteral("set %1 without its closing bracket").arg(name));
            values.insert(name, QLatin1Char('[') + members.join(QStringLiteral(", ")) + QLatin1Char(']'));
            lists.insert(name, members);
            return;
        }
        if (isSymbol(first, '(')) {
            take();
            QStringList items;
            while (true) {
                const Token& item = peek();
                if (isSymbol(item, ')')) {
                    take();
                    break;
                }
                if (item.type == TokenType::String) {
                    items.append(concatenated());
                } else if (item.type == TokenType::Number ||
                           (item.type == TokenType::Identifier && !isWord(item, "end") && !isObjectHeader(item) &&
                            !isSymbol(peek(1), '='))) {
                    items.append(take().text);
                } else if (isSymbol(item, ',')) {
                    take();
                } else {
                    warn(first, QStringLiteral("list %1 without its closing parenthesis").arg(name));
                    break;
                }
            }
            lists.insert(name, items);
            return;
        }
        if (isSymbol(first, '<')) {
            take();
            QList<QHash<QString, QString>> items;
            while (isWord(peek(), "item")) {
                take();
                QHash<QString, QString> itemValues;
                QHash<QString, QStringList> itemLists;
                while (!atEnd() && !isWord(peek(), "end")) {
                    const Token& token = peek();
                    if (token.type == TokenType::Identifier && isSymbol(peek(1), '=') && depth < FormFile::kMaxDepth) {
                        const QString itemProperty = take().text;
                        take();
                        // Collections inside collection items are read and dropped.
                        QHash<QString, QList<QHash<QString, QString>>> nested;
                        property(itemValues, itemLists, &nested, itemProperty, depth + 1);
                    } else {
                        warn(token, QStringLiteral("'%1' not understood in an item of %2").arg(token.text, name));
                        skipLine(token.line);
                    }
                }
                if (isWord(peek(), "end"))
                    take();
                items.append(itemValues);
            }
            if (isSymbol(peek(), '>'))
                take();
            else
                warn(first, QStringLiteral("collection %1 without its closing bracket").arg(name));
            if (collections)
                collections->insert(name, items);
            return;
        }
        warn(first, QStringLiteral("value of %1 not understood").arg(name));
        skipLine(first.line);
    }

    // A string value, possibly continued over several lines with "+".
    QString concatenated()
    {
        QString out = take().text;
        while (isSymbol(peek(), '+') && peek(1).type == TokenType::String) {
            take();
            out += take().text;
        }
        return out;
    }

    QList<Token> m_tokens;
    QStringList& m_warnings;
    qsizetype m_at = 0;
};

} // namespace

QString FormObject::value(const QString& property, const QString& fallback) const
{
    return values.value(property, fallback);
}

int FormObject::number(const QString& property, int fallback) const
{
    const QString text = values.value(property);
    bool ok = false;
    const int result = text.startsWith(QLatin1Char('$'))      ? text.mid(1).toInt(&ok, 16)
                       : text.startsWith(QLatin1String("-$")) ? -text.mid(2).toInt(&ok, 16)
                                                              : text.toInt(&ok);
    return ok ? result : fallback;
}

bool FormObject::flag(const QString& property, bool fallback) const
{
    const QString text = values.value(property);
    if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    return fallback;
}

const FormObject* FormObject::find(const QString& objectName) const
{
    if (name.compare(objectName, Qt::CaseInsensitive) == 0)
        return this;
    for (const FormObject& child : children)
        if (const FormObject* found = child.find(objectName))
            return found;
    return nullptr;
}

FormObject* FormObject::find(const QString& objectName)
{
    // Walked without const: the lists detach from any copy that shares them before a caller changes an object.
    if (name.compare(objectName, Qt::CaseInsensitive) == 0)
        return this;
    for (FormObject& child : children)
        if (FormObject* found = child.find(objectName))
            return found;
    return nullptr;
}

QList<const FormObject*> FormObject::all() const
{
    QList<const FormObject*> out{this};
    for (const FormObject& child : children)
        out.append(child.all());
    return out;
}

FormFile::Result FormFile::parse(const QString& text)
{
    Result result;
    Lexer lexer(text, result.warnings);
    Parser parser(lexer.tokens(), result.warnings);
    result.root = parser.root();
    return result;
}
