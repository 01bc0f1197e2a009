// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

#include <array>
#include <memory>

// One Windows code page of RTF text. Windows-1251 and Windows-1252 come from built-in tables, so Russian
// articles never depend on what the platform's converters know; other code pages go through QStringDecoder
// when it knows them and fall back to Windows-1252 otherwise. Double-byte pages (932, 936, 949, 950) decode
// lead/trail byte pairs when the converter is available.
class RtfCodePage final {
public:
    static constexpr int Cyrillic = 1251;
    static constexpr int Western = 1252;
    // Fonts of the symbol character set draw their own glyphs for the byte values; these two pseudo code pages
    // turn the bytes of the "Symbol" and "Wingdings" fonts into the Unicode characters they look like.
    static constexpr int SymbolFont = 42;
    static constexpr int WingdingsFont = 43;

    explicit RtfCodePage(int codePage = Western);
    ~RtfCodePage();
    RtfCodePage(RtfCodePage&&) noexcept;
    RtfCodePage& operator=(RtfCodePage&&) noexcept;

    // The code page actually used (1252 when the requested one is unknown here).
    int number() const { return m_number; }
    bool isDoubleByte() const { return m_doubleByte; }

    // Appends the text of bytes in this code page to out.
    void decode(const char* bytes, qsizetype size, QString& out);
    QString decode(const QByteArray& bytes);

    // The code page a font's \fcharset selects; 0 when the charset says "the document's default".
    static int forCharset(int charset);
    // Windows-1251 text without any object (the plain-text fallback).
    static QString decodeCyrillic(const QByteArray& bytes);

private:
    using Table = std::array<char16_t, 128>;
    using FullTable = std::array<char16_t, 256>;

    int m_number = Western;
    bool m_doubleByte = false;
    const Table* m_table = nullptr;
    const FullTable* m_fullTable = nullptr;
    std::unique_ptr<QStringDecoder> m_decoder;
};
