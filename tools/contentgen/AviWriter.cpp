// SPDX-License-Identifier: MIT
#include "AviWriter.h"

#include "LittleEndian.h"

#include "platform/Error.h"

#include <QtEndian>

#include <algorithm>

namespace {

constexpr quint32 kHasIndex = 0x10;      // AVIF_HASINDEX
constexpr quint32 kKeyFrame = 0x10;      // AVIIF_KEYFRAME
constexpr quint32 kDefaultQuality = ~0U; // -1: the codec's default

// A chunk: its four-character code, its size and its data, padded to an even length.
QByteArray chunk(const char* fourcc, const QByteArray& data)
{
    QByteArray out(fourcc, 4);
    put32(out, static_cast<quint32>(data.size()));
    out.append(data);
    if (data.size() % 2)
        out.append('\0');
    return out;
}

QByteArray list(const char* type, const QByteArray& content)
{
    return chunk("LIST", QByteArray(type, 4) + content);
}

} // namespace

AviWriter::AviWriter(QSize size, int framesPerSecond, QList<QRgb> palette)
    : m_size(size)
    , m_framesPerSecond(framesPerSecond)
    , m_palette(std::move(palette))
{
    if (size.isEmpty() || framesPerSecond <= 0 || m_palette.isEmpty() || m_palette.size() > 256)
        throw Error(QStringLiteral("A clip needs a size, a frame rate and 1 to 256 colours"));
}

void AviWriter::addFrame(const QImage& frame)
{
    if (frame.size() != m_size)
        throw Error(QStringLiteral("A clip frame of %1 x %2 in a clip of %3 x %4")
                        .arg(frame.width())
                        .arg(frame.height())
                        .arg(m_size.width())
                        .arg(m_size.height()));
    const QImage indexed = frame.convertToFormat(QImage::Format_Indexed8, m_palette,
                                                 Qt::ThresholdDither | Qt::AvoidDither | Qt::ThresholdAlphaDither);
    // A device-independent bitmap: rows bottom first, each padded to a multiple of four bytes.
    const int stride = (m_size.width() + 3) / 4 * 4;
    QByteArray pixels(static_cast<qsizetype>(stride) * m_size.height(), '\0');
    for (int y = 0; y < m_size.height(); ++y)
        std::copy_n(indexed.constScanLine(y), m_size.width(),
                    pixels.begin() + static_cast<qsizetype>(m_size.height() - 1 - y) * stride);
    m_frames.append(pixels);
}

QByteArray AviWriter::finish() const
{
    if (m_frames.isEmpty())
        throw Error(QStringLiteral("A clip needs at least one frame"));
    const auto frameBytes = static_cast<quint32>(m_frames.front().size());
    const auto frames = static_cast<quint32>(m_frames.size());
    const auto width = static_cast<quint32>(m_size.width());
    const auto height = static_cast<quint32>(m_size.height());
    const auto rate = static_cast<quint32>(m_framesPerSecond);

    QByteArray mainHeader;
    put32(mainHeader, 1000000 / rate); // microseconds per frame
    put32(mainHeader, frameBytes * rate);
    put32(mainHeader, 0); // padding granularity
    put32(mainHeader, kHasIndex);
    put32(mainHeader, frames);
    put32(mainHeader, 0); // initial frames
    put32(mainHeader, 1); // streams
    put32(mainHeader, frameBytes);
    put32(mainHeader, width);
    put32(mainHeader, height);
    for (int i = 0; i < 4; ++i)
        put32(mainHeader, 0);

    QByteArray streamHeader("vidsDIB ", 8);
    put32(streamHeader, 0); // flags
    put16(streamHeader, 0); // priority
    put16(streamHeader, 0); // language
    put32(streamHeader, 0); // initial frames
    put32(streamHeader, 1); // scale: rate / scale frames a second
    put32(streamHeader, rate);
    put32(streamHeader, 0); // start
    put32(streamHeader, frames);
    put32(streamHeader, frameBytes);
    put32(streamHeader, kDefaultQuality);
    put32(streamHeader, 0); // sample size: frames may differ
    put16(streamHeader, 0);
    put16(streamHeader, 0);
    put16(streamHeader, static_cast<quint16>(width));
    put16(streamHeader, static_cast<quint16>(height));

    QByteArray format;
    put32(format, 40);
    put32(format, width);
    put32(format, height); // positive: rows bottom first
    put16(format, 1);
    put16(format, 8);
    put32(format, 0); // BI_RGB: uncompressed
    put32(format, frameBytes);
    put32(format, 0);
    put32(format, 0);
    put32(format, static_cast<quint32>(m_palette.size()));
    put32(format, 0);
    for (const QRgb colour : m_palette) {
        format.append(static_cast<char>(qBlue(colour)));
        format.append(static_cast<char>(qGreen(colour)));
        format.append(static_cast<char>(qRed(colour)));
        format.append('\0');
    }

    const QByteArray headers =
        list("hdrl", chunk("avih", mainHeader) + list("strl", chunk("strh", streamHeader) + chunk("strf", format)));

    // Index offsets count from the "movi" type code of the frame list.
    QByteArray movie;
    QByteArray index;
    for (const QByteArray& frame : m_frames) {
        index.append("00db", 4);
        put32(index, kKeyFrame);
        put32(index, static_cast<quint32>(4 + movie.size()));
        put32(index, static_cast<quint32>(frame.size()));
        movie.append(chunk("00db", frame));
    }

    QByteArray riff("AVI ", 4);
    riff.append(headers);
    riff.append(list("movi", movie));
    riff.append(chunk("idx1", index));
    return chunk("RIFF", riff);
}
