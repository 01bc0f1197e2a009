// SPDX-License-Identifier: MIT
// The RTF reader: character sets, destinations, formats, tables, links, pictures, plain text and damaged input.
#include "tst_encoded.h"

#include "richtext/RtfReader.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextImageFormat>
#include <QTextTable>
#include <QtEndian>

#include <memory>

namespace {

// Our own test documents lie beside this file.
const QString DataDir = QStringLiteral(VEDARIUM_TESTS_DIR "/data/rtf/");

std::unique_ptr<QTextDocument> readRtf(const QByteArray& data)
{
    auto doc = std::make_unique<QTextDocument>();
    doc->setUndoRedoEnabled(false);
    RtfReader::read(data, doc.get());
    return doc;
}

QString textOf(const QByteArray& data)
{
    return RtfReader::documentText(*readRtf(data));
}

QByteArray readData(const QString& name)
{
    QFile file(DataDir + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing test document %s", qPrintable(name));
    return file.readAll();
}

QString withoutSpaces(QString text)
{
    text.removeIf([](QChar c) { return c.isSpace(); });
    return text;
}

QByteArray hex(const QByteArray& bytes)
{
    return bytes.toHex();
}

QImage sample(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(200, 0, 0));
    for (int y = 0; y < height / 2; ++y) {
        for (int x = 0; x < width / 2; ++x)
            image.setPixelColor(x, y, QColor(0, 0, 255));
    }
    return image;
}

// A device-independent bitmap: the BMP file without its 14-byte file header.
QByteArray dib(const QImage& image)
{
    return encoded(image, "BMP").mid(14);
}

// A minimal Windows metafile: the 18-byte header, one StretchDIBits record holding the bitmap, the end record.
QByteArray metafileWithBitmap(const QByteArray& bitmap)
{
    QByteArray wmf(18, '\0');
    qToLittleEndian<quint16>(1, wmf.data());     // in memory
    qToLittleEndian<quint16>(9, wmf.data() + 2); // header words
    qToLittleEndian<quint16>(0x0300, wmf.data() + 4);
    QByteArray record(6 + 22, '\0');
    record.append(bitmap);
    if (record.size() % 2)
        record.append('\0');
    qToLittleEndian<quint32>(quint32(record.size() / 2), record.data());
    qToLittleEndian<quint16>(0x0F43, record.data() + 4);
    wmf.append(record);
    QByteArray end(6, '\0');
    qToLittleEndian<quint32>(3, end.data());
    wmf.append(end);
    return wmf;
}

QList<QTextImageFormat> images(const QTextDocument& doc)
{
    QList<QTextImageFormat> found;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isImageFormat())
                found.append(format.toImageFormat());
        }
    }
    return found;
}

QTextTable* firstTable(const QTextDocument& doc)
{
    for (QTextFrame* frame : doc.rootFrame()->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(frame))
            return table;
    }
    return nullptr;
}

// The character format of the last character of the first occurrence of text.
QTextCharFormat formatOf(const QTextDocument& doc, const QString& text)
{
    const QTextCursor found = doc.find(text);
    if (found.isNull())
        return {};
    return found.charFormat();
}

const QByteArray FormatHeader = "{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset204 Arial;}"
                                "{\\f1\\froman\\fcharset204 Times New Roman Cyr;}}"
                                "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue0;}\\pard\\plain ";

} // namespace

class TestRtfReader final : public QObject {
    Q_OBJECT
private slots:
    void decodesText_data();
    void decodesText();
    void skipsHiddenDestinations_data();
    void skipsHiddenDestinations();
    void periodDocuments_data();
    void periodDocuments();
    void characterFormats_data();
    void characterFormats();
    void paragraphFormats_data();
    void paragraphFormats();
    void tabStops_data();
    void tabStops();
    void tableFromWordDocument();
    void tableShapes_data();
    void tableShapes();
    void columnWidthsFromExtremeBoundaries();
    void hyperlinkField();
    void pictures_data();
    void pictures();
    void shapePictureWinsOverFallback();
    void plainText_data();
    void plainText();
    void truncatedDocumentReadsAPrefix();
    void hostileInput_data();
    void hostileInput();
    void contentBudgetStopsReading();
};

