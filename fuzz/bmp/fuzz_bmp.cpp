// SPDX-License-Identifier: MIT
// libFuzzer target: the BMP loader (header checks, then Qt's reader) over arbitrary bytes.

#include "pictures/BmpDecoder.h"
#include "platform/Error.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        const QImage image = BmpDecoder::decode(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
        if (image.isNull())
            __builtin_trap(); // a successful load always has pixels
    } catch (const Error&) {
    }
    return 0;
}
