// SPDX-License-Identifier: MIT
// The exercise resource files of the sample content tree: every file the save button copies exists at its
// path in its letter case, and each one is a real file of its kind that a reader takes apart: bitmaps,
// icon and GIF pictures through Qt and the program's loader, sounds through libsndfile, metafiles and the
// video clip walked record by record, the question file checked sum by sum, the unit compiled when a
// Pascal compiler is at hand.

#include "TestSupport.h"

#include "pictures/Picture.h"
#include "richtext/RtfCodePage.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <gif_lib.h>
#include <sndfile.h>

#include <cmath>
#include <memory>
#include <optional>

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint16 word(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

qint16 signedWord(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<qint16>(bytes.constData() + at);
}

quint32 dword(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

// The names of every folder of "files", spelled as the save button spells them; the numbered names are
// built here with zero padding, a different way from the generator's.
QMap<QString, QStringList> expectedFolders()
{
    QMap<QString, QStringList> folders;
    folders[QStringLiteral("files")] = {"ARROWS.WMF",  "PARAL.BMP", "CLOCK.WMF",      "CILINDR.BMP", "SHATL.WMF",
                                        "CAR.WMF",     "WOMEN.WMF", "STOP.WMF",       "MONEY.WMF",   "CONFUS.WMF",
                                        "AMIDEA.WMF",  "CALC.WMF",  "backgraund.bmp", "aplane.bmp",  "aplane.ico",
                                        "cool.avi",    "TEST1.txt", "LASTIK.BMP",     "Ariphm.pas",  "GunShot.wav",
                                        "Explode.wav", "Crack.wav", "TrayIcon.rar"};
    QStringList buttons;
    for (int k = 1; k <= 18; ++k)
        buttons << QStringLiteral("button%1.bmp").arg(k, 3, 10, QLatin1Char('0'));
    folders[QStringLiteral("files/buttons")] = buttons;
    QStringList gif = {QStringLiteral("GIFImage.dcu"), QStringLiteral("Music.wav")};
    for (int n = 1; n <= 20; ++n)
        gif << QStringLiteral("%1.gif").arg(n, 3, 10, QLatin1Char('0'));
    folders[QStringLiteral("files/gif")] = gif;
    QStringList visual;
    for (int k = 1; k <= 20; ++k)
        visual << QStringLiteral("%1.bmp").arg(k);
    folders[QStringLiteral("files/visual")] = visual;
    folders[QStringLiteral("files/source")] = {"Zoom.rar", "MEyes.rar",  "Torus.rar",  "ScrFlip.rar", "Snow.rar",
                                               "Lamp.rar", "SeaWar.rar", "Tetris.rar", "Check.rar"};
    return folders;
}

// What a walk through a placeable metafile found; error is empty when the file is sound.
struct MetafileWalk {
    QString error;
    QRect bounds;
    int drawings = 0;
    QSet<quint32> brushColours;
};

// Walks the metafile as a player does: the placeable header and its checksum, the standard header, then
// every record up to the end record, keeping the object table and checking every drawn point against the
// picture's bounds.
MetafileWalk walkMetafile(const QByteArray& file)
{
    MetafileWalk walk;
    const auto fail = [&](const QString& why) {
        walk.error = why;
        return walk;
    };
    if (file.size() < 22 + 18 + 6)
        return fail(QStringLiteral("too short"));
    if (dword(file, 0) != 0x9AC6CDD7)
        return fail(QStringLiteral("no placeable key"));
    quint16 checksum = 0;
    for (int i = 0; i < 10; ++i)
        checksum ^= word(file, 2 * i);
    if (checksum != word(file, 20))
        return fail(QStringLiteral("placeable header checksum"));
    walk.bounds = QRect(QPoint(signedWord(file, 6), signedWord(file, 8)),
                        QPoint(signedWord(file, 10) - 1, signedWord(file, 12) - 1));
    if (walk.bounds.isEmpty() || word(file, 14) == 0)
        return fail(QStringLiteral("empty bounding box or no scale"));

    constexpr qsizetype kHeader = 22;
    if (word(file, kHeader) != 1 || word(file, kHeader + 2) != 9 || word(file, kHeader + 4) != 0x0300)
        return fail(QStringLiteral("standard header type, size or version"));
    if (qsizetype(dword(file, kHeader + 6)) * 2 != file.size() - kHeader)
        return fail(QStringLiteral("file size in the header"));
    const int tableSize = word(file, kHeader + 10);
    const quint32 largestRecord = dword(file, kHeader + 12);

    std::vector<int> objects(static_cast<std::size_t>(tableSize), 0); // 0 free, 1 pen, 2 brush
    quint32 largestSeen = 0;
    QRect window;
    // Right and bottom edges are exclusive in box records, so the far edge itself is still inside.
    const auto inside = [&](int x, int y) {
        return x >= window.left() && x <= window.left() + window.width() && y >= window.top() &&
               y <= window.top() + window.height();
    };
    qsizetype at = kHeader + 18;
    while (true) {
        if (at + 6 > file.size())
            return fail(QStringLiteral("records run past the end"));
        const quint32 size = dword(file, at);
        const quint16 function = word(file, at + 4);
        if (size < 3 || at + qsizetype(size) * 2 > file.size())
            return fail(QStringLiteral("record size %1 at %2").arg(size).arg(at));
        largestSeen = std::max(largestSeen, size);
        const auto parameter = [&](int i) { return signedWord(file, at + 6 + 2 * i); };
        const int parameters = int(size) - 3;
        switch (function) {
        case 0x0000: // end of file
            if (size != 3 || at + 6 != file.size())
                return fail(QStringLiteral("end record is not the last 3 words"));
            if (largestSeen != largestRecord)
                return fail(QStringLiteral("largest record %1, header says %2").arg(largestSeen).arg(largestRecord));
            if (std::any_of(objects.begin(), objects.end(), [](int kind) { return kind != 0; }))
                return fail(QStringLiteral("objects left undeleted"));
            if (window != walk.bounds)
                return fail(QStringLiteral("window differs from the bounding box"));
            return walk;
        case 0x020B: // SetWindowOrg y, x
            window.moveTopLeft(QPoint(parameter(1), parameter(0)));
            break;
        case 0x020C: // SetWindowExt y, x
            window.setSize(QSize(parameter(1), parameter(0)));
            break;
        case 0x02FA:   // CreatePenIndirect
        case 0x02FC: { // CreateBrushIndirect
            const auto free = std::find(objects.begin(), objects.end(), 0);
            if (free == objects.end())
                return fail(QStringLiteral("object table of %1 overflows").arg(tableSize));
            *free = function == 0x02FA ? 1 : 2;
            if (function == 0x02FC && parameter(0) == 0)
                walk.brushColours.insert(quint32(quint16(parameter(1))) | quint32(quint16(parameter(2))) << 16);
            break;
        }
        case 0x012D: // SelectObject
        case 0x01F0: // DeleteObject
            if (parameter(0) < 0 || parameter(0) >= tableSize || objects[std::size_t(parameter(0))] == 0)
                return fail(
                    QStringLiteral("record %1 names the empty object %2").arg(function, 0, 16).arg(parameter(0)));
            if (function == 0x01F0)
                objects[std::size_t(parameter(0))] = 0;
            break;
        case 0x0324: // Polygon
        case 0x0325: // Polyline
            if (parameter(0) < 2 || parameters != 1 + 2 * parameter(0))
                return fail(QStringLiteral("point count"));
            for (int i = 0; i < parameter(0); ++i)
                if (!inside(parameter(1 + 2 * i), parameter(2 + 2 * i)))
                    return fail(QStringLiteral("point outside the picture"));
            ++walk.drawings;
            break;
        case 0x0418:   // Ellipse bottom, right, top, left
        case 0x041B:   // Rectangle
        case 0x061C: { // RoundRect height, width, bottom, right, top, left
            const int first = function == 0x061C ? 2 : 0;
            if (!inside(parameter(first + 3), parameter(first + 2)) ||
                !inside(parameter(first + 1), parameter(first)) || parameter(first + 3) >= parameter(first + 1) ||
                parameter(first + 2) >= parameter(first))
                return fail(QStringLiteral("box outside the picture or inside out"));
            ++walk.drawings;
            break;
        }
        case 0x0214: // MoveTo y, x
        case 0x0213: // LineTo y, x
            if (!inside(parameter(1), parameter(0)))
                return fail(QStringLiteral("line outside the picture"));
            walk.drawings += function == 0x0213 ? 1 : 0;
            break;
        case 0x0102: // SetBkMode
        case 0x0103: // SetMapMode
        case 0x0106: // SetPolyFillMode
            break;
        default:
            return fail(QStringLiteral("unexpected record %1").arg(function, 4, 16, QLatin1Char('0')));
        }
        at += qsizetype(size) * 2;
    }
}

// A RIFF chunk found in an AVI file.
struct Chunk {
    QByteArray id;
    qsizetype data = 0; // offset of the data
    quint32 size = 0;
};

std::optional<Chunk> chunkAt(const QByteArray& file, qsizetype at)
{
    if (at + 8 > file.size())
        return std::nullopt;
    Chunk chunk{file.mid(at, 4), at + 8, dword(file, at + 4)};
    if (chunk.data + chunk.size > file.size())
        return std::nullopt;
    return chunk;
}

// The chunks inside a LIST (after its type code) or the RIFF.
QList<Chunk> chunksIn(const QByteArray& file, const Chunk& list)
{
    QList<Chunk> out;
    qsizetype at = list.data + 4;
    while (at < list.data + qsizetype(list.size)) {
        const std::optional<Chunk> chunk = chunkAt(file, at);
        if (!chunk)
            return {};
        out.append(*chunk);
        at = chunk->data + chunk->size + (chunk->size % 2);
    }
    return out;
}

const Chunk* find(const QList<Chunk>& chunks, const QByteArray& id, const QByteArray& listType = {},
                  const QByteArray& file = {})
{
    for (const Chunk& chunk : chunks)
        if (chunk.id == id && (listType.isEmpty() || file.mid(chunk.data, 4) == listType))
            return &chunk;
    return nullptr;
}

// Evaluates the arithmetic of a question: integers, + and -, multiplication "·", division ":", brackets.
class Arithmetic {
public:
    explicit Arithmetic(QString text) : m_text(std::move(text).remove(QLatin1Char(' '))) {}
    std::optional<long> value()
    {
        const std::optional<long> result = sum();
        return m_at == m_text.size() ? result : std::nullopt;
    }

private:
    std::optional<long> sum()
    {
        std::optional<long> left = product();
        while (left && m_at < m_text.size() && (m_text[m_at] == u'+' || m_text[m_at] == u'-')) {
            const QChar op = m_text[m_at++];
            const std::optional<long> right = product();
            left = right ? std::optional<long>(op == u'+' ? *left + *right : *left - *right) : std::nullopt;
        }
        return left;
    }
    std::optional<long> product()
    {
        std::optional<long> left = factor();
        while (left && m_at < m_text.size() && (m_text[m_at] == u'·' || m_text[m_at] == u':')) {
            const QChar op = m_text[m_at++];
            const std::optional<long> right = factor();
            if (!right || (op == u':' && (*right == 0 || *left % *right != 0)))
                return std::nullopt;
            left = op == u'·' ? *left * *right : *left / *right;
        }
        return left;
    }
    std::optional<long> factor()
    {
        if (m_at < m_text.size() && m_text[m_at] == u'(') {
            ++m_at;
            const std::optional<long> inner = sum();
            if (m_at >= m_text.size() || m_text[m_at] != u')')
                return std::nullopt;
            ++m_at;
            return inner;
        }
        const qsizetype start = m_at;
        while (m_at < m_text.size() && m_text[m_at].isDigit())
            ++m_at;
        bool ok = false;
        const long number = m_text.mid(start, m_at - start).toLong(&ok);
        return ok ? std::optional<long>(number) : std::nullopt;
    }

    QString m_text;
    qsizetype m_at = 0;
};

struct SoundCloser {
    void operator()(SNDFILE* file) const { sf_close(file); }
};

struct GifCloser {
    void operator()(GifFileType* gif) const
    {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};

double rms(const std::vector<float>& samples, std::size_t from, std::size_t to)
{
    double sum = 0.0;
    for (std::size_t i = from; i < to; ++i)
        sum += double(samples[i]) * samples[i];
    return std::sqrt(sum / double(std::max<std::size_t>(1, to - from)));
}

} // namespace

class TestResourceFiles final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void folders_data();
    void folders();
    void bitmaps_data();
    void bitmaps();
    void animationFramesMove();
    void icon();
    void gifs_data();
    void gifs();
    void sounds_data();
    void sounds();
    void metafiles_data();
    void metafiles();
    void videoClip();
    void questionFile();
    void arithmeticUnit();
    void standIns_data();
    void standIns();

private:
    QString m_tree;
};

void TestResourceFiles::initTestCase()
{
    m_tree = TestSupport::generatedContent();
    QVERIFY(QDir(m_tree).exists(QStringLiteral("files")));
}

void TestResourceFiles::folders_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QStringList>("names");
    const QMap<QString, QStringList> folders = expectedFolders();
    for (auto it = folders.begin(); it != folders.end(); ++it)
        QTest::newRow(qPrintable(it.key())) << it.key() << it.value();
}

