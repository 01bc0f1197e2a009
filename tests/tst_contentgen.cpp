// SPDX-License-Identifier: MIT
// The sample content generator, run as the build runs it: every file the screens name exists with its exact
// spelling and decodes as its kind, the animations and sounds are real, and the article markup turns into
// well-formed Windows-1251 RTF.

#include "richtext/RtfReader.h"

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include <gif_lib.h>
#include <sndfile.h>

#include <memory>

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run generate(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(VEDARIUM_CONTENTGEN), arguments);
    Run run;
    if (!process.waitForFinished(60000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeText(const QString& path, const QString& text) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
}

// True when every brace outside an escape closes one that opened before it and all are closed at the end.
bool bracesBalanced(const QByteArray& rtf) {
    int depth = 0;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\\') {
            ++i;
            continue;
        }
        if (rtf[i] == '{')
            ++depth;
        else if (rtf[i] == '}' && --depth < 0)
            return false;
    }
    return depth == 0;
}

// The RTF escape of a Windows-1251 word, as the generator writes it.
QByteArray escaped1251(const QString& text) {
    QByteArray out;
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (u >= 0x410 && u <= 0x44F)
            out += "\\'" + QByteArray::number(0xC0 + (u - 0x410), 16);
        else
            out += static_cast<char>(u);
    }
    return out;
}

struct GifCloser {
    void operator()(GifFileType* gif) const {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};

struct SoundCloser {
    void operator()(SNDFILE* file) const { sf_close(file); }
};

} // namespace

class TestContentGen final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void logos_data();
    void logos();
    void figures_data();
    void figures();
    void animations_data();
    void animations();
    void animationsTogetherUseEveryDisposal();
    void sounds_data();
    void sounds();
    void articles_data();
    void articles();
    void everyRtfIsWellFormed();
    void courseSourcesConvertWithoutWarnings();
    void courseSources_data();
    void courseSources();
    void topicArticlesHavePictures();

    void markupBecomesRtf();
    void sourcesWithoutTableRowAndMissingSources();
    void listingsBecomeWindowsText();
    void deterministic();
    void failsWithMessageWhenOutputCannotBeWritten();
    void failsWhenArticleFolderIsMissing();

private:
    QTemporaryDir m_tree;
    QString m_generatorErrors;
    QStringList m_gifDisposals;
};

void TestContentGen::initTestCase() {
    QVERIFY(m_tree.isValid());
    const Run run = generate({m_tree.path()});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.contains(QLatin1String("files written")), qPrintable(run.out));
    m_generatorErrors = run.err;
}

void TestContentGen::logos_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("box");
    // The smallest image box each title picture is shown in; none should need shrinking.
    QTest::newRow("logo") << "xmages/logo/logo.bmp" << QSize(417, 369);
    QTest::newRow("delphi") << "xmages/logo/delphi.bmp" << QSize(137, 169);
    QTest::newRow("borland") << "xmages/logo/borland.bmp" << QSize(169, 97);
    QTest::newRow("delphi3") << "xmages/logo/delphi3.bmp" << QSize(113, 129);
    QTest::newRow("delphi2") << "xmages/logo/delphi2.bmp" << QSize(145, 105);
}

void TestContentGen::logos() {
    QFETCH(QString, path);
    QFETCH(QSize, box);
    const QByteArray bytes = readAll(m_tree.filePath(path));
    QVERIFY2(bytes.startsWith("BM"), qPrintable(path));
    const QImage image = QImage::fromData(bytes, "BMP");
    QVERIFY(!image.isNull());
    QVERIFY(image.width() <= box.width() && image.height() <= box.height());
    QVERIFY(image.width() >= box.width() * 3 / 4 || image.height() >= box.height() * 3 / 4);

    // Drawn transparently: the bottom-left pixel's colour is the background, so it must be a flat border colour
    // that the artwork itself does not use much of, and the artwork must be there.
    const QRgb key = image.pixel(0, image.height() - 1);
    QCOMPARE(image.pixel(image.width() - 1, 0), key);
    int keyPixels = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            keyPixels += image.pixel(x, y) == key ? 1 : 0;
    const int all = image.width() * image.height();
    QVERIFY2(keyPixels > all / 10 && keyPixels < all * 9 / 10, qPrintable(QString::number(keyPixels)));
}

