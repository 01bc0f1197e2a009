// SPDX-License-Identifier: MIT
// Benchmark of the GIF player (run offscreen: QT_QPA_PLATFORM=offscreen).
// 1. Frame waits: a GIF with delays 0, 1, 2, 10 and 50 units, looping, played by GifPlayer with real timers;
//    the time between shown frames is compared with the schedule (120, 36, 36, 120, 600 ms at speed 100).
// 2. CPU cost: an Image control animating a 33 x 33, 8-frame GIF in a shown window for 10 s (getrusage).

#include "tst_gifbuilder.h"

#include "controls/Image.h"
#include "pictures/GifPlayer.h"
#include "pictures/GifTiming.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr int scheduleDelays[] = {0, 1, 2, 10, 50};
constexpr int measuredPasses = 8;
constexpr int cpuSeconds = 10;

GifImage scheduleGif()
{
    TestGif::File file;
    for (int i = 0; i < 5; ++i)
        file.frames.push_back(TestGif::solid(QRect(0, 0, 4, 4), i % 4, scheduleDelays[i]));
    file.frames[0].loopCount = 0;
    GifImage gif;
    gif.loadFromData(TestGif::build(file));
    return gif;
}

GifImage logoGif()
{
    TestGif::File file;
    file.size = QSize(33, 33);
    constexpr int frames = 8;
    for (int i = 0; i < frames; ++i) {
        TestGif::Frame frame = TestGif::solid(QRect(0, 0, 33, 33), 0, 10, 2);
        for (int y = 0; y < 33; ++y)
            for (int x = 0; x < 33; ++x)
                frame.pixels[y * 33 + x] = char(((x + y + i * 4) / 8) % 4);
        frame.transparent = 0;
        file.frames.push_back(frame);
    }
    file.frames[0].loopCount = 0;
    GifImage gif;
    gif.loadFromData(TestGif::build(file));
    return gif;
}

// Counts the paint events of the watched control, to show that it really animated.
class PaintCounter final : public QObject {
public:
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    const size_t index = std::min(values.size() - 1, size_t(std::ceil(p / 100.0 * double(values.size()))) - 1);
    return values[index];
}

double cpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
}

void measureWaits()
{
    GifPlayer player(scheduleGif());
    QElapsedTimer clock;
    std::vector<qint64> shownAtNs;
    const size_t wanted = size_t(measuredPasses * 5 + 1);
    QEventLoop loop;
    QObject::connect(&player, &GifPlayer::frameShown, [&] {
        shownAtNs.push_back(clock.nsecsElapsed());
        if (shownAtNs.size() == wanted)
            loop.quit();
    });
    clock.start();
    player.start();
    loop.exec();
    player.stop();

    std::vector<double> deviations;
    std::vector<double> perDelay[5];
    for (size_t i = 1; i < shownAtNs.size(); ++i) {
        // The wait before frame i follows the frame before it.
        const int previous = int((i - 1) % 5);
        GifFrame frame;
        frame.hasControl = true;
        frame.delay = scheduleDelays[previous];
        const double scheduled = GifTiming::delayUnits(frame) * GifTiming::msPerDelayUnit;
        const double actual = double(shownAtNs[i] - shownAtNs[i - 1]) / 1e6;
        deviations.push_back(std::abs(actual - scheduled));
        perDelay[previous].push_back(actual - scheduled);
    }
    std::printf("frame waits: %zu intervals over %d passes\n", deviations.size(), measuredPasses);
    for (int d = 0; d < 5; ++d) {
        double sum = 0;
        for (double v : perDelay[d])
            sum += v;
        std::printf("  after delay %2d units: mean deviation %+.3f ms\n", scheduleDelays[d],
                    sum / double(perDelay[d].size()));
    }
    std::printf("  |deviation| median %.3f ms, 95th percentile %.3f ms, max %.3f ms\n", percentile(deviations, 50),
                percentile(deviations, 95), *std::max_element(deviations.begin(), deviations.end()));
}

void measureCpu()
{
    QWidget window;
    window.resize(100, 100);
    auto* image = new Image(&window);
    image->setGeometry(10, 10, 33, 33);
    image->setCenter(true);
    image->setPicture(Picture::fromGif(logoGif()));
    window.show();
    QEventLoop settle;
    QTimer::singleShot(200, &settle, &QEventLoop::quit);
    settle.exec();

    PaintCounter paints;
    image->installEventFilter(&paints);
    const double before = cpuMs();
    QElapsedTimer wall;
    wall.start();
    QEventLoop loop;
    QTimer::singleShot(cpuSeconds * 1000, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
    const double used = cpuMs() - before;
    std::printf("Image animating a 33 x 33, 8-frame GIF (120 ms a frame) for %.1f s: %d repaints, CPU %.1f ms "
                "(%.3f%% of one core)\n",
                double(wall.elapsed()) / 1000.0, paints.count, used, used / double(wall.elapsed()) * 100.0);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    measureWaits();
    measureCpu();
    return 0;
}
