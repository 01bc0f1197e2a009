// SPDX-License-Identifier: MIT
#pragma once

#include "richtext/RtfDocumentBuilder.h"
#include "richtext/RtfFields.h"
#include "richtext/RtfFontTable.h"
#include "richtext/RtfPicture.h"
#include "richtext/RtfProperties.h"
#include "richtext/RtfTokenizer.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>

class QTextDocument;

// The RTF interpreter: takes the tokens of an RTF file in one pass, keeps the state of its groups and hands
// text, paragraphs, tables and pictures to RtfDocumentBuilder.
//
// Groups are kept on an explicit stack of states (never recursion), capped in depth; groups whose content is
// not shown (unknown \* destinations, headers, the style sheet, \info ...) are stepped over by the tokenizer.
// Every length the file gives (\bin, hex picture data, names) is bounded, and the document builder's budget
// stops the reading once the document would grow out of proportion. Damaged input ends with what was read.
class RtfParser final {
public:
    static constexpr int MaxDepth = 512;

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
    void controlWord(QByteArrayView name, bool hasParameter, int parameter);
    bool pictureWord(RtfWord word, bool ignorable, int parameter);
    bool destinationWord(RtfWord word);
    void documentWord(RtfWord word, bool hasParameter, int parameter);
    void controlSymbol(char symbol);
    void textRun(QByteArrayView run);
    void hexByte(int value);
    void skipGroup();
    void skipBinary(qint64 length);

    void text(QChar c);
    void textBytes(const char* bytes, qsizetype size);
    void unicode(int value);
    void flushText();
    void dropLoneSurrogate();
    void endParagraph();

    void finishFontEntry();
    void finishColorEntry();
    void beginPicture();
    void finishPicture();
    void startField();
    void startFieldResult();

    State& state() { return m_stack.back(); }

    RtfTokenizer m_tokens;
    bool m_done = false;
    int m_overflowDepth = 0; // groups opened past MaxDepth
    int m_skipChars = 0;     // characters still to skip after \uN
    bool m_ignorablePending = false;
    char16_t m_highSurrogate = 0;

    QList<State> m_stack;
    RtfDocumentBuilder m_builder;
    RtfFontTable m_fonts;
    RtfFields m_fields;
    QString m_text;            // reused buffer for decoded text
    QByteArray m_pendingBytes; // double-byte text gathered until its pair is complete
    int m_pendingBytesFont = -2;

    // The colour table entry being read.
    int m_red = 0;
    int m_green = 0;
    int m_blue = 0;
    bool m_colorSet = false;

    std::unique_ptr<RtfPicture> m_picture; // the \pict group being read
};
