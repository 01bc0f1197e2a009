// SPDX-License-Identifier: MIT
#include "richtext/RtfPicture.h"

#include "richtext/RtfTokenizer.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace {

constexpr qreal TwipsPerPixel = 15.0;
constexpr qreal HimetricPerPixel = 2540.0 / 96.0;
// No picture is shown larger than this on a page, whatever its header claims.
constexpr qreal MaxDisplayPixels = 4000.0;
constexpr int DefaultPlaceholderSide = 32;
constexpr int MaxPlaceholderSide = 512;
constexpr int BitmapFileHeaderSize = 14;
constexpr int CoreHeaderSize = 12;
constexpr int InfoHeaderSize = 40;
constexpr quint32 BiBitfields = 3;
// Windows metafile records that carry a device-independent bitmap, and where the bitmap starts in each
// (after the record size, the function number and the parameters that precede it, in bytes).
constexpr quint16 MetaStretchDib = 0x0F43;
constexpr quint16 MetaDibStretchBlt = 0x0B41;
constexpr quint16 MetaDibBitBlt = 0x0940;
constexpr quint16 MetaSetDibToDev = 0x0D33;
constexpr int WmfHeaderWords = 9;

// Whether a width x height picture of 32-bit pixels fits in maxBytes (without overflowing on absurd sizes).
bool fits(qint64 width, qint64 height, qint64 maxBytes)
{
    constexpr qint64 MaxSide = 65535;
    return width > 0 && height > 0 && width <= MaxSide && height <= MaxSide && width * height * 4 <= maxBytes;
}

quint32 le32(QByteArrayView bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.data() + at);
}

quint16 le16(QByteArrayView bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.data() + at);
}

} // namespace

bool RtfPicture::applyWord(RtfWord word, int parameter)
{
    switch (word) {
    case RtfWord::PngBlip:
        format = Format::Png;
        break;
    case RtfWord::JpegBlip:
        format = Format::Jpeg;
        break;
    case RtfWord::DiBitmap:
        format = Format::Dib;
        break;
    case RtfWord::WBitmap:
        format = Format::DeviceBitmap;
        break;
    case RtfWord::WMetafile:
        format = Format::WindowsMetafile;
        break;
    case RtfWord::EmfBlip:
        format = Format::EnhancedMetafile;
        break;
    case RtfWord::MacPict:
        format = Format::MacPict;
        break;
    case RtfWord::PicW:
        picw = parameter;
        break;
    case RtfWord::PicH:
        pich = parameter;
        break;
    case RtfWord::PicWGoal:
        goalWidth = parameter;
        break;
    case RtfWord::PicHGoal:
        goalHeight = parameter;
        break;
    case RtfWord::PicScaleX:
        scaleX = parameter;
        break;
    case RtfWord::PicScaleY:
        scaleY = parameter;
        break;
    case RtfWord::WbmBitsPixel:
        bitsPerPixel = parameter;
        break;
    case RtfWord::WbmWidthBytes:
        widthBytes = parameter;
        break;
    default:
        return false;
    }
    return true;
}

void RtfPicture::appendHex(QByteArrayView text)
{
    for (const char c : text) {
        const int value = RtfTokenizer::hexDigit(c);
        if (value < 0)
            continue;
        if (m_nibble < 0) {
            m_nibble = value;
            continue;
        }
        if (data.size() < MaxDataBytes)
            data.append(char(m_nibble * 16 + value));
        m_nibble = -1;
    }
}

void RtfPicture::appendBinary(QByteArrayView bytes)
{
    const qint64 room = MaxDataBytes - data.size();
    if (room > 0)
        data.append(bytes.first(qsizetype(std::min<qint64>(bytes.size(), room))));
}

QImage RtfPicture::readBounded(const QByteArray& bytes, const char* format, qint64 maxBytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    const QSize size = reader.size();
    if (!size.isValid() || !fits(size.width(), size.height(), maxBytes))
        return {};
    QImage image;
    if (!reader.read(&image))
        return {};
    return image;
}

QByteArray RtfPicture::bmpFromDib(QByteArrayView dib)
{
    if (dib.size() < CoreHeaderSize)
        return {};
    const quint32 headerSize = le32(dib, 0);
    qint64 colorBytes = 0;
    if (headerSize == CoreHeaderSize) {
        const int bitCount = le16(dib, 10);
        if (bitCount <= 8)
            colorBytes = 3 * (qint64(1) << bitCount);
    } else if (headerSize >= InfoHeaderSize && dib.size() >= InfoHeaderSize) {
        const int bitCount = le16(dib, 14);
        const quint32 compression = le32(dib, 16);
        const quint32 used = le32(dib, 32);
        if (used > 0 && used <= 256)
            colorBytes = 4 * qint64(used);
        else if (bitCount <= 8)
            colorBytes = 4 * (qint64(1) << bitCount);
        if (headerSize == InfoHeaderSize && compression == BiBitfields)
            colorBytes += 12;
    } else {
        return {};
    }
    const qint64 offset = BitmapFileHeaderSize + qint64(headerSize) + colorBytes;
    if (offset - BitmapFileHeaderSize > dib.size())
        return {};
    QByteArray bmp(BitmapFileHeaderSize, '\0');
    bmp[0] = 'B';
    bmp[1] = 'M';
    qToLittleEndian<quint32>(quint32(BitmapFileHeaderSize + dib.size()), bmp.data() + 2);
    qToLittleEndian<quint32>(quint32(offset), bmp.data() + 10);
    bmp.append(dib.data(), dib.size());
    return bmp;
}

