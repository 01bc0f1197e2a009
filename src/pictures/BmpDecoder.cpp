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
constexpr quint32 os2HeaderSize = 64;
constexpr quint32 maxHeaderSize = 124;
// 1,000,000 pixels per metre is 25,400 dots per inch: beyond any real device.
constexpr qint64 maxDensity = 1000000;

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

bool masksInHeader(quint32 headerSize)
{
    return headerSize >= 52 && headerSize != os2HeaderSize;
}

// Where the colour masks of a bit-field picture are: in the header from 52 bytes on (OS/2's 64-byte header
// aside), otherwise right after it.
qsizetype masksOffset(quint32 headerSize)
{
    return fileHeaderSize + (masksInHeader(headerSize) ? 40 : qsizetype(headerSize));
}

// What the headers say, as far as the checks and the rewriting for Qt's reader need it.
struct Header {
    quint32 bitsOffset = 0;
    quint32 headerSize = 0;
    qint64 width = 0;
    qint64 height = 0; // negative: stored top-down
    quint16 bitCount = 0;
    quint32 compression = compressionRgb;
    quint32 colorsUsed = 0;
    qint64 paletteSize = 0; // entries stored and used, for pictures of 8 bits or fewer
};

// Red, green and blue masks, and alpha with alpha bit fields or in a header that holds it (56 bytes on).
qsizetype masksSize(const Header& h)
{
    const bool alpha =
        h.compression == compressionAlphaBitfields || (masksInHeader(h.headerSize) && h.headerSize >= 56);
    return alpha ? 16 : 12;
}

// Checks what Qt's reader lets through, and bounds the size before anything is allocated. Fields that writers
// often get wrong and that no decoder needs (the file size, the image size, the resolution) are refused only
// when their values are absurd.
Header checkHeaders(const QByteArray& data)
{
    if (data.size() < fileHeaderSize + qsizetype(coreHeaderSize) || data[0] != 'B' || data[1] != 'M')
        invalid(QStringLiteral("not a Windows bitmap"));
    Header h;
    const quint32 fileSize = u32(data, 2);
    h.bitsOffset = u32(data, 10);
    h.headerSize = u32(data, 14);
    quint16 planes = 0;
    quint32 imageSize = 0;
    qint64 densityX = 0;
    qint64 densityY = 0;
    if (h.headerSize == coreHeaderSize) {
        h.width = u16(data, 18);
        h.height = u16(data, 20);
        planes = u16(data, 22);
        h.bitCount = u16(data, 24);
    } else if ((h.headerSize >= 16 && h.headerSize <= os2HeaderSize) || h.headerSize == 108 ||
               h.headerSize == maxHeaderSize) {
        if (data.size() < fileHeaderSize + qsizetype(h.headerSize))
            invalid(QStringLiteral("header cut short"));
        h.width = qint32(u32(data, 18));
        h.height = qint32(u32(data, 22));
        planes = u16(data, 26);
        h.bitCount = u16(data, 28);
        if (h.headerSize >= 20)
            h.compression = u32(data, 30);
        if (h.headerSize >= 24)
            imageSize = u32(data, 34);
        if (h.headerSize >= 32) {
            densityX = qint32(u32(data, 38));
            densityY = qint32(u32(data, 42));
        }
        if (h.headerSize >= 36)
            h.colorsUsed = u32(data, 46);
    } else {
        invalid(QStringLiteral("header size %1").arg(h.headerSize));
    }
    // No picture file the program reads can be this large.
    if (fileSize > PictureLimits::maxFileBytes)
        invalid(QStringLiteral("the header gives %1 bytes for the file").arg(fileSize));
    if (imageSize > PictureLimits::maxFileBytes)
        invalid(QStringLiteral("the header gives %1 bytes of pixel data").arg(imageSize));
    if (std::llabs(densityX) > maxDensity || std::llabs(densityY) > maxDensity)
        invalid(QStringLiteral("densities %1 and %2 pixels per metre").arg(densityX).arg(densityY));
    const qint64 entrySize = h.headerSize == coreHeaderSize ? 3 : 4;
    if (fileHeaderSize + qint64(h.headerSize) + qint64(h.colorsUsed) * entrySize > data.size())
        invalid(QStringLiteral("a palette of %1 colours").arg(h.colorsUsed));
    if (planes != 1)
        invalid(QStringLiteral("%1 planes").arg(planes));
    switch (h.bitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        break;
    default:
        invalid(QStringLiteral("%1 bits per pixel").arg(h.bitCount));
    }
    const bool topDown = h.height < 0;
    const qint64 width = h.width;
    const qint64 height = std::llabs(h.height);
    if (width <= 0 || height <= 0)
        invalid(QStringLiteral("size %1 x %2").arg(width).arg(height));
    PictureLimits::checkSize(width, height);
    const quint32 compression = h.compression;
    const bool rle = compression == compressionRle8 || compression == compressionRle4;
    if ((compression == compressionRle8 && h.bitCount != 8) || (compression == compressionRle4 && h.bitCount != 4))
        invalid(QStringLiteral("compression %1 with %2 bits per pixel").arg(compression).arg(h.bitCount));
    const bool bitfields = compression == compressionBitfields || compression == compressionAlphaBitfields;
    if (bitfields && h.bitCount != 16 && h.bitCount != 32)
        invalid(QStringLiteral("bit fields with %1 bits per pixel").arg(h.bitCount));
    if (rle && topDown)
        invalid(QStringLiteral("compressed picture stored top-down"));
    if (h.bitsOffset >= quint32(data.size()))
        invalid(QStringLiteral("pixel data outside the file"));
    if (h.bitsOffset < fileHeaderSize + h.headerSize)
        invalid(QStringLiteral("pixel data inside the header"));
    if (bitfields) {
        // The masks lie where the reader takes them; an empty one would give it no bit to shift.
        const qsizetype masksAt = masksOffset(h.headerSize);
        if (data.size() < masksAt + masksSize(h))
            invalid(QStringLiteral("bit fields cut short"));
        for (int channel = 0; channel < 3; ++channel)
            if (u32(data, masksAt + channel * 4) == 0)
                invalid(QStringLiteral("an empty colour bit field"));
    }
    if (compression == compressionRgb) {
        const qint64 stride = ((width * h.bitCount + 31) / 32) * 4;
        if (qint64(h.bitsOffset) + stride * height > data.size())
            invalid(QStringLiteral("pixel data cut short"));
    }
    if (h.bitCount <= 8) {
        const qint64 paletteAt = fileHeaderSize + h.headerSize + (bitfields && h.headerSize == infoHeaderSize ? 12 : 0);
        const qint64 stored = std::max<qint64>(0, (qint64(h.bitsOffset) - paletteAt) / entrySize);
        const qint64 full = qint64(1) << h.bitCount;
        // More colours than the bit count can address: the ones past it can never be used.
        const qint64 declared = h.colorsUsed && h.colorsUsed < full ? qint64(h.colorsUsed) : full;
        // A palette shorter than declared ends where the pixel data begins.
        h.paletteSize = std::min(stored, declared);
        if (h.paletteSize == 0)
            invalid(QStringLiteral("no palette"));
        if (rle)
            checkRle(data, h.bitsOffset, width, height, h.bitCount, h.paletteSize);
        else if (compression == compressionRgb)
            checkUncompressedIndices(data, h.bitsOffset, width, height, h.bitCount, h.paletteSize);
    }
    return h;
}

