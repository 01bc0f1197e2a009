// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>

// Writes a Windows icon file holding one image in the 16 standard colours with its transparency mask, the
// form every version of Windows and every icon editor reads.
class IconWriter final {
public:
    IconWriter() = delete;

    // image: at most 255 x 255 pixels; pixels with less than half opacity become transparent, the others the
    // nearest standard colour.
    static QByteArray write(const QImage& image);
};
