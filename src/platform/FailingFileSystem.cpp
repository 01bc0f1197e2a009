// SPDX-License-Identifier: MIT
#include "platform/FailingFileSystem.h"

#include <cerrno>

bool FailingFileSystem::createDirectory(const QString& folder)
{
    return !m_uncreatable.contains(folder) && RealFileSystem::createDirectory(folder);
}

bool FailingFileSystem::writeBlock(int fd, const char* data, qint64 size)
{
    if (m_freeSpace < 0)
        return RealFileSystem::writeBlock(fd, data, size);
    const qint64 fits = qMin(size, m_freeSpace);
    if (fits > 0 && !RealFileSystem::writeBlock(fd, data, fits))
        return false;
    m_freeSpace -= fits;
    if (fits < size) {
        errno = ENOSPC;
        return false;
    }
    return true;
}