QImage RtfPicture::image(qint64 maxBytes) const
{
    QImage result;
    switch (format) {
    case Format::Png:
        result = readBounded(data, "PNG", maxBytes);
        break;
    case Format::Jpeg:
        result = readBounded(data, "JPEG", maxBytes);
        break;
    case Format::Dib:
        result = readBounded(bmpFromDib(data), "BMP", maxBytes);
        break;
    case Format::DeviceBitmap:
        result = deviceBitmap(maxBytes);
        break;
    case Format::WindowsMetafile:
        result = bitmapInMetafile(maxBytes);
        break;
    case Format::EnhancedMetafile:
    case Format::MacPict:
    case Format::Unknown:
        break;
    }
    if (result.isNull())
        result = placeholder(maxBytes);
    return result;
}

QImage RtfPicture::deviceBitmap(qint64 maxBytes) const
{
    // Device-dependent bitmaps (\wbitmap) are rows of widthBytes bytes, top row first; monochrome and true-colour
    // ones need no palette.
    const int width = picw;
    const int height = pich;
    if (!fits(width, height, maxBytes))
        return {};
    const int bpp = bitsPerPixel;
    const qint64 minRow = (qint64(width) * bpp + 7) / 8;
    const qint64 stride = widthBytes > 0 ? widthBytes : ((minRow + 1) / 2) * 2;
    if ((bpp != 1 && bpp != 24 && bpp != 32) || stride < minRow || stride * height > data.size())
        return {};
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    const auto* bits = reinterpret_cast<const uchar*>(data.constData());
    for (int y = 0; y < height; ++y) {
        const uchar* row = bits + stride * y;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            if (bpp == 1)
                out[x] = (row[x / 8] >> (7 - x % 8)) & 1 ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
            else
                out[x] = qRgb(row[x * (bpp / 8) + 2], row[x * (bpp / 8) + 1], row[x * (bpp / 8)]);
        }
    }
    return image;
}

QImage RtfPicture::bitmapInMetafile(qint64 maxBytes) const
{
    // Pasted screenshots are stored as a metafile around one bitmap; show that bitmap when there is one.
    const QByteArrayView wmf(data);
    if (wmf.size() < WmfHeaderWords * 2)
        return {};
    qsizetype at = qsizetype(le16(wmf, 2)) * 2; // the header size in words
    if (at < WmfHeaderWords * 2)
        at = WmfHeaderWords * 2;
    while (at + 6 <= wmf.size()) {
        const qint64 words = le32(wmf, at);
        const quint16 function = le16(wmf, at + 4);
        if (words < 3 || at + words * 2 > wmf.size())
            return {};
        int parameterBytes = -1;
        if (function == MetaStretchDib)
            parameterBytes = 22;
        else if (function == MetaDibStretchBlt)
            parameterBytes = 20;
        else if (function == MetaDibBitBlt)
            parameterBytes = 16;
        else if (function == MetaSetDibToDev)
            parameterBytes = 18;
        if (parameterBytes >= 0 && words * 2 > 6 + parameterBytes) {
            const QByteArrayView dib = wmf.sliced(at + 6 + parameterBytes, words * 2 - 6 - parameterBytes);
            QImage image = readBounded(bmpFromDib(dib), "BMP", maxBytes);
            if (!image.isNull())
                return image;
        }
        if (function == 0) // end of the metafile
            return {};
        at += words * 2;
    }
    return {};
}

QSizeF RtfPicture::naturalSize(const QImage& image) const
{
    const bool metafile = format == Format::WindowsMetafile || format == Format::EnhancedMetafile ||
                          format == Format::MacPict;
    qreal width = goalWidth > 0 ? goalWidth / TwipsPerPixel : 0.0;
    qreal height = goalHeight > 0 ? goalHeight / TwipsPerPixel : 0.0;
    if (width <= 0.0)
        width = picw > 0 ? (metafile ? picw / HimetricPerPixel : picw) : (image.isNull() ? 0.0 : image.width());
    if (height <= 0.0)
        height = pich > 0 ? (metafile ? pich / HimetricPerPixel : pich) : (image.isNull() ? 0.0 : image.height());
    return {width, height};
}

QSizeF RtfPicture::displaySize(const QImage& image) const
{
    QSizeF size = naturalSize(image);
    const qreal sx = scaleX > 0 ? scaleX / 100.0 : 1.0;
    const qreal sy = scaleY > 0 ? scaleY / 100.0 : 1.0;
    qreal width = std::clamp(size.width() * sx, 1.0, MaxDisplayPixels);
    qreal height = std::clamp(size.height() * sy, 1.0, MaxDisplayPixels);
    if (size.width() <= 0.0 || size.height() <= 0.0) {
        width = DefaultPlaceholderSide;
        height = DefaultPlaceholderSide;
    }
    return {width, height};
}

QImage RtfPicture::placeholder(qint64 maxBytes) const
{
    // The frame is drawn at no more than MaxPlaceholderSide pixels a side; the document stretches it to the
    // picture's size, so a header that claims a huge picture costs no memory.
    const QSizeF size = displaySize(QImage());
    const int width = std::clamp(int(std::lround(size.width())), 1, MaxPlaceholderSide);
    const int height = std::clamp(int(std::lround(size.height())), 1, MaxPlaceholderSide);
    if (!fits(width, height, maxBytes))
        return {};
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(0, 0, width - 1, height - 1);
    painter.drawLine(0, 0, width - 1, height - 1);
    painter.drawLine(0, height - 1, width - 1, 0);
    return image;
}
