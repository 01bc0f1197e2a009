// SPDX-License-Identifier: MIT
#include "richtext/RtfTokenizer.h"

#include <algorithm>

namespace {

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool endsText(char c)
{
    return c == '{' || c == '}' || c == '\\' || c == '\r' || c == '\n';
}

} // namespace

RtfToken RtfTokenizer::end()
{
    m_pos = m_data.size(); // nothing more is read once the data has ended inside a control
    return {};
}

RtfToken RtfTokenizer::next()
{
    const char* const bytes = m_data.data();
    const qsizetype size = m_data.size();
    RtfToken token;
    while (m_pos < size) {
        switch (bytes[m_pos]) {
        case '{':
            ++m_pos;
            token.kind = RtfToken::Kind::GroupStart;
            return token;
        case '}':
            ++m_pos;
            token.kind = RtfToken::Kind::GroupEnd;
            return token;
        case '\r':
        case '\n':
            ++m_pos;
            break;
        case '\\':
            // \'hh, the most frequent control in Cyrillic text, is read here; the rest by control().
            if (m_pos + 3 < size && bytes[m_pos + 1] == '\'') {
                const int high = hexDigit(bytes[m_pos + 2]);
                const int low = hexDigit(bytes[m_pos + 3]);
                if (high >= 0 && low >= 0) {
                    m_pos += 4;
                    token.kind = RtfToken::Kind::HexByte;
                    token.value = high * 16 + low;
                    return token;
                }
            }
            if (control(token))
                return token;
            break;
        default: {
            const qsizetype start = m_pos;
            while (m_pos < size && !endsText(bytes[m_pos]))
                ++m_pos;
            token.kind = RtfToken::Kind::Text;
            token.bytes = m_data.sliced(start, m_pos - start);
            return token;
        }
        }
    }
    return token;
}

bool RtfTokenizer::control(RtfToken& token)
{
    const char* const bytes = m_data.data();
    const qsizetype size = m_data.size();
    ++m_pos; // the backslash
    if (m_pos >= size) {
        token = end();
        return true;
    }
    const char c = bytes[m_pos];
    if (!isLetter(c)) {
        ++m_pos;
        if (c != '\'') {
            token.kind = RtfToken::Kind::Symbol;
            token.symbol = c;
            return true;
        }
        if (m_pos + 2 > size) {
            token = end(); // the data ends inside the escape
            return true;
        }
        const int high = hexDigit(bytes[m_pos]);
        const int low = hexDigit(bytes[m_pos + 1]);
        // A broken \'hh is dropped; what follows reads on as usual.
        if (high < 0 || low < 0)
            return false;
        m_pos += 2;
        token.kind = RtfToken::Kind::HexByte;
        token.value = high * 16 + low;
        return true;
    }
    const qsizetype start = m_pos;
    while (m_pos < size && isLetter(bytes[m_pos]))
        ++m_pos;
    const QByteArrayView letters = m_data.sliced(start, std::min<qsizetype>(m_pos - start, MaxWordLetters));
    if (m_pos + 1 == size && bytes[m_pos] == '-') {
        token = end(); // the data ends inside a negative parameter
        return true;
    }
    bool negative = false;
    if (m_pos + 1 < size && bytes[m_pos] == '-' && isDigit(bytes[m_pos + 1])) {
        negative = true;
        ++m_pos;
    }
    qint64 parameter = 0;
    int digits = 0;
    while (m_pos < size && isDigit(bytes[m_pos])) {
        if (digits < MaxParameterDigits)
            parameter = parameter * 10 + (bytes[m_pos] - '0');
        ++digits;
        ++m_pos;
    }
    if (m_pos < size && bytes[m_pos] == ' ')
        ++m_pos; // the delimiter belongs to the control word
    token.kind = RtfToken::Kind::Word;
    token.bytes = letters;
    token.hasParameter = digits > 0;
    token.value = int(std::clamp<qint64>(negative ? -parameter : parameter, -2147483647, 2147483647));
    return true;
}

bool RtfTokenizer::skipGroup()
{
    const char* const bytes = m_data.data();
    const qsizetype size = m_data.size();
    qint64 depth = 0;
    while (m_pos < size) {
        const char c = bytes[m_pos++];
        if (c == '{') {
            ++depth;
        } else if (c == '}') {
            if (depth == 0) {
                --m_pos;
                return true;
            }
            --depth;
        } else if (c == '\\' && m_pos < size) {
            if (bytes[m_pos] == 'b' && m_pos + 3 < size && bytes[m_pos + 1] == 'i' && bytes[m_pos + 2] == 'n' &&
                isDigit(bytes[m_pos + 3])) {
                m_pos += 3;
                qint64 length = 0;
                while (m_pos < size && isDigit(bytes[m_pos])) {
                    length = std::min<qint64>(length * 10 + (bytes[m_pos] - '0'), size);
                    ++m_pos;
                }
                if (m_pos < size && bytes[m_pos] == ' ')
                    ++m_pos;
                m_pos += std::min<qint64>(length, size - m_pos);
            } else {
                ++m_pos; // an escaped character, brace or backslash
            }
        }
    }
    return false;
}

QByteArrayView RtfTokenizer::binary(qint64 length)
{
    const qsizetype available = qsizetype(std::clamp<qint64>(length, 0, m_data.size() - m_pos));
    const QByteArrayView data = m_data.sliced(m_pos, available);
    m_pos += available;
    return data;
}
