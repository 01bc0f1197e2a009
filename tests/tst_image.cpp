// SPDX-License-Identifier: MIT
// The image control: where it draws (Center, Proportional, Stretch), transparent bitmaps over the parent,
// the GIF player's life in the control (start on paint, stop on replace, clear, setting change, destruction),
// clicks and hints.

#include "tst_gifbuilder.h"

#include "controls/Image.h"
#include "pictures/GifImage.h"
#include "pictures/Picture.h"
#include "platform/Error.h"

#include <QElapsedTimer>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

namespace {

constexpr QRgb cream = 0xFFFFFBF0;
constexpr QRgb red = 0xFFFF0000;
constexpr QRgb green = 0xFF00FF00;
constexpr QRgb blue = 0xFF0000FF;

// Three 4 x 4 frames, red, green, blue, each 3 units (36 ms), looping forever unless told otherwise.
GifImage threeFrames(int loopCount = 0)
{
    TestGif::File file;
    file.frames = {TestGif::solid(QRect(0, 0, 4, 4), 1, 3), TestGif::solid(QRect(0, 0, 4, 4), 2, 3),
                   TestGif::solid(QRect(0, 0, 4, 4), 3, 3)};
    file.frames[0].loopCount = loopCount;
    GifImage gif;
    gif.loadFromData(TestGif::build(file));
    return gif;
}

QRgb shownColor(const Image& image)
{
    const QImage frame = image.currentFrame();
    return frame.isNull() ? 0 : frame.pixel(0, 0);
}

// A cream window holding one image control.
struct Scene {
    QWidget window;
    Image* image = new Image(&window);

    Scene()
    {
        window.resize(100, 100);
        window.setAutoFillBackground(true);
        QPalette palette;
        palette.setColor(QPalette::Window, QColor::fromRgb(cream));
        window.setPalette(palette);
        image->setGeometry(10, 10, 40, 40);
    }
};

} // namespace

class TestImageControl final : public QObject {
    Q_OBJECT
private slots:
    void destinationRect_data();
    void destinationRect();
    void transparentBitmapShowsTheParent();
    void jpegIsNeverTransparent();
    void scaledDrawing();
    void scaledScreens_data();
    void scaledScreens();
    void animationStartsOnFirstPaint();
    void replacingClearingAndSettingsStopThePlayer();
    void stillGifsNeedNoPlayer();
    void playerStopsOnItsLastFrame();
    void destroyingWhileAnimating();
    void hiddenAnimationRests_data();
    void hiddenAnimationRests();
    void finishedAnimationReplaysWhenShownAgain();
    void failedLoadKeepsThePicture();
    void clickAndHint();
};

void TestImageControl::destinationRect_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<bool>("center");
    QTest::addColumn<bool>("proportional");
    QTest::addColumn<bool>("stretch");
    QTest::addColumn<QRect>("expected"); // in a 100 x 80 box

    QTest::newRow("plain") << QSize(20, 10) << false << false << false << QRect(0, 0, 20, 10);
    QTest::newRow("centred") << QSize(20, 10) << true << false << false << QRect(40, 35, 20, 10);
    QTest::newRow("proportional never enlarges") << QSize(20, 10) << false << true << false << QRect(0, 0, 20, 10);
    QTest::newRow("proportional shrinks wide") << QSize(200, 50) << false << true << false << QRect(0, 0, 100, 25);
    QTest::newRow("proportional shrinks tall") << QSize(50, 160) << false << true << false << QRect(0, 0, 25, 80);
    QTest::newRow("proportional, one side too big") << QSize(120, 40) << false << true << false << QRect(0, 0, 100, 33);
    QTest::newRow("wide but box-limited by height") << QSize(300, 280) << false << true << false << QRect(0, 0, 85, 80);
    QTest::newRow("proportional centred") << QSize(200, 50) << true << true << false << QRect(0, 27, 100, 25);
    QTest::newRow("stretch") << QSize(20, 10) << false << false << true << QRect(0, 0, 100, 80);
    QTest::newRow("stretch ignores center") << QSize(20, 10) << true << false << true << QRect(0, 0, 100, 80);
    QTest::newRow("stretch proportional enlarges") << QSize(20, 10) << false << true << true << QRect(0, 0, 100, 50);
    QTest::newRow("stretch proportional centred") << QSize(20, 10) << true << true << true << QRect(0, 15, 100, 50);
    QTest::newRow("larger, not scaled") << QSize(200, 100) << false << false << false << QRect(0, 0, 200, 100);
    QTest::newRow("larger, centred") << QSize(200, 100) << true << false << false << QRect(-50, -10, 200, 100);
}

