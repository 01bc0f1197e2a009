// SPDX-License-Identifier: MIT
// GIF decoding, the player's timing and looping rules (with a made-up clock) and frame composition.

#include "tst_gifbuilder.h"

#include "pictures/GifComposer.h"
#include "pictures/GifDecoder.h"
#include "pictures/GifImage.h"
#include "pictures/GifPlayback.h"
#include "pictures/GifPlayer.h"
#include "pictures/GifTiming.h"
#include "platform/Error.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

using TestGif::solid;

namespace {

constexpr QRgb red = 0xFFFF0000;
constexpr QRgb green = 0xFF00FF00;
constexpr QRgb blue = 0xFF0000FF;
constexpr QRgb black = 0xFF000000;
constexpr QRgb clear = 0x00000000;
const QRect whole(0, 0, 4, 4);

GifImage load(const TestGif::File& file)
{
    GifImage gif;
    gif.loadFromData(TestGif::build(file));
    return gif;
}

QString loadError(const QByteArray& data)
{
    try {
        GifImage gif;
        gif.loadFromData(data);
    } catch (const Error& error) {
        return error.message();
    }
    return QString();
}

// A 4 x 4 canvas as 16 colours, row by row.
QList<QRgb> pixels(const QImage& image)
{
    QList<QRgb> out;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            out.append(image.pixel(x, y));
    return out;
}

// The 4 x 4 picture of `base` with `rect` painted in `color`.
QList<QRgb> paint(QList<QRgb> base, const QRect& rect, QRgb color)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            base[y * 4 + x] = color;
    return base;
}

QList<QRgb> filled(QRgb color)
{
    return QList<QRgb>(16, color);
}

// Frames with delays 0, 1, 2, 10 and 50 units, looping forever.
TestGif::File scheduleFile()
{
    TestGif::File file;
    const int delays[] = {0, 1, 2, 10, 50};
    for (int i = 0; i < 5; ++i)
        file.frames.push_back(solid(whole, i % 4, delays[i]));
    file.frames[0].loopCount = 0;
    return file;
}

} // namespace

class TestGifImage final : public QObject {
    Q_OBJECT
private slots:
    void defaults();
    void signature_data();
    void signature();
    void damagedData_data();
    void damagedData();
    void everyTruncationFailsCleanly();
    void decodesFields();
    void interlacedEqualsProgressive();
    void earlyEndCodeLeavesPixelsUndrawn();
    void backgroundColor();

    void delayUnits_data();
    void delayUnits();
    void waitMs_data();
    void waitMs();
    void scheduleOnTime();
    void latenessIsHalfCompensated();
    void latenessStaysBoundedAtLowSpeed();
    void animationSpeed();
    void looping_data();
    void looping();
    void restartPointIsTheLoopingFrame();
    void frameWithoutPixelsEndsThePass();

    void disposal_data();
    void disposal();
    void transparentIndex();
    void clearOnLoop();
    void framesOutsideTheScreenAreClipped();
    void composerFollowsTheRuleOnRandomSequences();

    void playerRunsAndStops();
    void pausedPlayerRestsAndGoesOn();
};

void TestGifImage::defaults()
{
    const GifImage gif;
    QVERIFY(gif.animate());
    QVERIFY(gif.loop());
    QVERIFY(gif.transparent());
    QVERIFY(gif.clearOnLoop());
    QVERIFY(!gif.loopForever());
    QCOMPARE(gif.animationSpeed(), 100);
    QCOMPARE(gif.frameCount(), 0);
    QVERIFY(!gif.isAnimated());
}

