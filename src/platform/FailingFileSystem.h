// SPDX-License-Identifier: MIT
#pragma once

#include "platform/RealFileSystem.h"

#include <QSet>

// A test double over the real working folder: every operation runs on the disk as in the program, and fails on
// demand. A folder can be made uncreatable, and the disk can be given a fixed amount of free space, past which
// writes fail as on a full disk (ENOSPC) after writing what still fits.
class FailingFileSystem final : public RealFileSystem {
public:
    bool createDirectory(const QString& folder) override;

    // Creating this folder (a drive path, exactly as the caller writes it) fails.
    void failCreation(const QString& folder) { m_uncreatable.insert(folder); }
    // The bytes that writes may still use; negative (the default) is unlimited. Space used by a copy that then
    // fails is not given back, as the double cannot know what the disk would reclaim.
    void setFreeSpace(qint64 bytes) { m_freeSpace = bytes; }
    qint64 freeSpace() const { return m_freeSpace; }

protected:
    bool writeBlock(int fd, const char* data, qint64 size) override;

private:
    QSet<QString> m_uncreatable;
    qint64 m_freeSpace = -1;
};