void TestImageControl::destinationRect()
{
    QFETCH(QSize, picture);
    QFETCH(bool, center);
    QFETCH(bool, proportional);
    QFETCH(bool, stretch);
    QFETCH(QRect, expected);
    QCOMPARE(Image::destinationRect(picture, QSize(100, 80), center, proportional, stretch), expected);

    // The control itself uses the same rule with its own size and settings.
    Image image;
    image.resize(100, 80);
    QImage still(picture, QImage::Format_RGB32);
    still.fill(Qt::red);
    image.setPicture(Picture::fromImage(still));
    image.setCenter(center);
    image.setProportional(proportional);
    image.setStretch(stretch);
    QCOMPARE(image.destinationRect(), expected);
}

void TestImageControl::transparentBitmapShowsTheParent()
{
    // White background (the bottom-left pixel) with a red square in the middle.
    QImage bitmap(20, 20, QImage::Format_RGB32);
    bitmap.fill(Qt::white);
    for (int y = 5; y < 15; ++y)
        for (int x = 5; x < 15; ++x)
            bitmap.setPixel(x, y, red);
    for (bool transparent : {true, false}) {
        Scene scene;
        scene.image->setTransparent(transparent);
        scene.image->setPicture(Picture::fromImage(bitmap));
        const QImage shot = scene.window.grab().toImage();
        QCOMPARE(shot.pixel(10 + 10, 10 + 10), red);
        QCOMPARE(shot.pixel(10 + 1, 10 + 1), transparent ? cream : 0xFFFFFFFF);
        // Outside the picture, inside the control: always the parent.
        QCOMPARE(shot.pixel(10 + 30, 10 + 30), cream);
    }
    // The background colour is the bottom-left pixel's, wherever else it appears.
    QImage corner = bitmap;
    corner.setPixel(0, 19, red);
    const QImage result = Image::withTransparentBackground(corner);
    QCOMPARE(qAlpha(result.pixel(10, 10)), 0);
    QCOMPARE(result.pixel(1, 1), 0xFFFFFFFF);
}

void TestImageControl::jpegIsNeverTransparent()
{
    QTemporaryDir dir;
    QImage white(8, 8, QImage::Format_RGB32);
    white.fill(Qt::white);
    const QString path = dir.filePath(QStringLiteral("w.jpg"));
    QVERIFY(white.save(path, "JPEG", 100));
    Scene scene;
    scene.image->setTransparent(true);
    scene.image->setPicture(Picture::loadFromFile(path));
    QCOMPARE(qAlpha(scene.image->currentFrame().pixel(0, 0)), 255);
    QVERIFY(qRed(scene.window.grab().toImage().pixel(12, 12)) > 250);
    QVERIFY(qBlue(scene.window.grab().toImage().pixel(12, 12)) > 250);
}

void TestImageControl::scaledDrawing()
{
    // A 80 x 20 picture shrunk into the 40 x 40 box: 40 x 10 from the top-left corner.
    QImage wide(80, 20, QImage::Format_RGB32);
    wide.fill(Qt::blue);
    Scene scene;
    scene.image->setProportional(true);
    scene.image->setPicture(Picture::fromImage(wide));
    const QImage shot = scene.window.grab().toImage();
    QCOMPARE(shot.pixel(10 + 39, 10 + 5), blue);
    QCOMPARE(shot.pixel(10 + 20, 10 + 12), cream);
    QCOMPARE(shot.pixel(10 + 41, 10 + 5), cream);
}

void TestImageControl::scaledScreens_data()
{
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<bool>("filtered");
    QTest::newRow("1") << 1.0 << false;
    QTest::newRow("1.5") << 1.5 << true;
    QTest::newRow("2") << 2.0 << false;
    QTest::newRow("1.25") << 1.25 << true;
}

