// SPDX-License-Identifier: MIT
#pragma once

#include "app/Window.h"

class BitBtn;
class RichEdit;

// The listing window: shows an exercise program's source so that the pupil can read and copy it. A small
// tool window at the top-left corner without caption buttons; closed by its own button or by the program.
class TAboutBox3 final : public Window {
    Q_OBJECT
public:
    TAboutBox3();

    // What the workspace does to show a listing: close the window, load the file, show the window. When the
    // file cannot be read the error goes up and the window stays closed with its previous text.
    void showListing(const QString& contentPath);

    void BitBtn1Click();
    void BitBtn2Click();

    RichEdit* RichEdit1 = nullptr;
    BitBtn* BitBtn1 = nullptr;
    BitBtn* BitBtn2 = nullptr;
};

extern TAboutBox3* AboutBox3;
