// SPDX-License-Identifier: MIT
#include "WindowsCyrillic.h"

#include "platform/Error.h"

#include <QList>

#include <array>

namespace {

// Bytes 0x80 to 0xBF; from 0xC0 on the code page is the Russian alphabet in order (U+0410 to U+044F).
constexpr std::array<char16_t, 64> kUpperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A,
    0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0000, 0x2122,
    0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6,
    0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456,
    0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

constexpr char32_t kFirstLetter = 0x0410;
constexpr char32_t kLastLetter = 0x044F;
constexpr int kFirstLetterByte = 0xC0;

} // namespace

int WindowsCyrillic::fromUnicode(char32_t character) {
    if (character < 0x80)
        return static_cast<int>(character);
    if (character >= kFirstLetter && character <= kLastLetter)
        return kFirstLetterByte + static_cast<int>(character - kFirstLetter);
    if (character == 0)
        return -1;
    for (std::size_t i = 0; i < kUpperHalf.size(); ++i) {
        if (kUpperHalf[i] != 0 && kUpperHalf[i] == character)
            return 0x80 + static_cast<int>(i);
    }
    return -1;
}

char32_t WindowsCyrillic::toUnicode(unsigned char byte) {
    if (byte < 0x80)
        return byte;
    if (byte >= kFirstLetterByte)
        return kFirstLetter + (byte - kFirstLetterByte);
    return kUpperHalf[byte - 0x80];
}

QByteArray WindowsCyrillic::textFile(const QString& text) {
    QByteArray out;
    out.reserve(text.size() + text.count(QLatin1Char('\n')));
    for (const char32_t character : text.toUcs4()) {
        if (character == U'\r')
            continue;
        if (character == U'\n') {
            out.append("\r\n");
            continue;
        }
        const int byte = fromUnicode(character);
        if (byte < 0)
            throw Error(QStringLiteral("The character U+%1 has no place in the Windows Cyrillic code page")
                            .arg(static_cast<uint>(character), 4, 16, QLatin1Char('0')));
        out.append(static_cast<char>(byte));
    }
    return out;
}