// A picture at its own size on a scaled screen: on a whole-number scale each pixel becomes an even block of
// the picture's own colours; on a fractional scale it is filtered, so blended colours appear, never blocks of
// uneven size.
void TestImageControl::scaledScreens()
{
    QFETCH(qreal, scale);
    QFETCH(bool, filtered);
    QImage stripes(20, 20, QImage::Format_RGB32);
    for (int y = 0; y < stripes.height(); ++y)
        for (int x = 0; x < stripes.width(); ++x)
            stripes.setPixel(x, y, x % 2 ? 0xFFFFFFFF : 0xFF000000);
    Image image;
    image.resize(20, 20);
    image.setPicture(Picture::fromImage(stripes));

    QImage target(qCeil(20 * scale), qCeil(20 * scale), QImage::Format_RGB32);
    target.setDevicePixelRatio(scale);
    target.fill(Qt::red);
    image.render(&target);
    QSet<QRgb> colours;
    for (int y = 0; y < target.height() - 1; ++y)
        for (int x = 0; x < target.width() - 1; ++x)
            colours.insert(target.pixel(x, y));
    QVERIFY(!colours.contains(qRgb(255, 0, 0)));
    if (filtered) {
        QVERIFY2(colours.size() > 2, qPrintable(QString::number(colours.size())));
    } else {
        QCOMPARE(colours, (QSet<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)}));
        // Each picture column is exactly `scale` device pixels wide.
        for (int x = 0; x < target.width() - 1; ++x)
            QCOMPARE(target.pixel(x, 0), (x / int(scale)) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    }
}

void TestImageControl::animationStartsOnFirstPaint()
{
    Scene scene;
    scene.image->setPicture(Picture::fromGif(threeFrames()));
    // Not shown yet: nothing has painted it, so no player runs.
    QVERIFY(!scene.image->isAnimating());
    QCOMPARE(shownColor(*scene.image), red);
    scene.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
    QTRY_VERIFY(scene.image->isAnimating());
    QTRY_COMPARE_WITH_TIMEOUT(shownColor(*scene.image), green, 1000);
    QTRY_COMPARE_WITH_TIMEOUT(shownColor(*scene.image), blue, 1000);
    // And round again.
    QTRY_COMPARE_WITH_TIMEOUT(shownColor(*scene.image), red, 1000);
    // What the window shows follows the frames.
    QTRY_COMPARE_WITH_TIMEOUT(scene.window.grab().toImage().pixel(11, 11), green, 1000);
}

void TestImageControl::replacingClearingAndSettingsStopThePlayer()
{
    Scene scene;
    scene.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
    Image& image = *scene.image;

    image.setPicture(Picture::fromGif(threeFrames()));
    QTRY_VERIFY(image.isAnimating());
    QTRY_COMPARE_WITH_TIMEOUT(shownColor(image), green, 1000);
    image.setCenter(true);
    QVERIFY(!image.isAnimating());
    // The next paint starts the animation again from its first frame.
    QCOMPARE(shownColor(image), red);
    QTRY_VERIFY(image.isAnimating());

    QImage still(4, 4, QImage::Format_RGB32);
    still.fill(Qt::blue);
    image.setPicture(Picture::fromImage(still));
    QVERIFY(!image.isAnimating());
    QCOMPARE(shownColor(image), blue);
    QTest::qWait(100);
    QCOMPARE(shownColor(image), blue);

    image.setPicture(Picture::fromGif(threeFrames()));
    QTRY_VERIFY(image.isAnimating());
    image.clear();
    QVERIFY(!image.isAnimating());
    QVERIFY(image.picture().isNull());
    QVERIFY(image.currentFrame().isNull());
}

void TestImageControl::stillGifsNeedNoPlayer()
{
    Scene scene;
    scene.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
    GifImage gif = threeFrames();
    gif.setAnimate(false);
    scene.image->setPicture(Picture::fromGif(gif));
    QTest::qWait(150);
    QVERIFY(!scene.image->isAnimating());
    QCOMPARE(shownColor(*scene.image), red);

    TestGif::File single;
    single.frames = {TestGif::solid(QRect(0, 0, 4, 4), 2, 3)};
    GifImage one;
    one.loadFromData(TestGif::build(single));
    scene.image->setPicture(Picture::fromGif(one));
    QTest::qWait(50);
    QVERIFY(!scene.image->isAnimating());
    QCOMPARE(shownColor(*scene.image), green);
}

void TestImageControl::playerStopsOnItsLastFrame()
{
    Scene scene;
    scene.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
    scene.image->setPicture(Picture::fromGif(threeFrames(-1))); // no looping extension: one pass
    QTRY_VERIFY(scene.image->isAnimating());
    QTRY_VERIFY_WITH_TIMEOUT(!scene.image->isAnimating(), 2000);
    QCOMPARE(shownColor(*scene.image), blue);
    QCOMPARE(scene.window.grab().toImage().pixel(11, 11), blue);
}

