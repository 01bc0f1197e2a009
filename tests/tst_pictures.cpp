// SPDX-License-Identifier: MIT
// Picture loading by extension: the decoders chosen, the messages for unknown extensions, missing files and
// damaged BMP and JPEG data, and the bound on declared sizes. (Random damage is damaged_pictures, which also
// runs in the sanitizer build.)

#include "tst_encoded.h"
#include "tst_gifbuilder.h"

#include "controls/Image.h"
#include "pictures/Picture.h"
#include "platform/Error.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

namespace {

QString loadError(const QString& path)
{
    try {
        Picture::loadFromFile(path);
    } catch (const Error& error) {
        return error.message();
    }
    return QString();
}

constexpr QRgb red = 0xFFFF0000;
constexpr QRgb green = 0xFF00FF00;
constexpr QRgb blue = 0xFF0000FF;
constexpr QRgb white = 0xFFFFFFFF;
constexpr QRgb grey = 0xFF808080;
constexpr QRgb transparent = 0;

// Red, with a white bottom-left pixel.
QImage redSquare(int width = 16, int height = -1)
{
    QImage image(width, height < 0 ? width : height, QImage::Format_RGB32);
    image.fill(Qt::red);
    image.setPixel(0, image.height() - 1, qRgb(255, 255, 255));
    return image;
}

QByteArray le32(quint32 value)
{
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = char((value >> (8 * i)) & 0xFF);
    return bytes;
}

quint32 u32le(const QByteArray& data, qsizetype at)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | uchar(data[at + i]);
    return value;
}

QByteArray patched(QByteArray data, qsizetype at, const QByteArray& bytes)
{
    data.replace(at, bytes.size(), bytes);
    return data;
}

// A colour the picture shows at a place, each channel within the tolerance (JPEG is lossy); a colour of alpha
// 0 means a transparent pixel there.
struct Probe {
    QPoint at;
    QRgb color;
    int tolerance;
};
using Probes = QList<Probe>;

} // namespace

Q_DECLARE_METATYPE(Probe)

class TestPictures final : public QObject {
    Q_OBJECT
private slots:
    void init();
    void unknownExtension_data();
    void unknownExtension();
    void missingFile_data();
    void missingFile();
    void loadsByExtensionInAnyCase_data();
    void loadsByExtensionInAnyCase();
    void realWorldAndDamagedFiles_data();
    void realWorldAndDamagedFiles();
    void copiesAreIndependent();

private:
    QString write(const QString& name, const QByteArray& data);
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestPictures::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QString TestPictures::write(const QString& name, const QByteArray& data)
{
    const QString path = m_dir->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
        return QString();
    return path;
}

void TestPictures::unknownExtension_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("png") << "pic.png" << "Unknown picture file extension (.png)";
    QTest::newRow("upper case kept") << "pic.TIFF" << "Unknown picture file extension (.TIFF)";
    QTest::newRow("none") << "picture" << "Unknown picture file extension (.)";
    QTest::newRow("dot in folder only") << "dir.bmp/picture" << "Unknown picture file extension (.)";
    QTest::newRow("double extension") << "pic.bmp.txt" << "Unknown picture file extension (.txt)";
}

void TestPictures::unknownExtension()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    // The file does not exist: the extension is judged before anything is opened.
    QCOMPARE(loadError(m_dir->filePath(name)), message);
}

void TestPictures::missingFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("bmp") << "missing.bmp";
    QTest::newRow("JPG") << "missing.JPG";
    QTest::newRow("jpeg") << "missing.jpeg";
    QTest::newRow("gif") << "missing.gif";
}

void TestPictures::missingFile()
{
    QFETCH(QString, name);
    const QString previous = QDir::currentPath();
    QDir::setCurrent(m_dir->path());
    const QString error = loadError(name);
    QDir::setCurrent(previous);
    QCOMPARE(error, QStringLiteral("Cannot open file \"%1\". %2")
                        .arg(QFileInfo(m_dir->filePath(name)).absoluteFilePath(),
                             QString::fromLocal8Bit(std::strerror(ENOENT))));
}

