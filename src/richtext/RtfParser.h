// SPDX-License-Identifier: MIT
#pragma once

#include "richtext/RtfCodePage.h"
#include "richtext/RtfDocumentBuilder.h"
#include "richtext/RtfPicture.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <map>
#include <memory>

class QTextDocument;

// The RTF interpreter: reads the control words, groups and text of an RTF file in one pass and hands text,
// paragraphs, tables and pictures to RtfDocumentBuilder.
//
// Groups are kept on an explicit stack of states (never recursion), capped in depth; groups whose content is
// not shown (unknown \* destinations, headers, the style sheet, \info ...) are skipped by a brace-counting scan.
// Every length the file gives (\bin, hex picture data, names) is bounded, and the document builder's budget
// stops the reading once the document would grow out of proportion. Damaged input ends with what was read.
class RtfParser final {
public:
    // Limits against hostile files.
    static constexpr int MaxDepth = 512;
    static constexpr qint64 MaxPictureBytes = qint64(32) * 1024 * 1024;
    static constexpr int MaxNameBytes = 256;
    static constexpr int MaxFonts = 4096;
    static constexpr int MaxFieldInstructionBytes = 4096;

    RtfParser(const QByteArray& data, QTextDocument* doc);
    ~RtfParser();
    Q_DISABLE_COPY_MOVE(RtfParser)

    void run();

private:
    enum class Destination : quint8 {
        Normal,     // shown text
        FontTable,  // \fonttbl and its entries
        ColorTable, // \colortbl
        Picture,    // \pict data
        FieldInstruction,
        Ignored, // read but not shown (text dropped, control words still counted)
    };

    struct State {
        RtfCharProps chars;
        RtfParaProps para;
        Destination destination = Destination::Normal;
        quint8 unicodeSkip = 1;
        int fieldDepth = 0; // fields open around this group
    };

    void openGroup();
    void closeGroup();
    void endDestination(const State& closed);
    void readControl();
    void controlWord(QByteArrayView word, bool hasParameter, int parameter);
    bool destinationWord(QByteArrayView word);
    void controlSymbol(char symbol);
    void textRun();
    void hexByte(int value);
    void skipGroup();
    void skipBinary(qint64 length);

    void text(QChar c);
    void textBytes(const char* bytes, qsizetype size);
    void unicode(int value);
    void flushText();
    void dropLoneSurrogate();
    void endParagraph();

    RtfCodePage& codePageFor(int font);
    void finishFontEntry();
    void finishColorEntry();
    void beginPicture();
    void finishPicture();
    void startField();
    void startFieldResult();

    State& state() { return m_stack.back(); }

    const char* m_bytes = nullptr;
    qsizetype m_size = 0;
    qsizetype m_pos = 0;
    bool m_done = false;
    int m_overflowDepth = 0; // groups opened past MaxDepth
    int m_skipChars = 0;     // characters still to skip after \uN
    bool m_ignorablePending = false;
    char16_t m_highSurrogate = 0;

    QList<State> m_stack;
    RtfDocumentBuilder m_builder;
    QString m_text; // reused buffer for decoded text

    // Character sets: the document's code page and the fonts' own.
    int m_documentCodePage = RtfCodePage::Western;
    int m_defaultFont = 0;
    QHash<int, int> m_fontCodePages;
    std::map<int, std::unique_ptr<RtfCodePage>> m_codePages; // by code page number
    RtfCodePage* m_cachedCodePage = nullptr;
    int m_cachedFont = -2;
    QByteArray m_pendingBytes; // double-byte text gathered until its pair is complete
    int m_pendingBytesFont = -2;

    // Font and colour table entries being read.
    int m_fontNumber = 0;
    int m_fontCharset = -1;
    int m_fontCodePage = 0;
    QByteArray m_fontName;
    int m_red = 0;
    int m_green = 0;
    int m_blue = 0;
    bool m_colorSet = false;

    // Pictures and fields.
    std::unique_ptr<RtfPicture> m_picture;
    int m_nibble = -1;
    QList<QByteArray> m_fieldInstructions;
};
