// SPDX-License-Identifier: MIT
// Worst-case cost of small hostile picture files (run offscreen: QT_QPA_PLATFORM=offscreen). Each file is
// made here, written to a temporary folder and then handled as a screen would: loaded by extension, put into
// a 33 x 33 image control and painted once. Prints, per file, the median of three runs in CPU time of the
// user-interface thread (steady on a shared machine) and in wall-clock time, with what came of the file
// (loaded, or the error it gave), and the CPU time it takes in the second after (an animation goes on playing);
// then the worst of them. Memory is the peak resident size of the process.

#include "tst_encoded.h"
#include "tst_gifbuilder.h"

#include "controls/Image.h"
#include "pictures/Picture.h"
#include "platform/Error.h"

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTimer>

#include <gif_lib.h>
#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

int appendToArray(GifFileType* gif, const GifByteType* data, int length)
{
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
    return length;
}

// A GIF of `frames` images, each `frame` in size and one colour, on a logical screen of `screen`, written
// by giflib's encoder (which compresses a run of one colour about a thousandfold); looping forever if asked.
QByteArray uniformGif(QSize screen, QSize frame, int frames, bool loop = false)
{
    QByteArray out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, appendToArray, &error);
    GifColorType colors[2] = {{0, 0, 0}, {255, 0, 0}};
    ColorMapObject* map = GifMakeMapObject(2, colors);
    EGifSetGifVersion(gif, true);
    EGifPutScreenDesc(gif, screen.width(), screen.height(), 1, 0, map);
    if (loop) {
        const GifByteType application[] = "NETSCAPE2.0";
        const GifByteType count[] = {1, 0, 0};
        EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE);
        EGifPutExtensionBlock(gif, 11, application);
        EGifPutExtensionBlock(gif, 3, count);
        EGifPutExtensionTrailer(gif);
    }
    std::vector<GifPixelType> line(size_t(frame.width()), 1);
    for (int i = 0; i < frames; ++i) {
        const GifByteType control[4] = {0, 3, 0, 0};
        EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, control);
        EGifPutImageDesc(gif, 0, 0, frame.width(), frame.height(), false, nullptr);
        for (int y = 0; y < frame.height(); ++y)
            EGifPutLine(gif, line.data(), frame.width());
    }
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    return out;
}

// A small JPEG whose frame header is changed to declare width x height; its scan then ends long before the
// picture does.
QByteArray jpegDeclaring(int width, int height, bool progressive)
{
    QImage image(64, 64, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray data = encoded(image, "JPEG", -1, progressive);
    const qsizetype sof = data.indexOf(progressive ? "\xFF\xC2" : "\xFF\xC0");
    const char size[4] = {char(height >> 8), char(height & 0xFF), char(width >> 8), char(width & 0xFF)};
    data.replace(sof + 5, 4, QByteArray(size, 4));
    return data;
}

// A progressive JPEG whose scans are repeated `repeats` more times before the end marker.
QByteArray jpegWithRepeatedScans(int side, int repeats)
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    const QByteArray data = encoded(image, "JPEG", -1, true);
    const qsizetype firstScan = data.indexOf("\xFF\xDA");
    const QByteArray scans = data.mid(firstScan, data.size() - 2 - firstScan);
    QByteArray out = data.left(firstScan);
    for (int i = 0; i <= repeats; ++i)
        out += scans;
    return out + QByteArray("\xFF\xD9", 2);
}

// An 8-bit RLE bitmap of width x height whose data is only the end-of-bitmap code.
QByteArray emptyRleBitmap(int width, int height)
{
    QByteArray out("BM");
    auto u32 = [&out](quint32 v) {
        for (int i = 0; i < 4; ++i)
            out.append(char((v >> (8 * i)) & 0xFF));
    };
    const quint32 offset = 14 + 40 + 8;
    u32(offset + 2);
    u32(0);
    u32(offset);
    u32(40);
    u32(quint32(width));
    u32(quint32(height));
    out.append("\x01\x00\x08\x00", 4);
    u32(1); // RLE8
    u32(2);
    u32(2835);
    u32(2835);
    u32(2);
    u32(0);
    out.append("\x00\x00\x00\x00\xFF\xFF\xFF\x00", 8);
    out.append("\x00\x01", 2);
    return out;
}

