// SPDX-License-Identifier: MIT
#pragma once

#include "app/Screen.h"

class Label;
class Panel;
class QToolButton;
class RichEdit;

// The exercise workspace: the exercise chosen in the catalogue with its instruction, figures, program,
// listing and save controls.
class TForm35 final : public Screen {
    Q_OBJECT
public:
    TForm35();

    void FormCreate();
    void leaveCleanup() override;

    Panel* Panel10 = nullptr; // exercise title panel
    Panel* Panel9 = nullptr;  // instruction heading
    RichEdit* RichEdit1 = nullptr;
    Panel* Panel4 = nullptr;  // the single figure button
    Panel* Panel12 = nullptr; // file label
    Label* Label6 = nullptr;  // folder label
    QToolButton* SpeedButton2 = nullptr; // save button

    int tickCounter() const { return m_ticks; }
    bool markerShown() const { return m_markerShown; }

private:
    int m_ticks = 0;
    bool m_markerShown = false;
};

extern TForm35* Form35;
