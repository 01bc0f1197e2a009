// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

// The twenty pictures of the GIF player exercise: small looping animations (a bouncing ball, a windmill,
// falling snow, the phases of the moon, a swimming fish and more) and one still picture, drawn in flat
// colours and written through GifAnimation with a mix of frame delays and disposal methods, as GIF files
// found in the wild have.
class GifClips final {
public:
    GifClips() = delete;

    static constexpr int kCount = 20;

    // Picture 1 to kCount.
    static QByteArray clip(int number);
};