void TestRtfReader::decodesText_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");

    QTest::newRow("ansicpg1251 and hex") << QByteArray("{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0 Arial;}}\\f0 "
                                                       "\\'cf\\'f0\\'e8\\'e2\\'e5\\'f2}")
                                         << QStringLiteral("Привет");
    QTest::newRow("fcharset204 beats ansicpg1252")
        << QByteArray("{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fcharset204 Arial;}}\\f0 \\'cc\\'e8\\'f0}")
        << QStringLiteral("Мир");
    QTest::newRow("fcharset0 is western in a Cyrillic document")
        << QByteArray("{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fcharset0 Arial;}}\\f0 caf\\'e9}")
        << QStringLiteral("café");
    QTest::newRow("font name ending Cyr") << QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0 Times New Roman Cyr;}}\\f0 "
                                                        "\\'cc\\'e8\\'f0}")
                                          << QStringLiteral("Мир");
    QTest::newRow("default charset follows ansicpg")
        << QByteArray("{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fcharset1 Arial;}}\\f0 \\'cc}")
        << QStringLiteral("М");
    QTest::newRow("deff picks the font of unmarked text")
        << QByteArray("{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset204 Arial;}}\\'cc}")
        << QStringLiteral("М");
    QTest::newRow("per-font code pages switch") << QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset204 A;}"
                                                              "{\\f1\\fcharset0 B;}}\\f0\\'e0\\f1\\'e0\\f0\\'e0}")
                                                << QStringLiteral("аàа");
    QTest::newRow("cpg in the font table") << QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0\\cpg1251 Arial;}}\\f0 \\'cc}")
                                           << QStringLiteral("М");
    QTest::newRow("unknown code page falls back to 1252")
        << QByteArray("{\\rtf1\\ansi\\ansicpg9999 \\'e9}") << QStringLiteral("é");
    QTest::newRow("raw 8-bit bytes") << QByteArray("{\\rtf1\\ansi\\ansicpg1251 \xcc\xe8\xf0}") << QStringLiteral("Мир");
    QTest::newRow("u skips one fallback") << QByteArray("{\\rtf1\\ansi\\uc1 \\u1052\\'cc\\u1080?}")
                                          << QStringLiteral("Ми");
    QTest::newRow("uc0 skips nothing") << QByteArray("{\\rtf1\\uc0\\u1052 x}") << QStringLiteral("Мx");
    QTest::newRow("uc2 skips two") << QByteArray("{\\rtf1\\uc2\\u1052\\'3f\\'3fA}") << QStringLiteral("МA");
    QTest::newRow("uc is scoped to its group") << QByteArray("{\\rtf1{\\uc2\\u1052??}\\u1080?}")
                                               << QStringLiteral("Ми");
    QTest::newRow("a brace ends the skipping") << QByteArray("{\\rtf1\\uc3\\u1052{x}}") << QStringLiteral("Мx");
    QTest::newRow("negative u") << QByteArray("{\\rtf1\\u-3913?}") << QString(QChar(0xF0B7));
    QTest::newRow("surrogate pair") << QByteArray("{\\rtf1\\u-10179?\\u-9047?}") << QString::fromUcs4(U"\U0001F4A9");
    QTest::newRow("lone surrogate") << QByteArray("{\\rtf1\\u-10179?x}") << QStringLiteral("\uFFFDx");
    QTest::newRow("escaped characters") << QByteArray("{\\rtf1 a\\\\b\\{c\\}}") << QStringLiteral("a\\b{c}");
    QTest::newRow("special characters")
        << QByteArray("{\\rtf1 \\emdash\\endash\\lquote\\rquote\\ldblquote\\rdblquote\\bullet\\~\\_}")
        << QStringLiteral("—–‘’“”•\u00A0\u2011");
    QTest::newRow("line and tab") << QByteArray("{\\rtf1 a\\line b\\tab c}") << QStringLiteral("a\nb\tc");
    QTest::newRow("par, backslash-newline and page")
        << QByteArray("{\\rtf1 a\\\r\nb\\par c\\page d\\sect e}") << QStringLiteral("a\nb\nc\nd\ne");
    QTest::newRow("line ends are not text, a raw tab is") << QByteArray("{\\rtf1 a\tb\r\nc\rd\ne}")
                                                          << QStringLiteral("a\tbcde");
    QTest::newRow("control word delimiter") << QByteArray("{\\rtf1\\b  two\\b0-x\\b1;y}") << QStringLiteral(" two-x;y");
    QTest::newRow("Symbol font bullet")
        << QByteArray("{\\rtf1{\\fonttbl{\\f1\\fcharset2 Symbol;}}{\\f1\\'b7\\'61}}") << QStringLiteral("•α");
    QTest::newRow("Wingdings square bullet")
        << QByteArray("{\\rtf1{\\fonttbl{\\f1\\fcharset2 Wingdings;}}{\\f1\\'a7}}") << QStringLiteral("▪");
    QTest::newRow("Shift-JIS pairs, hex and raw trail bytes")
        << QByteArray("{\\rtf1\\ansi\\ansicpg932{\\fonttbl{\\f0\\fcharset128 MS Mincho;}}\\f0 \\'82\\'a0\\'82\\'a2"
                      "\\'83A}")
        << QStringLiteral("あいア");
    QTest::newRow("broken hex escape is dropped") << QByteArray("{\\rtf1 a\\'zzb\\'4}") << QStringLiteral("azzb4");
}

void TestRtfReader::decodesText()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    QCOMPARE(textOf(rtf), expected);
}

