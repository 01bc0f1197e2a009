// SPDX-License-Identifier: MIT
#include "richtext/RtfParser.h"

#include <QTextDocument>

#include <algorithm>

namespace {

// The content budget of a document (about bytes of memory): a floor that any article fits in, plus a few per
// input byte, so that what the document holds stays within a few times the file's size.
constexpr qint64 ContentBudgetFloor = qint64(16) * 1024 * 1024;
constexpr qint64 ContentBudgetPerByte = 4;
constexpr qint64 ImageBudgetFloor = qint64(64) * 1024 * 1024;
constexpr qint64 ImageBudgetPerByte = 16;

} // namespace

RtfParser::RtfParser(const QByteArray& data, QTextDocument* doc)
    : m_tokens(data)
    , m_builder(doc, ContentBudgetFloor + ContentBudgetPerByte * data.size(),
                ImageBudgetFloor + ImageBudgetPerByte * data.size())
{
    m_stack.reserve(64);
}

RtfParser::~RtfParser() = default;

void RtfParser::run()
{
    // The outermost group is opened by the caller's check that the data starts with "{\rtf".
    while (!m_done && !m_builder.isFull()) {
        const RtfToken token = m_tokens.next();
        switch (token.kind) {
        case RtfToken::Kind::End:
            m_done = true;
            break;
        case RtfToken::Kind::GroupStart:
            openGroup();
            break;
        case RtfToken::Kind::GroupEnd:
            closeGroup();
            break;
        case RtfToken::Kind::Word:
            controlWord(token.bytes, token.hasParameter, token.value);
            break;
        case RtfToken::Kind::Symbol:
            controlSymbol(token.symbol);
            break;
        case RtfToken::Kind::HexByte:
            hexByte(token.value);
            break;
        case RtfToken::Kind::Text:
            textRun(token.bytes);
            break;
        }
    }
    flushText();
    m_builder.finish(m_stack.isEmpty() ? RtfParaProps() : state().para);
}

void RtfParser::openGroup()
{
    flushText();
    m_skipChars = 0;
    m_ignorablePending = false;
    if (m_stack.size() >= MaxDepth) {
        ++m_overflowDepth;
        return;
    }
    if (m_stack.isEmpty())
        m_stack.append(State());
    else
        m_stack.append(m_stack.back());
}

void RtfParser::closeGroup()
{
    flushText();
    m_skipChars = 0;
    m_ignorablePending = false;
    if (m_overflowDepth > 0) {
        --m_overflowDepth;
        return;
    }
    if (m_stack.isEmpty())
        return;
    const State closed = m_stack.takeLast();
    if (m_stack.isEmpty()) {
        // The document's own group is closed: whatever follows is not part of it.
        m_stack.append(closed);
        m_done = true;
        return;
    }
    endDestination(closed);
}

void RtfParser::endDestination(const State& closed)
{
    const State& parent = state();
    if (closed.destination != parent.destination) {
        switch (closed.destination) {
        case Destination::FontTable:
            finishFontEntry();
            break;
        case Destination::Picture:
            finishPicture();
            break;
        default:
            break;
        }
    }
    if (closed.destination == Destination::FontTable && parent.destination == Destination::FontTable)
        finishFontEntry(); // one {\fN ...;} entry
    m_fields.closeTo(parent.fieldDepth);
}

void RtfParser::controlSymbol(char symbol)
{
    if (symbol == '*') {
        m_ignorablePending = true;
        return;
    }
    if (m_skipChars > 0) {
        --m_skipChars;
        return;
    }
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        hexByte(static_cast<unsigned char>(symbol)); // a literal character in whatever destination
        break;
    case '~':
        text(QChar(0x00A0));
        break;
    case '-':
        text(QChar(0x00AD));
        break;
    case '_':
        text(QChar(0x2011));
        break;
    case '\r':
    case '\n':
        flushText();
        endParagraph();
        break;
    case '\t':
        text(QLatin1Char('\t'));
        break;
    default: // \: \| and the like have no text
        break;
    }
}

