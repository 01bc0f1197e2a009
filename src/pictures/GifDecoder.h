// SPDX-License-Identifier: MIT
#pragma once

#include "pictures/GifData.h"

#include <QByteArray>

#include <memory>

// Decodes GIF87a/GIF89a data through giflib into frames of colour indices. Damaged data throws Error:
// "Invalid GIF signature", "Premature end of data" (the file ends early) or "Invalid GIF data" (with the
// reason). Image data that stops before the image is complete, by an early LZW end code or an early end of its
// list of data blocks, is accepted; the pixels it does not cover are left undrawn, as GIF viewers commonly do.
// So are pixel indices past the colour table. An image without any colour table gets a grey-scale ramp over
// its LZW code size. Every decoded pixel, on the logical screen or not, counts against one budget for the file.
class GifDecoder final {
public:
    static std::shared_ptr<const GifData> decode(const QByteArray& data);

    // Where the GIF data begins: 0 when the first three bytes are "GIF" in any letter case, 4 when they are
    // found four bytes further on, -1 otherwise.
    static int signatureOffset(const QByteArray& data);
};