void TestRtfReader::skipsHiddenDestinations_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");

    QTest::newRow("font and colour tables")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fnil Arial;}}{\\colortbl;\\red1\\green2\\blue3;}text}")
        << QStringLiteral("text");
    QTest::newRow("info") << QByteArray("{\\rtf1{\\info{\\title T}{\\author A}{\\creatim\\yr2001}}text}")
                          << QStringLiteral("text");
    QTest::newRow("style sheet") << QByteArray("{\\rtf1{\\stylesheet{\\s1 heading 1;}{\\*\\cs10 Default;}}text}")
                                 << QStringLiteral("text");
    QTest::newRow("headers and footers")
        << QByteArray("{\\rtf1{\\header H\\par}{\\footerl F}{\\headerf G}text}") << QStringLiteral("text");
    QTest::newRow("unknown ignorable destination")
        << QByteArray("{\\rtf1 a{\\*\\madeup {nested \\'41} words}b}") << QStringLiteral("ab");
    QTest::newRow("known word after star") << QByteArray("{\\rtf1 a{\\*\\b x}b}") << QStringLiteral("ab");
    QTest::newRow("unknown control words only") << QByteArray("{\\rtf1\\madeup12 \\other a\\x-3 b}")
                                                << QStringLiteral("ab");
    QTest::newRow("binary data in a skipped group")
        << QByteArray("{\\rtf1 a{\\*\\blob\\bin4 }}{x}b}") << QStringLiteral("ab");
    QTest::newRow("hidden text") << QByteArray("{\\rtf1 a{\\v hidden}b\\v c\\v0 d}") << QStringLiteral("abd");
    QTest::newRow("field instruction, result shown")
        << QByteArray("{\\rtf1{\\field{\\*\\fldinst { PAGE }}{\\fldrslt {7}}}}") << QStringLiteral("7");
    QTest::newRow("list text shown, numbering definition not")
        << QByteArray("{\\rtf1{\\pntext 1.\\tab}{\\*\\pn\\pnlvlbody{\\pntxta .}}item}") << QStringLiteral("1.\titem");
    QTest::newRow("pn without star") << QByteArray("{\\rtf1{\\pn\\pnlvlblt{\\pntxtb x}}item}")
                                     << QStringLiteral("item");
    QTest::newRow("footnote and bookmarks")
        << QByteArray("{\\rtf1 a{\\*\\bkmkstart m}{\\footnote\\chftn note}b{\\*\\bkmkend m}}") << QStringLiteral("ab");
    QTest::newRow("object data beside its result")
        << QByteArray("{\\rtf1{\\object{\\*\\objclass Paint}{\\objdata 0102}{\\result shown}}}")
        << QStringLiteral("shown");
    QTest::newRow("shape instructions beside their result")
        << QByteArray("{\\rtf1{\\shp{\\*\\shpinst{\\sp{\\sn name}{\\sv value}}}{\\shprslt shown}}}")
        << QStringLiteral("shown");
    QTest::newRow("text after the document's group")
        << QByteArray("{\\rtf1 in}out{\\b more}") << QStringLiteral("in");
}

void TestRtfReader::skipsHiddenDestinations()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    QCOMPARE(textOf(rtf), expected);
}

void TestRtfReader::periodDocuments_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("expected");

    QTest::newRow("Word 97, ansicpg1251") << QStringLiteral("word97_cyrillic.rtf")
                                          << QStringLiteral("Визуальное программирование\n"
                                                            "Среда позволяет быстро создавать программы для Windows: "
                                                            "форма, компоненты и обработчики событий.\n"
                                                            "•\tпалитра компонентов;\n"
                                                            "•\tинспектор объектов.\n\n\n"
                                                            "Клавиша\tДействие\n"
                                                            "F9\tЗапуск программы\n"
                                                            "Конец статьи.\n");
    QTest::newRow("WordPad, per-font fcharset204")
        << QStringLiteral("wordpad_fcharset204.rtf") << QStringLiteral("Привет, мир!\ncafé\n");
    QTest::newRow("Windows 3.1, Cyr font name")
        << QStringLiteral("win31_cyr_font.rtf") << QStringLiteral("Объектно-ориентированное программирование\n"
                                                                  "Object Pascal\n");
    QTest::newRow("Word 2000, u with fallbacks")
        << QStringLiteral("word2000_unicode.rtf") << QStringLiteral("Переменная — это ячейка памяти\nЯзык\n");
    QTest::newRow("raw 8-bit text") << QStringLiteral("raw_8bit_cp1251.rtf") << QStringLiteral("Форма и модуль\n");
}

void TestRtfReader::periodDocuments()
{
    QFETCH(QString, file);
    QFETCH(QString, expected);
    QCOMPARE(textOf(readData(file)), expected);
}

