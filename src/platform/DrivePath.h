// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Paths on drive C are written as the course writes them, Windows style ("C:\DELPHIFILES\buttons\x.bmp"). This
// machine has no drive letters: "C:\" is a folder of its own, and the names below it are found the way Windows
// finds them, without regard to letter case.
namespace DrivePath {

// The folder that stands for "C:\": the one named by the environment variable VEDARIUM_DRIVE_C when it is set
// and not empty, otherwise the user's home folder.
QString root();

// Whether a file or folder name may appear in a drive path: not empty, not "." or "..", and none of the
// characters Windows forbids in a name (control characters and < > : " / \ | ? *).
bool isValidName(const QString& name);

// The real path of a path on drive C ("C:\" or "c:\" followed by names separated by backslashes). Each name is
// matched against its folder: the exact spelling when it exists, otherwise an entry that differs only in
// letter case (so a hand-made "delphifiles" is the same folder as "DELPHIFILES"); a name with no match keeps
// its spelling, so that a new folder or file gets the name the course gives it. Anything else (another drive,
// a relative path, an invalid name) names nothing and gives an empty string, so nothing outside the drive
// folder is ever reached.
QString resolve(const QString& drivePath);

} // namespace DrivePath
