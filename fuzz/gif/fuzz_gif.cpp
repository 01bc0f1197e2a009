// SPDX-License-Identifier: MIT
// libFuzzer target: the GIF decoder (signature test, giflib, frame and extension reading) over arbitrary
// bytes, and the first frame composed from whatever it accepts.

#include "pictures/GifComposer.h"
#include "pictures/GifImage.h"
#include "platform/Error.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        GifImage gif;
        gif.loadFromData(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
        if (gif.logicalSize().isEmpty())
            __builtin_trap(); // an empty logical screen must have been refused
        for (const GifFrame& frame : gif.data().frames)
            if (frame.pixels.size() != qsizetype(frame.area.width()) * frame.area.height()
                || frame.area != (frame.area & QRect(QPoint(0, 0), gif.logicalSize())))
                __builtin_trap();
        // Composing allocates the logical screen; keep the run fast on the huge ones the decoder allows.
        if (qint64(gif.logicalSize().width()) * gif.logicalSize().height() <= 1024 * 1024)
            GifComposer::firstFrame(gif);
    } catch (const Error&) {
    }
    return 0;
}