void TestRtfReader::characterFormats_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("property");
    QTest::addColumn<QVariant>("expected");

    const int weight = QTextFormat::FontWeight;
    const int underline = QTextFormat::TextUnderlineStyle;
    const int vertical = QTextFormat::TextVerticalAlignment;
    QTest::newRow("bold") << QByteArray("{\\b X}") << weight << QVariant(int(QFont::Bold));
    QTest::newRow("bold off") << QByteArray("{\\b\\b0 X}") << weight << QVariant(int(QFont::Normal));
    QTest::newRow("group end restores") << QByteArray("{\\b Y}X") << weight << QVariant(int(QFont::Normal));
    QTest::newRow("plain resets") << QByteArray("\\b\\i Y\\plain X") << weight << QVariant(int(QFont::Normal));
    QTest::newRow("italic") << QByteArray("{\\i X}") << int(QTextFormat::FontItalic) << QVariant(true);
    QTest::newRow("strike") << QByteArray("{\\strike X}") << int(QTextFormat::FontStrikeOut) << QVariant(true);
    QTest::newRow("underline") << QByteArray("{\\ul X}") << underline
                               << QVariant(int(QTextCharFormat::SingleUnderline));
    QTest::newRow("dotted underline") << QByteArray("{\\uld X}") << underline
                                      << QVariant(int(QTextCharFormat::DotLine));
    QTest::newRow("wave underline") << QByteArray("{\\ulwave X}") << underline
                                    << QVariant(int(QTextCharFormat::WaveUnderline));
    QTest::newRow("ulnone") << QByteArray("{\\ul\\ulnone X}") << underline << QVariant();
    QTest::newRow("superscript") << QByteArray("{\\super X}") << vertical
                                 << QVariant(int(QTextCharFormat::AlignSuperScript));
    QTest::newRow("subscript") << QByteArray("{\\sub X}") << vertical << QVariant(int(QTextCharFormat::AlignSubScript));
    QTest::newRow("nosupersub") << QByteArray("{\\super\\nosupersub X}") << vertical << QVariant();
    QTest::newRow("size in half-points") << QByteArray("{\\fs28 X}") << int(QTextFormat::FontPointSize)
                                         << QVariant(14.0);
    QTest::newRow("default size 12 pt") << QByteArray("X") << int(QTextFormat::FontPointSize) << QVariant(12.0);
    QTest::newRow("font family") << QByteArray("{\\f0 X}") << int(QTextFormat::FontFamilies)
                                 << QVariant(QStringList{QStringLiteral("Arial")});
    QTest::newRow("Cyr dropped from the family")
        << QByteArray("{\\f1 X}") << int(QTextFormat::FontFamilies)
        << QVariant(QStringList{QStringLiteral("Times New Roman")});
    QTest::newRow("foreground colour") << QByteArray("{\\cf1 X}") << int(QTextFormat::ForegroundBrush)
                                       << QVariant(QBrush(QColor(255, 0, 0)));
    QTest::newRow("background colour") << QByteArray("{\\cb2 X}") << int(QTextFormat::BackgroundBrush)
                                       << QVariant(QBrush(QColor(0, 128, 0)));
    QTest::newRow("highlight") << QByteArray("{\\highlight1 X}") << int(QTextFormat::BackgroundBrush)
                               << QVariant(QBrush(QColor(255, 0, 0)));
    QTest::newRow("automatic colour") << QByteArray("{\\cf0 X}") << int(QTextFormat::ForegroundBrush) << QVariant();
    QTest::newRow("colour index past the table") << QByteArray("{\\cf99 X}") << int(QTextFormat::ForegroundBrush)
                                                 << QVariant();
}

void TestRtfReader::characterFormats()
{
    QFETCH(QByteArray, body);
    QFETCH(int, property);
    QFETCH(QVariant, expected);
    const auto doc = readRtf(FormatHeader + body + "}");
    const QTextCharFormat format = formatOf(*doc, QStringLiteral("X"));
    QVERIFY(format.isValid());
    QCOMPARE(format.property(property), expected);
}