void putU32(QByteArray& data, qsizetype at, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        data[at + i] = char((value >> (8 * i)) & 0xFF);
}

// Qt's reader knows the 12-, 40-, 64-, 108- and 124-byte headers and no more than 256 palette colours. Other
// files that the headers describe fully are rewritten into a form it reads: a 12-byte header with a short
// palette, the 16-byte OS/2 header and the 52- and 56-byte headers become a 108-byte one (palette entries
// of four bytes, the masks in the header), alpha bit fields become bit fields with an alpha mask, and a
// palette count above what the bit count addresses is cut to it.
QByteArray readableByQt(const QByteArray& data, const Header& h)
{
    constexpr qsizetype v4HeaderSize = 108;
    const bool alphaBitfields = h.compression == compressionAlphaBitfields;
    const bool knownHeader = h.headerSize == infoHeaderSize || h.headerSize == os2HeaderSize ||
                             h.headerSize == v4HeaderSize || h.headerSize == maxHeaderSize;
    const qint64 fullPalette = qint64(1) << h.bitCount;
    const bool paletteAsDeclared = h.bitCount > 8 || (h.colorsUsed ? h.colorsUsed : fullPalette) == h.paletteSize;
    if (h.headerSize == coreHeaderSize && (h.bitCount > 8 || h.paletteSize == fullPalette))
        return data;
    if (knownHeader && !alphaBitfields) {
        if (paletteAsDeclared)
            return data;
        QByteArray fixed = data;
        putU32(fixed, 46, quint32(h.paletteSize));
        return fixed;
    }
    QByteArray header(v4HeaderSize, '\0');
    putU32(header, 0, quint32(v4HeaderSize));
    putU32(header, 4, quint32(qint32(h.width)));
    putU32(header, 8, quint32(qint32(h.height)));
    header[12] = 1;
    header[14] = char(h.bitCount);
    putU32(header, 16, alphaBitfields ? compressionBitfields : h.compression);
    // Image size, densities and important colours as written.
    const qsizetype copied = qsizetype(std::min(h.headerSize, infoHeaderSize)) - 20;
    if (copied > 0)
        header.replace(20, copied, data.mid(fileHeaderSize + 20, copied));
    if (h.bitCount <= 8)
        putU32(header, 32, quint32(h.paletteSize));
    qsizetype restAt = fileHeaderSize + h.headerSize;
    if (h.compression == compressionBitfields || alphaBitfields) {
        header.replace(40, masksSize(h), data.mid(masksOffset(h.headerSize), masksSize(h)));
        if (!masksInHeader(h.headerSize))
            restAt += masksSize(h);
    }
    QByteArray rest = data.mid(restAt);
    qint64 bitsOffset = qint64(h.bitsOffset) - restAt + fileHeaderSize + v4HeaderSize;
    if (h.headerSize == coreHeaderSize) {
        // Three-byte palette entries become four-byte ones.
        QByteArray palette;
        palette.reserve(h.paletteSize * 4);
        for (qint64 i = 0; i < h.paletteSize; ++i)
            palette += rest.mid(i * 3, 3) + '\0';
        rest = palette + rest.mid(h.paletteSize * 3);
        bitsOffset += h.paletteSize;
    }
    QByteArray out = data.left(fileHeaderSize) + header + rest;
    putU32(out, 2, quint32(out.size()));
    putU32(out, 10, quint32(bitsOffset));
    return out;
}

} // namespace

QImage BmpDecoder::decode(const QByteArray& data)
{
    const Header header = checkHeaders(data);
    QBuffer buffer;
    buffer.setData(readableByQt(data, header));
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
