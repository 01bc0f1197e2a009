// SPDX-License-Identifier: MIT
#pragma once

#include "richtext/RtfWord.h"

#include <QByteArray>
#include <QImage>
#include <QSizeF>

// One \pict group: its format, its data (hex or \bin, already as bytes) and its size controls. image() turns
// it into something the document can show: the decoded bitmap, or for a format that is not decoded (Windows
// and enhanced metafiles without a bitmap inside) a framed placeholder of the picture's size.
class RtfPicture final {
public:
    enum class Format { Unknown, Png, Jpeg, Dib, DeviceBitmap, WindowsMetafile, EnhancedMetafile, MacPict };

    // Data past this is dropped, whatever the file claims.
    static constexpr qint64 MaxDataBytes = qint64(32) * 1024 * 1024;

    Format format = Format::Unknown;
    QByteArray data;
    int picw = 0; // pixels for bitmaps, 0.01 mm for metafiles
    int pich = 0;
    int goalWidth = 0; // twips
    int goalHeight = 0;
    int scaleX = 100; // percent
    int scaleY = 100;
    int bitsPerPixel = 1; // device-dependent bitmaps
    int widthBytes = 0;

    // Takes one of the picture's own control words (format, size, scale, bitmap layout); false for any other.
    bool applyWord(RtfWord word, int parameter);
    // Data written as hexadecimal digits (anything else between them is left out) or as \bin bytes.
    void appendHex(QByteArrayView text);
    void appendBinary(QByteArrayView bytes);

    // The picture as an image no larger than maxBytes of pixels; a placeholder when it cannot be decoded.
    // Null when not even a placeholder fits.
    QImage image(qint64 maxBytes) const;
    // The size the picture takes on the page, in pixels at 96 dpi.
    QSizeF displaySize(const QImage& image) const;

    // A BMP file made of a device-independent bitmap (header, colours, bits), or empty when it is malformed.
    static QByteArray bmpFromDib(QByteArrayView dib);
    // Reads an image in a file format, refusing one whose pixels would exceed maxBytes.
    static QImage readBounded(const QByteArray& bytes, const char* format, qint64 maxBytes);

private:
    int m_nibble = -1; // the high half of a hex byte whose low half has not come yet

    QImage deviceBitmap(qint64 maxBytes) const;
    QImage bitmapInMetafile(qint64 maxBytes) const;
    QImage placeholder(qint64 maxBytes) const;
    QSizeF naturalSize(const QImage& image) const;
};
