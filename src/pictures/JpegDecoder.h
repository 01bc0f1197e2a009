// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>

// Decodes JPEG data with libjpeg (decompression only). libjpeg's own error handler ends the process; this
// one turns every fatal error into an Error carrying libjpeg's message. libjpeg's warnings are not errors: a
// picture without its end marker or with bytes after it loads, and data that stops inside the scan shows the
// rows that were decoded, the rest mid-grey as libjpeg draws blocks without data.
class JpegDecoder final {
public:
    static QImage decode(const QByteArray& data);
};
