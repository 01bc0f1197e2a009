// SPDX-License-Identifier: MIT
#include "pictures/BmpDecoder.h"

#include "pictures/PictureLimits.h"
#include "platform/Error.h"

#include <QBuffer>
#include <QImageReader>

#include <algorithm>
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

// Palette indices of the picture must name palette entries.
void checkIndex(int index, qint64 paletteSize)
{
    if (index >= paletteSize)
        invalid(QStringLiteral("colour index %1 outside a palette of %2 colours").arg(index).arg(paletteSize));
}

// Walks RLE4/RLE8 data as a decoder would and refuses runs, deltas and literal runs that leave the picture,
// indices outside the palette and data that ends before its end-of-bitmap code.
void checkRle(const QByteArray& data, qsizetype at, qint64 width, qint64 height, int bitCount, qint64 paletteSize)
{
    const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
    const qsizetype end = data.size();
    qint64 x = 0;
    qint64 y = 0;
    auto need = [&](qsizetype count) {
        if (at + count > end)
            invalid(QStringLiteral("compressed data cut short"));
    };
    auto place = [&](qint64 count) {
        if (y >= height || x + count > width)
            invalid(QStringLiteral("compressed run outside the picture"));
        x += count;
    };
    for (;;) {
        need(2);
        const int count = bytes[at];
        const int value = bytes[at + 1];
        at += 2;
        if (count > 0) {
            place(count);
            if (bitCount == 8) {
                checkIndex(value, paletteSize);
            } else {
                checkIndex(value >> 4, paletteSize);
                if (count > 1)
                    checkIndex(value & 0x0F, paletteSize);
            }
            continue;
        }
        if (value == 0) { // end of line
            x = 0;
            ++y;
        } else if (value == 1) { // end of bitmap
            return;
        } else if (value == 2) { // delta
            need(2);
            x += bytes[at];
            y += bytes[at + 1];
            at += 2;
            if (x > width || y > height)
                invalid(QStringLiteral("compressed delta outside the picture"));
        } else { // literal run of `value` pixels, padded to a 16-bit boundary
            const qsizetype length = bitCount == 8 ? value : (value + 1) / 2;
            need(length);
            place(value);
            for (int i = 0; i < value; ++i) {
                const int byte = bytes[at + (bitCount == 8 ? i : i / 2)];
                checkIndex(bitCount == 8 ? byte : (i % 2 ? byte & 0x0F : byte >> 4), paletteSize);
            }
            at += length + (length % 2);
        }
    }
}

void checkUncompressedIndices(const QByteArray& data, qsizetype at, qint64 width, qint64 height, int bitCount,
                              qint64 paletteSize)
{
    if (paletteSize >= (qint64(1) << bitCount))
        return;
    const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
    const qint64 stride = ((width * bitCount + 31) / 32) * 4;
    const int mask = (1 << bitCount) - 1;
    for (qint64 y = 0; y < height; ++y) {
        const uchar* row = bytes + at + y * stride;
        for (qint64 x = 0; x < width; ++x) {
            const qint64 bit = x * bitCount;
            checkIndex((row[bit / 8] >> (8 - bitCount - bit % 8)) & mask, paletteSize);
        }
    }
}