void TestGifImage::signature_data()
{
    QTest::addColumn<QByteArray>("prefix");
    QTest::addColumn<QByteArray>("signature");
    QTest::addColumn<bool>("loads");
    QTest::newRow("GIF89a") << QByteArray() << QByteArray("GIF89a") << true;
    QTest::newRow("lower case") << QByteArray() << QByteArray("gif89a") << true;
    QTest::newRow("mixed case") << QByteArray() << QByteArray("gIf87a") << true;
    QTest::newRow("version not checked") << QByteArray() << QByteArray("GIF12x") << true;
    QTest::newRow("four bytes before") << QByteArray("\x00\x01\x02\x03", 4) << QByteArray("GIF89a") << true;
    QTest::newRow("four bytes before, lower") << QByteArray("abcd") << QByteArray("gif89a") << true;
    QTest::newRow("three bytes before") << QByteArray("abc") << QByteArray("GIF89a") << false;
    QTest::newRow("five bytes before") << QByteArray("abcde") << QByteArray("GIF89a") << false;
    QTest::newRow("not a GIF") << QByteArray() << QByteArray("\x89PNG\r\n") << false;
}

void TestGifImage::signature()
{
    QFETCH(QByteArray, prefix);
    QFETCH(QByteArray, signature);
    QFETCH(bool, loads);
    TestGif::File file;
    file.signature = signature;
    file.frames.push_back(solid(whole, 1));
    const QString error = loadError(prefix + TestGif::build(file));
    QCOMPARE(error, loads ? QString() : QStringLiteral("Invalid GIF signature"));
    QCOMPARE(loadError(QByteArray()), QStringLiteral("Invalid GIF signature"));
    QCOMPARE(loadError("GI"), QStringLiteral("Invalid GIF signature"));
}

void TestGifImage::damagedData_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("message");

    TestGif::File good;
    good.frames.push_back(solid(whole, 1, 10));
    const QByteArray valid = TestGif::build(good);
    QTest::newRow("header cut") << valid.left(8) << "Premature end of data";
    QTest::newRow("colour table cut") << valid.left(15) << "Premature end of data";
    QTest::newRow("image data cut") << valid.left(valid.size() - 4) << "Premature end of data";

    TestGif::File zero = good;
    zero.size = QSize(0, 4);
    QTest::newRow("empty logical screen") << TestGif::build(zero) << "Invalid GIF data (logical screen 0 x 4)";

    TestGif::File huge = good;
    huge.size = QSize(65535, 65535);
    QTest::newRow("huge logical screen") << TestGif::build(huge) << "Picture too large";

    TestGif::File hugeFrame = good;
    hugeFrame.frames[0].rect = QRect(0, 0, 65535, 65535);
    hugeFrame.frames[0].rawImageData = QByteArray("\x02\x01\x04\x00", 4);
    QTest::newRow("huge frame") << TestGif::build(hugeFrame) << "Picture too large";

    TestGif::File badCode = good;
    // Code 7 before the table holds it: a code that cannot be decoded.
    badCode.frames[0].rawImageData = QByteArray("\x02\x02\x3C\x00\x00", 5);
    QTest::newRow("invalid LZW code") << TestGif::build(badCode) << "Invalid GIF data";

    TestGif::File bigCodeSize = good;
    bigCodeSize.frames[0].rawImageData = QByteArray("\x0C\x01\x00\x00", 4);
    QTest::newRow("LZW code size 12") << TestGif::build(bigCodeSize) << "Invalid GIF data";

    QByteArray badRecord = valid;
    badRecord[badRecord.size() - 1] = '#';
    QTest::newRow("unknown record") << badRecord << "Invalid GIF data";
}

void TestGifImage::damagedData()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, message);
    const QString error = loadError(data);
    QVERIFY2(error.startsWith(message), qPrintable(error));
}

void TestGifImage::everyTruncationFailsCleanly()
{
    TestGif::File file = scheduleFile();
    file.frames[2].localColors = {red, green, blue, black};
    file.frames[3].interlaced = true;
    const QByteArray data = TestGif::build(file);
    int loaded = 0;
    for (qsizetype length = 0; length < data.size(); ++length) {
        const QString error = loadError(data.left(length));
        if (error.isEmpty())
            ++loaded;
        else
            QVERIFY2(error == QLatin1String("Premature end of data") || error == QLatin1String("Invalid GIF signature"),
                     qPrintable(QStringLiteral("%1 bytes: %2").arg(length).arg(error)));
    }
    // A cut between two records after the first image reads like a file without its trailer, which many
    // writers leave out: after each of the five images and after each of the four later control extensions.
    QCOMPARE(loaded, 9);
}