void TestContentGen::figures_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    const struct {
        const char* path;
        int width;
        int height;
    } rows[] = {
        {"doc/topic/sreda/picture/pic031.jpg", 704, 541}, {"doc/topic/sreda/picture/pic032.bmp", 692, 258},
        {"doc/topic/sreda/picture/pic041.bmp", 657, 177}, {"doc/topic/sreda/picture/pic051.jpg", 208, 511},
        {"doc/topic/sreda/picture/pic052.jpg", 208, 511}, {"doc/topic/sreda/picture/pic061.jpg", 485, 401},
        {"doc/topic/sreda/picture/pic071.bmp", 661, 529}, {"doc/topic/sreda/picture/pic072.bmp", 661, 529},
        {"doc/topic/sreda/picture/pic081.bmp", 594, 509}, {"doc/topic/sreda/picture/pic091.bmp", 565, 433},
        {"doc/topic/sreda/picture/pic111.jpg", 434, 435}, {"doc/topic/sreda/picture/pic112.jpg", 417, 482},
        {"doc/topic/jazik/picture/pic01.bmp", 602, 302},  {"doc/topic/jazik/picture/pic02.bmp", 328, 328},
        {"doc/topic/jazik/picture/pic03.bmp", 554, 402},  {"doc/topic/jazik/picture/pic04.bmp", 694, 301},
        {"doc/topic/sprav/picture/pic011.bmp", 360, 476}, {"doc/topic/sprav/picture/pic012.bmp", 308, 135},
        {"doc/topic/sprav/picture/pic021.bmp", 591, 208}, {"doc/topic/sprav/picture/pic022.bmp", 591, 208},
        {"doc/topic/sprav/picture/pic041.bmp", 443, 425}, {"doc/topic/sprav/picture/pic042.bmp", 438, 373},
        {"doc/topic/sprav/picture/pic043.bmp", 471, 279}, {"doc/topic/sprav/picture/pic044.bmp", 333, 457},
        {"doc/topic/sprav/picture/pic051.bmp", 443, 441}, {"doc/topic/sprav/picture/pic052.bmp", 424, 406},
        {"doc/topic/sprav/picture/pic071.jpg", 424, 406}, {"doc/topic/sprav/picture/pic091.bmp", 722, 245},
        {"doc/topic/sprav/picture/pic092.bmp", 323, 245}, {"doc/test/tem/t02/pic11.bmp", 531, 304},
    };
    for (const auto& row : rows)
        QTest::newRow(row.path) << QString::fromLatin1(row.path) << QSize(row.width, row.height);
}

void TestContentGen::figures() {
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const QByteArray bytes = readAll(m_tree.filePath(path));
    const bool jpeg = path.endsWith(QLatin1String(".jpg"));
    if (jpeg) {
        QVERIFY2(bytes.startsWith("\xFF\xD8\xFF"), qPrintable(path));
    } else {
        QVERIFY2(bytes.startsWith("BM"), qPrintable(path));
        // 24 bits per pixel (BITMAPINFOHEADER biBitCount at offset 28).
        QCOMPARE(static_cast<int>(static_cast<uchar>(bytes.at(28))), 24);
    }
    const QImage image = QImage::fromData(bytes, jpeg ? "JPEG" : "BMP");
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), size);

    // A drawing, not a blank rectangle: many colours, and no colour covers nearly everything.
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            ++counts[image.pixel(x, y) & 0xF0F0F0];
    int largest = 0;
    for (const int count : counts)
        largest = std::max(largest, count);
    const int sampled = ((image.width() + 1) / 2) * ((image.height() + 1) / 2);
    QVERIFY2(counts.size() >= 8, qPrintable(QString::number(counts.size())));
    QVERIFY2(largest < sampled * 9 / 10, qPrintable(path));
}