void TestPictures::loadsByExtensionInAnyCase_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QSize>("size");
    const QByteArray bmp = encoded(redSquare(), "BMP");
    const QByteArray jpeg = encoded(redSquare(24), "JPEG", 95);
    TestGif::File gif;
    gif.size = QSize(5, 3);
    gif.frames = {TestGif::solid(QRect(0, 0, 5, 3), 1, 5), TestGif::solid(QRect(0, 0, 2, 2), 2, 5)};
    QTest::newRow("bmp") << "a.bmp" << bmp << int(Picture::Kind::Bitmap) << QSize(16, 16);
    QTest::newRow("BMP") << "a.BMP" << bmp << int(Picture::Kind::Bitmap) << QSize(16, 16);
    QTest::newRow("Bmp") << "a.Bmp" << bmp << int(Picture::Kind::Bitmap) << QSize(16, 16);
    QTest::newRow("jpg") << "a.jpg" << jpeg << int(Picture::Kind::Jpeg) << QSize(24, 24);
    QTest::newRow("JPG") << "a.JPG" << jpeg << int(Picture::Kind::Jpeg) << QSize(24, 24);
    QTest::newRow("jpeg") << "a.jpeg" << jpeg << int(Picture::Kind::Jpeg) << QSize(24, 24);
    QTest::newRow("GIF") << "a.GIF" << TestGif::build(gif) << int(Picture::Kind::Gif) << QSize(5, 3);
}

void TestPictures::loadsByExtensionInAnyCase()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, data);
    QFETCH(int, kind);
    QFETCH(QSize, size);
    QVERIFY(!data.isEmpty());
    const Picture picture = Picture::loadFromFile(write(name, data));
    QCOMPARE(int(picture.kind()), kind);
    QCOMPARE(picture.size(), size);
    QVERIFY(!picture.isNull());
    if (picture.kind() == Picture::Kind::Gif) {
        QVERIFY(picture.isAnimated());
        return;
    }
    QVERIFY(!picture.isAnimated());
    const QRgb middle = picture.image().pixel(size.width() / 2, size.height() / 2);
    QVERIFY2(qRed(middle) > 240 && qGreen(middle) < 16 && qBlue(middle) < 16, "the picture is not red");
}