void TestResourceFiles::folders()
{
    QFETCH(QString, folder);
    QFETCH(QStringList, names);
    // Exactly these files, spelled exactly so: no missing name, no other spelling, nothing extra.
    QStringList found = QDir(m_tree + QLatin1Char('/') + folder).entryList(QDir::Files);
    found.sort();
    names.sort();
    QCOMPARE(found, names);
    for (const QString& name : names)
        QVERIFY2(QFileInfo(m_tree + QLatin1Char('/') + folder + QLatin1Char('/') + name).size() > 0, qPrintable(name));
}

void TestResourceFiles::bitmaps_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("keyed"); // drawn on a flat background colour that fills the bottom-left pixel
    QTest::newRow("PARAL") << "files/PARAL.BMP" << QSize(320, 240) << false;
    QTest::newRow("CILINDR") << "files/CILINDR.BMP" << QSize(240, 320) << false;
    QTest::newRow("backgraund") << "files/backgraund.bmp" << QSize(520, 300) << false;
    QTest::newRow("aplane") << "files/aplane.bmp" << QSize(128, 56) << true;
    QTest::newRow("LASTIK") << "files/LASTIK.BMP" << QSize(16, 16) << true;
    for (int k = 1; k <= 18; ++k) {
        const QString path = QStringLiteral("files/buttons/button%1.bmp").arg(k, 3, 10, QLatin1Char('0'));
        QTest::newRow(qPrintable(path)) << path << QSize(16, 16) << true;
    }
    for (const int k : {1, 6, 11, 20}) {
        const QString path = QStringLiteral("files/visual/%1.bmp").arg(k);
        QTest::newRow(qPrintable(path)) << path << QSize(72, 64) << true;
    }
}

