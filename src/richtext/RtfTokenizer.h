// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>

// One piece of RTF syntax as RtfTokenizer reads it.
struct RtfToken {
    enum class Kind : quint8 {
        End,        // the data is over, or ends inside a control word or escape
        GroupStart, // {
        GroupEnd,   // }
        Word,       // a backslash, letters and an optional signed number
        Symbol,     // a backslash and one character that is neither a letter nor the quote of \'hh
        HexByte,    // \'hh
        Text,       // a run of bytes up to the next brace, backslash or line end
    };

    Kind kind = Kind::End;
    char symbol = 0;           // Symbol: the character after the backslash
    bool hasParameter = false; // Word: digits follow the letters
    int value = 0;             // Word: the parameter (0 when none is written); HexByte: the byte
    QByteArrayView bytes;      // Word: the letters; Text: the run
};

// Splits RTF data into tokens in one pass without copying it. Line ends between tokens are no text (writers
// wrap long lines anywhere). Control words keep at most MaxWordLetters letters and parameters are clamped to
// int, so a hostile file cannot make them large; every length the data claims is bounded by what is there.
class RtfTokenizer final {
public:
    static constexpr int MaxWordLetters = 32;
    static constexpr int MaxParameterDigits = 10;

    explicit RtfTokenizer(QByteArrayView data) : m_data(data) {}

    RtfToken next();

    // Steps over the rest of the current group without reading it as tokens: braces are counted (escaped ones
    // not) and \bin data is stepped over. The group's closing brace is left to be read; false when the data
    // ends first.
    bool skipGroup();

    // The length bytes of \binN data that follow (fewer when the data ends first).
    QByteArrayView binary(qint64 length);

    // The value of a hexadecimal digit, or -1.
    static int hexDigit(char c)
    {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    }

private:
    // Reads the control after a backslash into token; false when it yields nothing (a broken \'hh).
    bool control(RtfToken& token);
    RtfToken end();

    QByteArrayView m_data;
    qsizetype m_pos = 0;
};
