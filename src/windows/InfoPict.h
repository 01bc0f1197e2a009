// SPDX-License-Identifier: MIT
#pragma once

#include "app/Window.h"

#include <QTimer>

class Image;
class QPushButton;

// The picture window shared by every screen: one captioned figure at a time, at the top-left corner of
// the desktop, sized by the figure tables.
class TAboutBox1 final : public Window {
    Q_OBJECT
public:
    TAboutBox1();

    // Shows a figure: close, outer size, caption, image size, picture, show. When the picture cannot be
    // loaded the window stays hidden, already resized and retitled.
    void showFigure(int windowWidth, int windowHeight, const QString& caption, int imageWidth, int imageHeight,
                    const QString& pictureFile);

    Image* Image1 = nullptr;
    QPushButton* OKButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void keepFrameAtCorner();

    QTimer m_cornerTimer;
    int m_cornerChecks = 0;
};

extern TAboutBox1* AboutBox1;