void TestResourceFiles::bitmaps()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(bool, keyed);
    const QByteArray bytes = readAll(m_tree + QLatin1Char('/') + path);
    QVERIFY(bytes.startsWith("BM"));
    QCOMPARE(int(word(bytes, 28)), 24);
    // The program's own loader picks the format by the extension, in either letter case.
    const Picture picture = Picture::loadFromFile(m_tree + QLatin1Char('/') + path);
    QCOMPARE(picture.kind(), Picture::Kind::Bitmap);
    QCOMPARE(picture.size(), size);
    const QImage image = picture.image().convertToFormat(QImage::Format_RGB32);

    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    const int all = image.width() * image.height();
    if (keyed) {
        // The transparent colour covers the margins but not the picture.
        const int key = counts.value(image.pixel(0, image.height() - 1));
        QVERIFY2(key > all / 5 && key < all * 19 / 20, qPrintable(QString::number(key)));
        QVERIFY(counts.size() >= 2);
    } else {
        QVERIFY2(counts.size() >= 16, qPrintable(QString::number(counts.size())));
        int largest = 0;
        for (const int count : counts)
            largest = std::max(largest, count);
        QVERIFY(largest < all * 9 / 10);
    }
}

void TestResourceFiles::animationFramesMove()
{
    // Twenty different frames, and the last leads back into the first: its difference from frame 1 is no
    // bigger than that between two neighbours.
    QList<QImage> frames;
    for (int k = 1; k <= 20; ++k)
        frames << QImage(QStringLiteral("%1/files/visual/%2.bmp").arg(m_tree).arg(k))
                      .convertToFormat(QImage::Format_RGB32);
    const auto difference = [](const QImage& a, const QImage& b) {
        int changed = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                changed += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
        return changed;
    };
    int largestStep = 0;
    for (int k = 1; k < frames.size(); ++k) {
        const int step = difference(frames[k - 1], frames[k]);
        QVERIFY2(step > 0, qPrintable(QString::number(k)));
        largestStep = std::max(largestStep, step);
    }
    QVERIFY(difference(frames.last(), frames.first()) <= largestStep);
    QVERIFY(difference(frames[0], frames[10]) > largestStep);
}