struct Case {
    const char* name;
    const char* fileName;
    std::function<QByteArray()> make;
};

double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1000.0 + double(now.tv_nsec) / 1e6;
}

qint64 peakKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const std::vector<Case> cases = {
        {"GIF: 5 frames of 4000 x 4000 on a 1 x 1 screen", "five.gif",
         [] { return uniformGif(QSize(1, 1), QSize(4000, 4000), 5); }},
        {"GIF: 40 frames of 4000 x 4000 on a 1 x 1 screen", "forty.gif",
         [] { return uniformGif(QSize(1, 1), QSize(4000, 4000), 40); }},
        {"GIF: 4 frames of 8000 x 8000 on an 8000 x 8000 screen", "screen.gif",
         [] { return uniformGif(QSize(8000, 8000), QSize(8000, 8000), 4); }},
        {"GIF: 100000 frames of 1 x 1", "many.gif", [] { return uniformGif(QSize(1, 1), QSize(1, 1), 100000); }},
        {"GIF: 2 frames of 1 x 1 on an 8000 x 8000 screen, looping", "wide.gif",
         [] { return uniformGif(QSize(8000, 8000), QSize(1, 1), 2, true); }},
        {"JPEG: baseline declaring 8000 x 8000", "baseline.jpg", [] { return jpegDeclaring(8000, 8000, false); }},
        {"JPEG: progressive declaring 8000 x 8000", "progressive.jpg", [] { return jpegDeclaring(8000, 8000, true); }},
        {"JPEG: 1024 x 1024 progressive with its scans 95 times", "scans.jpg",
         [] { return jpegWithRepeatedScans(1024, 95); }},
        {"JPEG: 4000 x 4000 progressive with its scans 20 times", "bigscans.jpg",
         [] { return jpegWithRepeatedScans(4000, 20); }},
        {"BMP: RLE8 5000 x 5000 with only the end code", "rle.bmp", [] { return emptyRleBitmap(5000, 5000); }},
    };

    QWidget window;
    window.resize(100, 100);
    auto* image = new Image(&window);
    image->setGeometry(10, 10, 33, 33);
    image->setCenter(true);
    image->setProportional(true);
    window.show();

    double worst = 0;
    const char* worstName = "";
    for (const Case& c : cases) {
        const QByteArray data = c.make();
        const QString path = dir.filePath(QString::fromLatin1(c.fileName));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
            return 1;
        file.close();
        std::vector<double> runs;
        std::vector<double> wall;
        double afterwards = 0;
        QString outcome;
        for (int run = 0; run < 3; ++run) {
            QElapsedTimer clock;
            clock.start();
            const double cpuBefore = threadCpuMs();
            try {
                image->setPicture(Picture::loadFromFile(path));
                image->repaint();
                outcome = QStringLiteral("loads, %1 x %2")
                              .arg(image->picture().size().width())
                              .arg(image->picture().size().height());
            } catch (const Error& error) {
                outcome = error.message();
            }
            runs.push_back(threadCpuMs() - cpuBefore);
            wall.push_back(double(clock.nsecsElapsed()) / 1e6);
            if (run == 0) {
                const double shownFrom = threadCpuMs();
                QEventLoop loop;
                QTimer::singleShot(1000, &loop, &QEventLoop::quit);
                loop.exec();
                afterwards = threadCpuMs() - shownFrom;
            }
            image->clear();
        }
        std::sort(runs.begin(), runs.end());
        std::sort(wall.begin(), wall.end());
        std::printf("%-56s %7lld bytes  CPU %7.1f ms  wall %7.1f ms  next second %6.1f ms  %s\n", c.name,
                    qint64(data.size()), runs[1], wall[1], afterwards, qPrintable(outcome));
        if (runs[1] > worst) {
            worst = runs[1];
            worstName = c.name;
        }
    }
    std::printf("worst: CPU %.1f ms (%s); peak resident size %lld KiB\n", worst, worstName, peakKiB());
    return 0;
}
