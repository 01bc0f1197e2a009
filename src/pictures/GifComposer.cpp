// SPDX-License-Identifier: MIT
#include "pictures/GifComposer.h"

namespace {
constexpr int disposeNone = 0;
constexpr int disposeLeave = 1;
constexpr int disposeBackground = 2;
constexpr int disposePrevious = 3;
} // namespace

GifComposer::GifComposer(const GifImage& gif)
    : m_gif(gif)
{
    const QSize size = gif.logicalSize();
    if (size.isEmpty())
        return;
    m_backgroundCopy = QImage(size, QImage::Format_ARGB32);
    m_backgroundCopy.fill(Qt::transparent);
    m_buffer = m_backgroundCopy;
    m_canvas = m_backgroundCopy;
}

void GifComposer::compose(int index)
{
    const GifFrame& frame = m_gif.data().frames.at(size_t(index));
    if (m_buffer.isNull())
        return;
    const QRect area = frame.rect & m_buffer.rect();
    if (index == 0 && m_gif.clearOnLoop())
        restoreBackground(m_buffer, area);
    const int disposal = frame.hasControl ? frame.disposal : disposeNone;
    switch (disposal) {
    case disposeNone:
    case disposeLeave:
        drawFrame(m_buffer, frame);
        m_canvas = m_buffer;
        break;
    case disposeBackground:
        drawFrame(m_buffer, frame);
        m_canvas = m_buffer;
        restoreBackground(m_buffer, area);
        break;
    case disposePrevious:
        if (m_previousDisposal == disposeNone || m_previousDisposal == disposeLeave) {
            // The canvas still equals the buffer: draw straight onto it and keep the buffer as it was.
            m_canvas.detach();
            drawFrame(m_canvas, frame);
        } else {
            m_secondBuffer = m_buffer;
            m_secondBuffer.detach();
            drawFrame(m_secondBuffer, frame);
            m_canvas = m_secondBuffer;
        }
        break;
    default:
        // Undefined methods show nothing; the timing goes on as for any frame.
        break;
    }
    m_previousDisposal = disposal;
}

QImage GifComposer::firstFrame(const GifImage& gif)
{
    if (gif.frameCount() == 0)
        return QImage();
    // A still picture shows its frame whatever the disposal method says: the method is about what comes after
    // the frame, and nothing does.
    GifComposer composer(gif);
    composer.drawFrame(composer.m_buffer, gif.data().frames.front());
    return composer.m_buffer;
}

void GifComposer::restoreBackground(QImage& image, const QRect& area) const
{
    if (area.isEmpty())
        return;
    const QRgb fill = m_gif.transparent() ? qRgba(0, 0, 0, 0) : m_gif.backgroundColor().rgb();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        if (m_gif.transparent()) {
            const auto* source = reinterpret_cast<const QRgb*>(m_backgroundCopy.constScanLine(y));
            std::copy(source + area.left(), source + area.right() + 1, line + area.left());
        } else {
            std::fill(line + area.left(), line + area.right() + 1, fill);
        }
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