void TestResourceFiles::icon()
{
    const QByteArray bytes = readAll(m_tree + QStringLiteral("/files/aplane.ico"));
    // Directory: an icon with one 32 x 32 image in 4 bits a pixel.
    QCOMPARE(word(bytes, 0), quint16(0));
    QCOMPARE(word(bytes, 2), quint16(1));
    QCOMPARE(word(bytes, 4), quint16(1));
    QCOMPARE(int(uchar(bytes[6])), 32);
    QCOMPARE(int(uchar(bytes[7])), 32);
    QCOMPARE(word(bytes, 12), quint16(4));
    QCOMPARE(qsizetype(dword(bytes, 14)) + qsizetype(dword(bytes, 18)), bytes.size());

    const QImage image = QImage::fromData(bytes, "ICO");
    QCOMPARE(image.size(), QSize(32, 32));
    QVERIFY(image.hasAlphaChannel());
    QCOMPARE(qAlpha(image.pixel(0, 31)), 0);
    QCOMPARE(qAlpha(image.pixel(31, 0)), 0);
    int opaque = 0;
    QSet<QRgb> colours;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (qAlpha(image.pixel(x, y)) == 255) {
                ++opaque;
                colours.insert(image.pixel(x, y));
            }
    QVERIFY2(opaque > 150 && opaque < 900, qPrintable(QString::number(opaque)));
    QVERIFY(colours.size() >= 4);
}

