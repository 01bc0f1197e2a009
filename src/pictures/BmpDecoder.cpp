// SPDX-License-Identifier: MIT
#include "pictures/BmpDecoder.h"

#include "pictures/PictureLimits.h"
#include "platform/Error.h"

#include <QBuffer>
#include <QImageReader>

#include <cstdlib>

namespace {

constexpr qsizetype fileHeaderSize = 14;
constexpr quint32 coreHeaderSize = 12;
constexpr quint32 infoHeaderSize = 40;
constexpr quint32 compressionRgb = 0;
constexpr quint32 compressionRle8 = 1;
constexpr quint32 compressionRle4 = 2;
constexpr quint32 compressionBitfields = 3;
constexpr quint32 compressionAlphaBitfields = 6;

quint32 u32(const QByteArray& data, qsizetype at)
{
    const auto* p = reinterpret_cast<const uchar*>(data.constData()) + at;
    return quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24);
}

quint16 u16(const QByteArray& data, qsizetype at)
{
    const auto* p = reinterpret_cast<const uchar*>(data.constData()) + at;
    return quint16(p[0] | (p[1] << 8));
}

[[noreturn]] void invalid(const QString& reason)
{
    throw Error(QStringLiteral("Invalid BMP data (%1)").arg(reason));
}

// Checks what Qt's reader lets through, and bounds the size before anything is allocated.
void checkHeaders(const QByteArray& data)
{
    if (data.size() < fileHeaderSize + qsizetype(coreHeaderSize) || data[0] != 'B' || data[1] != 'M')
        invalid(QStringLiteral("not a Windows bitmap"));
    const quint32 bitsOffset = u32(data, 10);
    const quint32 headerSize = u32(data, 14);
    qint64 width = 0;
    qint64 height = 0;
    quint16 planes = 0;
    quint16 bitCount = 0;
    quint32 compression = compressionRgb;
    quint32 colorsUsed = 0;
    if (headerSize == coreHeaderSize) {
        width = u16(data, 18);
        height = u16(data, 20);
        planes = u16(data, 22);
        bitCount = u16(data, 24);
    } else if (headerSize >= 16 && headerSize <= 124) {
        if (data.size() < fileHeaderSize + qsizetype(headerSize))
            invalid(QStringLiteral("header cut short"));
        width = qint32(u32(data, 18));
        height = qint32(u32(data, 22));
        planes = u16(data, 26);
        bitCount = u16(data, 28);
        if (headerSize >= 20)
            compression = u32(data, 30);
        if (headerSize >= 36)
            colorsUsed = u32(data, 46);
    } else {
        invalid(QStringLiteral("header size %1").arg(headerSize));
    }
    if (planes != 1)
        invalid(QStringLiteral("%1 planes").arg(planes));
    switch (bitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        break;
    default:
        invalid(QStringLiteral("%1 bits per pixel").arg(bitCount));
    }
    const bool topDown = height < 0;
    height = std::llabs(height);
    if (width <= 0 || height <= 0)
        invalid(QStringLiteral("size %1 x %2").arg(width).arg(height));
    PictureLimits::checkSize(width, height);
    const bool rle = compression == compressionRle8 || compression == compressionRle4;
    if ((compression == compressionRle8 && bitCount != 8) || (compression == compressionRle4 && bitCount != 4))
        invalid(QStringLiteral("compression %1 with %2 bits per pixel").arg(compression).arg(bitCount));
    if ((compression == compressionBitfields || compression == compressionAlphaBitfields) && bitCount != 16
        && bitCount != 32)
        invalid(QStringLiteral("bit fields with %1 bits per pixel").arg(bitCount));
    if (rle && topDown)
        invalid(QStringLiteral("compressed picture stored top-down"));
    if (bitCount <= 8 && colorsUsed > (1u << bitCount) && colorsUsed > 256)
        invalid(QStringLiteral("%1 palette entries").arg(colorsUsed));
    if (bitsOffset >= quint32(data.size()))
        invalid(QStringLiteral("pixel data outside the file"));
    if (compression == compressionRgb) {
        const qint64 stride = ((width * bitCount + 31) / 32) * 4;
        if (qint64(bitsOffset) + stride * height > data.size())
            invalid(QStringLiteral("pixel data cut short"));
    }
}

} // namespace

QImage BmpDecoder::decode(const QByteArray& data)
{
    checkHeaders(data);
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    QImage image;
    if (!reader.read(&image) || image.isNull())
        invalid(reader.errorString());
    return image;
}
