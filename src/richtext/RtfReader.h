// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

// Turns an RTF file into a QTextDocument. Data that does not begin as RTF ("{\rtf") is plain text: UTF-8 when it
// is valid UTF-8, otherwise Windows-1251, with its line breaks and tabs.
class RtfReader final {
public:
    // Fills doc (appending to what it holds). Never throws on damaged data: reads what it can.
    static void read(const QByteArray& data, QTextDocument* doc);

    // The text of a plain-text file as the view shows it.
    static QString plainText(const QByteArray& data);

    // The text a document shows: paragraphs and line breaks as newlines, the cells of a table row separated by
    // tabs and its rows by newlines, pictures left out.
    static QString documentText(const QTextDocument& doc);
};