void RtfParser::controlWord(QByteArrayView name, bool hasParameter, int parameter)
{
    const bool ignorable = m_ignorablePending;
    m_ignorablePending = false;
    const RtfWord word = rtfWord(name);
    if (word == RtfWord::Unknown) {
        // An unknown destination marked \* is skipped whole; an unknown control word is ignored.
        if (ignorable)
            skipGroup();
        else if (m_skipChars > 0)
            --m_skipChars;
        return;
    }
    if (m_skipChars > 0 && word != RtfWord::Bin) {
        --m_skipChars;
        return;
    }
    if (word != RtfWord::U && word != RtfWord::Bin)
        flushText();
    if (pictureWord(word, ignorable, parameter) || destinationWord(word))
        return;
    if (ignorable) {
        // A known word after \* (e.g. "\*\cs15") is not a destination here; the group is still optional.
        skipGroup();
        return;
    }
    State& s = state();
    if (s.chars.apply(word, hasParameter, parameter) || s.para.apply(word, hasParameter, parameter))
        return;
    if (const char16_t c = rtfWordCharacter(word)) {
        text(QChar(c));
        return;
    }
    documentWord(word, hasParameter, parameter);
}

bool RtfParser::pictureWord(RtfWord word, bool ignorable, int parameter)
{
    // Inside \pict nothing but the picture's own words and data (hex or \bin) belongs.
    if (state().destination != Destination::Picture || !m_picture || word == RtfWord::Bin)
        return false;
    if (!m_picture->applyWord(word, parameter) && (ignorable || word == RtfWord::Skip || word == RtfWord::Picture))
        skipGroup();
    return true;
}

bool RtfParser::destinationWord(RtfWord word)
{
    State& s = state();
    switch (word) {
    case RtfWord::Rtf:
        return true;
    case RtfWord::FontTable:
        s.destination = Destination::FontTable;
        m_fonts.beginTable();
        return true;
    case RtfWord::ColorTable:
        s.destination = Destination::ColorTable;
        m_colorSet = false;
        m_red = m_green = m_blue = 0;
        return true;
    case RtfWord::Picture:
        beginPicture();
        return true;
    case RtfWord::Field:
        startField();
        return true;
    case RtfWord::FieldInstruction:
        s.destination = m_fields.depth() == 0 ? Destination::Ignored : Destination::FieldInstruction;
        return true;
    case RtfWord::FieldResult:
        startFieldResult();
        return true;
    case RtfWord::ShapePicture:
    case RtfWord::ListText:
        return true; // shown as written
    case RtfWord::Skip:
        skipGroup();
        return true;
    default:
        return false;
    }
}

void RtfParser::documentWord(RtfWord word, bool hasParameter, int parameter)
{
    State& s = state();
    switch (word) {
    case RtfWord::Ansi:
        m_fonts.setDocumentCodePage(RtfCodePage::Western);
        break;
    case RtfWord::Mac:
        m_fonts.setDocumentCodePage(10000);
        break;
    case RtfWord::Pc:
        m_fonts.setDocumentCodePage(437);
        break;
    case RtfWord::Pca:
        m_fonts.setDocumentCodePage(850);
        break;
    case RtfWord::AnsiCodePage:
        if (parameter > 0)
            m_fonts.setDocumentCodePage(parameter);
        break;
    case RtfWord::DefaultFont:
        m_fonts.setDefaultFont(parameter);
        m_builder.setDefaultFont(parameter);
        break;
    case RtfWord::DefaultTab:
        m_builder.setDefaultTab(parameter);
        break;
    case RtfWord::Uc:
        s.unicodeSkip = quint8(std::clamp(parameter, 0, 16));
        break;
    case RtfWord::U:
        unicode(parameter);
        m_skipChars = s.unicodeSkip;
        break;
    case RtfWord::Bin:
        if (hasParameter && parameter > 0)
            skipBinary(parameter);
        m_skipChars = std::max(0, m_skipChars - 1);
        break;
    case RtfWord::F:
        if (s.destination == Destination::FontTable) {
            finishFontEntry();
            m_fonts.setNumber(parameter);
        } else {
            s.chars.font = parameter;
        }
        break;
    case RtfWord::FontCharset:
        m_fonts.setCharset(parameter);
        break;
    case RtfWord::CodePage:
        m_fonts.setCodePage(parameter);
        break;
    case RtfWord::Red:
        m_red = std::clamp(parameter, 0, 255);
        m_colorSet = true;
        break;
    case RtfWord::Green:
        m_green = std::clamp(parameter, 0, 255);
        m_colorSet = true;
        break;
    case RtfWord::Blue:
        m_blue = std::clamp(parameter, 0, 255);
        m_colorSet = true;
        break;
    case RtfWord::Par:
    case RtfWord::Page:
        endParagraph();
        break;
    case RtfWord::Line:
    case RtfWord::NestRow:
        text(QChar(QChar::LineSeparator));
        break;
    case RtfWord::Tab:
    case RtfWord::NestCell:
        text(QLatin1Char('\t'));
        break;
    // Tables: the builder lays out the cells of a row by the boundaries of its row definition.
    case RtfWord::Cell:
        if (s.destination == Destination::Normal)
            m_builder.endCell(s.chars, s.para);
        break;
    case RtfWord::Row:
        if (s.destination == Destination::Normal)
            m_builder.endRow(s.para);
        break;
    case RtfWord::RowDefinition:
        m_builder.beginRowDefinition();
        break;
    case RtfWord::CellX:
        m_builder.addCellBoundary(parameter);
        break;
    default:
        break;
    }
}

