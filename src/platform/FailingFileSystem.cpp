// SPDX-License-Identifier: MIT
#include "platform/FailingFileSystem.h"

#include <cerrno>

bool FailingFileSystem::directoryExists(const QString& folder)
{
    m_calls.append(QStringLiteral("directoryExists ") + folder);
    return RealFileSystem::directoryExists(folder);
}

bool FailingFileSystem::createDirectory(const QString& folder)
{
    m_calls.append(QStringLiteral("createDirectory ") + folder);
    return !m_uncreatable.contains(folder) && RealFileSystem::createDirectory(folder);
}

bool FailingFileSystem::fileExists(const QString& file)
{
    m_calls.append(QStringLiteral("fileExists ") + file);
    return RealFileSystem::fileExists(file);
}

bool FailingFileSystem::copyFile(const QString& sourceFile, const QString& destination)
{
    m_calls.append(QStringLiteral("copyFile ") + destination);
    return RealFileSystem::copyFile(sourceFile, destination);
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
