// SPDX-License-Identifier: MIT
#include "RtfWriter.h"

#include "WindowsCyrillic.h"

#include <QBuffer>
#include <QImage>
#include <QtEndian>

namespace {

// Colour table entries (index 0 is the automatic colour).
constexpr int kHeadingColour = 1; // dark blue
constexpr int kNoteColour = 2;    // dark red
constexpr int kCodeColour = 3;    // dark green-blue

// Twips per pixel at 96 dots per inch.
constexpr int kTwipsPerPixel = 15;
// Tables are sized for the article area of the screens (465 pixels with its scroll bar), not for the
// page: the view wraps text at its own width, but cell boundaries are absolute.
constexpr int kTableWidth = 420 * kTwipsPerPixel;
// RTF text lines are broken after a space once they pass this length; picture data lines hold this many
// hexadecimal digits.
constexpr int kTextLineLength = 200;
constexpr int kHexLineLength = 128;

QByteArray number(int value) {
    return QByteArray::number(value);
}

QByteArray pictureSize(const QImage& image) {
    return "\\picw" + number(image.width()) + "\\pich" + number(image.height()) + "\\picwgoal" +
           number(image.width() * kTwipsPerPixel) + "\\pichgoal" + number(image.height() * kTwipsPerPixel);
}

// A bottom-up 24-bit device-independent bitmap: BITMAPINFOHEADER followed by the rows, each padded to
// four bytes.
QByteArray deviceIndependentBitmap(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int rowBytes = (image.width() * 3 + 3) & ~3;
    QByteArray dib(40 + rowBytes * image.height(), '\0');
    uchar* header = reinterpret_cast<uchar*>(dib.data());
    qToLittleEndian<quint32>(40, header);
    qToLittleEndian<qint32>(image.width(), header + 4);
    qToLittleEndian<qint32>(image.height(), header + 8);
    qToLittleEndian<quint16>(1, header + 12);
    qToLittleEndian<quint16>(24, header + 14);
    qToLittleEndian<quint32>(static_cast<quint32>(rowBytes * image.height()), header + 20);
    qToLittleEndian<qint32>(3780, header + 24); // 96 dpi in pixels per metre
    qToLittleEndian<qint32>(3780, header + 28);
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(image.height() - 1 - y));
        uchar* out = header + 40 + y * rowBytes;
        for (int x = 0; x < image.width(); ++x) {
            *out++ = static_cast<uchar>(qBlue(line[x]));
            *out++ = static_cast<uchar>(qGreen(line[x]));
            *out++ = static_cast<uchar>(qRed(line[x]));
        }
    }
    return dib;
}

} // namespace

RtfWriter::RtfWriter(const QString& title) {
    m_data = "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049"
             "{\\fonttbl{\\f0\\froman\\fcharset204\\fprq2 Times New Roman Cyr;}"
             "{\\f1\\fswiss\\fcharset204\\fprq2 Arial;}{\\f2\\fmodern\\fcharset204\\fprq1 Courier New;}}";
    newLine();
    m_data += "{\\colortbl;\\red0\\green0\\blue128;\\red128\\green0\\blue0;\\red0\\green64\\blue96;}";
    newLine();
    m_data += "{\\info{\\title " + escape(title) + "}{\\author " + escape(u"Ведариум") + "}}";
    newLine();
    m_data += "\\paperw11906\\paperh16838\\margl1134\\margr850\\margt1134\\margb1134\\viewkind4\\uc1";
    newLine();
}

QByteArray RtfWriter::escape(QStringView text) {
    QByteArray out;
    out.reserve(text.size() * 4);
    for (const char32_t character : text.toUcs4()) {
        if (character == '\\' || character == '{' || character == '}') {
            out += '\\';
            out += static_cast<char>(character);
        } else if (character == '\t') {
            out += "\\tab ";
        } else if (character < 0x20) {
            continue;
        } else if (const int byte = WindowsCyrillic::fromUnicode(character); byte >= 0x80) {
            out += "\\'" + QByteArray::number(byte, 16).rightJustified(2, '0');
        } else if (byte >= 0) {
            out += static_cast<char>(byte);
        } else {
            // RTF writes Unicode values as signed 16-bit numbers; characters beyond the basic plane as
            // their surrogate pair.
            const QString utf16 = QString::fromUcs4(&character, 1);
            for (const QChar unit : utf16)
                out += "\\u" + QByteArray::number(static_cast<qint16>(unit.unicode())) + '?';
        }
    }
    return out;
}

void RtfWriter::heading(const QByteArray& runs) {
    m_data += "\\pard\\plain\\qc\\sb120\\sa240\\keepn\\f1\\fs32\\b\\cf" + number(kHeadingColour) + ' ';
    appendText(runs);
    m_data += "\\par";
    newLine();
}