void RtfParser::skipGroup()
{
    // The rest of the current group is stepped over unread; its own closing brace closes it as usual, but it
    // shows nothing.
    flushText();
    m_ignorablePending = false;
    if (m_tokens.skipGroup())
        state().destination = Destination::Ignored;
    else
        m_done = true; // the file ends inside the group
}

void RtfParser::skipBinary(qint64 length)
{
    const QByteArrayView data = m_tokens.binary(length);
    if (state().destination == Destination::Picture && m_picture)
        m_picture->appendBinary(data);
}

void RtfParser::textRun(QByteArrayView run)
{
    if (m_skipChars > 0) {
        const qsizetype skipped = std::min<qsizetype>(m_skipChars, run.size());
        m_skipChars -= int(skipped);
        run = run.sliced(skipped);
    }
    if (run.isEmpty())
        return;

    switch (state().destination) {
    case Destination::Normal:
        textBytes(run.data(), run.size());
        break;
    case Destination::FontTable:
        for (qsizetype i = 0; i < run.size(); ++i) {
            if (run[i] == ';')
                finishFontEntry();
            else
                m_fonts.appendName(run.sliced(i, 1));
        }
        break;
    case Destination::ColorTable:
        for (const char c : run) {
            if (c == ';')
                finishColorEntry();
        }
        break;
    case Destination::Picture:
        if (m_picture)
            m_picture->appendHex(run);
        break;
    case Destination::FieldInstruction:
        m_fields.appendInstruction(run);
        break;
    case Destination::Ignored:
        break;
    }
}

void RtfParser::hexByte(int value)
{
    if (m_skipChars > 0) {
        --m_skipChars;
        return;
    }
    const char byte = char(value);
    switch (state().destination) {
    case Destination::Normal:
        textBytes(&byte, 1);
        break;
    case Destination::FontTable:
        m_fonts.appendName(QByteArrayView(&byte, 1));
        break;
    case Destination::FieldInstruction:
        m_fields.appendInstruction(QByteArrayView(&byte, 1));
        break;
    default:
        break;
    }
}

void RtfParser::textBytes(const char* bytes, qsizetype size)
{
    if (state().destination != Destination::Normal)
        return;
    dropLoneSurrogate();
    const int font = state().chars.font;
    RtfCodePage& codePage = m_fonts.codePageFor(font);
    if (codePage.isDoubleByte()) {
        // Lead and trail bytes may come as \'hh or as plain characters; they are decoded together.
        if (m_pendingBytesFont != font)
            flushText();
        m_pendingBytesFont = font;
        m_pendingBytes.append(bytes, size);
        return;
    }
    flushText();
    m_text.truncate(0);
    // Tabs written as the character itself count as \tab; other control characters show nothing.
    qsizetype begin = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b >= 0x20)
            continue;
        codePage.decode(bytes + begin, i - begin, m_text);
        if (b == '\t')
            m_text.append(QLatin1Char('\t'));
        begin = i + 1;
    }
    codePage.decode(bytes + begin, size - begin, m_text);
    m_builder.appendText(m_text, state().chars, state().para);
}

