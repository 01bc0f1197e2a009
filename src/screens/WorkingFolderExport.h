// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <array>
#include <span>

// The save button of the exercise workspace: copies an exercise's resource files from the content folder
// "files" into the working folder "C:\DELPHIFILES" and its subfolders, creating the folders that are missing,
// and reports every folder made and every file in a message box of its own, in order. The save button fills
// the program-wide file-name slots from the exercise's row and runs the row's routine; the routines read the
// slots. Each routine works through the FileSystem layer and goes on after a failure with the next file.
namespace WorkingFolderExport {

// Which of the six routines copies a file set.
enum class Routine { SingleFile, ThreeFiles, ButtonSet, GifSet, VisualSet, SourceArchive };

// The file set of one exercise. The names are what the save button puts into the slots, in the letter case of
// the files: the single name, the three names, or slots 1 and 2 of the GIF set; the numbered names and the
// archives of the demonstration programs are not in the row.
struct FileSet {
    int group;
    int number;
    Routine routine;
    std::array<const char*, 3> names;
};

std::span<const FileSet> fileSets(); // 22 rows in exercise order
// The file set of an exercise, or nullptr when it has none.
const FileSet* fileSetOf(int group, int number);

// The numbered names, built as text: button001.bmp .. button018.bmp (k = 1..18), 001.gif .. 020.gif for the GIF
// slots 3..22, 1.bmp .. 20.bmp (k = 1..20).
QString buttonName(int k);
QString gifName(int slot);
QString visualName(int k);

// The file-name slots, program-wide and kept from one save to the next; index 0 is slot 1.
struct FileNameSlots {
    QString singleName;
    std::array<QString, 3> threeNames;
    std::array<QString, 18> buttonNames;
    std::array<QString, 22> gifNames;
    std::array<QString, 20> visualNames;
};
FileNameSlots& fileNameSlots();

// The six routines, each over its slots.
void CopySingleFile();
void CopyThreeFiles();
void CopyButtonSet();
void CopyGifSet();
void CopyVisualSet();
void CopySourceArchive();

// What the save button does for exercise group:number: fills the slots from its row and runs its routine. The
// source archive of 4:15 is the one of the demonstration program pressed last (nullptr when none is: then
// nothing happens). An exercise without a file set does nothing.
void save(int group, int number, const char* demonstrationArchive);

} // namespace WorkingFolderExport