// A file as a pupil meets it: written by some tool, or damaged on the way. Each row either refuses with a
// message that starts as given, or loads at the given size and shows the given colours at the given places.
void TestPictures::realWorldAndDamagedFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("message"); // empty: the file loads
    QTest::addColumn<QSize>("size");
    QTest::addColumn<Probes>("shows");
    auto loads = [](const char* row, const char* name, const QByteArray& data, QSize size, const Probes& shows) {
        QTest::newRow(row) << QString::fromLatin1(name) << data << QString() << size << shows;
    };
    auto refuses = [](const char* row, const char* name, const QByteArray& data, const char* message) {
        QTest::newRow(row) << QString::fromLatin1(name) << data << QString::fromLatin1(message) << QSize() << Probes();
    };

    // BMP: a 16 x 16 red square (white bottom-left pixel), 24 bits, 40-byte header, as Qt writes it.
    const QByteArray bmp = encoded(redSquare(), "BMP");
    const Probes redBmp{{QPoint(8, 8), red, 0}, {QPoint(0, 15), white, 0}};
    auto bmpWith = [&bmp](int at, const QByteArray& bytes) { return patched(bmp, at, bytes); };
    // The header made `extra` bytes longer (zeros after its first 40), or shorter (negative), offsets moved.
    auto headerResized = [&bmp](int extra) {
        QByteArray data = bmp;
        if (extra > 0)
            data.insert(54, QByteArray(extra, '\0'));
        else
            data.remove(54 + extra, -extra);
        data = patched(data, 14, le32(quint32(40 + extra)));
        data = patched(data, 10, le32(quint32(54 + extra)));
        return patched(data, 2, le32(quint32(data.size())));
    };
    loads("bmp: file-size field 2 bytes too large", "a.bmp", bmpWith(2, le32(quint32(bmp.size() + 2))), QSize(16, 16),
          redBmp);
    loads("bmp: file-size field of the headers only", "a.bmp", bmpWith(2, le32(54)), QSize(16, 16), redBmp);
    loads("bmp: image-size field larger than the file", "a.bmp", bmpWith(34, le32(quint32(bmp.size() * 3))),
          QSize(16, 16), redBmp);
    loads("bmp: densities 10 and 2835", "a.bmp", bmpWith(38, le32(10) + le32(2835)), QSize(16, 16), redBmp);
    loads("bmp: negative density", "a.bmp", bmpWith(38, le32(quint32(-2835))), QSize(16, 16), redBmp);
    loads("bmp: 52-byte header", "a.bmp", headerResized(12), QSize(16, 16), redBmp);
    loads("bmp: 56-byte header", "a.bmp", headerResized(16), QSize(16, 16), redBmp);
    loads("bmp: 16-byte OS/2 header", "a.bmp", headerResized(-24), QSize(16, 16), redBmp);
    {
        // Two colours used, 300 in the palette: the ones past 256 can never be used.
        QImage indexed = redSquare().convertToFormat(QImage::Format_Indexed8);
        QByteArray data = encoded(indexed, "BMP");
        const quint32 offset = u32le(data, 10);
        const quint32 colors = (offset - 54) / 4;
        data.insert(qsizetype(offset), QByteArray(qsizetype(300 - colors) * 4, '\x7F'));
        data = patched(data, 46, le32(300));
        data = patched(data, 10, le32(54 + 300 * 4));
        loads("bmp: palette of 300 colours", "a.bmp", patched(data, 2, le32(quint32(data.size()))), QSize(16, 16),
              redBmp);
    }
    refuses("bmp: file-size field of 2 GB", "a.bmp", bmpWith(2, le32(2111692253)),
            "Invalid BMP data (the header gives 2111692253 bytes for the file)");
    refuses("bmp: image-size field of 2 GB", "a.bmp", bmpWith(34, le32(2129587950)),
            "Invalid BMP data (the header gives 2129587950 bytes of pixel data)");
    refuses("bmp: density of 30,000,000 pixels per metre", "a.bmp", bmpWith(38, le32(30000000) + le32(3)),
            "Invalid BMP data (densities 30000000 and 3");
    refuses("bmp: header of 66 bytes", "a.bmp", bmpWith(14, le32(66)), "Invalid BMP data (header size 66)");
    refuses("bmp: palette larger than the file", "a.bmp", bmpWith(46, le32(305402420)),
            "Invalid BMP data (a palette of 305402420 colours)");
    refuses("bmp: empty", "a.bmp", QByteArray(), "Invalid BMP data (not a Windows bitmap)");
    refuses("bmp: not BM", "a.bmp", bmpWith(0, "XX"), "Invalid BMP data (not a Windows bitmap)");
    refuses("bmp: cut in the header", "a.bmp", bmp.left(30), "Invalid BMP data");
    refuses("bmp: cut in the pixels", "a.bmp", bmp.left(bmp.size() - 20), "Invalid BMP data (pixel data cut short)");
    refuses("bmp: huge width", "a.bmp", bmpWith(18, QByteArray("\x00\x00\x01\x00", 4)), "Picture too large");
    refuses("bmp: huge both", "a.bmp", bmpWith(18, QByteArray("\x00\x40\x00\x00\x00\x40\x00\x00", 8)),
            "Picture too large");
    refuses("bmp: negative width", "a.bmp", bmpWith(18, QByteArray("\xF0\xFF\xFF\xFF", 4)), "Invalid BMP data");
    refuses("bmp: zero planes", "a.bmp", bmpWith(26, QByteArray("\x00\x00", 2)), "Invalid BMP data (0 planes)");
    refuses("bmp: 7 bits per pixel", "a.bmp", bmpWith(28, QByteArray("\x07\x00", 2)),
            "Invalid BMP data (7 bits per pixel)");
    refuses("bmp: pixel data offset past the end", "a.bmp", bmpWith(10, QByteArray("\xFF\xFF\x00\x00", 4)),
            "Invalid BMP data (pixel data outside the file)");
    refuses("bmp: pixel data inside the header", "a.bmp", bmpWith(10, le32(30)),
            "Invalid BMP data (pixel data inside the header)");

    // JPEG: a 64 x 256 picture, red above, as Qt writes it (baseline, one scan).
    const QByteArray jpeg = encoded(redSquare(64, 256), "JPEG", 90);
    const qsizetype sof = jpeg.indexOf("\xFF\xC0");
    const qsizetype sos = jpeg.indexOf("\xFF\xDA");
    const Probes redJpeg{{QPoint(32, 0), red, 12}, {QPoint(32, 255), red, 12}};
    // Decoded rows keep their colour; rows past the end of the data are libjpeg's mid-grey.
    const Probes topOnly{{QPoint(32, 0), red, 12}, {QPoint(32, 255), grey, 4}, {QPoint(0, 255), grey, 4}};
    loads("jpeg: without its end marker", "a.jpg", jpeg.left(jpeg.size() - 2), QSize(64, 256), redJpeg);
    loads("jpeg: bytes after the end marker", "a.jpg", jpeg + QByteArray(100, '\x55'), QSize(64, 256), redJpeg);
    loads("jpeg: cut in the scan", "a.JPG", jpeg.left(sos + (jpeg.size() - sos) / 2), QSize(64, 256), topOnly);
    {
        // The frame header declares twice the height: the scan reaches the end marker half way.
        QByteArray taller = jpeg;
        taller.replace(sof + 5, 2, QByteArray("\x02\x00", 2));
        loads("jpeg: scan ends at the end marker", "a.jpeg", taller, QSize(64, 512),
              (Probes{{QPoint(32, 0), red, 12}, {QPoint(32, 511), grey, 4}}));
    }
    refuses("jpeg: empty", "a.jpg", QByteArray(), "JPEG error");
    refuses("jpeg: not a JPEG", "a.jpg", QByteArray("just some text, not a picture"), "JPEG error");
    refuses("jpeg: header only", "a.jpg", jpeg.left(sof + 4), "JPEG error");
    refuses("jpeg: cut before the scan", "a.jpg", jpeg.left(sos),
            "JPEG error: Invalid JPEG file structure: missing SOS marker");
    {
        QByteArray huge = jpeg;
        huge.replace(sof + 5, 4, QByteArray("\xFF\x00\xFF\x00", 4)); // 65280 x 65280
        refuses("jpeg: huge declared size", "a.jpg", huge, "Picture too large");
        QByteArray noSize = jpeg;
        noSize.replace(sof + 5, 4, QByteArray(4, '\0'));
        refuses("jpeg: zero declared size", "a.jpg", noSize, "JPEG error");
    }

    // GIF: a 2 x 2 screen with four colours, black, red, green, blue.
    TestGif::File gif;
    gif.size = QSize(2, 2);
    TestGif::Frame frame = TestGif::solid(QRect(0, 0, 2, 2), 1);
    {
        TestGif::File file = gif;
        file.globalColors = {red, green};
        file.frames = {frame};
        file.frames[0].pixels = QByteArray("\x01\x03\x00\x01", 4);
        loads("gif: index past the colour table", "a.gif", TestGif::build(file), QSize(2, 2),
              (Probes{{QPoint(0, 0), green, 0}, {QPoint(1, 0), transparent, 0}, {QPoint(0, 1), red, 0}}));
    }
    const Probes threeOfFour{{QPoint(0, 0), red, 0}, {QPoint(0, 1), red, 0}, {QPoint(1, 1), transparent, 0}};
    {
        // clear, 1, 1, clear, 1 and no end code: the data blocks end after three pixels.
        TestGif::File file = gif;
        file.frames = {frame, TestGif::solid(QRect(0, 0, 1, 1), 2)};
        file.frames[0].rawImageData = QByteArray("\x02\x02\x4C\x18\x00", 5);
        loads("gif: data blocks end before the image", "a.gif", TestGif::build(file), QSize(2, 2), threeOfFour);
        // The same pixels, then an end code.
        file.frames[0].rawImageData = TestGif::encodePixels(QByteArray(3, '\1'), 2);
        loads("gif: end code before the image", "a.gif", TestGif::build(file), QSize(2, 2), threeOfFour);
    }
    {
        TestGif::File file = gif;
        file.globalColors.clear();
        file.frames = {frame};
        file.frames[0].pixels = QByteArray("\x00\x01\x02\x03", 4);
        loads("gif: no colour table at all", "a.gif", TestGif::build(file), QSize(2, 2),
              (Probes{{QPoint(0, 0), qRgb(0, 0, 0), 0},
                      {QPoint(1, 0), qRgb(85, 85, 85), 0},
                      {QPoint(0, 1), qRgb(170, 170, 170), 0},
                      {QPoint(1, 1), qRgb(255, 255, 255), 0}}));
    }
    for (int disposal = 4; disposal <= 7; ++disposal) {
        TestGif::File file = gif;
        file.frames = {TestGif::solid(QRect(0, 0, 2, 2), 3, 10, disposal)};
        loads(qPrintable(QStringLiteral("gif: one frame of disposal %1").arg(disposal)), "a.gif", TestGif::build(file),
              QSize(2, 2), (Probes{{QPoint(1, 1), blue, 0}}));
    }
    {
        // Three 8000 x 8000 frames far off the screen, their data empty: 192 Mpixels to decode.
        TestGif::File file = gif;
        TestGif::Frame offScreen = frame;
        offScreen.rect = QRect(100, 100, 8000, 8000);
        offScreen.rawImageData = QByteArray("\x02\x01\x2C\x00", 4); // clear, end
        file.frames = {frame, offScreen, offScreen, offScreen};
        refuses("gif: frames off the screen beyond the pixel budget", "a.gif", TestGif::build(file),
                "Invalid GIF data (the images hold more than 134217728 pixels in all)");
        file.frames.pop_back();
        loads("gif: frames off the screen within the pixel budget", "a.gif", TestGif::build(file), QSize(2, 2),
              (Probes{{QPoint(1, 1), red, 0}}));
    }
}

