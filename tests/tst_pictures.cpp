// SPDX-License-Identifier: MIT
// Picture loading by extension: the decoders chosen, the messages for unknown extensions, missing files and
// damaged BMP and JPEG data, and the bound on declared sizes. (Random damage is damaged_pictures, which also
// runs in the sanitizer build.)

#include "tst_gifbuilder.h"

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

QByteArray encoded(const QImage& image, const char* format, int quality = -1)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return data;
}

QImage redSquare(int size = 16)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::red);
    image.setPixel(0, size - 1, qRgb(255, 255, 255));
    return image;
}

} // namespace

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
    void damagedBmp_data();
    void damagedBmp();
    void damagedJpeg_data();
    void damagedJpeg();
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

void TestPictures::damagedBmp_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("message");
    const QByteArray good = encoded(redSquare(), "BMP");
    auto patched = [&good](int at, QByteArray bytes) {
        QByteArray data = good;
        data.replace(at, bytes.size(), bytes);
        return data;
    };
    QTest::newRow("empty") << QByteArray() << "Invalid BMP data (not a Windows bitmap)";
    QTest::newRow("not BM") << patched(0, "XX") << "Invalid BMP data (not a Windows bitmap)";
    QTest::newRow("cut in the header") << good.left(30) << "Invalid BMP data";
    QTest::newRow("cut in the pixels") << good.left(good.size() - 20) << "Invalid BMP data";
    QTest::newRow("huge width") << patched(18, QByteArray("\x00\x00\x01\x00", 4)) << "Picture too large";
    QTest::newRow("huge both") << patched(18, QByteArray("\x00\x40\x00\x00\x00\x40\x00\x00", 8))
                               << "Picture too large";
    QTest::newRow("negative width") << patched(18, QByteArray("\xF0\xFF\xFF\xFF", 4)) << "Invalid BMP data";
    QTest::newRow("zero planes") << patched(26, QByteArray("\x00\x00", 2)) << "Invalid BMP data (0 planes)";
    QTest::newRow("7 bits per pixel") << patched(28, QByteArray("\x07\x00", 2))
                                      << "Invalid BMP data (7 bits per pixel)";
    QTest::newRow("pixel data offset past the end")
        << patched(10, QByteArray("\xFF\xFF\x00\x00", 4)) << "Invalid BMP data";
}

void TestPictures::damagedBmp()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, message);
    const QString error = loadError(write(QStringLiteral("damaged.bmp"), data));
    QVERIFY2(error.startsWith(message), qPrintable(error));
}

void TestPictures::damagedJpeg_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("message");
    const QByteArray good = encoded(redSquare(64), "JPEG", 90);
    QVERIFY(good.size() > 200);
    const qsizetype sof = good.indexOf("\xFF\xC0");
    QVERIFY(sof > 0);
    QTest::newRow("empty") << QByteArray() << "JPEG error";
    QTest::newRow("not a JPEG") << QByteArray("just some text, not a picture") << "JPEG error";
    QTest::newRow("header only") << good.left(sof + 4) << "JPEG error";
    QTest::newRow("cut in the scan") << good.left(good.size() - 100) << "JPEG error";
    QByteArray huge = good;
    huge.replace(sof + 5, 4, QByteArray("\xFF\x00\xFF\x00", 4)); // 65280 x 65280
    QTest::newRow("huge declared size") << huge << "Picture too large";
    QByteArray noSize = good;
    noSize.replace(sof + 5, 4, QByteArray(4, '\0'));
    QTest::newRow("zero declared size") << noSize << "JPEG error";
}

void TestPictures::damagedJpeg()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, message);
    const QString error = loadError(write(QStringLiteral("damaged.jpg"), data));
    QVERIFY2(error.startsWith(message), qPrintable(error));
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
