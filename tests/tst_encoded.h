// SPDX-License-Identifier: MIT
#pragma once

// A picture encoded in memory by Qt's image writers (BMP, JPEG, PNG ...): the starting point of the tests and
// benchmarks that read, damage or rewrite picture data.

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>

inline QByteArray encoded(const QImage& image, const char* format, int quality = -1, bool progressive = false)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return data;
}