void TestGifImage::decodesFields()
{
    TestGif::File file;
    file.size = QSize(6, 5);
    file.background = 2;
    TestGif::Frame first = solid(QRect(1, 2, 3, 2), 1, 7, 2);
    first.transparent = 3;
    first.loopCount = 4;
    TestGif::Frame second = solid(QRect(0, 0, 2, 2), 0);
    second.localColors = {blue, red};
    file.frames = {first, second};
    const GifImage gif = load(file);
    QCOMPARE(gif.logicalSize(), QSize(6, 5));
    QCOMPARE(gif.frameCount(), 2);
    QVERIFY(gif.isAnimated());
    const GifFrame& a = gif.data().frames[0];
    QCOMPARE(a.rect, QRect(1, 2, 3, 2));
    QVERIFY(a.hasControl);
    QCOMPARE(a.delay, 7);
    QCOMPARE(a.disposal, 2);
    QCOMPARE(a.transparentIndex, 3);
    QCOMPARE(a.loopCount, 4);
    QCOMPARE(a.colors.first(), black);
    const GifFrame& b = gif.data().frames[1];
    QVERIFY(!b.hasControl);
    QCOMPARE(b.loopCount, -1);
    QCOMPARE(b.transparentIndex, -1);
    QCOMPARE(b.colors.first(), blue);
    QCOMPARE(b.pixels, QByteArray(4, '\0'));
}

void TestGifImage::interlacedEqualsProgressive()
{
    TestGif::File file;
    file.size = QSize(3, 11);
    TestGif::Frame frame;
    frame.rect = QRect(0, 0, 3, 11);
    for (int i = 0; i < 33; ++i)
        frame.pixels.append(char((i / 3) % 4));
    file.frames = {frame};
    const GifImage progressive = load(file);
    file.frames[0].interlaced = true;
    const GifImage interlaced = load(file);
    QCOMPARE(interlaced.data().frames[0].pixels, frame.pixels);
    QCOMPARE(progressive.data().frames[0].pixels, frame.pixels);
}

void TestGifImage::earlyEndCodeLeavesPixelsUndrawn()
{
    TestGif::File file;
    file.size = QSize(2, 2);
    TestGif::Frame frame = solid(QRect(0, 0, 2, 2), 1);
    // clear, 1, 1, 1, end: three of four pixels.
    frame.rawImageData = TestGif::encodePixels(QByteArray(3, '\1'), 2);
    frame.pixels = QByteArray(3, '\1');
    file.frames = {frame, solid(QRect(0, 0, 1, 1), 2)};
    const GifImage gif = load(file);
    QCOMPARE(gif.frameCount(), 2);
    const QImage first = GifComposer::firstFrame(gif);
    QCOMPARE(first.pixel(0, 0), red);
    QCOMPARE(first.pixel(0, 1), red);
    QCOMPARE(first.pixel(1, 1), clear);
}

void TestGifImage::backgroundColor()
{
    TestGif::File file;
    file.background = 2;
    file.frames.push_back(solid(whole, 1));
    GifImage gif = load(file);
    QCOMPARE(gif.backgroundColor(), QColor(green));
    gif.setBackgroundColor(Qt::yellow);
    QCOMPARE(gif.backgroundColor(), QColor(Qt::yellow));
    file.globalColors.clear();
    file.frames[0].localColors = {red, green};
    QCOMPARE(load(file).backgroundColor(), QColor(Qt::white));
}

void TestGifImage::delayUnits_data()
{
    QTest::addColumn<int>("delay");
    QTest::addColumn<int>("units");
    QTest::newRow("no extension") << -1 << 10;
    QTest::newRow("0") << 0 << 10;
    QTest::newRow("1") << 1 << 3;
    QTest::newRow("2") << 2 << 3;
    QTest::newRow("3") << 3 << 3;
    QTest::newRow("10") << 10 << 10;
    QTest::newRow("50") << 50 << 50;
    QTest::newRow("65535") << 65535 << 65535;
}

