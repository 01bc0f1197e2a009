// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>

// Decodes a Windows bitmap through Qt's BMP reader, after checking the headers itself: Qt accepts some
// malformed files (impossible planes or bit counts, pixel data outside the file) that are refused here, and
// the declared size is bounded before Qt allocates the image.
class BmpDecoder final {
public:
    static QImage decode(const QByteArray& data);
};