void TestPictures::realWorldAndDamagedFiles()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, data);
    QFETCH(QString, message);
    QFETCH(QSize, size);
    QFETCH(Probes, shows);
    const QString path = write(name, data);
    QVERIFY(!path.isEmpty());
    Picture picture;
    QString error;
    try {
        picture = Picture::loadFromFile(path);
    } catch (const Error& e) {
        error = e.message();
    }
    if (!message.isEmpty()) {
        QVERIFY2(error.startsWith(message), qPrintable(error));
        return;
    }
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(picture.size(), size);
    // What an image control shows of it.
    Image image;
    image.setPicture(picture);
    const QImage frame = image.currentFrame().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(frame.size(), size);
    for (const Probe& probe : shows) {
        const QRgb actual = frame.pixel(probe.at);
        const bool same = qAlpha(probe.color) == 0
                              ? qAlpha(actual) == 0
                              : qAlpha(actual) == 255 &&
                                    std::abs(qRed(actual) - qRed(probe.color)) <= probe.tolerance &&
                                    std::abs(qGreen(actual) - qGreen(probe.color)) <= probe.tolerance &&
                                    std::abs(qBlue(actual) - qBlue(probe.color)) <= probe.tolerance;
        QVERIFY2(same, qPrintable(QStringLiteral("pixel %1,%2 is #%3, expected #%4")
                                      .arg(probe.at.x())
                                      .arg(probe.at.y())
                                      .arg(actual, 8, 16, QLatin1Char('0'))
                                      .arg(probe.color, 8, 16, QLatin1Char('0'))));
    }
}

void TestPictures::copiesAreIndependent()
{
    TestGif::File file;
    file.frames = {TestGif::solid(QRect(0, 0, 4, 4), 1, 5), TestGif::solid(QRect(0, 0, 4, 4), 2, 5)};
    GifImage gif;
    gif.loadFromData(TestGif::build(file));
    const Picture picture = Picture::fromGif(gif);
    gif.setAnimate(false);
    gif.loadFromData(TestGif::build(TestGif::File{QSize(2, 2), {qRgb(1, 2, 3), qRgb(4, 5, 6)}, 0, "GIF89a",
                                                  {TestGif::solid(QRect(0, 0, 2, 2), 1)}, true}));
    QVERIFY(picture.isAnimated());
    QCOMPARE(picture.gif()->frameCount(), 2);
    QCOMPARE(picture.size(), QSize(4, 4));
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