void TestGifImage::delayUnits()
{
    QFETCH(int, delay);
    QFETCH(int, units);
    GifFrame frame;
    frame.hasControl = delay >= 0;
    frame.delay = std::max(delay, 0);
    QCOMPARE(GifTiming::delayUnits(frame), units);
}

void TestGifImage::waitMs_data()
{
    QTest::addColumn<int>("units");
    QTest::addColumn<qint64>("lateness");
    QTest::addColumn<int>("speed");
    QTest::addColumn<qint64>("wait");
    QTest::newRow("10 on time") << 10 << qint64(0) << 100 << qint64(120);
    QTest::newRow("3 on time") << 3 << qint64(0) << 100 << qint64(36);
    QTest::newRow("50 on time") << 50 << qint64(0) << 100 << qint64(600);
    QTest::newRow("10 ms late") << 10 << qint64(10) << 100 << qint64(115);
    QTest::newRow("10 ms early") << 10 << qint64(-10) << 100 << qint64(125);
    QTest::newRow("odd lateness rounds toward zero") << 10 << qint64(3) << 100 << qint64(119);
    QTest::newRow("odd earliness rounds toward zero") << 10 << qint64(-3) << 100 << qint64(121);
    QTest::newRow("1 ms late: no correction") << 3 << qint64(1) << 100 << qint64(36);
    QTest::newRow("very late: no wait") << 3 << qint64(100) << 100 << qint64(-14);
    QTest::newRow("double speed") << 10 << qint64(0) << 200 << qint64(60);
    QTest::newRow("half speed") << 10 << qint64(0) << 50 << qint64(240);
    QTest::newRow("speed 700 rounds down") << 3 << qint64(0) << 700 << qint64(5);
    QTest::newRow("speed 800 rounds half up") << 3 << qint64(0) << 800 << qint64(5);
    QTest::newRow("late at double speed") << 10 << qint64(20) << 200 << qint64(55);
}

void TestGifImage::waitMs()
{
    QFETCH(int, units);
    QFETCH(qint64, lateness);
    QFETCH(int, speed);
    QFETCH(qint64, wait);
    QCOMPARE(GifTiming::waitMs(units, lateness, speed), wait);
}

void TestGifImage::scheduleOnTime()
{
    qint64 now = 1000;
    GifPlayback playback(load(scheduleFile()), [&now] { return now; });
    std::optional<qint64> wait = playback.start();
    QList<qint64> waits;
    QList<int> shown{playback.currentFrame()};
    for (int i = 0; i < 10 && wait; ++i) {
        waits.append(*wait);
        now += *wait;
        wait = playback.advance();
        shown.append(playback.currentFrame());
    }
    QCOMPARE(waits, (QList<qint64>{120, 36, 36, 120, 600, 120, 36, 36, 120, 600}));
    QCOMPARE(shown, (QList<int>{0, 1, 2, 3, 4, 0, 1, 2, 3, 4, 0}));
}

void TestGifImage::latenessIsHalfCompensated()
{
    qint64 now = 0;
    GifPlayback playback(load(scheduleFile()), [&now] { return now; });
    QCOMPARE(playback.start(), std::optional<qint64>(120)); // planned: 120
    now = 128;                                              // 8 ms late
    QCOMPARE(playback.advance(), std::optional<qint64>(32)); // 36 - 4; planned 160
    now = 160;
    QCOMPARE(playback.advance(), std::optional<qint64>(36)); // on time again; planned 196
    now = 190;                                              // 6 ms early
    QCOMPARE(playback.advance(), std::optional<qint64>(123)); // planned 313
    now = 313 + 1500; // far too late: 600 - 750 leaves no wait at all
    QCOMPARE(playback.advance(), std::optional<qint64>(-150));
    now += 3;
    // No wait was made, so the plan is that moment itself: only the 3 ms since count.
    QCOMPARE(playback.advance(), std::optional<qint64>(119));
}