void RtfWriter::section(const QByteArray& runs) {
    m_data += "\\pard\\plain\\sb240\\sa120\\keepn\\f1\\fs26\\b\\cf" + number(kHeadingColour) + ' ';
    appendText(runs);
    m_data += "\\par";
    newLine();
}

void RtfWriter::paragraph(const QByteArray& runs) {
    m_data += "\\pard\\plain\\qj\\fi567\\sa120\\f0\\fs24 ";
    appendText(runs);
    m_data += "\\par";
    newLine();
}

void RtfWriter::bullet(const QByteArray& runs) {
    m_data += "\\pard\\plain\\qj\\fi-360\\li720\\tx720\\sa60\\f0\\fs24{\\pntext\\f1\\'b7\\tab}"
              "{\\*\\pn\\pnlvlblt\\pnf1\\pnindent360{\\pntxtb\\'b7}}";
    appendText(runs);
    m_data += "\\par";
    newLine();
}

void RtfWriter::numbered(const QString& numberText, const QByteArray& runs) {
    const int start = numberText.toInt();
    m_data += "\\pard\\plain\\qj\\fi-360\\li720\\tx720\\sa60\\f0\\fs24{\\pntext\\f0 " + escape(numberText) +
              ".\\tab}{\\*\\pn\\pnlvlbody\\pndec\\pnstart" + number(start > 0 ? start : 1) +
              "\\pnindent360{\\pntxta .}}";
    appendText(runs);
    m_data += "\\par";
    newLine();
}

void RtfWriter::note(const QByteArray& runs) {
    m_data += "\\pard\\plain\\qj\\li567\\ri567\\sb120\\sa120\\brdrl\\brdrs\\brdrw30\\brsp80\\f0\\fs24\\i\\cf" +
              number(kNoteColour) + ' ';
    appendText(runs);
    m_data += "\\par";
    newLine();
}

void RtfWriter::code(const QStringList& lines) {
    // The space ends the control word; after each \par the line end does (it is not text), so leading
    // spaces of a line stay text.
    m_data += "\\pard\\plain\\li567\\sb60\\sa60\\f2\\fs18\\cf" + number(kCodeColour) + ' ';
    for (const QString& line : lines) {
        appendText(escape(line));
        m_data += "\\par";
        newLine();
    }
}

void RtfWriter::table(const QList<QList<QByteArray>>& rows, const QList<int>& widths) {
    int total = 0;
    for (const int width : widths)
        total += width;
    if (rows.isEmpty() || total <= 0)
        return;
    QByteArray rowDefinition = "\\trowd\\trgaph108\\trleft0\\trqc";
    int right = 0;
    for (qsizetype column = 0; column < widths.size(); ++column) {
        right = column + 1 == widths.size() ? kTableWidth : right + kTableWidth * widths[column] / total;
        rowDefinition += "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10"
                         "\\clbrdrr\\brdrs\\brdrw10\\cellx" +
                         number(right);
    }
    for (qsizetype r = 0; r < rows.size(); ++r) {
        m_data += rowDefinition;
        newLine();
        m_data += "\\pard\\plain\\intbl\\f0\\fs22";
        if (r == 0)
            m_data += "\\b";
        m_data += ' ';
        for (qsizetype column = 0; column < widths.size(); ++column) {
            if (column < rows[r].size())
                appendText(rows[r][column]);
            m_data += "\\cell ";
        }
        m_data += "\\row";
        newLine();
    }
    m_data += "\\pard\\plain\\sa120\\par";
    newLine();
}

void RtfWriter::picture(const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    m_data += "\\pard\\plain\\qc\\sb120\\sa120{\\*\\shppict{\\pict\\pngblip" + pictureSize(image);
    appendHex(png);
    m_data += "}}{\\nonshppict{\\pict\\dibitmap0" + pictureSize(image);
    appendHex(deviceIndependentBitmap(image));
    m_data += "}}\\par";
    newLine();
}

QByteArray RtfWriter::finish() {
    m_data += "\\pard\\plain\\f0\\fs24\\par";
    newLine();
    m_data += '}';
    newLine();
    QByteArray result;
    result.swap(m_data);
    m_lineStart = 0;
    return result;
}

void RtfWriter::appendText(const QByteArray& text) {
    for (const char byte : text) {
        m_data += byte;
        if (byte == ' ' && m_data.size() - m_lineStart > kTextLineLength)
            newLine();
    }
}

void RtfWriter::appendHex(const QByteArray& bytes) {
    const QByteArray hex = bytes.toHex();
    for (qsizetype at = 0; at < hex.size(); at += kHexLineLength) {
        newLine();
        m_data += hex.mid(at, kHexLineLength);
    }
    newLine();
}

void RtfWriter::newLine() {
    m_data += "\r\n";
    m_lineStart = m_data.size();
}
