// SPDX-License-Identifier: MIT
// RTF reading speed on two generated documents: a 5 MB text-heavy article (Windows-1251 text as \'hh escapes,
// character and paragraph formatting, lists and tables, the way word processors write it) and a 200 KB article
// with pictures (PNG and device-independent bitmaps as hex). For each: the best and the median time of several
// reads into a fresh QTextDocument, the throughput, and the time to lay the result out at the article width.
#include "richtext/RtfReader.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextDocument>

#include <algorithm>
#include <cstdio>
#include <random>

namespace {

constexpr qsizetype TextHeavyBytes = 5 * 1024 * 1024;
constexpr qsizetype PictureArticleBytes = 200 * 1024;
constexpr qreal ArticleWidth = 465;

const char* const Words[] = {
    "программа", "форма", "компонент", "свойство", "событие", "обработчик", "модуль", "переменная", "процедура",
    "функция", "значение", "кнопка", "окно", "палитра", "инспектор", "объект", "класс", "метод", "строка", "число",
    "массив", "цикл", "условие", "проект", "файл", "редактор", "текст", "рисунок", "список", "таблица",
};

QByteArray escaped(const QString& text)
{
    // Windows-1251 as \'hh, as word processors write non-ASCII text.
    QByteArray out;
    for (const QChar c : text) {
        const ushort u = c.unicode();
        int byte = u;
        if (u >= 0x0410 && u <= 0x044F)
            byte = u - 0x0410 + 0xC0;
        else if (u == 0x0401)
            byte = 0xA8;
        else if (u == 0x0451)
            byte = 0xB8;
        if (byte < 0x80) {
            out.append(char(byte));
        } else {
            out.append("\\'");
            out.append(QByteArray::number(byte, 16).rightJustified(2, '0'));
        }
    }
    return out;
}

QByteArray header()
{
    return "{\\rtf1\\ansi\\ansicpg1251\\uc1\\deff0\\deflang1049{\\fonttbl{\\f0\\froman\\fcharset204\\fprq2 Times New "
           "Roman;}{\\f1\\fswiss\\fcharset204\\fprq2 Arial;}{\\f2\\fmodern\\fcharset204\\fprq1 Courier New;}"
           "{\\f3\\froman\\fcharset2\\fprq2 Symbol;}}{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;"
           "\\red128\\green0\\blue0;}{\\stylesheet{\\fs24\\lang1049 \\snext0 Normal;}}{\\info{\\title x}}"
           "\\paperw11906\\paperh16838\\margl1701\\margr850\\deftab708\\widowctrl\\sectd\r\n";
}

QByteArray paragraph(std::mt19937& random, int index)
{
    std::uniform_int_distribution<int> word(0, int(std::size(Words)) - 1);
    std::uniform_int_distribution<int> length(30, 90);
    std::uniform_int_distribution<int> style(0, 9);
    QByteArray out;
    if (index % 40 == 0) {
        out += "\\pard\\plain\\s1\\qc\\sb240\\sa60\\keepn\\b\\f1\\fs28\\lang1049 ";
        out += escaped(QStringLiteral("Раздел %1").arg(index / 40 + 1)) + "\\par\r\n";
    }
    if (index % 25 == 7) {
        out += "{\\pntext\\pard\\plain\\f3\\fs24 \\'b7\\tab}\\pard\\plain\\fi-360\\li720\\f0\\fs24\\lang1049 ";
    } else {
        out += "\\pard\\plain\\qj\\fi567\\sa120\\f0\\fs24\\lang1049 ";
    }
    const int words = length(random);
    for (int i = 0; i < words; ++i) {
        const QByteArray w = escaped(QString::fromUtf8(Words[word(random)]));
        switch (style(random)) {
        case 0:
            out += "{\\b " + w + "}";
            break;
        case 1:
            out += "{\\i " + w + "}";
            break;
        case 2:
            out += "{\\f2\\cf3 " + w + "}";
            break;
        default:
            out += w;
            break;
        }
        out += i + 1 < words ? (i % 12 == 11 ? ",\r\n" : " ") : ".";
    }
    out += "\\par\r\n";
    if (index % 60 == 30) {
        // A small two-column table.
        for (int row = 0; row < 3; ++row) {
            out += "\\trowd\\trgaph108\\trleft-108\\cellx2268\\cellx6804\\pard\\plain\\intbl\\f0\\fs20 ";
            out += escaped(QString::fromUtf8(Words[word(random)])) + "\\cell " +
                   escaped(QString::fromUtf8(Words[word(random)])) + "\\cell\\row\r\n";
        }
    }
    return out;
}

QByteArray textHeavyDocument()
{
    std::mt19937 random(7);
    QByteArray rtf = header();
    for (int index = 0; rtf.size() < TextHeavyBytes; ++index)
        rtf += paragraph(random, index);
    return rtf + "}";
}

QByteArray pictureHex(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    if (qstrcmp(format, "BMP") == 0)
        bytes = bytes.mid(14); // a DIB is the BMP without its file header
    QByteArray hex = bytes.toHex();
    QByteArray lines;
    for (qsizetype at = 0; at < hex.size(); at += 128)
        lines += hex.mid(at, 128) + "\r\n";
    return lines;
}

QImage screenshot(int width, int height, int seed)
{
    // Something like a window screenshot: flat areas, frames and some noise, so PNG compresses it as it would.
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(212, 208, 200));
    QPainter painter(&image);
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> coordinate(0, std::max(width, height));
    for (int i = 0; i < 40; ++i) {
        painter.fillRect(coordinate(random) % width, coordinate(random) % height, 60, 20,
                         QColor::fromHsv(coordinate(random) % 360, 120, 230));
        painter.drawRect(coordinate(random) % width, coordinate(random) % height, 80, 30);
    }
    return image;
}