// Checks what Qt's reader lets through, and bounds the size before anything is allocated.
void checkHeaders(const QByteArray& data)
{
    if (data.size() < fileHeaderSize + qsizetype(coreHeaderSize) || data[0] != 'B' || data[1] != 'M')
        invalid(QStringLiteral("not a Windows bitmap"));
    const quint32 fileSize = u32(data, 2);
    const quint32 bitsOffset = u32(data, 10);
    const quint32 headerSize = u32(data, 14);
    qint64 width = 0;
    qint64 height = 0;
    quint16 planes = 0;
    quint16 bitCount = 0;
    quint32 compression = compressionRgb;
    quint32 imageSize = 0;
    qint64 densityX = 0;
    qint64 densityY = 0;
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
        if (headerSize >= 24)
            imageSize = u32(data, 34);
        if (headerSize >= 32) {
            densityX = qint32(u32(data, 38));
            densityY = qint32(u32(data, 42));
        }
        if (headerSize >= 36)
            colorsUsed = u32(data, 46);
    } else {
        invalid(QStringLiteral("header size %1").arg(headerSize));
    }
    if (fileSize > quint32(data.size()))
        invalid(QStringLiteral("the header gives %1 bytes, the file has %2").arg(fileSize).arg(data.size()));
    if (imageSize > quint32(data.size()))
        invalid(QStringLiteral("the header gives %1 bytes of pixel data").arg(imageSize));
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
    // A hundredfold difference between the two densities is no real device.
    constexpr qint64 maxDensityRatio = 100;
    if (densityX < 0 || densityY < 0
        || (densityX > 0 && densityY > 0
            && (densityX > densityY * maxDensityRatio || densityY > densityX * maxDensityRatio)))
        invalid(QStringLiteral("densities %1 and %2 pixels per metre").arg(densityX).arg(densityY));
    const bool rle = compression == compressionRle8 || compression == compressionRle4;
    if ((compression == compressionRle8 && bitCount != 8) || (compression == compressionRle4 && bitCount != 4))
        invalid(QStringLiteral("compression %1 with %2 bits per pixel").arg(compression).arg(bitCount));
    const bool bitfields = compression == compressionBitfields || compression == compressionAlphaBitfields;
    if (bitfields && bitCount != 16 && bitCount != 32)
        invalid(QStringLiteral("bit fields with %1 bits per pixel").arg(bitCount));
    if (rle && topDown)
        invalid(QStringLiteral("compressed picture stored top-down"));
    if (bitsOffset >= quint32(data.size()))
        invalid(QStringLiteral("pixel data outside the file"));
    // Masks follow a 40-byte header; later headers hold them.
    const qsizetype masksAt = fileHeaderSize + (headerSize == infoHeaderSize ? qsizetype(headerSize) : 40);
    if (bitfields && (headerSize > infoHeaderSize || qsizetype(bitsOffset) >= masksAt + 12)) {
        if (data.size() < masksAt + 12)
            invalid(QStringLiteral("bit fields cut short"));
        for (int channel = 0; channel < 3; ++channel)
            if (u32(data, masksAt + channel * 4) == 0)
                invalid(QStringLiteral("an empty colour bit field"));
    }
    if (compression == compressionRgb) {
        const qint64 stride = ((width * bitCount + 31) / 32) * 4;
        if (qint64(bitsOffset) + stride * height > data.size())
            invalid(QStringLiteral("pixel data cut short"));
    }
    if (bitCount <= 8) {
        const qint64 entrySize = headerSize == coreHeaderSize ? 3 : 4;
        const qint64 paletteAt = fileHeaderSize + headerSize + (bitfields && headerSize == infoHeaderSize ? 12 : 0);
        const qint64 stored = std::max<qint64>(0, (qint64(bitsOffset) - paletteAt) / entrySize);
        const qint64 declared = colorsUsed ? qint64(colorsUsed) : (qint64(1) << bitCount);
        const qint64 paletteSize = std::min(stored, declared);
        if (paletteSize == 0)
            invalid(QStringLiteral("no palette"));
        if (rle)
            checkRle(data, bitsOffset, width, height, bitCount, paletteSize);
        else if (compression == compressionRgb)
            checkUncompressedIndices(data, bitsOffset, width, height, bitCount, paletteSize);
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
    // The headers are checked above: Qt's own BMP reader is the one wanted, and probing the format plugins (which
    // loads every one of them) is not.
    reader.setAutoDetectImageFormat(false);
    QImage image;
    if (!reader.read(&image) || image.isNull())
        invalid(reader.errorString());
    // Qt keeps palette pictures indexed, and an RLE picture cut short may hold indices past its colour table;
    // true colour leaves nothing for later drawing to look up.
    if (image.format() == QImage::Format_Indexed8 || image.format() == QImage::Format_Mono
        || image.format() == QImage::Format_MonoLSB)
        image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    return image;
}