void TestResourceFiles::gifs_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("animated");
    for (int n = 1; n <= 20; ++n) {
        const QString path = QStringLiteral("files/gif/%1.gif").arg(n, 3, 10, QLatin1Char('0'));
        QTest::newRow(qPrintable(path)) << path << (n != 20);
    }
}

void TestResourceFiles::gifs()
{
    QFETCH(QString, path);
    QFETCH(bool, animated);
    const QString file = m_tree + QLatin1Char('/') + path;
    int error = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(DGifOpenFileName(QFile::encodeName(file).constData(), &error));
    QVERIFY(gif);
    QCOMPARE(DGifSlurp(gif.get()), GIF_OK);
    QVERIFY(gif->SWidth >= 24 && gif->SWidth <= 128 && gif->SHeight >= 24 && gif->SHeight <= 128);
    if (animated) {
        QVERIFY2(gif->ImageCount >= 4, qPrintable(QString::number(gif->ImageCount)));
        for (int f = 0; f < gif->ImageCount; ++f) {
            GraphicsControlBlock control;
            QCOMPARE(DGifSavedExtensionToGCB(gif.get(), f, &control), GIF_OK);
            QVERIFY(control.DelayTime >= 2 && control.DelayTime <= 200);
        }
    } else {
        QCOMPARE(gif->ImageCount, 1);
    }

    // The player of the program takes it, and animates it when it has frames to show.
    const Picture picture = Picture::loadFromFile(file);
    QCOMPARE(picture.kind(), Picture::Kind::Gif);
    QCOMPARE(picture.isAnimated(), animated);
    QCOMPARE(picture.size(), QSize(gif->SWidth, gif->SHeight));
}

void TestResourceFiles::sounds_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<double>("shortest");
    QTest::addColumn<double>("longest");
    QTest::addColumn<bool>("dies");
    QTest::newRow("GunShot") << "files/GunShot.wav" << 0.3 << 1.2 << true;
    QTest::newRow("Explode") << "files/Explode.wav" << 1.0 << 3.0 << true;
    QTest::newRow("Crack") << "files/Crack.wav" << 0.15 << 0.8 << true;
    QTest::newRow("Music") << "files/gif/Music.wav" << 2.0 << 10.0 << false;
}

