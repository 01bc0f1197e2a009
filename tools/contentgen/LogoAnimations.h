// SPDX-License-Identifier: MIT
#pragma once

#include "ContentTables.h"

#include <QByteArray>

// The animated logos of the screens, drawn frame by frame in a few flat colours (no smoothing, so every
// pixel is a palette colour) and written as looping GIF89a files with delays and disposal methods that
// vary the way real animated logos do.
class LogoAnimations final {
public:
    LogoAnimations() = delete;

    static QByteArray create(AnimationKind kind);

    static QByteArray disc();  // a spinning compact disc, 24 x 24
    static QByteArray flag();  // a flag waving on its pole, 32 x 32
    static QByteArray smile(); // a smiling face that grins, winks and looks around, 32 x 32
    static QByteArray wink();  // a small face winking one eye, 24 x 24
};
