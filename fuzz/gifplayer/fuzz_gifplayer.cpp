// SPDX-License-Identifier: MIT
// libFuzzer target: the GIF player's composition and scheduling. The first byte chooses the settings
// (transparent, clear on loop, loop forever, loop, speed), the rest is the GIF file; the player runs a few
// passes against a made-up clock that is sometimes late.

#include "pictures/GifImage.h"
#include "pictures/GifPlayback.h"
#include "platform/Error.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {
constexpr int maxSteps = 100;
constexpr qint64 maxCanvasPixels = 64 * 64; // the rules do not depend on the size; keep runs fast
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const uint8_t settings = data[0];
    try {
        GifImage gif;
        gif.loadFromData(QByteArray(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1)));
        if (qint64(gif.logicalSize().width()) * gif.logicalSize().height() > maxCanvasPixels)
            return 0;
        gif.setTransparent(settings & 1);
        gif.setClearOnLoop(settings & 2);
        gif.setLoopForever(settings & 4);
        gif.setLoop(!(settings & 8));
        gif.setAnimationSpeed(1 + (settings >> 4) * 60);
        qint64 now = 0;
        GifPlayback playback(gif, [&now] { return now; });
        std::optional<qint64> wait = playback.start();
        for (int step = 0; wait && step < maxSteps; ++step) {
            now += std::max<qint64>(*wait, 0) + (step % 3 == 0 ? step : 0);
            wait = playback.advance();
            const QImage& canvas = playback.canvas();
            if (canvas.size() != gif.logicalSize())
                __builtin_trap();
            if (playback.currentFrame() < 0 || playback.currentFrame() >= gif.frameCount())
                __builtin_trap();
        }
    } catch (const Error&) {
    }
    return 0;
}