void TestResourceFiles::sounds()
{
    QFETCH(QString, path);
    QFETCH(double, shortest);
    QFETCH(double, longest);
    QFETCH(bool, dies);
    SF_INFO info{};
    std::unique_ptr<SNDFILE, SoundCloser> file(
        sf_open(QFile::encodeName(m_tree + QLatin1Char('/') + path).constData(), SFM_READ, &info));
    QVERIFY2(file, sf_strerror(nullptr));
    QCOMPARE(info.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    QCOMPARE(info.channels, 1);
    const double seconds = double(info.frames) / info.samplerate;
    QVERIFY2(seconds >= shortest && seconds <= longest, qPrintable(QString::number(seconds)));
    std::vector<float> samples(std::size_t(info.frames));
    QCOMPARE(sf_readf_float(file.get(), samples.data(), info.frames), info.frames);

    float peak = 0;
    for (const float s : samples)
        peak = std::max(peak, std::abs(s));
    // Loud, and not clipped.
    QVERIFY2(peak > 0.5F && peak < 0.99F, qPrintable(QString::number(peak)));
    const std::size_t tenth = samples.size() / 10;
    const double start = rms(samples, 0, tenth);
    const double end = rms(samples, samples.size() - tenth, samples.size());
    if (dies) {
        // An effect strikes at once and dies away.
        QVERIFY2(start > 10 * end, qPrintable(QStringLiteral("%1 %2").arg(start).arg(end)));
        QVERIFY(rms(samples, 0, std::size_t(0.02 * info.samplerate)) > 0.05);
    } else {
        // The tune plays throughout, and its ends meet without a click when it loops.
        for (std::size_t from = 0; from + tenth <= samples.size(); from += tenth)
            QVERIFY2(rms(samples, from, from + tenth) > 0.05, qPrintable(QString::number(from)));
        QVERIFY(std::abs(samples.front()) < 0.02F && std::abs(samples.back()) < 0.02F);
    }
}

void TestResourceFiles::metafiles_data()
{
    QTest::addColumn<QString>("path");
    for (const char* name : {"ARROWS", "CLOCK", "SHATL", "CAR", "WOMEN", "STOP", "MONEY", "CONFUS", "AMIDEA", "CALC"})
        QTest::newRow(name) << QStringLiteral("files/%1.WMF").arg(QLatin1String(name));
}

void TestResourceFiles::metafiles()
{
    QFETCH(QString, path);
    const MetafileWalk walk = walkMetafile(readAll(m_tree + QLatin1Char('/') + path));
    QVERIFY2(walk.error.isEmpty(), qPrintable(walk.error));
    // A picture at a size a form shows, drawn in several colours and many shapes.
    QVERIFY(walk.bounds.width() >= 200 && walk.bounds.height() >= 200);
    QVERIFY2(walk.drawings >= 8, qPrintable(QString::number(walk.drawings)));
    QVERIFY2(walk.brushColours.size() >= 3, qPrintable(QString::number(walk.brushColours.size())));
}

void TestResourceFiles::videoClip()
{
    const QByteArray file = readAll(m_tree + QStringLiteral("/files/cool.avi"));
    const std::optional<Chunk> riff = chunkAt(file, 0);
    QVERIFY(riff && riff->id == "RIFF" && file.mid(8, 4) == "AVI ");
    QCOMPARE(qsizetype(riff->size) + 8, file.size());
    const QList<Chunk> top = chunksIn(file, *riff);
    const Chunk* headers = find(top, "LIST", "hdrl", file);
    const Chunk* movie = find(top, "LIST", "movi", file);
    const Chunk* index = find(top, "idx1");
    QVERIFY(headers && movie && index);

    const QList<Chunk> headerChunks = chunksIn(file, *headers);
    const Chunk* main = find(headerChunks, "avih");
    const Chunk* streamList = find(headerChunks, "LIST", "strl", file);
    QVERIFY(main && main->size == 56 && streamList);
    const quint32 frames = dword(file, main->data + 16);
    const quint32 width = dword(file, main->data + 32);
    const quint32 height = dword(file, main->data + 36);
    QCOMPARE(dword(file, main->data + 24), quint32(1)); // one stream
    QVERIFY(dword(file, main->data + 12) & 0x10);       // has an index
    QVERIFY2(frames >= 24 && frames <= 100, qPrintable(QString::number(frames)));

    const QList<Chunk> streamChunks = chunksIn(file, *streamList);
    const Chunk* stream = find(streamChunks, "strh");
    const Chunk* format = find(streamChunks, "strf");
    QVERIFY(stream && format);
    QCOMPARE(file.mid(stream->data, 4), QByteArray("vids"));
    const double rate = double(dword(file, stream->data + 24)) / dword(file, stream->data + 20);
    QVERIFY(rate >= 10 && rate <= 30);
    QCOMPARE(dword(file, stream->data + 32), frames);
    QCOMPARE(dword(file, format->data + 4), width);
    QCOMPARE(dword(file, format->data + 8), height);
    const int bits = word(file, format->data + 14);
    QVERIFY(bits == 8 || bits == 24);
    QCOMPARE(dword(file, format->data + 16), quint32(0)); // uncompressed
    const quint32 frameBytes = ((width * quint32(bits) + 31) / 32) * 4 * height;

    // Every frame a chunk of a whole picture, every index entry pointing at its frame.
    const QList<Chunk> frameChunks = chunksIn(file, *movie);
    QCOMPARE(quint32(frameChunks.size()), frames);
    QCOMPARE(index->size, frames * 16);
    QSet<QByteArray> pictures;
    for (quint32 f = 0; f < frames; ++f) {
        const Chunk& chunk = frameChunks[int(f)];
        QCOMPARE(chunk.id, QByteArray("00db"));
        QCOMPARE(chunk.size, frameBytes);
        const qsizetype entry = index->data + qsizetype(f) * 16;
        QCOMPARE(file.mid(entry, 4), QByteArray("00db"));
        QCOMPARE(movie->data + qsizetype(dword(file, entry + 8)), chunk.data - 8);
        QCOMPARE(dword(file, entry + 12), frameBytes);
        pictures.insert(file.mid(chunk.data, chunk.size));
    }
    QVERIFY2(quint32(pictures.size()) > frames / 2, qPrintable(QString::number(pictures.size())));
}

void TestResourceFiles::questionFile()
{
    const QByteArray bytes = readAll(m_tree + QStringLiteral("/files/TEST1.txt"));
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count("\n"), bytes.count("\r\n"));
    const QString text = RtfCodePage::decodeCyrillic(bytes);
    QStringList lines = text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    // Lines that begin with ";" are comments of the test file, as the test generator reads it.
    lines.removeIf([](const QString& l) { return l.startsWith(QLatin1Char(';')); });
    QVERIFY(lines.size() >= 15);
    static const QRegularExpression line(QStringLiteral("^([^|]*[А-Яа-я][^|]*)\\|(\\d+)$"));
    static const QRegularExpression howMuch(QStringLiteral("^Сколько будет (.+)\\?$"));
    static const QRegularExpression two(QStringLiteral("(сумму|разность|произведение|частное) чисел (\\d+) и (\\d+)"));
    static const QRegularExpression square(QStringLiteral("квадрат числа (\\d+)"));
    int checked = 0;
    for (const QString& question : lines) {
        const QRegularExpressionMatch match = line.match(question);
        QVERIFY2(match.hasMatch(), qPrintable(question));
        const long answer = match.captured(2).toLong();
        // The answers of the sums that can be worked out here are right.
        std::optional<long> expected;
        if (const QRegularExpressionMatch sum = howMuch.match(match.captured(1)); sum.hasMatch()) {
            expected = Arithmetic(sum.captured(1)).value();
            QVERIFY2(expected, qPrintable(question));
        } else if (const QRegularExpressionMatch pair = two.match(match.captured(1)); pair.hasMatch()) {
            const long a = pair.captured(2).toLong();
            const long b = pair.captured(3).toLong();
            const QString kind = pair.captured(1);
            expected = kind == QStringLiteral("сумму")          ? a + b
                       : kind == QStringLiteral("разность")     ? a - b
                       : kind == QStringLiteral("произведение") ? a * b
                                                                : a / b;
        } else if (const QRegularExpressionMatch sq = square.match(match.captured(1)); sq.hasMatch()) {
            expected = sq.captured(1).toLong() * sq.captured(1).toLong();
        }
        if (expected) {
            QVERIFY2(*expected == answer, qPrintable(question));
            ++checked;
        }
    }
    QVERIFY2(checked >= lines.size() * 2 / 3, qPrintable(QString::number(checked)));
}

