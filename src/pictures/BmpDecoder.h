// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>

// Decodes a Windows bitmap through Qt's BMP reader, after checking the headers itself: Qt accepts some
// malformed files (impossible planes or bit counts, pixel data outside the file) that are refused here, and
// the declared size is bounded before Qt allocates the image. Fields that no decoder needs and writers often
// get wrong (file size, image size, resolution) are refused only when absurd. Variants that Qt does not read
// but whose headers describe the picture fully (OS/2 headers with a short palette or of 16 bytes, 52- and
// 56-byte headers, alpha bit fields, palettes longer than the bit count addresses) are rewritten for it.
class BmpDecoder final {
public:
    static QImage decode(const QByteArray& data);
};