void TestRtfReader::paragraphFormats_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("property");
    QTest::addColumn<QVariant>("expected");

    const int alignment = QTextFormat::BlockAlignment;
    QTest::newRow("centred") << QByteArray("\\qc X") << alignment << QVariant(int(Qt::AlignHCenter));
    QTest::newRow("right") << QByteArray("\\qr X") << alignment << QVariant(int(Qt::AlignRight));
    QTest::newRow("justified") << QByteArray("\\qj X") << alignment << QVariant(int(Qt::AlignJustify));
    QTest::newRow("pard resets") << QByteArray("\\qc a\\par\\pard X") << alignment << QVariant(int(Qt::AlignLeft));
    QTest::newRow("properties at the paragraph end count")
        << QByteArray("X\\qr\\par") << alignment << QVariant(int(Qt::AlignRight));
    QTest::newRow("left indent") << QByteArray("\\li1440 X") << int(QTextFormat::BlockLeftMargin) << QVariant(96.0);
    QTest::newRow("right indent") << QByteArray("\\ri720 X") << int(QTextFormat::BlockRightMargin) << QVariant(48.0);
    QTest::newRow("hanging first line") << QByteArray("\\fi-360\\li720 X") << int(QTextFormat::TextIndent)
                                        << QVariant(-24.0);
    QTest::newRow("space before") << QByteArray("\\sb240 X") << int(QTextFormat::BlockTopMargin) << QVariant(16.0);
    QTest::newRow("space after") << QByteArray("\\sa120 X") << int(QTextFormat::BlockBottomMargin) << QVariant(8.0);
    QTest::newRow("line spacing at least") << QByteArray("\\sl360 X") << int(QTextFormat::LineHeightType)
                                           << QVariant(int(QTextBlockFormat::MinimumHeight));
    QTest::newRow("line spacing exactly") << QByteArray("\\sl-300 X") << int(QTextFormat::LineHeight)
                                          << QVariant(20.0);
    QTest::newRow("line spacing multiple") << QByteArray("\\sl360\\slmult1 X") << int(QTextFormat::LineHeight)
                                           << QVariant(150.0);
}

void TestRtfReader::paragraphFormats()
{
    QFETCH(QByteArray, body);
    QFETCH(int, property);
    QFETCH(QVariant, expected);
    const auto doc = readRtf(FormatHeader + body + "}");
    const QTextCursor found = doc->find(QStringLiteral("X"));
    QVERIFY(!found.isNull());
    QCOMPARE(found.blockFormat().property(property), expected);
}

void TestRtfReader::tabStops_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QList<qreal>>("positions"); // from where the first line starts, in pixels
    QTest::addColumn<QList<int>>("types");

    QTest::newRow("left and right stops") << QByteArray("\\tx1440\\tqr\\tx2880 X") << QList<qreal>{96, 192}
                                          << QList<int>{QTextOption::LeftTab, QTextOption::RightTab};
    QTest::newRow("measured from the margin, not the indent")
        << QByteArray("\\li720\\tx1440 X") << QList<qreal>{48} << QList<int>{QTextOption::LeftTab};
    QTest::newRow("stops left of the line start dropped")
        << QByteArray("\\li1440\\tx720\\tqc\\tx2160 X") << QList<qreal>{48} << QList<int>{QTextOption::CenterTab};
    QTest::newRow("hanging indent stops at the indent")
        << QByteArray("\\fi-360\\li720{\\pntext 1.\\tab}X") << QList<qreal>{24} << QList<int>{QTextOption::LeftTab};
    QTest::newRow("pard clears the stops") << QByteArray("\\tx1440 a\\par\\pard X") << QList<qreal>{} << QList<int>{};
    // The indent and first-line indent add up past the range of int; the stop still lies left of the line start.
    QTest::newRow("line start beyond int")
        << QByteArray("\\li2147483647\\fi2147483647\\tx1500 X") << QList<qreal>{} << QList<int>{};
}

void TestRtfReader::tabStops()
{
    QFETCH(QByteArray, body);
    QFETCH(QList<qreal>, positions);
    QFETCH(QList<int>, types);
    const auto doc = readRtf(FormatHeader + body + "}");
    const QTextCursor found = doc->find(QStringLiteral("X"));
    QVERIFY(!found.isNull());
    const QList<QTextOption::Tab> tabs = found.blockFormat().tabPositions();
    QList<qreal> gotPositions;
    QList<int> gotTypes;
    for (const QTextOption::Tab& tab : tabs) {
        gotPositions.append(tab.position);
        gotTypes.append(tab.type);
    }
    QCOMPARE(gotPositions, positions);
    QCOMPARE(gotTypes, types);
}

void TestRtfReader::tableFromWordDocument()
{
    const auto doc = readRtf(readData(QStringLiteral("word97_cyrillic.rtf")));
    QTextTable* table = firstTable(*doc);
    QVERIFY(table);
    QCOMPARE(table->rows(), 2);
    QCOMPARE(table->columns(), 2);
    const auto cellText = [&](int row, int column) {
        const QTextTableCell cell = table->cellAt(row, column);
        QTextCursor cursor = cell.firstCursorPosition();
        cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
        return cursor.selectedText();
    };
    QCOMPARE(cellText(0, 0), QStringLiteral("Клавиша"));
    QCOMPARE(cellText(0, 1), QStringLiteral("Действие"));
    QCOMPARE(cellText(1, 0), QStringLiteral("F9"));
    QCOMPARE(cellText(1, 1), QStringLiteral("Запуск программы"));
    // Column widths follow \cellx: 2268 and 6804 twips, 151.2 and 302.4 pixels. Wider in all than the article
    // view, the table keeps those proportions at the view's width.
    const QList<QTextLength> widths = table->format().columnWidthConstraints();
    QCOMPARE(widths.size(), 2);
    QCOMPARE(widths[0].type(), QTextLength::PercentageLength);
    QCOMPARE(widths[0].rawValue(), 100.0 / 3);
    QCOMPARE(widths[1].rawValue(), 200.0 / 3);
    QCOMPARE(table->format().width(), QTextLength(QTextLength::PercentageLength, 100));
    // A table that fits keeps its own widths.
    const auto narrow = readRtf(QByteArray("{\\rtf1\\trowd\\cellx1500\\cellx3000\\intbl a\\cell b\\cell\\row}"));
    QVERIFY(firstTable(*narrow));
    QCOMPARE(firstTable(*narrow)->format().columnWidthConstraints().value(1),
             QTextLength(QTextLength::FixedLength, 100));
    // The paragraph after the table is outside it.
    const QTextCursor after = doc->find(QStringLiteral("Конец статьи."));
    QVERIFY(!after.isNull());
    QVERIFY(!after.currentTable());
    QCOMPARE(formatOf(*doc, QStringLiteral("Клавиша")).fontWeight(), int(QFont::Bold));
}

