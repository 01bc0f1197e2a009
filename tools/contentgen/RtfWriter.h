// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class QImage;

// Writes an article as a period word processor saved it: RTF 1 in the Windows Cyrillic code page, text as
// \'hh escapes, a font table of a serif, a sans-serif and a fixed-pitch font, Windows line ends and lines
// of moderate length. The paragraph functions take "runs": text already escaped with escape(), possibly
// with character formatting groups around parts of it.
class RtfWriter final {
public:
    explicit RtfWriter(const QString& title);

    // Plain text as RTF: ASCII literally (with \ { } escaped), the code page's characters as \'hh,
    // anything else as \uN with a question mark for readers that do not know Unicode.
    static QByteArray escape(QStringView text);
    static QByteArray bold(const QByteArray& runs) { return "{\\b " + runs + '}'; }
    static QByteArray italic(const QByteArray& runs) { return "{\\i " + runs + '}'; }
    static QByteArray underline(const QByteArray& runs) { return "{\\ul " + runs + '}'; }

    void heading(const QByteArray& runs);
    void section(const QByteArray& runs);
    void paragraph(const QByteArray& runs);
    void bullet(const QByteArray& runs);
    void numbered(const QString& number, const QByteArray& runs);
    void note(const QByteArray& runs);
    // Program text, one RTF paragraph per line, spaces kept as they stand.
    void code(const QStringList& lines);
    // The first row is the header row; widths are relative column weights.
    void table(const QList<QList<QByteArray>>& rows, const QList<int>& widths);
    // An embedded picture: PNG for readers that know it, a device-independent bitmap for the rest.
    void picture(const QImage& image);

    // Closes the document and returns its bytes; the writer is empty afterwards.
    QByteArray finish();

private:
    void appendText(const QByteArray& text);
    void appendHex(const QByteArray& bytes);
    void newLine();

    QByteArray m_data;
    qsizetype m_lineStart = 0;
};
