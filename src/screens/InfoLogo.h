// SPDX-License-Identifier: MIT
#pragma once

#include "app/Screen.h"

#include <memory>

class GifImage;
class Image;
class Label;
class QPushButton;

// The title screen and main window: the course's logo composition with version captions; "НАЧАТЬ" leads
// to the mode menu. The disc animation in the header is loaded at every activation.
class TForm1 final : public Screen {
    Q_OBJECT
public:
    TForm1();
    ~TForm1() override;

    void FormCreate();
    void SpeedButton1Click() {}
    void FormShow() override { SpeedButton1Click(); }
    void Button1Click() override;
    void Button2Click() override;

    Image* Image1 = nullptr;
    Image* Image2 = nullptr;
    Image* Image3 = nullptr;
    Image* Image4 = nullptr;
    Image* Image6 = nullptr;
    Image* Image8 = nullptr;
    Image* Image9 = nullptr;
    Image* Image10 = nullptr;
    Label* Label5 = nullptr;
    Label* Label6 = nullptr;
    Label* Label7 = nullptr;
    QPushButton* SpeedButton1 = nullptr;

private:
    // The disc animation loaded at the last activation; Image9 keeps its own copy.
    std::unique_ptr<GifImage> m_disc;
};

extern TForm1* Form1;
