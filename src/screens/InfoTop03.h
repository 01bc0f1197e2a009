// SPDX-License-Identifier: MIT
#pragma once

#include "app/Screen.h"
#include "pictures/GifImage.h"
#include "screens/ChoiceFlags.h"
#include "screens/ExerciseTables.h"

#include <array>

class BitBtn;
class GroupBox;
class Image;
class Label;
class Panel;
class RichEdit;
class SpeedButton;

using DemonstrationFlags = ChoiceFlags<9>;

// The exercise workspace: the exercise chosen in the catalogue with its instruction, figures, program,
// listing and save controls. It keeps no exercise data of its own: every operation reads the catalogue's
// exercise flags and acts from the exercise tables, and every showing sets the screen up afresh.
class TForm35 final : public Screen {
    Q_OBJECT
public:
    TForm35();

    void FormCreate();
    void FormShow() override { SpeedButton1Click(); }
    void FormHide() override;
    void Button1Click() override; // activation: the demonstration flags are cleared, the players opened
    void leaveCleanup() override;

    // The exercise set-up, bound to the show event.
    void SpeedButton1Click();
    // The attention marker: the flag leaves the figure area after one tick and, for an exercise with files,
    // stands beside the save controls until the second.
    void Timer1Timer();

    void Panel18Click() { figureClick(ExerciseTables::FigureButton::Panel18); }
    void Panel19Click() { figureClick(ExerciseTables::FigureButton::Panel19); }
    void Panel20Click() { figureClick(ExerciseTables::FigureButton::Panel20); }
    void Panel21Click() { figureClick(ExerciseTables::FigureButton::Panel21); }
    void Panel22Click() { figureClick(ExerciseTables::FigureButton::Panel22); }
    void Panel25Click() { figureClick(ExerciseTables::FigureButton::Panel25); }
    void Panel4Click() { figureClick(ExerciseTables::FigureButton::Panel4); }
    void BitBtn3Click(); // "ЗАПУСК ПРОГРАММЫ"
    void BitBtn4Click(); // "СКОПИРОВАТЬ ТЕКСТ"
    void BitBtn5Click(); // "СМОТРЕТЬ ЛИСТИНГ"
    // The save button: copies the exercise's files, or for 4:15 the archive of the demonstration program
    // pressed last, into the working folder.
    void SpeedButton2Click();

    // The nine demonstration programs of the last exercise, in flag order.
    void BitBtn1Click() { demonstrationClick(0); }
    void BitBtn2Click() { demonstrationClick(1); }
    void BitBtn6Click() { demonstrationClick(2); }
    void BitBtn7Click() { demonstrationClick(3); }
    void BitBtn8Click() { demonstrationClick(4); }
    void BitBtn9Click() { demonstrationClick(5); }
    void BitBtn10Click() { demonstrationClick(6); }
    void BitBtn11Click() { demonstrationClick(7); }
    void BitBtn12Click() { demonstrationClick(8); }

    // The chosen exercise: the first row, in slot order, whose exercise flag is set; nullptr before a choice.
    const ExerciseTables::Exercise* chosenExercise() const;
    // The demonstration program pressed last since the workspace was last activated (read by the save button).
    const DemonstrationFlags& demonstrationFlags() const { return m_demonstrationFlags; }
    int tickCounter() const { return m_ticks; }
    bool markerShown() const { return m_markerShown; }
    Panel* figureButton(ExerciseTables::FigureButton button) const { return m_figureButtons[size_t(button)]; }
    BitBtn* demonstrationButton(int index) const { return m_demonstrationButtons[size_t(index)]; }

    Panel* Panel10 = nullptr; // exercise title panel
    Panel* Panel9 = nullptr;  // instruction heading
    RichEdit* RichEdit1 = nullptr;
    GroupBox* GroupBox1 = nullptr; // figure area
    Label* Label5 = nullptr;
    Image* Image1 = nullptr;
    Image* Image3 = nullptr;       // smile
    Image* Image4 = nullptr;       // wink
    Image* Image5 = nullptr;       // flag in the figure area
    Label* Label6 = nullptr;       // folder label
    GroupBox* GroupBox2 = nullptr; // demonstration programs
    Panel* Panel18 = nullptr;
    Panel* Panel19 = nullptr;
    Panel* Panel20 = nullptr;
    Panel* Panel21 = nullptr;
    Panel* Panel22 = nullptr;
    Panel* Panel25 = nullptr;
    Panel* Panel4 = nullptr;             // the single figure button
    Image* Image6 = nullptr;             // attention marker
    Panel* Panel12 = nullptr;            // file label
    SpeedButton* SpeedButton1 = nullptr; // never visible; its click is the set-up
    SpeedButton* SpeedButton2 = nullptr; // save button
    BitBtn* BitBtn4 = nullptr;
    BitBtn* BitBtn5 = nullptr;
    BitBtn* BitBtn3 = nullptr;

private:
    void figureClick(ExerciseTables::FigureButton button);
    void demonstrationClick(int index);

    int m_ticks = 0;
    bool m_markerShown = false;
    DemonstrationFlags m_demonstrationFlags;
    GifImage m_flag; // the set-up's flag picture, which the marker shows too
    std::array<Panel*, ExerciseTables::FigureButtonCount> m_figureButtons{};
    std::array<BitBtn*, DemonstrationFlags::size()> m_demonstrationButtons{};
};

extern TForm35* Form35;