void TestGifImage::latenessStaysBoundedAtLowSpeed()
{
    // At speed 10 the correction is multiplied by ten; one long stall must not make every later wait vanish.
    GifImage gif = load(scheduleFile());
    gif.setAnimationSpeed(10);
    qint64 now = 0;
    GifPlayback playback(gif, [&now] { return now; });
    std::optional<qint64> wait = playback.start();
    now += *wait + 5000;
    wait = playback.advance();
    QVERIFY(*wait <= 0);
    QList<qint64> waits;
    for (int i = 0; i < 5; ++i) {
        now += std::max<qint64>(*wait, 0);
        wait = playback.advance();
        waits.append(*wait);
    }
    // Right after the stall the schedule is kept again: 36, 120, 600, 120, 36 ms, each times ten.
    QCOMPARE(waits, (QList<qint64>{360, 1200, 6000, 1200, 360}));
}

void TestGifImage::animationSpeed()
{
    qint64 now = 0;
    GifImage gif = load(scheduleFile());
    gif.setAnimationSpeed(200);
    GifPlayback playback(gif, [&now] { return now; });
    QList<qint64> waits{*playback.start()};
    for (int i = 0; i < 4; ++i) {
        now += waits.last();
        waits.append(*playback.advance());
    }
    QCOMPARE(waits, (QList<qint64>{60, 18, 18, 60, 300}));
    gif.setAnimationSpeed(0);
    QCOMPARE(gif.animationSpeed(), 1);
}

void TestGifImage::looping_data()
{
    QTest::addColumn<int>("loopCount");
    QTest::addColumn<bool>("loopForever");
    QTest::addColumn<bool>("loop");
    QTest::addColumn<int>("passes"); // -1: still running after many passes

    QTest::newRow("no extension: one pass") << -1 << false << true << 1;
    QTest::newRow("count 0: forever") << 0 << false << true << -1;
    QTest::newRow("count 1") << 1 << false << true << 1;
    QTest::newRow("count 3") << 3 << false << true << 3;
    QTest::newRow("count 3, loop forever") << 3 << true << true << -1;
    QTest::newRow("no extension, loop forever") << -1 << true << true << -1;
    QTest::newRow("count 0, loop off") << 0 << false << false << 1;
}

void TestGifImage::looping()
{
    QFETCH(int, loopCount);
    QFETCH(bool, loopForever);
    QFETCH(bool, loop);
    QFETCH(int, passes);
    TestGif::File file;
    file.frames = {solid(whole, 1, 5), solid(whole, 2, 5), solid(whole, 3, 5)};
    file.frames[0].loopCount = loopCount;
    GifImage gif = load(file);
    gif.setLoopForever(loopForever);
    gif.setLoop(loop);
    qint64 now = 0;
    GifPlayback playback(gif, [&now] { return now; });
    std::optional<qint64> wait = playback.start();
    constexpr int manyFrames = 60;
    int frames = 1;
    while (wait && frames < manyFrames) {
        now += *wait;
        wait = playback.advance();
        ++frames;
    }
    if (passes < 0) {
        QVERIFY(playback.isRunning());
        QCOMPARE(frames, manyFrames);
    } else {
        QVERIFY(!playback.isRunning());
        QCOMPARE(frames, passes * 3);
        QCOMPARE(playback.passes(), passes);
        // It stops on its last frame, which stays shown.
        QCOMPARE(playback.currentFrame(), 2);
        QCOMPARE(playback.canvas().pixel(0, 0), blue);
    }
}

void TestGifImage::restartPointIsTheLoopingFrame()
{
    TestGif::File file;
    file.frames = {solid(whole, 1, 5), solid(whole, 2, 5), solid(whole, 3, 5)};
    file.frames[1].loopCount = 2;
    qint64 now = 0;
    GifPlayback playback(load(file), [&now] { return now; });
    std::optional<qint64> wait = playback.start();
    QList<int> shown{playback.currentFrame()};
    while (wait) {
        now += *wait;
        wait = playback.advance();
        shown.append(playback.currentFrame());
    }
    QCOMPARE(shown, (QList<int>{0, 1, 2, 1, 2}));
}

