// SPDX-License-Identifier: MIT
#pragma once

#include "platform/FileSystem.h"

#include <QtGlobal>

// The working folder on this machine's disk, through POSIX calls.
//
// A copy never creates its destination before the last byte is safe: it reads the source in blocks into a new
// hidden temporary file beside the destination, flushes that file to the disk, and only then renames it over
// the destination. A failure at any step removes the temporary file, so a full disk or a vanished source
// cannot leave an empty or partial file that a later save would take for a finished one. The rename replaces
// a symbolic link at the destination instead of writing through it.
class RealFileSystem : public FileSystem {
public:
    static constexpr qint64 BlockSize = 64 * 1024;

    bool directoryExists(const QString& folder) override;
    bool createDirectory(const QString& folder) override;
    bool fileExists(const QString& file) override;
    bool copyFile(const QString& sourceFile, const QString& destination) override;

protected:
    // Writes one block of the copy to the open temporary file: true when every byte was written, otherwise false
    // with errno set. The test double overrides it to run out of space.
    virtual bool writeBlock(int fd, const char* data, qint64 size);
};
