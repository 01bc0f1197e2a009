// SPDX-License-Identifier: MIT
// The picture loaders over two public test suites (read from the shared corpora folder, skipped when it is
// absent): the GIF test suite, whose cases give the expected composed frames, and the BMP suite with its good,
// questionable, bad and extreme files and reference renderings. Good cases must match their pixels, bad cases
// must fail with Error; questionable ones may do either, but must not crash or render wrongly when they load.

#include "pictures/GifComposer.h"
#include "pictures/GifImage.h"
#include "pictures/Picture.h"
#include "platform/Error.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QTest>

namespace {

const QString corpora = QStringLiteral(VEDARIUM_CORPORA_DIR);
const QString gifSuite = corpora + QStringLiteral("/gif-test-suite");
const QString bmpSuite = corpora + QStringLiteral("/bmpsuite");

using Section = QMap<QString, QString>;

// The suite's .conf files: [section] headers, "key = value" lines, '#' comments.
QMap<QString, Section> readConf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QMap<QString, Section> sections;
    QString current;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            current = line.mid(1, line.size() - 2);
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals > 0)
            sections[current][line.left(equals).trimmed()] = line.mid(equals + 1).trimmed();
    }
    return sections;
}

QImage expectedFrame(const Section& frame, QSize size)
{
    if (frame.contains(QStringLiteral("image")))
        return QImage(gifSuite + QLatin1Char('/') + frame[QStringLiteral("image")])
            .convertToFormat(QImage::Format_ARGB32);
    QFile file(gifSuite + QLatin1Char('/') + frame[QStringLiteral("pixels")]);
    if (!file.open(QIODevice::ReadOnly))
        return QImage();
    const QByteArray rgba = file.readAll();
    if (rgba.size() != qsizetype(size.width()) * size.height() * 4)
        return QImage();
    QImage image(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const auto* p = reinterpret_cast<const uchar*>(rgba.constData()) + (qsizetype(y) * size.width() + x) * 4;
            image.setPixel(x, y, qRgba(p[0], p[1], p[2], p[3]));
        }
    return image;
}

// Equal where both are opaque; both transparent where either is transparent. Returns "" or a description.
QString difference(const QImage& actualImage, const QImage& expectedImage, int tolerance = 0)
{
    if (actualImage.size() != expectedImage.size())
        return QStringLiteral("size %1x%2, expected %3x%4")
            .arg(actualImage.width())
            .arg(actualImage.height())
            .arg(expectedImage.width())
            .arg(expectedImage.height());
    const QImage actual = actualImage.convertToFormat(QImage::Format_ARGB32);
    const QImage expected = expectedImage.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x) {
            const QRgb a = actual.pixel(x, y);
            const QRgb e = expected.pixel(x, y);
            const bool same = qAlpha(a) == 0 || qAlpha(e) == 0
                ? qAlpha(a) == qAlpha(e)
                : std::abs(qRed(a) - qRed(e)) <= tolerance && std::abs(qGreen(a) - qGreen(e)) <= tolerance
                    && std::abs(qBlue(a) - qBlue(e)) <= tolerance && std::abs(qAlpha(a) - qAlpha(e)) <= tolerance;
            if (!same)
                return QStringLiteral("pixel %1,%2 is #%3, expected #%4")
                    .arg(x)
                    .arg(y)
                    .arg(a, 8, 16, QLatin1Char('0'))
                    .arg(e, 8, 16, QLatin1Char('0'));
        }
    return QString();
}

bool fullyTransparent(const QImage& image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(argb.pixel(x, y)) != 0)
                return false;
    return true;
}

// The BMP suite's page lists, for each file, the renderings that count as right (the first is preferred).
QMap<QString, QStringList> bmpReferences()
{
    QFile page(bmpSuite + QStringLiteral("/reference/bmpsuite.html"));
    QMap<QString, QStringList> references;
    if (!page.open(QIODevice::ReadOnly))
        return references;
    static const QRegularExpression image(QStringLiteral("<img src=\"([^\"]+)\""));
    QStringList pending;
    for (const QRegularExpressionMatch& match : image.globalMatch(QString::fromUtf8(page.readAll()))) {
        const QString source = match.captured(1);
        if (source.endsWith(QLatin1String(".bmp"))) {
            references[source.mid(3)] = pending; // "../g/pal8.bmp" -> "g/pal8.bmp"
            pending.clear();
        } else {
            pending.append(source);
        }
    }
    return references;
}

} // namespace