void TestResourceFiles::arithmeticUnit()
{
    const QByteArray bytes = readAll(m_tree + QStringLiteral("/files/Ariphm.pas"));
    QCOMPARE(bytes.count("\n"), bytes.count("\r\n"));
    const QString text = RtfCodePage::decodeCyrillic(bytes);
    QVERIFY(text.startsWith(QStringLiteral("unit Ariphm;")));
    QVERIFY(text.contains(QStringLiteral("\r\ninterface\r\n")) &&
            text.contains(QStringLiteral("\r\nimplementation\r\n")));
    QVERIFY(text.trimmed().endsWith(QStringLiteral("end.")));
    QVERIFY(text.contains(QRegularExpression(QStringLiteral("[А-Яа-я]{4,}"))));

    // With a Pascal compiler at hand, the unit compiles in Delphi mode and its routines give right answers.
    const QString compiler = QStandardPaths::findExecutable(QStringLiteral("fpc"));
    if (compiler.isEmpty())
        QSKIP("No Free Pascal compiler installed (Debian package fp-compiler)");
    QTemporaryDir dir;
    QFile::copy(m_tree + QStringLiteral("/files/Ariphm.pas"), dir.filePath(QStringLiteral("Ariphm.pas")));
    QFile program(dir.filePath(QStringLiteral("check.dpr")));
    QVERIFY(program.open(QIODevice::WriteOnly));
    program.write("program check;\n"
                  "uses SysUtils, Ariphm;\n"
                  "var E: TExample; I, Bad: Integer;\n"
                  "begin\n"
                  "  Bad := 0;\n"
                  "  for I := 1 to 5000 do\n"
                  "  begin\n"
                  "    E := NewExample(12);\n"
                  "    if (E.Answer < 0) or (E.Answer <> Calculate(E.A, E.B, E.Operation)) then Inc(Bad);\n"
                  "    if (E.Operation = opDiv) and (E.A mod E.B <> 0) then Inc(Bad);\n"
                  "    if not CheckAnswer(E, ' ' + IntToStr(E.Answer) + ' ') or CheckAnswer(E, '') then Inc(Bad);\n"
                  "  end;\n"
                  "  WriteLn(Bad);\n"
                  "  WriteLn(Gcd(12, 18), ' ', Lcm(4, 6), ' ', IsPrime(97), ' ', IsPrime(91), ' ', Factorial(20));\n"
                  "  WriteLn(Mark(9, 10), Mark(3, 4), Mark(1, 2), Mark(1, 3), Mark(0, 0));\n"
                  "  WriteLn(IsAnswerKey('5', ''), ' ', IsAnswerKey('-', ''), ' ', IsAnswerKey('-', '1'), ' ',\n"
                  "    IsAnswerKey('a', ''));\n"
                  "  E.A := 81; E.B := 9; E.Operation := opDiv;\n"
                  "  WriteLn(ExampleText(E), Calculate(E.A, E.B, E.Operation));\n"
                  "  WriteLn(IntToBin(65, 8), ' ', IntToBin(5, 1), ' ', IntToBin(0, 4), ' ', IntToBin(-1, 8));\n"
                  "end.\n");
    program.close();
    QProcess build;
    build.setWorkingDirectory(dir.path());
    build.start(compiler, {QStringLiteral("-Mdelphi"), QStringLiteral("-vew"), QStringLiteral("check.dpr")});
    QVERIFY(build.waitForFinished(120000));
    QVERIFY2(build.exitCode() == 0, build.readAllStandardOutput().constData());
    QProcess run;
    run.start(dir.filePath(QStringLiteral("check")), {});
    QVERIFY(run.waitForFinished(30000));
    QCOMPARE(QString::fromLatin1(run.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts),
             QStringList({"0", "6 12 TRUE FALSE 2432902008176640000", "54320", "TRUE TRUE FALSE FALSE", "81 : 9 = 9",
                          "01000001 101 0000 11111111111111111111111111111111"}));
}