void TestGifImage::frameWithoutPixelsEndsThePass()
{
    TestGif::File file;
    TestGif::Frame empty = solid(QRect(0, 0, 0, 0), 0, 5);
    empty.rawImageData = QByteArray("\x02\x00", 2);
    file.frames = {solid(whole, 1, 5), solid(whole, 2, 5), empty, solid(whole, 3, 5)};
    file.frames[0].loopCount = 2;
    const GifImage gif = load(file);
    QCOMPARE(gif.frameCount(), 4);
    qint64 now = 0;
    GifPlayback playback(gif, [&now] { return now; });
    std::optional<qint64> wait = playback.start();
    QList<int> shown{playback.currentFrame()};
    while (wait) {
        now += *wait;
        wait = playback.advance();
        shown.append(playback.currentFrame());
    }
    QCOMPARE(shown, (QList<int>{0, 1, 0, 1}));
}

void TestGifImage::disposal_data()
{
    QTest::addColumn<int>("disposal");        // of the second frame
    QTest::addColumn<bool>("transparent");
    QTest::addColumn<QList<QRgb>>("afterSecond");
    QTest::addColumn<QList<QRgb>>("afterThird");

    // First frame: the whole screen red (disposal 1). Second: the top-left quarter green. Third: the
    // bottom-right quarter blue. Background colour index 3 (blue) matters only with transparency off.
    const QRect quarter(0, 0, 2, 2);
    const QRect lastQuarter(2, 2, 2, 2);
    const QList<QRgb> redGreen = paint(filled(red), quarter, green);
    QTest::newRow("0 none") << 0 << true << redGreen << paint(redGreen, lastQuarter, blue);
    QTest::newRow("1 leave") << 1 << true << redGreen << paint(redGreen, lastQuarter, blue);
    QTest::newRow("2 background, transparent")
        << 2 << true << redGreen << paint(paint(filled(red), quarter, clear), lastQuarter, blue);
    QTest::newRow("2 background, opaque")
        << 2 << false << redGreen << paint(paint(filled(red), quarter, blue), lastQuarter, blue);
    QTest::newRow("3 previous") << 3 << true << redGreen << paint(filled(red), lastQuarter, blue);
    for (int undefined = 4; undefined <= 7; ++undefined)
        QTest::newRow(qPrintable(QStringLiteral("%1 undefined").arg(undefined)))
            << undefined << true << filled(red) << paint(filled(red), lastQuarter, blue);
}

void TestGifImage::disposal()
{
    QFETCH(int, disposal);
    QFETCH(bool, transparent);
    QFETCH(QList<QRgb>, afterSecond);
    QFETCH(QList<QRgb>, afterThird);
    TestGif::File file;
    file.background = 3;
    file.frames = {solid(whole, 1, 10, 1), solid(QRect(0, 0, 2, 2), 2, 10, disposal),
                   solid(QRect(2, 2, 2, 2), 3, 10, 0)};
    GifImage gif = load(file);
    gif.setTransparent(transparent);
    GifComposer composer(gif);
    composer.compose(0);
    QCOMPARE(pixels(composer.canvas()), filled(red));
    composer.compose(1);
    QCOMPARE(pixels(composer.canvas()), afterSecond);
    composer.compose(2);
    QCOMPARE(pixels(composer.canvas()), afterThird);
}

void TestGifImage::transparentIndex()
{
    TestGif::File file;
    TestGif::Frame top = solid(whole, 2, 10);
    // Checkerboard of green (2) and the transparent index 0.
    for (int i = 0; i < 16; ++i)
        top.pixels[i] = char(((i / 4 + i % 4) % 2) ? 2 : 0);
    top.transparent = 0;
    file.frames = {solid(whole, 1, 10), top};
    GifImage gif = load(file);
    for (bool transparent : {true, false}) {
        gif.setTransparent(transparent);
        GifComposer composer(gif);
        composer.compose(0);
        composer.compose(1);
        QCOMPARE(composer.canvas().pixel(1, 0), green);
        QCOMPARE(composer.canvas().pixel(0, 0), transparent ? red : black);
    }
    // A first frame's transparent pixels leave the canvas transparent.
    file.frames = {top};
    QCOMPARE(GifComposer::firstFrame(load(file)).pixel(0, 0), clear);
}

