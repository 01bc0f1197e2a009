// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The file operations of the working folder, the only place where the program writes. Folders and destinations
// are drive paths ("C:\DELPHIFILES\gif\001.gif", see DrivePath); a drive path that DrivePath rejects names
// nothing: it does not exist, and creating it or copying to it fails. The real layer works on this machine's
// disk; tests install a double that records the calls and fails on demand.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // True when the folder exists.
    virtual bool directoryExists(const QString& folder) = 0;
    // Creates one folder, whose parent must exist. False when it cannot be created, also when something of
    // that name is already there.
    virtual bool createDirectory(const QString& folder) = 0;
    // True when the path names an existing file (a folder is not a file).
    virtual bool fileExists(const QString& file) = 0;
    // Copies the file sourceFile (a real path: the caller resolves content paths) to the drive path
    // destination, replacing a file that is there. The destination appears only when every byte has been
    // written; a failure (missing or unreadable source, unwritable folder, full disk) returns false and leaves
    // the destination as it was, without a partial file.
    virtual bool copyFile(const QString& sourceFile, const QString& destination) = 0;

    // The installed layer; a RealFileSystem when none is installed.
    static FileSystem& instance();
    // Installs a replacement (not owned); nullptr restores the real layer.
    static void install(FileSystem* fileSystem);
};
