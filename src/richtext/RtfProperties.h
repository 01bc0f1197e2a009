// SPDX-License-Identifier: MIT
#pragma once

#include "richtext/RtfWord.h"

#include <array>

// Character properties of RTF text as the group state carries them (sizes in half-points, colours and links
// as table indexes). Compared as a whole so that text of equal properties is inserted in one piece.
struct RtfCharProps {
    static constexpr int DefaultHalfPoints = 24;

    int font = -1; // font number; -1 is the document's default font
    int halfPoints = DefaultHalfPoints;
    int foreground = 0; // colour table index; 0 is "automatic"
    int background = 0;
    int link = 0;         // hyperlink number + 1; 0 is no link
    quint8 underline = 0; // QTextCharFormat::UnderlineStyle
    qint8 vertical = 0;   // 1 superscript, -1 subscript
    bool bold = false;
    bool italic = false;
    bool strike = false;
    bool hidden = false;
    bool caps = false;
    bool smallCaps = false;

    bool operator==(const RtfCharProps&) const = default;

    // Applies a character formatting word (\b, \fs24, \cf2, \plain, ...); false when the word is none.
    bool apply(RtfWord word, bool hasParameter, int parameter);
};

// Paragraph properties (lengths in twips, as written).
struct RtfParaProps {
    static constexpr int MaxTabs = 32;
    struct Tab {
        int position = 0;
        quint8 type = 0; // QTextOption::TabType
    };

    int leftIndent = 0;
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    int lineSpacing = 0;
    quint8 alignment = 0; // 0 left, 1 centre, 2 right, 3 justified
    bool lineMultiple = false;
    bool inTable = false;
    quint8 nextTabType = 0;
    quint8 tabCount = 0;
    std::array<Tab, MaxTabs> tabs{};

    // Applies a paragraph formatting word (\qc, \li720, \tx1440, \pard, ...); false when the word is none.
    bool apply(RtfWord word, bool hasParameter, int parameter);
};
