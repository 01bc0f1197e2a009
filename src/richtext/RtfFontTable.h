// SPDX-License-Identifier: MIT
#pragma once

#include "richtext/RtfCodePage.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <map>
#include <memory>
#include <optional>

// The font table (\fonttbl) as it is read, entry by entry ({\f1\fcharset204 Times New Roman Cyr;}), and the
// code page that the text of each font is in: the one its \fcharset selects, else its \cpg, else the one a
// name that Windows made up for one character set names ("Arial Cyr"), else the document's (\ansicpg).
class RtfFontTable final {
public:
    static constexpr int MaxFonts = 4096;
    static constexpr int MaxNameBytes = 256;

    struct Font {
        int number = 0;
        QString family; // without a character set suffix
    };

    RtfFontTable();
    ~RtfFontTable();
    Q_DISABLE_COPY_MOVE(RtfFontTable)

    void setDocumentCodePage(int codePage);
    void setDefaultFont(int number);

    // The entry being read.
    void beginTable();
    void setNumber(int number) { m_number = number; }
    void setCharset(int charset) { m_charset = charset; }
    void setCodePage(int codePage) { m_entryCodePage = codePage; }
    void appendName(QByteArrayView bytes);
    // Ends the entry read so far; nothing when it was empty.
    std::optional<Font> finishEntry();

    // The code page of text in a font (-1: the document's default font).
    RtfCodePage& codePageFor(int font);

private:
    int m_documentCodePage = RtfCodePage::Western;
    int m_defaultFont = 0;
    QHash<int, int> m_codePageOfFont;
    std::map<int, std::unique_ptr<RtfCodePage>> m_codePages; // by code page number
    RtfCodePage* m_cachedCodePage = nullptr;
    int m_cachedFont = -2;

    int m_number = 0;
    int m_charset = -1;
    int m_entryCodePage = 0;
    QByteArray m_name;
};
