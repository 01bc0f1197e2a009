// SPDX-License-Identifier: MIT
#pragma once

#include "app/Window.h"

class Image;
class Label;
class Panel;
class QPushButton;

// The about box: a small frameless panel naming the product and its version, centred over the screens.
// It closes on "OK", on Enter, and as soon as it loses the activation (a click anywhere outside it).
class TAboutBox final : public Window {
    Q_OBJECT
public:
    TAboutBox();

    void OKButtonClick();
    void onDeactivate() override { OKButtonClick(); }

    Panel* Panel1 = nullptr;
    Image* ProgramIcon = nullptr;
    Label* ProductName = nullptr;
    Label* Version = nullptr;
    Label* Comments = nullptr;
    QPushButton* OKButton = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

extern TAboutBox* AboutBox;
