// SPDX-License-Identifier: MIT
#include "GifAnimation.h"

#include "platform/Error.h"

#include <gif_lib.h>

#include <climits>
#include <memory>

namespace {

constexpr int kTransparentIndex = 0;
constexpr int kLoopForever = 0;

int writeToArray(GifFileType* gif, const GifByteType* data, int length) {
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
    return length;
}

struct GifCloser {
    void operator()(GifFileType* gif) const {
        int error = 0;
        EGifCloseFile(gif, &error);
    }
};

struct MapFreer {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

void check(GifFileType* gif, int result, const char* step) {
    if (result == GIF_ERROR)
        throw Error(QStringLiteral("GIF encoder failed at %1: %2")
                        .arg(QLatin1String(step), QString::fromUtf8(GifErrorString(gif->Error))));
}

} // namespace

GifAnimation::GifAnimation(QSize screen, QList<QRgb> palette)
    : m_size(screen)
    , m_palette(std::move(palette))
    , m_canvas(static_cast<qsizetype>(screen.width()) * screen.height(), char(kTransparentIndex)) {}

int GifAnimation::nearest(QRgb colour) const {
    int best = 1;
    int bestDistance = INT_MAX;
    for (int i = 1; i < m_palette.size(); ++i) {
        const int dr = qRed(colour) - qRed(m_palette[i]);
        const int dg = qGreen(colour) - qGreen(m_palette[i]);
        const int db = qBlue(colour) - qBlue(m_palette[i]);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

QByteArray GifAnimation::indices(const QImage& scene) const {
    const QImage image = scene.convertToFormat(QImage::Format_ARGB32);
    QByteArray out(static_cast<qsizetype>(m_size.width()) * m_size.height(), char(kTransparentIndex));
    for (int y = 0; y < m_size.height() && y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < m_size.width() && x < image.width(); ++x) {
            if (qAlpha(line[x]) >= 128)
                out[y * m_size.width() + x] = static_cast<char>(nearest(line[x]));
        }
    }
    return out;
}

void GifAnimation::addFrame(const QImage& scene, int delay, Disposal disposal) {
    const QByteArray target = indices(scene);
    const int width = m_size.width();
    QRect changed;
    for (int y = 0; y < m_size.height(); ++y) {
        for (int x = 0; x < width; ++x) {
            const int at = y * width + x;
            if (target[at] == m_canvas[at])
                continue;
            if (target[at] == kTransparentIndex)
                throw Error(QStringLiteral("Animation frame %1 would have to clear pixel %2, %3")
                                .arg(m_frames.size())
                                .arg(x)
                                .arg(y));
            changed |= QRect(x, y, 1, 1);
        }
    }
    // A frame without changes still needs one pixel; it is transparent.
    if (changed.isEmpty())
        changed = QRect(0, 0, 1, 1);

    Frame frame{changed, QByteArray(), delay, disposal};
    frame.pixels.reserve(static_cast<qsizetype>(changed.width()) * changed.height());
    for (int y = changed.top(); y <= changed.bottom(); ++y) {
        for (int x = changed.left(); x <= changed.right(); ++x) {
            const int at = y * width + x;
            frame.pixels.append(target[at] == m_canvas[at] ? char(kTransparentIndex) : target[at]);
        }
    }
    if (m_frames.isEmpty())
        m_firstScene = target;
    m_frames.append(frame);

    if (disposal == LeaveInPlace || disposal == RestoreBackground)
        m_canvas = target;
    if (disposal == RestoreBackground) {
        for (int y = changed.top(); y <= changed.bottom(); ++y)
            for (int x = changed.left(); x <= changed.right(); ++x)
                m_canvas[y * width + x] = char(kTransparentIndex);
    }
}

QByteArray GifAnimation::encode() const {
    if (m_frames.isEmpty())
        throw Error(QStringLiteral("An animation needs at least one frame"));

    // The next pass draws the first frame over what the last one left; it must give the first scene again.
    QByteArray again = m_canvas;
    const Frame& first = m_frames.front();
    for (int y = 0; y < first.rect.height(); ++y) {
        for (int x = 0; x < first.rect.width(); ++x) {
            const char pixel = first.pixels[y * first.rect.width() + x];
            if (pixel != char(kTransparentIndex))
                again[(first.rect.top() + y) * m_size.width() + first.rect.left() + x] = pixel;
        }
    }
    if (again != m_firstScene)
        throw Error(QStringLiteral("The animation does not restart cleanly at its first frame"));

    int mapSize = 2;
    while (mapSize < m_palette.size())
        mapSize *= 2;
    std::unique_ptr<ColorMapObject, MapFreer> map(GifMakeMapObject(mapSize, nullptr));
    if (!map)
        throw Error(QStringLiteral("GIF encoder: out of memory"));
    for (int i = 0; i < mapSize; ++i) {
        const QRgb colour = i < m_palette.size() ? m_palette[i] : qRgb(0, 0, 0);
        map->Colors[i] = GifColorType{static_cast<GifByteType>(qRed(colour)), static_cast<GifByteType>(qGreen(colour)),
                                      static_cast<GifByteType>(qBlue(colour))};
    }

    QByteArray out;
    int error = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(EGifOpen(&out, writeToArray, &error));
    if (!gif)
        throw Error(QStringLiteral("GIF encoder: %1").arg(QString::fromUtf8(GifErrorString(error))));
    EGifSetGifVersion(gif.get(), true);
    check(gif.get(), EGifPutScreenDesc(gif.get(), m_size.width(), m_size.height(), 8, kTransparentIndex, map.get()),
          "screen descriptor");

    // Application extension NETSCAPE2.0: sub-block 1, loop count (little-endian), 0 meaning forever.
    static const GifByteType application[] = "NETSCAPE2.0";
    GifByteType loop[3] = {1, kLoopForever & 0xff, kLoopForever >> 8};
    check(gif.get(), EGifPutExtensionLeader(gif.get(), APPLICATION_EXT_FUNC_CODE), "loop extension");
    check(gif.get(), EGifPutExtensionBlock(gif.get(), 11, application), "loop extension");
    check(gif.get(), EGifPutExtensionBlock(gif.get(), 3, loop), "loop extension");
    check(gif.get(), EGifPutExtensionTrailer(gif.get()), "loop extension");

    for (const Frame& frame : m_frames) {
        GraphicsControlBlock control{frame.disposal, false, frame.delay, kTransparentIndex};
        GifByteType extension[4];
        EGifGCBToExtension(&control, extension);
        check(gif.get(), EGifPutExtension(gif.get(), GRAPHICS_EXT_FUNC_CODE, 4, extension), "graphic control");
        check(gif.get(),
              EGifPutImageDesc(gif.get(), frame.rect.left(), frame.rect.top(), frame.rect.width(), frame.rect.height(),
                               false, nullptr),
              "image descriptor");
        for (int y = 0; y < frame.rect.height(); ++y) {
            auto* row = reinterpret_cast<GifPixelType*>(
                const_cast<char*>(frame.pixels.constData() + static_cast<qsizetype>(y) * frame.rect.width()));
            check(gif.get(), EGifPutLine(gif.get(), row, frame.rect.width()), "image data");
        }
    }
    GifFileType* finished = gif.release();
    if (EGifCloseFile(finished, &error) == GIF_ERROR)
        throw Error(QStringLiteral("GIF encoder: %1").arg(QString::fromUtf8(GifErrorString(error))));
    return out;
}
