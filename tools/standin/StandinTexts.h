// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// What a stand-in window says: which program of the course it stands for, what the finished program does,
// and that the window only stands in for it.
struct StandinText {
    bool known = false;  // the path names one of the course's programs
    QString title;       // the window title
    QString description; // what the finished program does
    QString note;        // that this is a stand-in, and where the real program comes from
};

namespace StandinTexts {

// The text for the program at `path`, the path the stand-in was started by: the part from the last "programs"
// folder on is compared, without regard to letter case, with the program paths of the exercise tables
// (".../programs/prog1/upr01/Project1.exe", ".../programs/prog4/upr15/Zoom/Zoom.exe").
StandinText forPath(const QString& path);

} // namespace StandinTexts
