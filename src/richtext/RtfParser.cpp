// SPDX-License-Identifier: MIT
#include "richtext/RtfParser.h"

#include <QTextDocument>
#include <QTextOption>

#include <algorithm>
#include <string_view>
#include <unordered_map>

namespace {

// The content budget of a document (about bytes of memory): a floor that any article fits in, plus a few per
// input byte, so that what the document holds stays within a few times the file's size.
constexpr qint64 ContentBudgetFloor = qint64(16) * 1024 * 1024;
constexpr qint64 ContentBudgetPerByte = 4;
constexpr qint64 ImageBudgetFloor = qint64(64) * 1024 * 1024;
constexpr qint64 ImageBudgetPerByte = 16;
constexpr int MaxControlWordLetters = 32;
constexpr int MaxParameterDigits = 10;
constexpr int DefaultHalfPoints = 24;
constexpr int SymbolCharset = 2;

enum class Word {
    // Destinations
    Rtf, FontTable, ColorTable, Picture, Field, FieldInstruction, FieldResult, ShapePicture, ListText, Skip,
    // Document
    Ansi, Mac, Pc, Pca, AnsiCodePage, DefaultFont, DefaultTab, Uc, U, Bin,
    // Fonts and colours
    F, FontCharset, CodePage, Red, Green, Blue,
    // Characters
    Plain, Fs, B, I, Ul, UlDotted, UlDash, UlDashDot, UlDashDotDot, UlWave, UlNone, Strike, Super, Sub,
    NoSuperSub, Up, Dn, Cf, Cb, Highlight, Hidden, Caps, SmallCaps,
    // Paragraphs
    Pard, Ql, Qc, Qr, Qj, Li, Ri, Fi, Sb, Sa, Sl, SlMult, InTable, Tx, Tqr, Tqc, Tqdec, Tb,
    // Breaks and special characters
    Par, Line, Tab, Page, Cell, Row, NestCell, NestRow, RowDefinition, CellX, EmDash, EnDash, EmSpace, EnSpace,
    QmSpace, LQuote, RQuote, LDblQuote, RDblQuote, Bullet, Zwj, Zwnj,
    // Pictures
    PngBlip, JpegBlip, DiBitmap, WBitmap, WMetafile, EmfBlip, MacPict, PicW, PicH, PicWGoal, PicHGoal, PicScaleX,
    PicScaleY, WbmBitsPixel, WbmWidthBytes,
};

const std::unordered_map<std::string_view, Word>& words()
{
    static const std::unordered_map<std::string_view, Word> table = [] {
        std::unordered_map<std::string_view, Word> t{
            {"rtf", Word::Rtf}, {"fonttbl", Word::FontTable}, {"colortbl", Word::ColorTable},
            {"pict", Word::Picture}, {"field", Word::Field}, {"fldinst", Word::FieldInstruction},
            {"fldrslt", Word::FieldResult}, {"shppict", Word::ShapePicture}, {"pntext", Word::ListText},
            {"listtext", Word::ListText}, {"ansi", Word::Ansi}, {"mac", Word::Mac}, {"pc", Word::Pc},
            {"pca", Word::Pca}, {"ansicpg", Word::AnsiCodePage}, {"deff", Word::DefaultFont},
            {"deftab", Word::DefaultTab}, {"uc", Word::Uc},
            {"u", Word::U}, {"bin", Word::Bin}, {"f", Word::F}, {"fcharset", Word::FontCharset},
            {"cpg", Word::CodePage}, {"red", Word::Red}, {"green", Word::Green}, {"blue", Word::Blue},
            {"plain", Word::Plain}, {"fs", Word::Fs}, {"b", Word::B}, {"i", Word::I}, {"ul", Word::Ul},
            {"ulw", Word::Ul}, {"uldb", Word::Ul}, {"ulth", Word::Ul}, {"uld", Word::UlDotted},
            {"ulthd", Word::UlDotted}, {"uldash", Word::UlDash}, {"ulthdash", Word::UlDash},
            {"ulldash", Word::UlDash}, {"uldashd", Word::UlDashDot}, {"ulthdashd", Word::UlDashDot},
            {"uldashdd", Word::UlDashDotDot}, {"ulthdashdd", Word::UlDashDotDot}, {"ulwave", Word::UlWave},
            {"ulhwave", Word::UlWave}, {"uldbwave", Word::UlWave}, {"ulnone", Word::UlNone},
            {"strike", Word::Strike}, {"striked", Word::Strike}, {"super", Word::Super}, {"sub", Word::Sub},
            {"nosupersub", Word::NoSuperSub}, {"up", Word::Up}, {"dn", Word::Dn}, {"cf", Word::Cf},
            {"cb", Word::Cb}, {"chcbpat", Word::Cb}, {"highlight", Word::Highlight}, {"v", Word::Hidden},
            {"caps", Word::Caps}, {"scaps", Word::SmallCaps}, {"pard", Word::Pard}, {"ql", Word::Ql},
            {"qc", Word::Qc}, {"qr", Word::Qr}, {"qj", Word::Qj}, {"qd", Word::Qj}, {"li", Word::Li},
            {"lin", Word::Li}, {"ri", Word::Ri}, {"rin", Word::Ri}, {"fi", Word::Fi}, {"sb", Word::Sb},
            {"sa", Word::Sa}, {"sl", Word::Sl}, {"slmult", Word::SlMult}, {"intbl", Word::InTable},
            {"tx", Word::Tx}, {"tqr", Word::Tqr}, {"tqc", Word::Tqc}, {"tqdec", Word::Tqdec}, {"tb", Word::Tb},
            {"par", Word::Par}, {"sect", Word::Par}, {"line", Word::Line}, {"tab", Word::Tab},
            {"page", Word::Page}, {"column", Word::Page}, {"cell", Word::Cell}, {"row", Word::Row},
            {"nestcell", Word::NestCell}, {"nestrow", Word::NestRow}, {"trowd", Word::RowDefinition},
            {"cellx", Word::CellX}, {"emdash", Word::EmDash}, {"endash", Word::EnDash},
            {"emspace", Word::EmSpace}, {"enspace", Word::EnSpace}, {"qmspace", Word::QmSpace},
            {"lquote", Word::LQuote}, {"rquote", Word::RQuote}, {"ldblquote", Word::LDblQuote},
            {"rdblquote", Word::RDblQuote}, {"bullet", Word::Bullet}, {"zwj", Word::Zwj}, {"zwnj", Word::Zwnj},
            {"pngblip", Word::PngBlip}, {"jpegblip", Word::JpegBlip}, {"dibitmap", Word::DiBitmap},
            {"wbitmap", Word::WBitmap}, {"wmetafile", Word::WMetafile}, {"emfblip", Word::EmfBlip},
            {"macpict", Word::MacPict}, {"picw", Word::PicW}, {"pich", Word::PicH}, {"picwgoal", Word::PicWGoal},
            {"pichgoal", Word::PicHGoal}, {"picscalex", Word::PicScaleX}, {"picscaley", Word::PicScaleY},
            {"wbmbitspixel", Word::WbmBitsPixel}, {"wbmwidthbytes", Word::WbmWidthBytes},
        };
        // Destinations whose text is never shown: document information, page furniture, tables of
        // definitions, the shape and object data beside their shown results, and the like.
        for (const char* name :
             {"info", "stylesheet", "header", "headerl", "headerr", "headerf", "footer", "footerl", "footerr",
              "footerf", "footnote", "annotation", "pn", "pnseclvl", "listtable", "listoverridetable", "revtbl",
              "rsidtbl", "filetbl", "fchars", "lchars", "ftnsep", "ftnsepc", "ftncn", "aftnsep", "aftnsepc",
              "aftncn", "nonshppict", "shpinst", "sp", "sn", "sv", "objdata", "objclass", "objname", "objalias",
              "objsect", "objtime", "xe", "tc", "tcn", "txe", "rxe", "template", "pgdsctbl", "themedata",
              "colorschememapping", "latentstyles", "datastore", "xmlnstbl", "generator", "userprops", "docvar",
              "listpicture", "background", "fldtype", "private", "protusertbl", "picprop", "blipuid", "falt",
              "panose", "fontemb", "fontfile", "bkmkstart", "bkmkend", "do", "author", "operator", "title",
              "subject", "keywords", "comment", "doccomm", "company", "manager", "category", "hlinkbase",
              "atnid", "atnauthor", "atrfstart", "atrfend", "atndate", "atnref", "mmathPr", "wgrffmtfilter",
              "ud", "pgptbl", "passwordhash", "defchp", "defpap"})
            t.emplace(name, Word::Skip);
        return t;
    }();
    return table;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Font names that Windows made up for one character set of a font ("Times New Roman Cyr", "Arial CE") name
// the set by their suffix; the family is the name without it.
struct NameSuffix {
    QLatin1StringView suffix;
    int codePage;
};
constexpr NameSuffix CharsetSuffixes[] = {
    {QLatin1StringView(" Cyr"), 1251},   {QLatin1StringView(" CE"), 1250},
    {QLatin1StringView(" Greek"), 1253}, {QLatin1StringView(" Tur"), 1254},
    {QLatin1StringView(" Baltic"), 1257},
};

QString hyperlinkTarget(const QByteArray& instruction)
{
    // HYPERLINK "url" [switches], or HYPERLINK \l "bookmark".
    const QByteArray trimmed = instruction.trimmed();
    if (!trimmed.startsWith("HYPERLINK"))
        return {};
    const qsizetype open = trimmed.indexOf('"');
    if (open < 0) {
        const QList<QByteArray> parts = trimmed.simplified().split(' ');
        return parts.size() > 1 ? QString::fromLatin1(parts[1]) : QString();
    }
    const qsizetype close = trimmed.indexOf('"', open + 1);
    const QByteArray target = trimmed.mid(open + 1, close < 0 ? -1 : close - open - 1);
    if (trimmed.mid(9, open - 9).contains("\\l"))
        return QLatin1Char('#') + QString::fromLatin1(target);
    return QString::fromLatin1(target);
}

} // namespace

RtfParser::RtfParser(const QByteArray& data, QTextDocument* doc)
    : m_bytes(data.constData())
    , m_size(data.size())
    , m_builder(doc, ContentBudgetFloor + ContentBudgetPerByte * data.size(),
                ImageBudgetFloor + ImageBudgetPerByte * data.size())
{
    m_stack.reserve(64);
}

RtfParser::~RtfParser() = default;

void RtfParser::run()
{
    // The outermost group is opened by the caller's check that the data starts with "{\rtf".
    while (m_pos < m_size && !m_done) {
        if (m_builder.isFull())
            break;
        const char c = m_bytes[m_pos];
        switch (c) {
        case '{':
            ++m_pos;
            openGroup();
            break;
        case '}':
            ++m_pos;
            closeGroup();
            break;
        case '\\':
            readControl();
            break;
        case '\r':
        case '\n':
            ++m_pos;
            break;
        default:
            textRun();
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
    while (m_fieldInstructions.size() > parent.fieldDepth)
        m_fieldInstructions.removeLast();
}

void RtfParser::readControl()
{
    ++m_pos; // the backslash
    if (m_pos >= m_size) {
        m_done = true;
        return;
    }
    const char c = m_bytes[m_pos];
    if (!isLetter(c)) {
        ++m_pos;
        if (c == '\'') {
            if (m_pos + 2 > m_size) {
                m_done = true; // the file ends inside the escape
                return;
            }
            const int high = hexValue(m_bytes[m_pos]);
            const int low = hexValue(m_bytes[m_pos + 1]);
            if (high >= 0 && low >= 0) {
                m_pos += 2;
                hexByte(high * 16 + low);
                return;
            }
            // A broken \'hh is dropped; what follows reads on as usual.
            return;
        }
        controlSymbol(c);
        return;
    }
    const qsizetype start = m_pos;
    while (m_pos < m_size && isLetter(m_bytes[m_pos]))
        ++m_pos;
    const QByteArrayView word(m_bytes + start, std::min<qsizetype>(m_pos - start, MaxControlWordLetters));
    bool negative = false;
    bool hasParameter = false;
    qint64 parameter = 0;
    if (m_pos + 1 == m_size && m_bytes[m_pos] == '-') {
        m_done = true; // the file ends inside a negative parameter
        return;
    }
    if (m_pos < m_size && m_bytes[m_pos] == '-' && m_pos + 1 < m_size && isDigit(m_bytes[m_pos + 1])) {
        negative = true;
        ++m_pos;
    }
    int digits = 0;
    while (m_pos < m_size && isDigit(m_bytes[m_pos])) {
        if (digits < MaxParameterDigits)
            parameter = parameter * 10 + (m_bytes[m_pos] - '0');
        ++digits;
        hasParameter = true;
        ++m_pos;
    }
    if (m_pos < m_size && m_bytes[m_pos] == ' ')
        ++m_pos; // the delimiter belongs to the control word
    parameter = std::clamp<qint64>(negative ? -parameter : parameter, -2147483647, 2147483647);
    controlWord(word, hasParameter, int(parameter));
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
    const auto& table = words();
    const auto found = table.find(std::string_view(name.data(), size_t(name.size())));
    if (found == table.end()) {
        // An unknown destination marked \* is skipped whole; an unknown control word is ignored.
        if (ignorable)
            skipGroup();
        else if (m_skipChars > 0)
            --m_skipChars;
        return;
    }
    const Word word = found->second;
    if (m_skipChars > 0 && word != Word::Bin) {
        --m_skipChars;
        return;
    }
    if (word != Word::U && word != Word::Bin)
        flushText();

    State& s = state();
    RtfCharProps& chars = s.chars;
    RtfParaProps& para = s.para;
    const bool on = !hasParameter || parameter != 0;
    const auto twips = [&] { return hasParameter ? parameter : 0; };

    if (s.destination == Destination::Picture && m_picture) {
        switch (word) {
        case Word::PngBlip:
            m_picture->format = RtfPicture::Format::Png;
            return;
        case Word::JpegBlip:
            m_picture->format = RtfPicture::Format::Jpeg;
            return;
        case Word::DiBitmap:
            m_picture->format = RtfPicture::Format::Dib;
            return;
        case Word::WBitmap:
            m_picture->format = RtfPicture::Format::DeviceBitmap;
            return;
        case Word::WMetafile:
            m_picture->format = RtfPicture::Format::WindowsMetafile;
            return;
        case Word::EmfBlip:
            m_picture->format = RtfPicture::Format::EnhancedMetafile;
            return;
        case Word::MacPict:
            m_picture->format = RtfPicture::Format::MacPict;
            return;
        case Word::PicW:
            m_picture->picw = parameter;
            return;
        case Word::PicH:
            m_picture->pich = parameter;
            return;
        case Word::PicWGoal:
            m_picture->goalWidth = parameter;
            return;
        case Word::PicHGoal:
            m_picture->goalHeight = parameter;
            return;
        case Word::PicScaleX:
            m_picture->scaleX = parameter;
            return;
        case Word::PicScaleY:
            m_picture->scaleY = parameter;
            return;
        case Word::WbmBitsPixel:
            m_picture->bitsPerPixel = parameter;
            return;
        case Word::WbmWidthBytes:
            m_picture->widthBytes = parameter;
            return;
        case Word::Bin:
            break;
        default:
            // Nothing but the picture's own words and data belongs here.
            if (ignorable || word == Word::Skip || word == Word::Picture)
                skipGroup();
            return;
        }
    }

    switch (word) {
    case Word::Rtf:
        return;
    case Word::FontTable:
        s.destination = Destination::FontTable;
        m_fontName.clear();
        m_fontCharset = -1;
        m_fontCodePage = 0;
        return;
    case Word::ColorTable:
        s.destination = Destination::ColorTable;
        m_colorSet = false;
        m_red = m_green = m_blue = 0;
        return;
    case Word::Picture:
        beginPicture();
        return;
    case Word::Field:
        startField();
        return;
    case Word::FieldInstruction:
        s.destination = m_fieldInstructions.isEmpty() ? Destination::Ignored : Destination::FieldInstruction;
        return;
    case Word::FieldResult:
        startFieldResult();
        return;
    case Word::ShapePicture:
    case Word::ListText:
        return; // shown as written
    case Word::Skip:
        skipGroup();
        return;
    default:
        break;
    }
    if (ignorable) {
        // A known word after \* (e.g. "\*\cs15") is not a destination here; the group is still optional.
        skipGroup();
        return;
    }

    switch (word) {
    case Word::Ansi:
        m_documentCodePage = RtfCodePage::Western;
        m_cachedFont = -2;
        break;
    case Word::Mac:
        m_documentCodePage = 10000;
        m_cachedFont = -2;
        break;
    case Word::Pc:
        m_documentCodePage = 437;
        m_cachedFont = -2;
        break;
    case Word::Pca:
        m_documentCodePage = 850;
        m_cachedFont = -2;
        break;
    case Word::AnsiCodePage:
        if (parameter > 0)
            m_documentCodePage = parameter;
        m_cachedFont = -2;
        break;
    case Word::DefaultFont:
        m_defaultFont = parameter;
        m_builder.setDefaultFont(parameter);
        m_cachedFont = -2;
        break;
    case Word::DefaultTab:
        m_builder.setDefaultTab(parameter);
        break;
    case Word::Uc:
        s.unicodeSkip = quint8(std::clamp(parameter, 0, 16));
        break;
    case Word::U:
        unicode(parameter);
        m_skipChars = s.unicodeSkip;
        break;
    case Word::Bin:
        if (hasParameter && parameter > 0)
            skipBinary(parameter);
        m_skipChars = std::max(0, m_skipChars - 1);
        break;
    case Word::F:
        if (s.destination == Destination::FontTable) {
            finishFontEntry();
            m_fontNumber = parameter;
        } else {
            chars.font = parameter;
        }
        break;
    case Word::FontCharset:
        m_fontCharset = parameter;
        break;
    case Word::CodePage:
        m_fontCodePage = parameter;
        break;
    case Word::Red:
        m_red = std::clamp(parameter, 0, 255);
        m_colorSet = true;
        break;
    case Word::Green:
        m_green = std::clamp(parameter, 0, 255);
        m_colorSet = true;
        break;
    case Word::Blue:
        m_blue = std::clamp(parameter, 0, 255);
        m_colorSet = true;
        break;
    case Word::Plain: {
        const int link = chars.link;
        chars = RtfCharProps();
        chars.link = link; // a field result stays a link through \plain
        break;
    }
    case Word::Fs:
        chars.halfPoints = hasParameter && parameter > 0 ? std::min(parameter, 3276) : DefaultHalfPoints;
        break;
    case Word::B:
        chars.bold = on;
        break;
    case Word::I:
        chars.italic = on;
        break;
    case Word::Ul:
        chars.underline = on ? QTextCharFormat::SingleUnderline : QTextCharFormat::NoUnderline;
        break;
    case Word::UlDotted:
        chars.underline = on ? QTextCharFormat::DotLine : QTextCharFormat::NoUnderline;
        break;
    case Word::UlDash:
        chars.underline = on ? QTextCharFormat::DashUnderline : QTextCharFormat::NoUnderline;
        break;
    case Word::UlDashDot:
        chars.underline = on ? QTextCharFormat::DashDotLine : QTextCharFormat::NoUnderline;
        break;
    case Word::UlDashDotDot:
        chars.underline = on ? QTextCharFormat::DashDotDotLine : QTextCharFormat::NoUnderline;
        break;
    case Word::UlWave:
        chars.underline = on ? QTextCharFormat::WaveUnderline : QTextCharFormat::NoUnderline;
        break;
    case Word::UlNone:
        chars.underline = QTextCharFormat::NoUnderline;
        break;
    case Word::Strike:
        chars.strike = on;
        break;
    case Word::Super:
        chars.vertical = on ? 1 : 0;
        break;
    case Word::Sub:
        chars.vertical = on ? -1 : 0;
        break;
    case Word::NoSuperSub:
        chars.vertical = 0;
        break;
    case Word::Up:
        chars.vertical = parameter > 0 || !hasParameter ? 1 : 0;
        break;
    case Word::Dn:
        chars.vertical = parameter > 0 || !hasParameter ? -1 : 0;
        break;
    case Word::Cf:
        chars.foreground = std::max(0, parameter);
        break;
    case Word::Cb:
    case Word::Highlight:
        chars.background = std::max(0, parameter);
        break;
    case Word::Hidden:
        chars.hidden = on;
        break;
    case Word::Caps:
        chars.caps = on;
        break;
    case Word::SmallCaps:
        chars.smallCaps = on;
        break;
    case Word::Pard:
        para = RtfParaProps();
        break;
    case Word::Ql:
        para.alignment = 0;
        break;
    case Word::Qc:
        para.alignment = 1;
        break;
    case Word::Qr:
        para.alignment = 2;
        break;
    case Word::Qj:
        para.alignment = 3;
        break;
    case Word::Li:
        para.leftIndent = twips();
        break;
    case Word::Ri:
        para.rightIndent = twips();
        break;
    case Word::Fi:
        para.firstIndent = twips();
        break;
    case Word::Sb:
        para.spaceBefore = twips();
        break;
    case Word::Sa:
        para.spaceAfter = twips();
        break;
    case Word::Sl:
        para.lineSpacing = twips();
        break;
    case Word::SlMult:
        para.lineMultiple = on;
        break;
    case Word::InTable:
        para.inTable = on;
        break;
    case Word::Tqr:
        para.nextTabType = QTextOption::RightTab;
        break;
    case Word::Tqc:
        para.nextTabType = QTextOption::CenterTab;
        break;
    case Word::Tqdec:
        para.nextTabType = QTextOption::DelimiterTab;
        break;
    case Word::Tx:
    case Word::Tb:
        if (para.tabCount < RtfParaProps::MaxTabs && parameter >= 0) {
            para.tabs[para.tabCount++] = {parameter, para.nextTabType};
        }
        para.nextTabType = QTextOption::LeftTab;
        break;
    case Word::Par:
    case Word::Page:
        endParagraph();
        break;
    case Word::Line:
        text(QChar(QChar::LineSeparator));
        break;
    case Word::Tab:
        text(QLatin1Char('\t'));
        break;
    case Word::Cell:
        if (s.destination == Destination::Normal)
            m_builder.endCell(chars, para);
        break;
    case Word::Row:
        if (s.destination == Destination::Normal)
            m_builder.endRow(para);
        break;
    case Word::NestCell:
        text(QLatin1Char('\t'));
        break;
    case Word::NestRow:
        text(QChar(QChar::LineSeparator));
        break;
    case Word::RowDefinition:
        m_builder.beginRowDefinition();
        break;
    case Word::CellX:
        m_builder.addCellBoundary(parameter);
        break;
    case Word::EmDash:
        text(QChar(0x2014));
        break;
    case Word::EnDash:
        text(QChar(0x2013));
        break;
    case Word::EmSpace:
        text(QChar(0x2003));
        break;
    case Word::EnSpace:
        text(QChar(0x2002));
        break;
    case Word::QmSpace:
        text(QChar(0x2005));
        break;
    case Word::LQuote:
        text(QChar(0x2018));
        break;
    case Word::RQuote:
        text(QChar(0x2019));
        break;
    case Word::LDblQuote:
        text(QChar(0x201C));
        break;
    case Word::RDblQuote:
        text(QChar(0x201D));
        break;
    case Word::Bullet:
        text(QChar(0x2022));
        break;
    case Word::Zwj:
        text(QChar(0x200D));
        break;
    case Word::Zwnj:
        text(QChar(0x200C));
        break;
    default:
        break;
    }
}

void RtfParser::skipGroup()
{
    // Consumes the rest of the current group without interpreting it: braces are counted (escaped ones not),
    // \bin data is stepped over, and the group's state is dropped at its closing brace.
    flushText();
    m_ignorablePending = false;
    qint64 depth = 0;
    while (m_pos < m_size) {
        const char c = m_bytes[m_pos++];
        if (c == '{') {
            ++depth;
        } else if (c == '}') {
            if (depth == 0) {
                --m_pos;
                // The group's own closing brace closes it as usual, but it shows nothing.
                state().destination = Destination::Ignored;
                return;
            }
            --depth;
        } else if (c == '\\' && m_pos < m_size) {
            if (m_bytes[m_pos] == 'b' && m_pos + 3 < m_size && m_bytes[m_pos + 1] == 'i' &&
                m_bytes[m_pos + 2] == 'n' && isDigit(m_bytes[m_pos + 3])) {
                m_pos += 3;
                qint64 length = 0;
                while (m_pos < m_size && isDigit(m_bytes[m_pos])) {
                    length = std::min<qint64>(length * 10 + (m_bytes[m_pos] - '0'), m_size);
                    ++m_pos;
                }
                if (m_pos < m_size && m_bytes[m_pos] == ' ')
                    ++m_pos;
                m_pos += std::min<qint64>(length, m_size - m_pos);
            } else {
                ++m_pos; // an escaped character, brace or backslash
            }
        }
    }
    m_done = true; // the file ends inside the group
}

void RtfParser::skipBinary(qint64 length)
{
    const qint64 available = std::min<qint64>(length, m_size - m_pos);
    if (state().destination == Destination::Picture && m_picture) {
        const qint64 room = MaxPictureBytes - m_picture->data.size();
        if (room > 0)
            m_picture->data.append(m_bytes + m_pos, qsizetype(std::min(available, room)));
    }
    m_pos += available;
}

void RtfParser::textRun()
{
    const qsizetype start = m_pos;
    while (m_pos < m_size) {
        const char c = m_bytes[m_pos];
        if (c == '{' || c == '}' || c == '\\' || c == '\r' || c == '\n')
            break;
        ++m_pos;
    }
    const char* run = m_bytes + start;
    qsizetype length = m_pos - start;
    if (m_skipChars > 0) {
        const qsizetype skipped = std::min<qsizetype>(m_skipChars, length);
        m_skipChars -= int(skipped);
        run += skipped;
        length -= skipped;
    }
    if (length == 0)
        return;

    State& s = state();
    switch (s.destination) {
    case Destination::Normal:
        textBytes(run, length);
        break;
    case Destination::FontTable:
        for (qsizetype i = 0; i < length; ++i) {
            if (run[i] == ';')
                finishFontEntry();
            else if (m_fontName.size() < MaxNameBytes)
                m_fontName.append(run[i]);
        }
        break;
    case Destination::ColorTable:
        for (qsizetype i = 0; i < length; ++i) {
            if (run[i] == ';')
                finishColorEntry();
        }
        break;
    case Destination::Picture:
        if (m_picture) {
            for (qsizetype i = 0; i < length; ++i) {
                const int value = hexValue(run[i]);
                if (value < 0)
                    continue;
                if (m_nibble < 0) {
                    m_nibble = value;
                } else {
                    if (m_picture->data.size() < MaxPictureBytes)
                        m_picture->data.append(char(m_nibble * 16 + value));
                    m_nibble = -1;
                }
            }
        }
        break;
    case Destination::FieldInstruction:
        if (!m_fieldInstructions.isEmpty() && m_fieldInstructions.last().size() < MaxFieldInstructionBytes)
            m_fieldInstructions.last().append(run, std::min<qsizetype>(length, MaxFieldInstructionBytes));
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
        if (m_fontName.size() < MaxNameBytes)
            m_fontName.append(byte);
        break;
    case Destination::FieldInstruction:
        if (!m_fieldInstructions.isEmpty() && m_fieldInstructions.last().size() < MaxFieldInstructionBytes)
            m_fieldInstructions.last().append(byte);
        break;
    default:
        break;
    }
}

RtfCodePage& RtfParser::codePageFor(int font)
{
    if (font == m_cachedFont && m_cachedCodePage)
        return *m_cachedCodePage;
    const int number = m_fontCodePages.value(font < 0 ? m_defaultFont : font, 0);
    const int codePage = number > 0 ? number : m_documentCodePage;
    auto& slot = m_codePages[codePage];
    if (!slot)
        slot = std::make_unique<RtfCodePage>(codePage);
    m_cachedFont = font;
    m_cachedCodePage = slot.get();
    return *slot;
}

void RtfParser::textBytes(const char* bytes, qsizetype size)
{
    if (state().destination != Destination::Normal)
        return;
    dropLoneSurrogate();
    const int font = state().chars.font;
    RtfCodePage& codePage = codePageFor(font);
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
        if (m_fontName.size() < MaxNameBytes)
            m_fontName.append(QString(QChar(unit)).toUtf8());
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
    codePageFor(m_pendingBytesFont).decode(m_pendingBytes.constData(), m_pendingBytes.size(), m_text);
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
    QByteArray name = m_fontName.trimmed();
    m_fontName.clear();
    const int charset = m_fontCharset;
    const int cpg = m_fontCodePage;
    m_fontCharset = -1;
    m_fontCodePage = 0;
    if (name.isEmpty() && charset < 0 && cpg <= 0)
        return;
    int codePage = charset >= 0 ? RtfCodePage::forCharset(charset) : 0;
    if (codePage == 0 && cpg > 0)
        codePage = cpg;
    QString family = RtfCodePage(codePage > 0 ? codePage : m_documentCodePage).decode(name);
    if (charset == SymbolCharset) {
        if (family.compare(QLatin1StringView("Symbol"), Qt::CaseInsensitive) == 0)
            codePage = RtfCodePage::SymbolFont;
        else if (family.startsWith(QLatin1StringView("Wingdings"), Qt::CaseInsensitive))
            codePage = RtfCodePage::WingdingsFont;
    }
    for (const NameSuffix& suffix : CharsetSuffixes) {
        if (family.endsWith(suffix.suffix, Qt::CaseInsensitive)) {
            family.chop(suffix.suffix.size());
            if (suffix.codePage == RtfCodePage::Cyrillic || codePage == 0)
                codePage = suffix.codePage;
            break;
        }
    }
    if (codePage > 0 && (m_fontCodePages.size() < MaxFonts || m_fontCodePages.contains(m_fontNumber)))
        m_fontCodePages.insert(m_fontNumber, codePage);
    else
        m_fontCodePages.remove(m_fontNumber);
    m_cachedFont = -2;
    m_builder.addFont(m_fontNumber, family);
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
    m_nibble = -1;
}

void RtfParser::finishPicture()
{
    if (!m_picture)
        return;
    const std::unique_ptr<RtfPicture> picture = std::move(m_picture);
    if (state().destination != Destination::Normal)
        return;
    const qint64 room = std::min<qint64>(m_builder.imageBudget(), MaxPictureBytes * 4);
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
    State& s = state();
    if (m_fieldInstructions.size() >= MaxDepth)
        return;
    m_fieldInstructions.append(QByteArray());
    s.fieldDepth = int(m_fieldInstructions.size());
}

void RtfParser::startFieldResult()
{
    State& s = state();
    if (s.destination != Destination::Normal)
        return;
    if (s.fieldDepth > 0 && s.fieldDepth <= m_fieldInstructions.size()) {
        const QString href = hyperlinkTarget(m_fieldInstructions[s.fieldDepth - 1]);
        if (!href.isEmpty())
            s.chars.link = m_builder.addLink(href);
    }
}