void TestRtfReader::tableShapes_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QString>("text");

    QTest::newRow("row longer than its definition")
        << QByteArray("{\\rtf1\\trowd\\cellx1000\\intbl a\\cell b\\cell c\\cell\\row\\pard after}") << 1 << 3
        << QStringLiteral("a\tb\tc\nafter");
    QTest::newRow("two paragraphs in a cell")
        << QByteArray("{\\rtf1\\trowd\\cellx1000\\cellx2000\\intbl a\\par b\\cell c\\cell\\row}") << 1 << 2
        << QStringLiteral("a b\tc\n");
    QTest::newRow("rows with empty cells")
        << QByteArray("{\\rtf1\\trowd\\cellx1000\\cellx2000\\intbl\\cell x\\cell\\row"
                      "\\trowd\\cellx1000\\cellx2000\\intbl y\\cell\\cell\\row\\pard z}")
        << 2 << 2 << QStringLiteral("\tx\ny\t\nz");
    QTest::newRow("over-wide row keeps 64 columns")
        << QByteArray("{\\rtf1\\intbl " + QByteArray("c\\cell ").repeated(100) + "\\row}") << 1 << 64 << QString();
}

void TestRtfReader::tableShapes()
{
    QFETCH(QByteArray, rtf);
    QFETCH(int, rows);
    QFETCH(int, columns);
    QFETCH(QString, text);
    const auto doc = readRtf(rtf);
    QTextTable* table = firstTable(*doc);
    QVERIFY(table);
    QCOMPARE(table->rows(), rows);
    QCOMPARE(table->columns(), columns);
    if (!text.isEmpty()) {
        // The empty paragraph before a table that starts the document is not part of the check.
        QString got = RtfReader::documentText(*doc);
        if (got.startsWith(QLatin1Char('\n')))
            got.remove(0, 1);
        QCOMPARE(got, text);
    }
}

void TestRtfReader::columnWidthsFromExtremeBoundaries()
{
    // Cell edges at both ends of the int range: the second column is the whole width, not an overflowed one.
    const auto doc = readRtf("{\\rtf1\\trowd\\cellx-2147483647\\cellx2147483647\\intbl a\\cell b\\cell\\row}");
    QTextTable* table = firstTable(*doc);
    QVERIFY(table);
    const QList<QTextLength> widths = table->format().columnWidthConstraints();
    QCOMPARE(widths.size(), 2);
    QCOMPARE(widths[1].type(), QTextLength::PercentageLength);
    QVERIFY2(widths[1].rawValue() > 99.0, qPrintable(QString::number(widths[1].rawValue())));
}

void TestRtfReader::hyperlinkField()
{
    const auto doc = readRtf("{\\rtf1{\\colortbl;\\red0\\green0\\blue255;}see {\\field{\\*\\fldinst{HYPERLINK "
                             "\"https://example.org/a\" \\\\o \"tip\"}}{\\fldrslt{\\cf1\\ul this \\b page}}} "
                             "and {\\field{\\*\\fldinst HYPERLINK \\\\l \"part2\"}{\\fldrslt there}}.}");
    QCOMPARE(RtfReader::documentText(*doc), QStringLiteral("see this page and there."));
    const QTextCharFormat link = formatOf(*doc, QStringLiteral("page"));
    QVERIFY(link.isAnchor());
    QCOMPARE(link.anchorHref(), QStringLiteral("https://example.org/a"));
    QCOMPARE(link.fontWeight(), int(QFont::Bold));
    QCOMPARE(formatOf(*doc, QStringLiteral("there")).anchorHref(), QStringLiteral("#part2"));
    QVERIFY(!formatOf(*doc, QStringLiteral(" and")).isAnchor());
}

