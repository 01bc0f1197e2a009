// SPDX-License-Identifier: MIT
// Feeds the BMP, JPEG and GIF decoders (and the GIF player's composition) damaged versions of pictures it
// makes itself: every truncation, random bit flips and huge declared sizes. In the sanitizer build any
// memory error or undefined behaviour ends the run; a damaged file may load or throw Error, nothing else.
// Exit status 1 when a huge declared size was not refused or an Error had no message.

#include "tst_encoded.h"
#include "tst_gifbuilder.h"

#include "pictures/BmpDecoder.h"
#include "pictures/GifImage.h"
#include "pictures/GifPlayback.h"
#include "pictures/JpegDecoder.h"
#include "platform/Error.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QRandomGenerator>

#include <cstdio>
#include <functional>

namespace {

constexpr int flipsPerFile = 400;
constexpr qsizetype maxTruncations = 400;

struct Counts {
    int inputs = 0;
    int refused = 0;
    int failures = 0;
};

using Decoder = std::function<void(const QByteArray&)>;

void decodeGif(const QByteArray& data)
{
    GifImage gif;
    gif.loadFromData(data);
    qint64 now = 0;
    GifPlayback playback(gif, [&now] { return now; });
    std::optional<qint64> wait = playback.start();
    for (int step = 0; wait && step < 3 * gif.frameCount() + 3; ++step) {
        now += std::max<qint64>(*wait, 0) + step;
        wait = playback.advance();
    }
}

// Returns true when the decoder threw Error (whose message goes to `message`).
bool run(const Decoder& decode, const QByteArray& data, Counts& counts, QString* message = nullptr)
{
    ++counts.inputs;
    try {
        decode(data);
    } catch (const Error& error) {
        if (message)
            *message = error.message();
        ++counts.refused;
        if (error.message().isEmpty()) {
            std::fprintf(stderr, "an Error without a message\n");
            ++counts.failures;
        }
        return true;
    }
    return false;
}

void damage(const char* name, const Decoder& decode, const QByteArray& good, Counts& counts)
{
    QString message;
    if (run(decode, good, counts, &message)) {
        std::fprintf(stderr, "%s: the undamaged file does not load: %s\n", name, qPrintable(message));
        ++counts.failures;
    }
    const qsizetype step = std::max<qsizetype>(1, good.size() / maxTruncations);
    for (qsizetype length = 0; length < good.size(); length += step)
        run(decode, good.left(length), counts);
    QRandomGenerator random(qHash(QByteArray(name)));
    for (int i = 0; i < flipsPerFile; ++i) {
        QByteArray data = good;
        const int flips = 1 + random.bounded(4);
        for (int f = 0; f < flips; ++f)
            data[random.bounded(int(data.size()))] ^= char(1 << random.bounded(8));
        run(decode, data, counts);
    }
}

void mustRefuse(const char* name, const Decoder& decode, const QByteArray& data, Counts& counts)
{
    if (!run(decode, data, counts)) {
        std::fprintf(stderr, "%s: a huge declared size was accepted\n", name);
        ++counts.failures;
    }
}

QImage testPicture()
{
    QImage image(37, 23, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 7, y * 11, (x ^ y) * 5));
    return image;
}

QByteArray patched(QByteArray data, qsizetype at, const QByteArray& bytes)
{
    data.replace(at, bytes.size(), bytes);
    return data;
}

