// SPDX-License-Identifier: MIT
#pragma once

#include <span>

// The course data of the sixty exercises: the catalogue, the workspace set-up, the exercise figures and the
// demonstration programs of the last exercise. Plain constant rows without any widget, so that the content
// generator and the program stand-ins read the same rows as the screens. Paths are content paths as the
// course writes them (backslashes, mixed letter case).
namespace ExerciseTables {

constexpr int GroupCount = 4;
constexpr int ExercisesPerGroup = 15;
constexpr int SlotsPerGroup = 30; // slots 15..29 of every group are reserved
constexpr int SlotCount = GroupCount * SlotsPerGroup;

// The slot of exercise group:number in the exercise flags.
constexpr int slotOf(int group, int number)
{
    return (group - 1) * SlotsPerGroup + (number - 1);
}

struct Exercise {
    int group;               // 1..4
    int number;              // 1..15
    const char* button;      // the catalogue's button, e.g. "Panel11"
    const char* caption;     // the catalogue button's caption
    const char* title;       // the workspace's exercise title panel
    int figures;             // 0 (only 4:15: the box of demonstration programs instead), 1..5
    const char* fileLabel;   // nullptr when the exercise has no file set
    const char* folderLabel; // nullptr when the exercise has no file set
    const char* instruction; // the instruction article
    const char* program;     // the finished program
    const char* listing;     // the main unit's listing; nullptr for 4:15
};

// The figure buttons of the workspace. Figure 3 has two buttons: Panel20 in the four- and five-figure
// layouts, the centred Panel25 in the three-figure layout; Panel4 is the single figure.
enum class FigureButton { Panel18, Panel19, Panel20, Panel21, Panel22, Panel25, Panel4 };
constexpr int FigureButtonCount = 7;

struct ExerciseFigure {
    int group;
    int number;
    int figure; // 1..5, the number in its button's caption
    FigureButton button;
    int windowWidth;
    int windowHeight;
    int pictureWidth;
    int pictureHeight;
    const char* caption;
    const char* picture;
};

struct Demonstration {
    const char* button;    // "BitBtn1"
    const char* caption;   // "Zoom"
    const char* program;   // the program the button starts
    const char* fileLabel; // what the file label shows after a press
    const char* archive;   // the source archive the save button offers
};

std::span<const Exercise> exercises();           // 60 rows in slot order
std::span<const ExerciseFigure> figures();       // 165 rows, by exercise and figure
std::span<const Demonstration> demonstrations(); // 9 rows in flag order

// The exercise of a slot, or nullptr for a reserved or out-of-range slot.
const Exercise* exerciseAt(int slot);
// The buttons that the set-up shows for an exercise with this many figures (1..5; none for 0).
std::span<const FigureButton> layout(int figureCount);
// The figure that a button opens for an exercise, or nullptr when the exercise has none there.
const ExerciseFigure* figureOf(int group, int number, FigureButton button);
// The control name of a figure button ("Panel18").
const char* buttonName(FigureButton button);

} // namespace ExerciseTables