void TestImageControl::destroyingWhileAnimating()
{
    auto scene = std::make_unique<Scene>();
    scene->window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&scene->window));
    scene->image->setPicture(Picture::fromGif(threeFrames()));
    QTRY_VERIFY(scene->image->isAnimating());
    QTest::qWait(50);
    scene.reset();
    // Any timer of the destroyed player must be gone with it.
    QTest::qWait(100);
}

// Waits until the control shows another colour than `now` (polling often, frames last 120 ms).
QRgb nextColor(const Image& image, QRgb now)
{
    QElapsedTimer clock;
    clock.start();
    while (shownColor(image) == now && clock.elapsed() < 2000)
        QTest::qWait(5);
    return shownColor(image);
}

void TestImageControl::hiddenAnimationRests_data()
{
    QTest::addColumn<bool>("wholeWindow");
    QTest::newRow("image control hidden") << false;
    QTest::newRow("window hidden") << true;
}

void TestImageControl::hiddenAnimationRests()
{
    QFETCH(bool, wholeWindow);
    TestGif::File file;
    file.frames = {TestGif::solid(QRect(0, 0, 4, 4), 1, 10), TestGif::solid(QRect(0, 0, 4, 4), 2, 10),
                   TestGif::solid(QRect(0, 0, 4, 4), 3, 10)};
    file.frames[0].loopCount = 0;
    GifImage gif;
    gif.loadFromData(TestGif::build(file));
    Scene scene;
    scene.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
    Image& image = *scene.image;
    image.setPicture(Picture::fromGif(gif));
    QTRY_VERIFY(image.isAnimating());
    QCOMPARE(nextColor(image, red), green);

    QWidget& hidden = wholeWindow ? static_cast<QWidget&>(scene.window) : image;
    hidden.hide();
    QVERIFY(!image.isAnimating());
    QTest::qWait(400);
    QCOMPARE(shownColor(image), green);

    // Shown again, it goes on from where it rested.
    hidden.show();
    QVERIFY(image.isAnimating());
    QCOMPARE(nextColor(image, green), blue);
    QCOMPARE(nextColor(image, blue), red);
}

void TestImageControl::finishedAnimationReplaysWhenShownAgain()
{
    Scene scene;
    scene.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
    Image& image = *scene.image;
    image.setPicture(Picture::fromGif(threeFrames(-1))); // one pass
    QTRY_VERIFY(image.isAnimating());
    QTRY_VERIFY_WITH_TIMEOUT(!image.isAnimating(), 2000);
    QCOMPARE(shownColor(image), blue);
    // Painted again while it stays shown, it keeps its last frame.
    image.repaint();
    QVERIFY(!image.isAnimating());
    QCOMPARE(shownColor(image), blue);

    // Drawn again after being hidden and shown, it plays once more from its first frame.
    image.hide();
    image.show();
    image.repaint();
    QVERIFY(image.isAnimating());
    QCOMPARE(shownColor(image), red);
    QTRY_VERIFY_WITH_TIMEOUT(!image.isAnimating(), 2000);
    QCOMPARE(shownColor(image), blue);
}

void TestImageControl::failedLoadKeepsThePicture()
{
    QTemporaryDir dir;
    Image image;
    QImage still(3, 3, QImage::Format_RGB32);
    still.fill(Qt::green);
    image.setPicture(Picture::fromImage(still));
    QVERIFY_THROWS_EXCEPTION(Error, image.loadFromFile(dir.filePath(QStringLiteral("missing.bmp"))));
    QCOMPARE(image.picture().size(), QSize(3, 3));
    QCOMPARE(shownColor(image), green);
}

void TestImageControl::clickAndHint()
{
    Scene scene;
    scene.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
    QSignalSpy clicks(scene.image, &Image::clicked);
    QTest::mouseClick(scene.image, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
    QTest::mouseClick(scene.image, Qt::RightButton);
    QCOMPARE(clicks.count(), 1);
    scene.image->setHint(QStringLiteral("На главную"));
    QCOMPARE(scene.image->toolTip(), QStringLiteral("На главную"));
    scene.image->setHint(QString());
    QVERIFY(scene.image->toolTip().isEmpty());
}

QTEST_MAIN(TestImageControl)
#include "tst_image.moc"
