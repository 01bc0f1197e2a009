// SPDX-License-Identifier: MIT
// picdump FILE OUTDIR: loads FILE through the program's own loaders and writes the frames of one pass as
// OUTDIR/frame-000.png, frame-001.png ..., each the picture composed after that frame (transparent setting
// on, from a fully transparent canvas); prints "frame N delay_ms M disposal D" per frame, M being the wait
// after frame N at speed 100 for a player on time. On a load failure it prints the message and exits with 1.

#include "pictures/GifComposer.h"
#include "pictures/GifTiming.h"
#include "pictures/Picture.h"
#include "platform/Error.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>

#include <cstdio>

namespace {

bool writeFrame(const QString& outDir, int index, const QImage& image)
{
    const QString path = QDir(outDir).filePath(QStringLiteral("frame-%1.png").arg(index, 3, 10, QLatin1Char('0')));
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "Cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

int dump(const QString& file, const QString& outDir)
{
    Picture picture = Picture::loadFromFile(file);
    if (!QDir().mkpath(outDir))
        throw Error::cannotOpen(QDir(outDir).absolutePath(), QStringLiteral("Cannot create the folder"));
    if (picture.kind() != Picture::Kind::Gif) {
        std::printf("frame 0 delay_ms 0 disposal 0\n");
        return writeFrame(outDir, 0, picture.image()) ? 0 : 1;
    }
    GifImage gif = *picture.gif();
    gif.setTransparent(true);
    GifComposer composer(gif);
    const auto& frames = gif.data().frames;
    for (int i = 0; i < int(frames.size()) && frames[size_t(i)].hasPixels(); ++i) {
        const GifFrame& frame = frames[size_t(i)];
        composer.compose(i);
        std::printf("frame %d delay_ms %d disposal %d\n", i, GifTiming::delayUnits(frame) * GifTiming::msPerDelayUnit,
                    frame.hasControl ? frame.disposal : 0);
        if (!writeFrame(outDir, i, composer.canvas()))
            return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: picdump FILE OUTDIR\n");
        return 2;
    }
    try {
        return dump(args[1], args[2]);
    } catch (const Error& error) {
        std::printf("%s\n", error.what());
        return 1;
    }
}
