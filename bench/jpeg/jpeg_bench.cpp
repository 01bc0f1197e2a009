// SPDX-License-Identifier: MIT
// Decodes a JPEG file with the program's decoder (libjpeg through JpegDecoder, into a QImage), RUNS times after
// reading it once, and prints the median, the fastest and the slowest decode and the throughput in megapixels
// per second. Exits with 1 when the file cannot be read or decoded.
#include "pictures/JpegDecoder.h"
#include "platform/Error.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: bench_jpeg FILE [RUNS]\n");
        return 2;
    }
    const int runs = args.size() > 2 ? std::max(1, args[2].toInt()) : 31;
    QFile file(args[1]);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(args[1]));
        return 1;
    }
    const QByteArray data = file.readAll();
    std::vector<double> ms;
    QSize size;
    try {
        for (int run = 0; run < runs; ++run) {
            QElapsedTimer timer;
            timer.start();
            const QImage image = JpegDecoder::decode(data);
            ms.push_back(double(timer.nsecsElapsed()) / 1e6);
            size = image.size();
        }
    } catch (const Error& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        return 1;
    }
    std::sort(ms.begin(), ms.end());
    const double median = ms[ms.size() / 2];
    std::printf("decode %s (%d x %d): median %.2f ms, min %.2f ms, max %.2f ms, %.1f Mpixel/s (%d runs)\n",
                qPrintable(args[1]), size.width(), size.height(), median, ms.front(), ms.back(),
                double(size.width()) * size.height() / (median * 1e3), runs);
    return 0;
}
