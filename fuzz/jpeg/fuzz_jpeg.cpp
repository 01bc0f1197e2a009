// SPDX-License-Identifier: MIT
// libFuzzer target: the JPEG loader (libjpeg with the error manager that throws) over arbitrary bytes.

#include "pictures/JpegDecoder.h"
#include "platform/Error.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        const QImage image = JpegDecoder::decode(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
        if (image.isNull())
            __builtin_trap();
    } catch (const Error&) {
    }
    return 0;
}