void TestContentGen::animations_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("minSide");
    QTest::addColumn<int>("maxSide");
    QTest::newRow("disc") << "xmages/logo/disc.gif" << 21 << 32;
    QTest::newRow("flag") << "xmages/logo/flag.gif" << 16 << 33;
    QTest::newRow("smile") << "xmages/logo/smile.gif" << 16 << 33;
    QTest::newRow("wink") << "xmages/logo/wink.gif" << 12 << 25;
}

void TestContentGen::animations() {
    QFETCH(QString, path);
    QFETCH(int, minSide);
    QFETCH(int, maxSide);
    const QByteArray bytes = readAll(m_tree.filePath(path));
    QVERIFY(bytes.startsWith("GIF89a"));

    int error = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(
        DGifOpenFileName(QFile::encodeName(m_tree.filePath(path)).constData(), &error));
    QVERIFY(gif);
    QCOMPARE(DGifSlurp(gif.get()), GIF_OK);
    QVERIFY(gif->SWidth >= minSide && gif->SWidth <= maxSide);
    QVERIFY(gif->SHeight >= minSide && gif->SHeight <= maxSide);
    QVERIFY2(gif->ImageCount >= 4, qPrintable(QString::number(gif->ImageCount)));

    // The looping extension on the first frame, looping forever.
    bool loops = false;
    const SavedImage& first = gif->SavedImages[0];
    for (int i = 0; i + 1 < first.ExtensionBlockCount; ++i) {
        const ExtensionBlock& block = first.ExtensionBlocks[i];
        if (block.Function == APPLICATION_EXT_FUNC_CODE && block.ByteCount == 11 &&
            QByteArray(reinterpret_cast<const char*>(block.Bytes), 11) == "NETSCAPE2.0") {
            const ExtensionBlock& data = first.ExtensionBlocks[i + 1];
            loops = data.ByteCount == 3 && data.Bytes[0] == 1 && data.Bytes[1] == 0 && data.Bytes[2] == 0;
        }
    }
    QVERIFY(loops);

    // Every frame has timing, a transparent colour and a known disposal method; delays vary.
    QSet<int> delays;
    bool smallerFrame = false;
    for (int f = 0; f < gif->ImageCount; ++f) {
        GraphicsControlBlock control;
        QCOMPARE(DGifSavedExtensionToGCB(gif.get(), f, &control), GIF_OK);
        QVERIFY(control.DelayTime >= 3 && control.DelayTime <= 50);
        QVERIFY(control.TransparentColor != NO_TRANSPARENT_COLOR);
        QVERIFY(control.DisposalMode >= 1 && control.DisposalMode <= 3);
        delays.insert(control.DelayTime);
        m_gifDisposals.append(QString::number(control.DisposalMode));
        const GifImageDesc& desc = gif->SavedImages[f].ImageDesc;
        QVERIFY(desc.Left + desc.Width <= gif->SWidth && desc.Top + desc.Height <= gif->SHeight);
        smallerFrame = smallerFrame || desc.Width < gif->SWidth || desc.Height < gif->SHeight;
    }
    QVERIFY(delays.size() >= 2);
    QVERIFY(smallerFrame);

    // Composed the GIF89a way, the frames show at least three different pictures.
    const int width = gif->SWidth;
    std::vector<int> canvas(static_cast<std::size_t>(width) * gif->SHeight, -1);
    QSet<QByteArray> pictures;
    for (int f = 0; f < gif->ImageCount; ++f) {
        GraphicsControlBlock control;
        DGifSavedExtensionToGCB(gif.get(), f, &control);
        const SavedImage& frame = gif->SavedImages[f];
        const std::vector<int> before = canvas;
        for (int y = 0; y < frame.ImageDesc.Height; ++y) {
            for (int x = 0; x < frame.ImageDesc.Width; ++x) {
                const int index = frame.RasterBits[y * frame.ImageDesc.Width + x];
                if (index != control.TransparentColor)
                    canvas[(frame.ImageDesc.Top + y) * width + frame.ImageDesc.Left + x] = index;
            }
        }
        pictures.insert(QByteArray(reinterpret_cast<const char*>(canvas.data()),
                                   static_cast<qsizetype>(canvas.size() * sizeof(int))));
        if (control.DisposalMode == DISPOSE_BACKGROUND) {
            for (int y = 0; y < frame.ImageDesc.Height; ++y)
                for (int x = 0; x < frame.ImageDesc.Width; ++x)
                    canvas[(frame.ImageDesc.Top + y) * width + frame.ImageDesc.Left + x] = -1;
        } else if (control.DisposalMode == DISPOSE_PREVIOUS) {
            canvas = before;
        }
    }
    QVERIFY2(pictures.size() >= 3, qPrintable(QString::number(pictures.size())));
}