void TestGifImage::clearOnLoop()
{
    // Frame 0: red with transparent holes; frame 1 fills the holes green. On the second pass the holes are
    // cleared again only with clear on loop.
    TestGif::File file;
    TestGif::Frame holes = solid(whole, 1, 5, 1);
    holes.pixels[5] = 0;
    holes.transparent = 0;
    file.frames = {holes, solid(whole, 2, 5, 1)};
    file.frames[0].loopCount = 0;
    for (bool clearing : {true, false}) {
        GifImage gif = load(file);
        gif.setClearOnLoop(clearing);
        qint64 now = 0;
        GifPlayback playback(gif, [&now] { return now; });
        playback.start();
        QCOMPARE(playback.canvas().pixel(1, 1), clear);
        playback.advance();
        QCOMPARE(playback.canvas().pixel(1, 1), green);
        playback.advance();
        QCOMPARE(playback.currentFrame(), 0);
        QCOMPARE(playback.canvas().pixel(1, 1), clearing ? clear : green);
        QCOMPARE(playback.canvas().pixel(0, 0), red);
    }
}

void TestGifImage::framesOutsideTheScreenAreClipped()
{
    TestGif::File file;
    file.frames = {solid(QRect(3, 3, 4, 4), 1), solid(QRect(10, 10, 2, 2), 2, 0, 2)};
    GifComposer composer(load(file));
    composer.compose(0);
    composer.compose(1);
    QCOMPARE(pixels(composer.canvas()), paint(filled(clear), QRect(3, 3, 1, 1), red));
}

// The composition rule as written, with whole-picture copies: the composer, which copies only what changes,
// must show the same after every frame.
class ReferenceComposer {
public:
    explicit ReferenceComposer(const GifImage& gif) : m_gif(gif), m_buffer(gif.logicalSize(), QImage::Format_ARGB32)
    {
        m_buffer.fill(Qt::transparent);
        m_canvas = m_buffer.copy();
    }

    const QImage& compose(int index)
    {
        const GifFrame& frame = m_gif.data().frames[size_t(index)];
        const QRect area = frame.rect & m_buffer.rect();
        if (index == 0 && m_gif.clearOnLoop())
            restore(m_buffer, area);
        const int disposal = frame.hasControl ? frame.disposal : 0;
        if (disposal <= 2) {
            draw(m_buffer, frame);
            m_canvas = m_buffer.copy();
            if (disposal == 2)
                restore(m_buffer, area);
        } else if (disposal == 3) {
            if (m_previous <= 1) {
                draw(m_canvas, frame);
            } else {
                QImage second = m_buffer.copy();
                draw(second, frame);
                m_canvas = second;
            }
        }
        m_previous = disposal;
        return m_canvas;
    }

private:
    void restore(QImage& image, const QRect& area) const
    {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                image.setPixel(x, y, m_gif.transparent() ? 0u : m_gif.backgroundColor().rgb());
    }

    void draw(QImage& image, const GifFrame& frame) const
    {
        for (int y = frame.area.top(); y <= frame.area.bottom(); ++y)
            for (int x = frame.area.left(); x <= frame.area.right(); ++x) {
                const int index =
                    uchar(frame.pixels[(y - frame.area.top()) * frame.area.width() + x - frame.area.left()]);
                if (!frame.isDecoded(x, y) || index >= frame.colors.size() ||
                    (m_gif.transparent() && index == frame.transparentIndex))
                    continue;
                image.setPixel(x, y, frame.colors[index] | 0xFF000000u);
            }
    }

    GifImage m_gif;
    QImage m_buffer;
    QImage m_canvas;
    int m_previous = 0;
};

