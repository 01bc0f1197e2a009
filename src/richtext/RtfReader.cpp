// SPDX-License-Identifier: MIT
#include "richtext/RtfReader.h"

#include "richtext/RtfCodePage.h"
#include "richtext/RtfParser.h"

#include <QStringDecoder>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace {

bool startsAsRtf(const QByteArray& data)
{
    return data.startsWith("{\\rtf");
}

QString blockText(const QTextBlock& block)
{
    QString text = block.text();
    text.remove(QChar::ObjectReplacementCharacter);
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

void appendFrameText(const QTextFrame* frame, QStringList& lines);

QString cellText(const QTextTableCell& cell)
{
    QStringList parts;
    for (auto it = cell.begin(); !it.atEnd(); ++it) {
        if (const QTextFrame* inner = it.currentFrame())
            appendFrameText(inner, parts);
        else if (it.currentBlock().isValid())
            parts.append(blockText(it.currentBlock()));
    }
    while (!parts.isEmpty() && parts.last().isEmpty())
        parts.removeLast();
    return parts.join(QLatin1Char(' '));
}

void appendFrameText(const QTextFrame* frame, QStringList& lines)
{
    if (const auto* table = qobject_cast<const QTextTable*>(frame)) {
        for (int row = 0; row < table->rows(); ++row) {
            QStringList cells;
            for (int column = 0; column < table->columns(); ++column) {
                const QTextTableCell cell = table->cellAt(row, column);
                // A merged cell is listed once, at its first row and column.
                if (cell.row() == row && cell.column() == column)
                    cells.append(cellText(cell));
            }
            lines.append(cells.join(QLatin1Char('\t')));
        }
        return;
    }
    for (auto it = frame->begin(); !it.atEnd(); ++it) {
        if (const QTextFrame* child = it.currentFrame())
            appendFrameText(child, lines);
        else if (it.currentBlock().isValid())
            lines.append(blockText(it.currentBlock()));
    }
}

} // namespace

QString RtfReader::plainText(const QByteArray& data)
{
    QByteArrayView bytes(data);
    // A UTF-8 byte order mark says so outright.
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError())
        text = RtfCodePage::decodeCyrillic(data);
    // Windows line ends (and old Mac ones) become paragraph breaks; control characters other than the tab show
    // nothing.
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.removeIf([](QChar c) { return c.unicode() < 0x20 && c != u'\n' && c != u'\t'; });
    return text;
}

void RtfReader::read(const QByteArray& data, QTextDocument* doc)
{
    if (!startsAsRtf(data)) {
        QTextCursor cursor(doc);
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(plainText(data));
        return;
    }
    RtfParser parser(data, doc);
    parser.run();
}

QString RtfReader::documentText(const QTextDocument& doc)
{
    QStringList lines;
    appendFrameText(doc.rootFrame(), lines);
    return lines.join(QLatin1Char('\n'));
}