void TestContentGen::animationsTogetherUseEveryDisposal() {
    // Filled by animations(), which runs first.
    QVERIFY(m_gifDisposals.contains(QLatin1String("1")));
    QVERIFY(m_gifDisposals.contains(QLatin1String("2")));
    QVERIFY(m_gifDisposals.contains(QLatin1String("3")));
}

void TestContentGen::sounds_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("subformat");
    QTest::newRow("ding") << "sound/ding.wav" << int(SF_FORMAT_PCM_16);
    QTest::newRow("notify") << "sound/notify.wav" << int(SF_FORMAT_IMA_ADPCM);
    QTest::newRow("rec") << "sound/rec.wav" << int(SF_FORMAT_PCM_16);
}

void TestContentGen::sounds() {
    QFETCH(QString, path);
    QFETCH(int, subformat);
    SF_INFO info{};
    std::unique_ptr<SNDFILE, SoundCloser> file(
        sf_open(QFile::encodeName(m_tree.filePath(path)).constData(), SFM_READ, &info));
    QVERIFY2(file, sf_strerror(nullptr));
    QCOMPARE(info.format & SF_FORMAT_TYPEMASK, SF_FORMAT_WAV);
    QCOMPARE(info.format & SF_FORMAT_SUBMASK, subformat);
    QVERIFY(info.frames > 0);
    const double seconds = static_cast<double>(info.frames) / info.samplerate;
    QVERIFY2(seconds >= 0.2 && seconds <= 0.8, qPrintable(QString::number(seconds)));
    std::vector<float> samples(static_cast<std::size_t>(info.frames * info.channels));
    QCOMPARE(sf_readf_float(file.get(), samples.data(), info.frames), info.frames);
    float peak = 0;
    for (const float s : samples)
        peak = std::max(peak, std::abs(s));
    QVERIFY2(peak > 0.3F && peak <= 1.0F, qPrintable(QString::number(peak)));
}

void TestContentGen::articles_data() {
    QTest::addColumn<QString>("path");
    QStringList paths = {"doc/topic/logo.rtf", "doc/topic/logoS.rtf", "doc/topic/komp/logo.rtf",
                         "doc/topic/sreda/srd01.rtf"};
    for (int n = 3; n <= 11; ++n)
        paths << QStringLiteral("doc/topic/sreda/srd%1.rtf").arg(n, 2, 10, QLatin1Char('0'));
    for (int n = 1; n <= 12; ++n)
        paths << QStringLiteral("doc/topic/jazik/jaz%1.rtf").arg(n, 2, 10, QLatin1Char('0'));
    for (const int n : {1, 2, 3, 4, 5, 7, 8, 9, 11, 12})
        paths << QStringLiteral("doc/topic/sprav/spr%1.rtf").arg(n, 2, 10, QLatin1Char('0'));
    for (const QString& path : paths)
        QTest::newRow(qPrintable(path)) << path;
}

