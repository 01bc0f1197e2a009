// SPDX-License-Identifier: MIT
#include "IconWriter.h"

#include "LittleEndian.h"

#include "platform/Error.h"

#include <QtEndian>

#include <array>
#include <climits>

namespace {

// The 16 colours of the standard palette, in palette order.
constexpr std::array<QRgb, 16> kPalette = {
    0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080, 0xFFC0C0C0,
    0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF,
};

int nearest(QRgb colour)
{
    int best = 0;
    int bestDistance = INT_MAX;
    for (int i = 0; i < static_cast<int>(kPalette.size()); ++i) {
        const QRgb entry = kPalette[static_cast<std::size_t>(i)];
        const int dr = qRed(colour) - qRed(entry);
        const int dg = qGreen(colour) - qGreen(entry);
        const int db = qBlue(colour) - qBlue(entry);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

} // namespace

QByteArray IconWriter::write(const QImage& source)
{
    if (source.isNull() || source.width() > 255 || source.height() > 255)
        throw Error(QStringLiteral("An icon image must be 1 to 255 pixels on a side"));
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int width = image.width();
    const int height = image.height();
    // Rows of both bitmaps are padded to whole 32-bit words and stored bottom row first.
    const int colourStride = ((width * 4 + 31) / 32) * 4;
    const int maskStride = ((width + 31) / 32) * 4;
    QByteArray colours(static_cast<qsizetype>(colourStride) * height, '\0');
    QByteArray mask(static_cast<qsizetype>(maskStride) * height, '\0');
    for (int y = 0; y < height; ++y) {
        const int row = height - 1 - y;
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) < 128) {
                // Transparent: mask bit set, colour black, so the screen shows through unchanged.
                mask[row * maskStride + x / 8] = static_cast<char>(mask[row * maskStride + x / 8] | (0x80 >> (x % 8)));
                continue;
            }
            const int index = nearest(pixel);
            char& pair = colours[row * colourStride + x / 2];
            pair = static_cast<char>(pair | (x % 2 == 0 ? index << 4 : index));
        }
    }

    QByteArray bitmap;
    put32(bitmap, 40);
    put32(bitmap, static_cast<quint32>(width));
    put32(bitmap, static_cast<quint32>(2 * height)); // the colour bitmap and the mask, one above the other
    put16(bitmap, 1);
    put16(bitmap, 4);
    put32(bitmap, 0);
    put32(bitmap, static_cast<quint32>(colours.size() + mask.size()));
    put32(bitmap, 0);
    put32(bitmap, 0);
    put32(bitmap, static_cast<quint32>(kPalette.size()));
    put32(bitmap, 0);
    for (const QRgb entry : kPalette) {
        bitmap.append(static_cast<char>(qBlue(entry)));
        bitmap.append(static_cast<char>(qGreen(entry)));
        bitmap.append(static_cast<char>(qRed(entry)));
        bitmap.append('\0');
    }
    bitmap.append(colours);
    bitmap.append(mask);

    constexpr int kDirectorySize = 6 + 16;
    QByteArray out;
    put16(out, 0);
    put16(out, 1); // an icon, not a cursor
    put16(out, 1); // one image
    out.append(static_cast<char>(width));
    out.append(static_cast<char>(height));
    out.append(static_cast<char>(kPalette.size()));
    out.append('\0');
    put16(out, 1);
    put16(out, 4);
    put32(out, static_cast<quint32>(bitmap.size()));
    put32(out, kDirectorySize);
    out.append(bitmap);
    return out;
}
