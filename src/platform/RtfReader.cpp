// SPDX-License-Identifier: MIT
#include "platform/RtfReader.h"

#include "platform/RtfCodePage.h"

#include <QStringDecoder>
#include <QTextCursor>
#include <QTextDocument>

namespace {

bool startsAsRtf(const QByteArray& data)
{
    return data.startsWith("{\\rtf");
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
    // Windows line ends (and old Mac ones) become paragraph breaks.
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

void RtfReader::read(const QByteArray& data, QTextDocument* doc)
{
    QTextCursor cursor(doc);
    cursor.movePosition(QTextCursor::End);
    if (!startsAsRtf(data)) {
        cursor.insertText(plainText(data));
        return;
    }
    // Interim: the RTF interpreter replaces this.
    cursor.insertText(plainText(data));
}