void TestRtfReader::pictures_data()
{
    QTest::addColumn<QByteArray>("pict");
    QTest::addColumn<QSize>("pixels");     // the image held by the document
    QTest::addColumn<QSizeF>("shownSize"); // the size it takes on the page
    QTest::addColumn<bool>("decoded");     // the picture itself rather than a placeholder

    const QImage image = sample(10, 8);
    QTest::newRow("PNG") << "\\pngblip\\picw10\\pich8 " + hex(encoded(image, "PNG")) << QSize(10, 8)
                         << QSizeF(10, 8) << true;
    QTest::newRow("PNG with goal size") << "\\pngblip\\picw10\\pich8\\picwgoal300\\pichgoal240 " +
                                               hex(encoded(image, "PNG"))
                                        << QSize(10, 8) << QSizeF(20, 16) << true;
    QTest::newRow("PNG scaled") << "\\pngblip\\picscalex50\\picscaley200 " + hex(encoded(image, "PNG"))
                                << QSize(10, 8) << QSizeF(5, 16) << true;
    QTest::newRow("PNG as binary") << "\\pngblip\\bin" + QByteArray::number(encoded(image, "PNG").size()) + " " +
                                          encoded(image, "PNG")
                                   << QSize(10, 8) << QSizeF(10, 8) << true;
    QTest::newRow("JPEG") << "\\jpegblip " + hex(encoded(sample(16, 16), "JPEG")) << QSize(16, 16)
                          << QSizeF(16, 16) << true;
    QTest::newRow("DIB") << "\\dibitmap0\\picw10\\pich8 " + hex(dib(image)) << QSize(10, 8) << QSizeF(10, 8) << true;
    QTest::newRow("metafile around a bitmap")
        << "\\wmetafile8\\picw265\\pich212\\picwgoal150\\pichgoal120 " + hex(metafileWithBitmap(dib(image)))
        << QSize(10, 8) << QSizeF(10, 8) << true;
    QTest::newRow("metafile without a bitmap: placeholder")
        << "\\wmetafile8\\picw2540\\pich1270 " + hex(metafileWithBitmap(QByteArray())) << QSize(96, 48)
        << QSizeF(96, 48) << false;
    QTest::newRow("enhanced metafile: placeholder of the goal size")
        << QByteArray("\\emfblip\\picw100\\pich100\\picwgoal600\\pichgoal300 0102030405") << QSize(40, 20)
        << QSizeF(40, 20) << false;
    QTest::newRow("broken PNG: placeholder") << QByteArray("\\pngblip\\picw30\\pich20 89504e470d0a1a0a0000")
                                             << QSize(30, 20) << QSizeF(30, 20) << false;
    QTest::newRow("huge claimed size: small placeholder stretched")
        << QByteArray("\\wmetafile8\\picw99999999\\pich99999999 00") << QSize(512, 512) << QSizeF(4000, 4000)
        << false;
}

void TestRtfReader::pictures()
{
    QFETCH(QByteArray, pict);
    QFETCH(QSize, pixels);
    QFETCH(QSizeF, shownSize);
    QFETCH(bool, decoded);
    const auto doc = readRtf("{\\rtf1 before{\\pict" + pict + "}after}");
    QCOMPARE(RtfReader::documentText(*doc), QStringLiteral("beforeafter"));
    const QList<QTextImageFormat> found = images(*doc);
    QCOMPARE(found.size(), 1);
    QCOMPARE(QSizeF(found[0].width(), found[0].height()), shownSize);
    const QImage held = doc->resource(QTextDocument::ImageResource, QUrl(found[0].name())).value<QImage>();
    QCOMPARE(held.size(), pixels);
    if (decoded) {
        // The sample's top-left quarter is blue and the rest red (JPEG only approximately).
        QVERIFY(held.pixelColor(0, 0).blue() > 150);
        QVERIFY(held.pixelColor(held.width() - 1, held.height() - 1).red() > 150);
    } else {
        QCOMPARE(held.pixelColor(held.width() / 2, held.height() / 3), QColor(Qt::white));
    }
}

void TestRtfReader::shapePictureWinsOverFallback()
{
    const QByteArray png = hex(encoded(sample(4, 4), "PNG"));
    const auto doc = readRtf("{\\rtf1{\\*\\shppict{\\pict\\pngblip " + png +
                             "}}{\\nonshppict{\\pict\\wmetafile8\\picw100\\pich100 0000}}}");
    const QList<QTextImageFormat> found = images(*doc);
    QCOMPARE(found.size(), 1);
    QCOMPARE(found[0].width(), 4.0);
}