class TestPictureConformance final : public QObject {
    Q_OBJECT
private slots:
    void gifSuiteCase_data();
    void gifSuiteCase();
    void bmpSuiteCase_data();
    void bmpSuiteCase();
    void cleanupTestCase();

private:
    QMap<QString, int> m_passed;
    QMap<QString, int> m_cases;
    QStringList m_questionable;
    QStringList m_questionableRefused;
    int m_questionableMatching = 0;
};

void TestPictureConformance::gifSuiteCase_data()
{
    QTest::addColumn<QString>("name");
    QFile list(gifSuite + QStringLiteral("/TESTS"));
    if (!list.open(QIODevice::ReadOnly)) {
        QTest::newRow("absent") << QString();
        return;
    }
    for (const QByteArray& line : list.readAll().split('\n'))
        if (!line.trimmed().isEmpty())
            QTest::newRow(line.trimmed().constData()) << QString::fromUtf8(line.trimmed());
}

void TestPictureConformance::gifSuiteCase()
{
    QFETCH(QString, name);
    if (name.isEmpty())
        QSKIP(qPrintable(QStringLiteral("The GIF test suite is not at %1").arg(gifSuite)));
    ++m_cases[QStringLiteral("gif")];
    const QMap<QString, Section> conf = readConf(gifSuite + QLatin1Char('/') + name + QStringLiteral(".conf"));
    const Section config = conf.value(QStringLiteral("config"));
    const QStringList frameNames = config.value(QStringLiteral("frames")).split(QLatin1Char(','), Qt::SkipEmptyParts);
    GifImage gif;
    QString error;
    try {
        gif.loadFromFile(gifSuite + QLatin1Char('/') + config.value(QStringLiteral("input")));
    } catch (const Error& e) {
        error = e.message();
    }
    // The suite's reading of a plain text extension; we decode the image that follows it like any other.
    QEXPECT_FAIL("plain-text", "the suite expects no frame for a file with a plain text extension", Abort);
    if (frameNames.isEmpty()) {
        // No frame expected: refusing the file, loading no image, or images that draw nothing are all right.
        bool drawsNothing = true;
        if (error.isEmpty()) {
            GifComposer composer(gif);
            for (int i = 0; i < gif.frameCount() && drawsNothing; ++i) {
                composer.compose(i);
                drawsNothing = fullyTransparent(composer.canvas());
            }
        }
        QVERIFY2(!error.isEmpty() || gif.frameCount() == 0 || drawsNothing,
                 qPrintable(QStringLiteral("%1 images loaded").arg(gif.frameCount())));
        ++m_passed[QStringLiteral("gif")];
        return;
    }
    QEXPECT_FAIL("max-codes", "giflib refuses LZW minimum code sizes above 8; this file uses 11", Abort);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const QSize size(config.value(QStringLiteral("width")).toInt(), config.value(QStringLiteral("height")).toInt());
    QCOMPARE(gif.logicalSize(), size);

    // The suite counts a run of images without a delay as one frame unless it forces animation; then every
    // image is a frame.
    const auto& images = gif.data().frames;
    if (images.empty()) {
        // No image at all draws nothing: one transparent frame.
        QCOMPARE(frameNames.size(), 1);
        const QString diff = difference(GifComposer(gif).canvas(), expectedFrame(conf.value(frameNames[0]), size));
        QVERIFY2(diff.isEmpty(), qPrintable(diff));
        ++m_passed[QStringLiteral("gif")];
        return;
    }
    QList<int> frameEnds;
    for (int i = 0; i < int(images.size()); ++i)
        if (int(images.size()) == frameNames.size() || i + 1 == int(images.size())
            || (images[size_t(i)].hasControl && images[size_t(i)].delay > 0))
            frameEnds.append(i);
    QCOMPARE(frameEnds.size(), frameNames.size());

    const QString loop = config.value(QStringLiteral("loop-count"));
    int loopCount = -1;
    for (const GifFrame& image : images)
        if (image.loopCount >= 0) {
            loopCount = image.loopCount;
            break;
        }
    if (loop == QLatin1String("infinite")) {
        QEXPECT_FAIL("gif87a-animation", "without a looping extension the player makes one pass", Continue);
        QCOMPARE(loopCount, 0);
    }
    else if (loop.toInt() > 0)
        QCOMPARE(loopCount, loop.toInt());

    GifComposer composer(gif);
    int image = 0;
    for (int f = 0; f < frameNames.size(); ++f) {
        for (; image <= frameEnds[f]; ++image)
            composer.compose(image);
        const Section frame = conf.value(frameNames[f]);
        const QImage expected = expectedFrame(frame, size);
        QVERIFY2(!expected.isNull(), "unreadable expected frame");
        const QString diff = difference(composer.canvas(), expected);
        QVERIFY2(diff.isEmpty(), qPrintable(QStringLiteral("%1: %2").arg(frameNames[f], diff)));
        if (frame.contains(QStringLiteral("delay")))
            QCOMPARE(images[size_t(frameEnds[f])].delay, frame[QStringLiteral("delay")].toInt());
    }
    ++m_passed[QStringLiteral("gif")];
}

