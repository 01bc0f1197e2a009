// SPDX-License-Identifier: MIT
#pragma once

#include "pictures/GifData.h"

#include <QByteArray>

#include <memory>

// Decodes GIF87a/GIF89a data through giflib into frames of colour indices. Damaged data throws Error:
// "Invalid GIF signature", "Premature end of data" (the data ends early) or "Invalid GIF data" (with the
// reason). LZW data that stops before the image is complete is accepted; the pixels it does not cover are
// left undrawn, as GIF viewers commonly do.
class GifDecoder final {
public:
    static std::shared_ptr<const GifData> decode(const QByteArray& data);

    // Where the GIF data begins: 0 when the first three bytes are "GIF" in any letter case, 4 when they are
    // found four bytes further on, -1 otherwise.
    static int signatureOffset(const QByteArray& data);
};