QByteArray pictureArticle()
{
    std::mt19937 random(11);
    QByteArray rtf = header();
    int index = 0;
    int picture = 0;
    while (rtf.size() < PictureArticleBytes) {
        rtf += paragraph(random, index++);
        if (index % 8 == 0) {
            const bool png = picture % 2 == 0;
            const QImage image = screenshot(png ? 240 : 96, png ? 160 : 64, picture);
            rtf += "\\pard\\qc{\\pict" + QByteArray(png ? "\\pngblip" : "\\dibitmap0") + "\\picw" +
                   QByteArray::number(image.width()) + "\\pich" + QByteArray::number(image.height()) + "\\picwgoal" +
                   QByteArray::number(image.width() * 15) + "\\pichgoal" + QByteArray::number(image.height() * 15) +
                   "\r\n" + pictureHex(image, png ? "PNG" : "BMP") + "}\\par\r\n";
            ++picture;
        }
    }
    return rtf + "}";
}

void measure(const char* name, const QByteArray& rtf, int runs)
{
    QList<qint64> reads;
    qint64 layoutNs = 0;
    int blocks = 0;
    for (int run = 0; run < runs; ++run) {
        QTextDocument doc;
        doc.setUndoRedoEnabled(false);
        QElapsedTimer timer;
        timer.start();
        RtfReader::read(rtf, &doc);
        reads.append(timer.nsecsElapsed());
        blocks = doc.blockCount();
        if (run == 0) {
            timer.restart();
            doc.setTextWidth(ArticleWidth);
            doc.documentLayout()->documentSize();
            layoutNs = timer.nsecsElapsed();
        }
    }
    std::sort(reads.begin(), reads.end());
    const double megabytes = rtf.size() / (1024.0 * 1024.0);
    const double best = reads.first() / 1e9;
    const double median = reads[reads.size() / 2] / 1e9;
    std::printf("%-26s %8.2f MB  %6d blocks  read best %7.1f ms (%6.1f MB/s)  median %7.1f ms (%6.1f MB/s)  "
                "layout %7.1f ms\n",
                name, megabytes, blocks, best * 1e3, megabytes / best, median * 1e3, megabytes / median,
                layoutNs / 1e6);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    int runs = 5;
    QString writeDir;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == QLatin1String("--runs"))
            runs = std::max(1, args[i + 1].toInt());
        else if (args[i] == QLatin1String("--write"))
            writeDir = args[i + 1];
    }
    const QByteArray text = textHeavyDocument();
    const QByteArray pictures = pictureArticle();
    if (!writeDir.isEmpty()) {
        QDir().mkpath(writeDir);
        for (const auto& [name, data] : {std::pair{"text_heavy.rtf", &text}, std::pair{"pictures.rtf", &pictures}}) {
            QFile file(QDir(writeDir).filePath(QString::fromLatin1(name)));
            if (file.open(QIODevice::WriteOnly))
                file.write(*data);
        }
    }
    measure("text-heavy article", text, runs);
    measure("article with pictures", pictures, runs * 4);
    return 0;
}