// A 4 x 2 RLE8 bitmap with a two-colour palette: a run, a literal run, an end of line, a delta and the end.
QByteArray rle8Bitmap()
{
    QByteArray pixels("\x02\x01\x02\x00\x00\x00" // row 0: two runs, end of line
                      "\x00\x03\x01\x00\x01\x00" // row 1: three literal pixels, padded
                      "\x00\x02\x01\x00"         // delta one pixel right
                      "\x00\x01",                // end of bitmap
                      18);
    QByteArray out("BM");
    auto u32 = [&out](quint32 v) {
        for (int i = 0; i < 4; ++i)
            out.append(char((v >> (8 * i)) & 0xFF));
    };
    const quint32 offset = 14 + 40 + 8;
    u32(offset + quint32(pixels.size()));
    u32(0);
    u32(offset);
    u32(40);
    u32(4);
    u32(2);
    out.append("\x01\x00\x08\x00", 4);
    u32(1); // RLE8
    u32(quint32(pixels.size()));
    u32(2835);
    u32(2835);
    u32(2);
    u32(0);
    out.append("\x00\x00\x00\x00\xFF\xFF\xFF\x00", 8);
    out.append(pixels);
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    // Qt's BMP reader complains about palette indices of damaged files; the damage is the point here.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    Counts counts;
    const Decoder bmp = [](const QByteArray& d) { BmpDecoder::decode(d); };
    const Decoder jpeg = [](const QByteArray& d) { JpegDecoder::decode(d); };
    const QImage picture = testPicture();

    const QByteArray bmp32 = encoded(picture, "BMP");
    damage("bmp 32-bit", bmp, bmp32, counts);
    damage("bmp 8-bit", bmp, encoded(picture.convertToFormat(QImage::Format_Indexed8), "BMP"), counts);
    damage("bmp 1-bit", bmp, encoded(picture.convertToFormat(QImage::Format_Mono), "BMP"), counts);
    damage("bmp rle8", bmp, rle8Bitmap(), counts);
    mustRefuse("bmp huge", bmp, patched(bmp32, 18, QByteArray("\x00\x00\x01\x00\x00\x00\x01\x00", 8)), counts);
    mustRefuse("bmp huge height", bmp, patched(bmp32, 22, QByteArray("\x00\x00\x00\x80", 4)), counts);

    const QByteArray baseline = encoded(picture, "JPEG");
    damage("jpeg baseline", jpeg, baseline, counts);
    damage("jpeg progressive", jpeg, encoded(picture, "JPEG", -1, true), counts);
    damage("jpeg grey", jpeg, encoded(picture.convertToFormat(QImage::Format_Grayscale8), "JPEG"), counts);
    const qsizetype sof = baseline.indexOf("\xFF\xC0");
    mustRefuse("jpeg huge", jpeg, patched(baseline, sof + 5, QByteArray("\xFF\xFF\xFF\xFF", 4)), counts);

    TestGif::File gif;
    gif.size = QSize(9, 7);
    gif.frames = {TestGif::solid(QRect(0, 0, 9, 7), 1, 0), TestGif::solid(QRect(2, 1, 4, 4), 2, 3, 2),
                  TestGif::solid(QRect(1, 1, 3, 5), 3, 10, 3), TestGif::solid(QRect(0, 0, 2, 2), 0, 1, 5)};
    gif.frames[0].loopCount = 0;
    gif.frames[1].transparent = 0;
    gif.frames[2].interlaced = true;
    gif.frames[2].localColors = {qRgb(1, 2, 3), qRgb(4, 5, 6), qRgb(7, 8, 9), qRgb(10, 11, 12)};
    const QByteArray gifData = TestGif::build(gif);
    damage("gif", decodeGif, gifData, counts);
    // Logical screen 65535 x 65535, then one image of that size inside a small screen.
    mustRefuse("gif huge screen", decodeGif, patched(gifData, 6, QByteArray("\xFF\xFF\xFF\xFF", 4)), counts);
    TestGif::File hugeFrame = gif;
    hugeFrame.frames[1].rect = QRect(0, 0, 65535, 65535);
    hugeFrame.frames[1].rawImageData = QByteArray("\x02\x01\x04\x00", 4);
    mustRefuse("gif huge image", decodeGif, TestGif::build(hugeFrame), counts);

    std::printf("%d damaged inputs: %d refused with an error, %d loaded; %d failures\n", counts.inputs, counts.refused,
                counts.inputs - counts.refused, counts.failures);
    return counts.failures == 0 ? 0 : 1;
}
