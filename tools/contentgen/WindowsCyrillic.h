// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

// The Windows Cyrillic code page (1251), in which the articles are written as RTF byte escapes.
class WindowsCyrillic final {
public:
    WindowsCyrillic() = delete;

    // The code page byte for a Unicode character, or -1 when the code page has none.
    static int fromUnicode(char32_t character);
    // The Unicode character of a code page byte (0 for the one undefined byte, 0x98).
    static char32_t toUnicode(unsigned char byte);
    // Text as a Windows text file: code page bytes, lines ended by CR LF. A character the code page lacks
    // throws Error.
    static QByteArray textFile(const QString& text);
};