void TestResourceFiles::standIns_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("kind"); // what the real file is, in capitals, as the note says it is not
    QTest::newRow("GIFImage.dcu") << "files/gif/GIFImage.dcu" << QStringLiteral("СКОМПИЛИРОВАННЫЙ МОДУЛЬ");
    QTest::newRow("TrayIcon.rar") << "files/TrayIcon.rar" << QStringLiteral("АРХИВ RAR");
    for (const QString& name : expectedFolders().value(QStringLiteral("files/source")))
        QTest::newRow(qPrintable(name)) << QStringLiteral("files/source/") + name << QStringLiteral("АРХИВ RAR");
}

void TestResourceFiles::standIns()
{
    QFETCH(QString, path);
    QFETCH(QString, kind);
    const QByteArray bytes = readAll(m_tree + QLatin1Char('/') + path);
    // Plain text that no archiver or compiler mistakes for its own: no RAR signature, valid UTF-8.
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    QVERIFY(!bytes.contains("Rar!"));
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    QVERIFY(!decoder.hasError());
    // It says plainly, in Russian and in English, what it stands for.
    const QString name = path.section(QLatin1Char('/'), -1);
    QVERIFY(text.contains(QStringLiteral("ЭТО НЕ ") + kind));
    QVERIFY(text.contains(QStringLiteral("THIS IS NOT")));
    QVERIFY(text.contains(QStringLiteral("«") + name + QStringLiteral("»")));
    QVERIFY(text.contains(QLatin1Char('"') + name + QLatin1Char('"')));
}

QTEST_MAIN(TestResourceFiles)
#include "tst_resourcefiles.moc"