void TestGifImage::composerFollowsTheRuleOnRandomSequences()
{
    QRandomGenerator random(20240613);
    for (int round = 0; round < 60; ++round) {
        TestGif::File file;
        file.size = QSize(1 + random.bounded(9), 1 + random.bounded(9));
        file.background = random.bounded(4);
        const int frames = 1 + random.bounded(7);
        for (int i = 0; i < frames; ++i) {
            const QRect rect(random.bounded(file.size.width() + 2) - 1, random.bounded(file.size.height() + 2) - 1,
                             1 + random.bounded(file.size.width()), 1 + random.bounded(file.size.height()));
            TestGif::Frame frame =
                solid(QRect(QPoint(qMax(0, rect.x()), qMax(0, rect.y())), rect.size()), 0, 3, random.bounded(8));
            for (char& pixel : frame.pixels)
                pixel = char(random.bounded(4));
            frame.transparent = random.bounded(3) == 0 ? random.bounded(4) : -1;
            file.frames.push_back(frame);
        }
        GifImage gif = load(file);
        gif.setTransparent(random.bounded(2));
        gif.setClearOnLoop(random.bounded(2));
        GifComposer composer(gif);
        ReferenceComposer reference(gif);
        // Three passes, as a looping player makes them.
        for (int step = 0; step < 3 * frames; ++step) {
            composer.compose(step % frames);
            const QImage expected = reference.compose(step % frames);
            QVERIFY2(composer.canvas() == expected,
                     qPrintable(QStringLiteral("round %1, step %2").arg(round).arg(step)));
        }
    }
}

void TestGifImage::playerRunsAndStops()
{
    TestGif::File file;
    file.frames = {solid(whole, 1, 2), solid(whole, 2, 2), solid(whole, 3, 2)};
    const GifImage gif = load(file);
    {
        GifPlayer player(gif);
        QSignalSpy shown(&player, &GifPlayer::frameShown);
        QSignalSpy finished(&player, &GifPlayer::finished);
        QElapsedTimer clock;
        clock.start();
        player.start();
        QCOMPARE(shown.count(), 1);
        QCOMPARE(player.canvas().pixel(0, 0), red);
        QVERIFY(finished.wait(2000));
        // Two waits of 3 units (the least) after the first frame.
        QVERIFY(clock.elapsed() >= 2 * 36);
        QCOMPARE(shown.count(), 3);
        QCOMPARE(player.canvas().pixel(0, 0), blue);
        QVERIFY(!player.isRunning());
    }
    {
        file.frames[0].loopCount = 0;
        GifPlayer player(load(file));
        QSignalSpy shown(&player, &GifPlayer::frameShown);
        player.start();
        QVERIFY(player.isRunning());
        player.stop();
        QVERIFY(!player.isRunning());
        QTest::qWait(100);
        QCOMPARE(shown.count(), 1);
    }
}

void TestGifImage::pausedPlayerRestsAndGoesOn()
{
    TestGif::File file;
    file.frames = {solid(whole, 1, 3), solid(whole, 2, 3), solid(whole, 3, 3)};
    file.frames[0].loopCount = 0;
    qint64 now = 0;
    GifPlayer player(load(file), [&now] { return now; });
    QSignalSpy shown(&player, &GifPlayer::frameShown);
    player.start();
    QCOMPARE(player.lastWait(), qint64(36));
    now = 10;
    player.pause();
    QVERIFY(player.isPaused());
    QVERIFY(!player.isRunning());
    QVERIFY(!player.isFinished());
    // Three waits' worth of real time: nothing is composed.
    QTest::qWait(120);
    QCOMPARE(shown.count(), 1);
    QCOMPARE(player.canvas().pixel(0, 0), red);

    // A minute later it goes on with the next frame after what was left of its wait, and the minute it rested
    // is no lateness: the following wait is the frame's own.
    now = 60000;
    player.resume();
    QVERIFY(player.isRunning());
    now = 60026;
    QVERIFY(shown.wait(1000));
    QCOMPARE(shown.count(), 2);
    QCOMPARE(player.playback().currentFrame(), 1);
    QCOMPARE(player.canvas().pixel(0, 0), green);
    QCOMPARE(player.lastWait(), qint64(36));

    // Pausing a stopped player leaves it stopped; resuming one that is not paused changes nothing.
    player.stop();
    player.pause();
    QVERIFY(player.isFinished());
    player.resume();
    QVERIFY(!player.isRunning());
}

QTEST_MAIN(TestGifImage)
#include "tst_gif.moc"
