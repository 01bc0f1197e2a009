// SPDX-License-Identifier: MIT
#pragma once

#include "OutputTree.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The resource files of the exercises, which the save button of the exercise workspace copies into the
// working folder: metafile and bitmap pictures, an icon, a video clip, sounds, a question file, a unit,
// the tool-bar glyphs, the GIF pictures, the animation frames, and stand-ins for the archives and the
// compiled unit. Every file is written at its path and in its letter case under "files".
class ResourceFiles final {
public:
    ResourceFiles() = delete;

    static void write(OutputTree& tree);

    // The files by their paths under "files" ("CALC.WMF", "gif/001.gif"): what the working folder holds once
    // every exercise's files are saved.
    static QStringList names();
    // The bytes of a file of names(): the pictures, the video clip and the texts; empty for the sounds and
    // archives, which take long to make and which no figure shows.
    static QByteArray bytes(const QString& name);

    // The numbered names: button001.bmp to button018.bmp, 001.gif to 020.gif, 1.bmp to 20.bmp.
    static QString buttonName(int number);
    static QString gifName(int number);
    static QString visualName(int number);
};
