// SPDX-License-Identifier: MIT
#pragma once

#include "app/Window.h"

// The listing window: shows an exercise program's source so that the pupil can read and copy it. A small
// tool window at the top-left corner without caption buttons; closed by its own button or by the program.
class TAboutBox3 final : public Window {
    Q_OBJECT
public:
    TAboutBox3();
};

extern TAboutBox3* AboutBox3;
