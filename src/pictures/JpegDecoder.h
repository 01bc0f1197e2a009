// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>

// Decodes JPEG data with libjpeg (decompression only). libjpeg's own error handler ends the process; this
// one turns every fatal error, and a file that ends in the middle of the image, into an Error carrying
// libjpeg's message.
class JpegDecoder final {
public:
    static QImage decode(const QByteArray& data);
};