void TestContentGen::articles() {
    QFETCH(QString, path);
    const QByteArray rtf = readAll(m_tree.filePath(path));
    QVERIFY2(rtf.startsWith("{\\rtf1"), qPrintable(path));
    QVERIFY(rtf.contains("\\ansicpg1251"));
    QVERIFY(rtf.contains("\\fcharset204"));
    QVERIFY(QRegularExpression(QStringLiteral("\\\\'[c-f][0-9a-f]")).match(QString::fromLatin1(rtf)).hasMatch());

    // The project's reader shows Russian text from it.
    QTextDocument document;
    RtfReader::read(rtf, &document);
    const QString text = RtfReader::documentText(document);
    QVERIFY2(QRegularExpression(QStringLiteral("[А-Яа-я]{4,}")).match(text).hasMatch(), qPrintable(text.left(200)));
}

void TestContentGen::everyRtfIsWellFormed() {
    int count = 0;
    QDirIterator it(m_tree.path(), {QStringLiteral("*.rtf")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QByteArray rtf = readAll(path);
        QVERIFY2(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1251"), qPrintable(path));
        QVERIFY2(bracesBalanced(rtf), qPrintable(path));
        // Only ASCII bytes: everything else is escaped.
        QVERIFY2(std::all_of(rtf.begin(), rtf.end(), [](char c) { return static_cast<uchar>(c) < 0x80; }),
                 qPrintable(path));
        ++count;
    }
    // Welcome articles, 10 + 12 + 10 topic articles, and the component library's articles.
    QVERIFY2(count >= 3 + 32 + 9 + 3 + 91, qPrintable(QString::number(count)));
}

void TestContentGen::courseSourcesConvertWithoutWarnings() {
    // A markup slip in a course article (an unclosed program block, a malformed picture line) is reported.
    QVERIFY2(!m_generatorErrors.contains(QLatin1String("warning")), qPrintable(m_generatorErrors));
}

void TestContentGen::courseSources_data() {
    QTest::addColumn<QString>("source");
    const QDir articles(
        QStringLiteral(VEDARIUM_TESTS_DIR "/../tools/contentgen/articles"));
    QVERIFY(articles.exists());
    QDirIterator it(articles.path(), {QStringLiteral("*.txt")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QTest::newRow(qPrintable(articles.relativeFilePath(path))) << path;
    }
}

void TestContentGen::courseSources() {
    QFETCH(QString, source);
    const QString markup = QString::fromUtf8(readAll(source));
    const QString relative = source.mid(source.indexOf(QLatin1String("/articles/")) + 10);
    // The article lands at its content path; the table's spelling may differ in letter case only.
    QString rtfPath = relative.left(relative.size() - 4) + QStringLiteral(".rtf");
    if (!QFileInfo::exists(m_tree.filePath(rtfPath)))
        rtfPath.replace(QLatin1String("logos.rtf"), QLatin1String("logoS.rtf"));
    const QByteArray rtf = readAll(m_tree.filePath(rtfPath));
    QVERIFY2(!rtf.isEmpty(), qPrintable(rtfPath));

    // Every picture line became an embedded picture of its size, every program block a block in the
    // fixed-pitch font.
    static const QRegularExpression picture(QStringLiteral("^\\[\\[picture (\\d+) (\\d+):"),
                                            QRegularExpression::MultilineOption);
    int pictures = 0;
    for (auto it = picture.globalMatch(markup); it.hasNext(); ++pictures) {
        const QRegularExpressionMatch match = it.next();
        QVERIFY(rtf.contains(("\\pngblip\\picw" + match.captured(1) + "\\pich" + match.captured(2)).toLatin1()));
    }
    QCOMPARE(static_cast<int>(rtf.count("\\pngblip")), pictures);
    static const QRegularExpression fence(QStringLiteral("^\\s*```"), QRegularExpression::MultilineOption);
    int fences = 0;
    for (auto it = fence.globalMatch(markup); it.hasNext(); it.next())
        ++fences;
    QCOMPARE(fences % 2, 0);
    QCOMPARE(static_cast<int>(rtf.count("\\f2\\fs18")), fences / 2);

    // The reader shows the heading, and a topic article is a real article, not a stub.
    QTextDocument document;
    RtfReader::read(rtf, &document);
    const QString text = RtfReader::documentText(document);
    static const QRegularExpression heading(QStringLiteral("^= (.+)$"), QRegularExpression::MultilineOption);
    const QString title = heading.match(markup).captured(1).remove(QStringLiteral("**")).trimmed();
    QVERIFY2(!title.isEmpty(), qPrintable(relative));
    QVERIFY2(text.contains(title), qPrintable(title));
    if (relative.contains(QRegularExpression(QStringLiteral("/(sreda|jazik|sprav)/")))) {
        const qsizetype words = text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts).size();
        QVERIFY2(words >= 250, qPrintable(QString::number(words)));
    }
}

void TestContentGen::topicArticlesHavePictures() {
    int withPictures = 0;
    for (const QString& folder : {QStringLiteral("sreda"), QStringLiteral("jazik"), QStringLiteral("sprav")}) {
        QDirIterator it(m_tree.filePath(QStringLiteral("doc/topic/") + folder), {QStringLiteral("*.rtf")}, QDir::Files);
        while (it.hasNext())
            withPictures += readAll(it.next()).contains("\\pngblip") ? 1 : 0;
    }
    QVERIFY2(withPictures >= 3, qPrintable(QString::number(withPictures)));
}

void TestContentGen::markupBecomesRtf() {
    QTemporaryDir articles;
    QTemporaryDir out;
    writeText(articles.filePath(QStringLiteral("doc/topic/sreda/srd03.txt")),
              QStringLiteral("= Элементы интерфейса\n"
                             "\n"
                             "Первая строка абзаца\n"
                             "и его вторая строка с **жирным** словом, //курсивом// и __подчёркиванием__.\n"
                             "Адрес http://example.org не курсив, а одинокие ** остаются звёздочками.\n"
                             "\n"
                             "== Раздел\n"
                             "* первый пункт\n"
                             "* второй пункт\n"
                             "7. седьмой шаг\n"
                             "> Заметка на полях ✓\n"
                             "\n"
                             "| Тип | Размер |\n"
                             "|---|---|\n"
                             "| Integer | 4 |\n"
                             "| Byte | 1 |\n"
                             "\n"
                             "```\n"
                             "begin\n"
                             "    Inc(I); { шаг }\n"
                             "end;\n"
                             "```\n"
                             "[[picture 320 180: Окно формы с кнопкой Button1]]\n"
                             "[[picture wide: сломанная строка]]\n"));
    const Run run = generate({out.path(), articles.path()});
    QCOMPARE(run.exitCode, 0);
    const QByteArray rtf = readAll(out.filePath(QStringLiteral("doc/topic/sreda/srd03.rtf")));
    QVERIFY(bracesBalanced(rtf));

    // Paragraph lines joined with a space; inline styles as groups; unmatched markers and URLs left alone.
    QVERIFY(rtf.contains(escaped1251(QStringLiteral("абзаца и его"))));
    QVERIFY(rtf.contains("{\\b " + escaped1251(QStringLiteral("жирным")) + "}"));
    QVERIFY(rtf.contains("{\\i " + escaped1251(QStringLiteral("курсивом")) + "}"));
    QVERIFY(rtf.contains("{\\ul "));
    QVERIFY(rtf.contains("http://example.org"));
    QVERIFY(rtf.contains(" ** "));
    // Lists: two bullets and the number as written.
    QCOMPARE(rtf.count("{\\pntext\\f1\\'b7\\tab}"), 2);
    QVERIFY(rtf.contains("{\\pntext\\f0 7.\\tab}"));
    // The note, with a character outside the code page as a Unicode escape.
    QVERIFY(rtf.contains("\\u10003?"));
    // A header row and two body rows; the rule row is dropped.
    QCOMPARE(rtf.count("\\trowd"), 3);
    QCOMPARE(rtf.count("\\row"), 3);
    QVERIFY(rtf.contains("Integer\\cell"));
    // Program text in the fixed-pitch font with its indentation and braces escaped.
    QVERIFY(rtf.contains("\\f2\\fs18"));
    QVERIFY(rtf.contains("\n    Inc(I); \\{ " + escaped1251(QStringLiteral("шаг")) + " \\}\\par"));
    // The picture as PNG with its size, and as a bitmap for older readers; hex lines of 128 digits at most.
    QVERIFY(rtf.contains("\\pngblip\\picw320\\pich180\\picwgoal4800\\pichgoal2700"));
    QVERIFY(rtf.contains("\\dibitmap0\\picw320\\pich180"));
    static const QRegularExpression hexLine(QStringLiteral("^[0-9a-f]+$"));
    int hexLines = 0;
    for (const QByteArray& line : rtf.split('\n')) {
        const QString trimmed = QString::fromLatin1(line).trimmed();
        if (hexLine.match(trimmed).hasMatch() && trimmed.size() > 16) {
            QVERIFY(trimmed.size() <= 128);
            ++hexLines;
        }
    }
    QVERIFY(hexLines > 10);
    // The unreadable picture line is kept as text and reported with its place.
    QVERIFY(rtf.contains("[[picture wide:"));
    QVERIFY2(run.err.contains(QLatin1String("srd03.txt:24")), qPrintable(run.err));

    // The reader finds the text, the table cells and the picture.
    QTextDocument document;
    RtfReader::read(rtf, &document);
    const QString text = RtfReader::documentText(document);
    QVERIFY2(text.contains(QStringLiteral("Элементы интерфейса")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Integer")));
    QVERIFY(text.contains(QStringLiteral("    Inc(I); { шаг }")));
}

void TestContentGen::sourcesWithoutTableRowAndMissingSources() {
    QTemporaryDir articles;
    QTemporaryDir out;
    // A source spelled in another case finds its table row; one that no table names is still converted.
    writeText(articles.filePath(QStringLiteral("doc/topic/logos.txt")), QStringLiteral("= Справочники\n\nТекст.\n"));
    writeText(articles.filePath(QStringLiteral("doc/extra/odd.txt")), QStringLiteral("= Лишняя статья\n"));
    const Run run = generate({out.path(), articles.path()});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(QFileInfo::exists(out.filePath(QStringLiteral("doc/topic/logoS.rtf"))));
    QVERIFY(!QFileInfo::exists(out.filePath(QStringLiteral("doc/topic/logos.rtf"))));
    QVERIFY(
        readAll(out.filePath(QStringLiteral("doc/topic/logoS.rtf"))).contains(escaped1251(QStringLiteral("Текст"))));
    QVERIFY(QFileInfo::exists(out.filePath(QStringLiteral("doc/extra/odd.rtf"))));
    QVERIFY2(run.err.contains(QLatin1String("doc/extra/odd.txt")), qPrintable(run.err));

    // Every other article is a placeholder naming its title.
    const QByteArray placeholder = readAll(out.filePath(QStringLiteral("doc/topic/sreda/srd05.rtf")));
    QVERIFY(placeholder.startsWith("{\\rtf1"));
    QVERIFY(placeholder.contains(escaped1251(QStringLiteral("ИНСПЕКТОРЕ ОБЪЕКТОВ"))));
    QVERIFY(QFileInfo::exists(out.filePath(QStringLiteral("doc/topic/komp/komp03/xpmanifest.rtf"))));
}

void TestContentGen::listingsBecomeWindowsText() {
    QTemporaryDir articles;
    QTemporaryDir listings;
    QTemporaryDir out;
    writeText(listings.filePath(QStringLiteral("programs/prog1/upr01/Unit1.pas")),
              QStringLiteral("unit Unit1;\n{ Привет }\nend.\n"));
    writeText(listings.filePath(QStringLiteral("programs/prog1/upr01/Unit1.dfm")),
              QStringLiteral("  Caption = 'Окно'\r\n"));
    writeText(listings.filePath(QStringLiteral("programs/prog1/upr02/Unit1.pas")), QStringLiteral("{ a → b }\n"));
    const Run run = generate({out.path(), articles.path(), listings.path()});
    QCOMPARE(run.exitCode, 0);

    // Windows-1251 with CR LF line ends; a character the code page lacks is a '?' and a warning.
    QCOMPARE(readAll(out.filePath(QStringLiteral("programs/prog1/upr01/Unit1.pas"))),
             QByteArray("unit Unit1;\r\n{ \xcf\xf0\xe8\xe2\xe5\xf2 }\r\nend.\r\n"));
    QCOMPARE(readAll(out.filePath(QStringLiteral("programs/prog1/upr01/Unit1.dfm"))),
             QByteArray("  Caption = '\xce\xea\xed\xee'\r\n"));
    QCOMPARE(readAll(out.filePath(QStringLiteral("programs/prog1/upr02/Unit1.pas"))), QByteArray("{ a ? b }\r\n"));
    QVERIFY2(run.err.contains(QLatin1String("programs/prog1/upr02/Unit1.pas")), qPrintable(run.err));

    // Every other listing of the tables is a placeholder unit, named in the report; 4:15 has none.
    const QByteArray placeholder = readAll(out.filePath(QStringLiteral("programs/prog3/upr11/Unit1-2.pas")));
    QVERIFY(placeholder.startsWith("unit Unit1;\r\n"));
    QVERIFY(placeholder.contains("3:11  \xd1\xce\xc7\xc4\xc0\xcd\xc8\xc5")); // "СОЗДАНИЕ" in Windows-1251
    QVERIFY(run.out.contains(QLatin1String("placeholder listing programs/prog3/upr11/Unit1-2.pas")));
    QVERIFY(!run.out.contains(QLatin1String("placeholder listing programs/prog1/upr01/Unit1.pas")));
    QVERIFY(run.out.contains(QLatin1String("57 placeholder listings")));
    QVERIFY(!QFileInfo::exists(out.filePath(QStringLiteral("programs/prog4/upr15/Unit1.pas"))));

    // The program stand-ins lie under every program name, ready to run.
    for (const char* program : {"programs/prog1/upr01/Project1.exe", "programs/prog4/upr15/Project1.exe",
                                "programs/prog4/upr15/MEyes/MouseEyes.exe", "programs/prog4/upr15/Check/WinDraught.exe"})
        QVERIFY2(QFileInfo(out.filePath(QString::fromLatin1(program))).isExecutable(), program);
}

void TestContentGen::deterministic() {
    QTemporaryDir again;
    QCOMPARE(generate({again.path()}).exitCode, 0);
    int compared = 0;
    QDirIterator it(m_tree.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = QDir(m_tree.path()).relativeFilePath(path);
        QVERIFY2(readAll(path) == readAll(again.filePath(relative)), qPrintable(relative));
        ++compared;
    }
    QVERIFY(compared > 50);
}

void TestContentGen::failsWithMessageWhenOutputCannotBeWritten() {
    QTemporaryDir dir;
    // A file where the tree needs its "doc" folder.
    writeText(dir.filePath(QStringLiteral("doc")), QStringLiteral("in the way"));
    const Run run = generate({dir.path()});
    QVERIFY(run.exitCode > 0);
    QVERIFY2(run.err.contains(QLatin1String("Cannot open file")), qPrintable(run.err));
}

void TestContentGen::failsWhenArticleFolderIsMissing() {
    QTemporaryDir dir;
    const Run run = generate({dir.path(), dir.filePath(QStringLiteral("no-such-folder"))});
    QVERIFY(run.exitCode > 0);
    QVERIFY2(run.err.contains(QLatin1String("no-such-folder")), qPrintable(run.err));
}

QTEST_MAIN(TestContentGen)
#include "tst_contentgen.moc"