void RtfParser::text(QChar c)
{
    if (state().destination != Destination::Normal)
        return;
    dropLoneSurrogate();
    flushText();
    m_builder.appendText(QStringView(&c, 1), state().chars, state().para);
}

void RtfParser::unicode(int value)
{
    if (value < 0)
        value += 65536;
    if (value <= 0 || value > 0xFFFF)
        return;
    const auto unit = char16_t(value);
    if (QChar::isHighSurrogate(unit)) {
        dropLoneSurrogate();
        m_highSurrogate = unit;
        return;
    }
    if (QChar::isLowSurrogate(unit)) {
        if (m_highSurrogate && state().destination == Destination::Normal) {
            const QChar pair[2] = {QChar(m_highSurrogate), QChar(unit)};
            m_highSurrogate = 0;
            flushText();
            m_builder.appendText(QStringView(pair, 2), state().chars, state().para);
        } else {
            text(QChar(QChar::ReplacementCharacter));
        }
        return;
    }
    if (value < 0x20 && value != '\t')
        return;
    if (state().destination == Destination::FontTable) {
        m_fonts.appendName(QString(QChar(unit)).toUtf8());
        return;
    }
    text(QChar(unit));
}

void RtfParser::dropLoneSurrogate()
{
    // A high surrogate not followed by its low half shows as the replacement character.
    if (!m_highSurrogate)
        return;
    m_highSurrogate = 0;
    const QChar replacement(QChar::ReplacementCharacter);
    flushText();
    m_builder.appendText(QStringView(&replacement, 1), state().chars, state().para);
}

void RtfParser::flushText()
{
    if (m_pendingBytes.isEmpty())
        return;
    m_text.truncate(0);
    m_fonts.codePageFor(m_pendingBytesFont).decode(m_pendingBytes.constData(), m_pendingBytes.size(), m_text);
    m_pendingBytes.clear();
    if (!m_stack.isEmpty())
        m_builder.appendText(m_text, state().chars, state().para);
}

void RtfParser::endParagraph()
{
    if (state().destination != Destination::Normal)
        return;
    m_builder.endParagraph(state().chars, state().para);
}

void RtfParser::finishFontEntry()
{
    if (const std::optional<RtfFontTable::Font> font = m_fonts.finishEntry())
        m_builder.addFont(font->number, font->family);
}

void RtfParser::finishColorEntry()
{
    m_builder.addColor(m_colorSet ? QColor(m_red, m_green, m_blue) : QColor());
    m_colorSet = false;
    m_red = m_green = m_blue = 0;
}

void RtfParser::beginPicture()
{
    State& s = state();
    if (s.destination != Destination::Normal) {
        skipGroup();
        return;
    }
    s.destination = Destination::Picture;
    m_picture = std::make_unique<RtfPicture>();
}

void RtfParser::finishPicture()
{
    if (!m_picture)
        return;
    const std::unique_ptr<RtfPicture> picture = std::move(m_picture);
    if (state().destination != Destination::Normal)
        return;
    const qint64 room = std::min<qint64>(m_builder.imageBudget(), RtfPicture::MaxDataBytes * 4);
    if (room <= 0)
        return;
    const QImage image = picture->image(room);
    if (image.isNull())
        return;
    const QSizeF size = picture->displaySize(image);
    m_builder.insertImage(image, size.width(), size.height(), state().chars, state().para);
}

void RtfParser::startField()
{
    if (m_fields.open())
        state().fieldDepth = m_fields.depth();
}

void RtfParser::startFieldResult()
{
    State& s = state();
    if (s.destination != Destination::Normal)
        return;
    const QString href = m_fields.linkTarget(s.fieldDepth);
    if (!href.isEmpty())
        s.chars.link = m_builder.addLink(href);
}
