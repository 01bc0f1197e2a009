// SPDX-License-Identifier: MIT
#pragma once

#include "app/Window.h"

class Image;
class QPushButton;

// The spare picture window: created with the others, never filled; the exercise workspace closes it when
// it is left.
class TAboutBox2 final : public Window {
    Q_OBJECT
public:
    TAboutBox2();

    void OKButtonClick();

    Image* Image1 = nullptr;
    QPushButton* OKButton = nullptr;
};

extern TAboutBox2* AboutBox2;