void TestRtfReader::plainText_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("expected");

    QTest::newRow("UTF-8") << QString("Привет\nмир").toUtf8() << QStringLiteral("Привет\nмир");
    QTest::newRow("UTF-8 with byte order mark") << QByteArray("\xEF\xBB\xBFok") << QStringLiteral("ok");
    QTest::newRow("Windows-1251") << QByteArray("\xcf\xf0\xe8\xe2\xe5\xf2") << QStringLiteral("Привет");
    QTest::newRow("CR LF and CR") << QByteArray("a\r\nb\rc\n") << QStringLiteral("a\nb\nc\n");
    QTest::newRow("tabs and indentation kept") << QByteArray("  a\tb") << QStringLiteral("  a\tb");
    QTest::newRow("control characters dropped") << QByteArray("a\x01\x1a b") << QStringLiteral("a b");
    QTest::newRow("not quite RTF") << QByteArray(" {\\rtf1 x}") << QStringLiteral(" {\\rtf1 x}");
    QTest::newRow("empty") << QByteArray() << QString();
}

void TestRtfReader::plainText()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, expected);
    QCOMPARE(RtfReader::plainText(data), expected);
    QCOMPARE(textOf(data), expected);
}

void TestRtfReader::truncatedDocumentReadsAPrefix()
{
    // Cut anywhere, the document shows the beginning of the article and nothing else.
    const QByteArray full = readData(QStringLiteral("word97_cyrillic.rtf"));
    const QString whole = withoutSpaces(textOf(full));
    // Shorter than "{\\rtf" it is not RTF and shows as plain text.
    for (qsizetype length = 5; length < full.size(); ++length) {
        const QString part = withoutSpaces(textOf(full.left(length)));
        if (!whole.startsWith(part))
            QFAIL(qPrintable(QStringLiteral("cut at %1: %2").arg(length).arg(part)));
    }
}

void TestRtfReader::hostileInput_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");

    const int depth = 1'000'000;
    QTest::newRow("deep nesting, closed") << "{\\rtf1 " + QByteArray(depth, '{') + "deep" + QByteArray(depth, '}') +
                                                 " end}"
                                          << QStringLiteral("deep end");
    QTest::newRow("deep nesting, never closed") << "{\\rtf1 " + QByteArray(depth, '{') + "x" << QStringLiteral("x");
    QTest::newRow("deep nesting in a skipped group")
        << "{\\rtf1 a{\\*\\x " + QByteArray(depth, '{') + QByteArray(depth, '}') + "}b}" << QStringLiteral("ab");
    QTest::newRow("extra closing braces") << QByteArray("{\\rtf1 a}}}}b") << QStringLiteral("a");
    QTest::newRow("no closing brace") << QByteArray("{\\rtf1 {\\b a") << QStringLiteral("a");
    QTest::newRow("bin longer than the file") << QByteArray("{\\rtf1 a\\bin2147483647 xyz}") << QStringLiteral("a");
    QTest::newRow("bin with an absurd count") << QByteArray("{\\rtf1 a\\bin99999999999999999999 xy}")
                                              << QStringLiteral("a");
    QTest::newRow("negative bin") << QByteArray("{\\rtf1 a\\bin-5 b}") << QStringLiteral("ab");
    QTest::newRow("backslash at the end") << QByteArray("{\\rtf1 a\\") << QStringLiteral("a");
    QTest::newRow("absurd parameters") << QByteArray("{\\rtf1\\fs99999999999\\uc99999 a\\cf-7 b\\u99999999 }")
                                       << QStringLiteral("ab");
    QTest::newRow("very long control word") << "{\\rtf1\\" + QByteArray(100000, 'x') + " a}" << QStringLiteral("a");
    QTest::newRow("many fonts") << "{\\rtf1{\\fonttbl" + QByteArray("\\f1 A;").repeated(100000) + "}ok}"
                                << QStringLiteral("ok");
    QTest::newRow("picture of hex noise") << "{\\rtf1{\\pict\\dibitmap " + QByteArray("zz12").repeated(1000) + "}ok}"
                                          << QStringLiteral("ok");
    QTest::newRow("DIB with lying header")
        << QByteArray("{\\rtf1{\\pict\\dibitmap 28000000ffffff7fffffff7f01002000000000000000000000000000000000000000"
                      "00000000}ok}")
        << QStringLiteral("ok");
    QTest::newRow("device bitmap bigger than its data")
        << QByteArray("{\\rtf1{\\pict\\wbitmap\\picw60000\\pich60000\\wbmbitspixel24\\wbmwidthbytes180000 00}ok}")
        << QStringLiteral("ok");
}

void TestRtfReader::hostileInput()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    QCOMPARE(textOf(rtf), expected);
}

void TestRtfReader::contentBudgetStopsReading()
{
    // Two million empty paragraphs (10 MB) would make a document of hundreds of megabytes; the reader stops once
    // the document has grown to a few times the file's size.
    const QByteArray rtf = "{\\rtf1 " + QByteArray("\\par ").repeated(2'000'000) + "}";
    const auto doc = readRtf(rtf);
    QVERIFY(doc->blockCount() > 1000);
    QVERIFY2(doc->blockCount() < 200'000, qPrintable(QString::number(doc->blockCount())));
}

QTEST_MAIN(TestRtfReader)
#include "tst_rtfreader.moc"
