// SPDX-License-Identifier: MIT
#include "pictures/GifComposer.h"

#include <cstring>

namespace {
constexpr int disposeNone = 0;
constexpr int disposeLeave = 1;
constexpr int disposeBackground = 2;
constexpr int disposePrevious = 3;

QImage transparentImage(QSize size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}
} // namespace

GifComposer::GifComposer(const GifImage& gif)
    : m_gif(gif)
{
    const QSize size = gif.logicalSize();
    if (size.isEmpty())
        return;
    m_buffer = transparentImage(size);
    m_canvas = transparentImage(size);
}

void GifComposer::compose(int index)
{
    const GifFrame& frame = m_gif.data().frames.at(size_t(index));
    if (m_buffer.isNull())
        return;
    const QRect area = frame.rect & m_buffer.rect();
    if (index == 0 && m_gif.clearOnLoop()) {
        // The buffer only: what is shown changes with the frame.
        restoreBackground(m_buffer, area);
        m_differ |= area;
    }
    const int disposal = frame.hasControl ? frame.disposal : disposeNone;
    switch (disposal) {
    case disposeNone:
    case disposeLeave:
        drawFrame(m_buffer, frame);
        showBuffer(area);
        break;
    case disposeBackground:
        drawFrame(m_buffer, frame);
        showBuffer(area);
        restoreBackground(m_buffer, area);
        m_differ = area;
        break;
    case disposePrevious:
        // After 0 or 1 the canvas shows the buffer already: the frame goes straight onto it. After the others
        // it goes onto a copy of the buffer, which is what the canvas becomes here.
        if (m_previousDisposal != disposeNone && m_previousDisposal != disposeLeave)
            showBuffer(QRect());
        drawFrame(m_canvas, frame);
        m_differ |= area;
        break;
    default:
        // Undefined methods show nothing; the timing goes on as for any frame.
        break;
    }
    m_previousDisposal = disposal;
}

void GifComposer::showBuffer(const QRect& area)
{
    const QRect copy = (m_differ | area) & m_buffer.rect();
    m_differ = QRect();
    if (copy.isEmpty())
        return;
    const qsizetype bytes = qsizetype(copy.width()) * 4;
    for (int y = copy.top(); y <= copy.bottom(); ++y)
        std::memcpy(m_canvas.scanLine(y) + qsizetype(copy.left()) * 4,
                    m_buffer.constScanLine(y) + qsizetype(copy.left()) * 4, size_t(bytes));
}

QImage GifComposer::firstFrame(const GifImage& gif)
{
    if (gif.frameCount() == 0)
        return QImage();
    // A still picture shows its frame whatever the disposal method says: the method is about what comes after
    // the frame, and nothing does.
    GifComposer composer(gif);
    composer.drawFrame(composer.m_canvas, gif.data().frames.front());
    return composer.m_canvas;
}

void GifComposer::restoreBackground(QImage& image, const QRect& area) const
{
    if (area.isEmpty())
        return;
    // With the transparent setting the background is what was under the drawn area: nothing of the picture.
    const QRgb fill = m_gif.transparent() ? qRgba(0, 0, 0, 0) : m_gif.backgroundColor().rgb();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(line + area.left(), line + area.right() + 1, fill);
    }
}

void GifComposer::drawFrame(QImage& image, const GifFrame& frame) const
{
    const QRect area = frame.area & image.rect();
    if (area.isEmpty() || frame.pixels.isEmpty())
        return;
    const int skipIndex = m_gif.transparent() ? frame.transparentIndex : -1;
    const qsizetype colorCount = frame.colors.size();
    const auto* pixels = reinterpret_cast<const uchar*>(frame.pixels.constData());
    const bool partial = frame.decodedPixels >= 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const uchar* row = pixels + qsizetype(y - frame.area.top()) * frame.area.width();
        for (int x = area.left(); x <= area.right(); ++x) {
            if (partial && !frame.isDecoded(x, y))
                continue;
            const int index = row[x - frame.area.left()];
            if (index == skipIndex || index >= colorCount)
                continue;
            line[x] = frame.colors[index] | 0xFF000000u;
        }
    }
}