void TestPictureConformance::bmpSuiteCase_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("references");
    if (!QDir(bmpSuite).exists()) {
        QTest::newRow("absent") << QString() << QStringList();
        return;
    }
    const QMap<QString, QStringList> references = bmpReferences();
    for (const QString& folder : {QStringLiteral("g"), QStringLiteral("q"), QStringLiteral("b"), QStringLiteral("x")}) {
        const QStringList files
            = QDir(bmpSuite + QLatin1Char('/') + folder).entryList({QStringLiteral("*.bmp")}, QDir::Files, QDir::Name);
        for (const QString& name : files) {
            const QString file = folder + QLatin1Char('/') + name;
            QTest::newRow(qPrintable(file)) << file << references.value(file);
        }
    }
}

void TestPictureConformance::bmpSuiteCase()
{
    QFETCH(QString, file);
    QFETCH(QStringList, references);
    if (file.isEmpty())
        QSKIP(qPrintable(QStringLiteral("The BMP suite is not at %1").arg(bmpSuite)));
    const QString kind = QStringLiteral("bmp/") + file.left(1);
    ++m_cases[kind];
    QImage image;
    QString error;
    try {
        image = Picture::loadFromFile(bmpSuite + QLatin1Char('/') + file).image();
    } catch (const Error& e) {
        error = e.message();
    }
    if (file.startsWith(QLatin1String("b/")) || file.startsWith(QLatin1String("x/"))) {
        QVERIFY2(!error.isEmpty(), "a bad file loaded");
        ++m_passed[kind];
        return;
    }
    if (file.startsWith(QLatin1String("q/")) && !error.isEmpty()) {
        m_questionableRefused.append(file + QStringLiteral(": ") + error);
        ++m_passed[kind];
        return;
    }
    QVERIFY2(error.isEmpty(), qPrintable(error));
    if (references.isEmpty()) {
        if (file.startsWith(QLatin1String("q/")))
            QSKIP("loads; the suite gives no reference rendering to compare with");
        // A good file without a reference would be a change in the suite.
        QFAIL("no reference rendering");
    }
    // 16-bit files: the reference widens 5- and 6-bit channels by repeating their top bits, the platform's
    // reader by shifting (31 becomes 248, not 255), so the low three bits may differ.
    QFile bmp(bmpSuite + QLatin1Char('/') + file);
    const int bitCount = bmp.open(QIODevice::ReadOnly) ? bmp.read(30).at(28) : 0;
    const int tolerance = bitCount == 16 ? 7 : 0;
    QStringList differences;
    for (const QString& reference : references) {
        const QString diff = difference(image, QImage(bmpSuite + QStringLiteral("/reference/") + reference), tolerance);
        if (diff.isEmpty()) {
            if (file.startsWith(QLatin1String("q/")))
                ++m_questionableMatching;
            ++m_passed[kind];
            return;
        }
        differences.append(reference + QStringLiteral(": ") + diff);
    }
    if (file.startsWith(QLatin1String("q/"))) {
        // Questionable files may render another way; they are listed, not failed.
        m_questionable.append(file + QStringLiteral(" ") + differences.join(QStringLiteral("; ")));
        QSKIP("loads, but renders differently from the suite's reference");
    }
    QFAIL(qPrintable(differences.join(QStringLiteral("; "))));
}

void TestPictureConformance::cleanupTestCase()
{
    for (auto it = m_cases.cbegin(); it != m_cases.cend(); ++it)
        qInfo("%s: %d of %d cases passed", qPrintable(it.key()), m_passed.value(it.key()), it.value());
    const int questionable = m_cases.value(QStringLiteral("bmp/q"));
    const int refused = int(m_questionableRefused.size());
    if (questionable > 0)
        qInfo("bmp/q: %d of %d load (%d as the reference shows them), %d refused", questionable - refused,
              questionable, m_questionableMatching, refused);
    for (const QString& line : m_questionable)
        qInfo("questionable, rendered differently: %s", qPrintable(line));
    for (const QString& line : m_questionableRefused)
        qInfo("questionable, refused: %s", qPrintable(line));
}

QTEST_MAIN(TestPictureConformance)
#include "tst_pictures_conformance.moc"
