// SPDX-License-Identifier: MIT
#include "platform/RealFileSystem.h"

#include "platform/DrivePath.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// A file descriptor opened for reading, closed on destruction.
class Descriptor final {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Q_DISABLE_COPY_MOVE(Descriptor)

    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }

private:
    int m_fd;
};

// The temporary file of one copy: created new beside the destination, removed on destruction unless it was
// renamed over the destination.
class TemporaryFile final {
public:
    TemporaryFile(const QString& folder, const QString& name)
    {
        // A hidden name that cannot be mistaken for the destination; a few tries in case another copy holds it.
        for (int attempt = 0; attempt < 8 && m_fd < 0; ++attempt) {
            const QString candidate = QStringLiteral("%1/.%2.%3.part")
                                          .arg(folder, name)
                                          .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
            m_path = QFile::encodeName(candidate);
            m_fd = ::open(m_path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
            if (m_fd < 0 && errno != EEXIST)
                break;
        }
        if (m_fd < 0)
            m_path.clear();
    }
    ~TemporaryFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_path.isEmpty())
            ::unlink(m_path.constData());
    }
    Q_DISABLE_COPY_MOVE(TemporaryFile)

    bool valid() const { return m_fd >= 0; }
    int fd() const { return m_fd; }
    // Flushes the contents to the disk and closes the file; false when either fails (a full disk may only tell
    // here).
    bool finish()
    {
        const bool synced = ::fsync(m_fd) == 0;
        const bool closed = ::close(m_fd) == 0;
        m_fd = -1;
        return synced && closed;
    }
    // Renames the finished file over the destination; afterwards nothing is removed.
    bool commit(const QByteArray& destination)
    {
        if (::rename(m_path.constData(), destination.constData()) != 0)
            return false;
        m_path.clear();
        return true;
    }

private:
    int m_fd = -1;
    QByteArray m_path;
};

// Reads up to size bytes, retrying when a signal interrupts; -1 on an error.
qint64 readBlock(int fd, char* data, qint64 size)
{
    for (;;) {
        const ssize_t n = ::read(fd, data, size_t(size));
        if (n >= 0 || errno != EINTR)
            return n;
    }
}

} // namespace

bool RealFileSystem::directoryExists(const QString& folder)
{
    const QString path = DrivePath::resolve(folder);
    return !path.isEmpty() && QFileInfo(path).isDir();
}

bool RealFileSystem::createDirectory(const QString& folder)
{
    const QString path = DrivePath::resolve(folder);
    // mkdir creates one level only: it fails when the parent is missing or the name is taken.
    return !path.isEmpty() && ::mkdir(QFile::encodeName(path).constData(), 0777) == 0;
}

bool RealFileSystem::fileExists(const QString& file)
{
    const QString path = DrivePath::resolve(file);
    return !path.isEmpty() && QFileInfo(path).isFile();
}

bool RealFileSystem::copyFile(const QString& sourceFile, const QString& destination)
{
    const QString target = DrivePath::resolve(destination);
    if (target.isEmpty())
        return false;
    const QByteArray targetPath = QFile::encodeName(target);
    struct stat status {};
    // What a direct write could not replace is not replaced by the rename either: a folder, or a read-only file.
    if (::lstat(targetPath.constData(), &status) == 0) {
        if (S_ISDIR(status.st_mode))
            return false;
        if (S_ISREG(status.st_mode) && ::access(targetPath.constData(), W_OK) != 0)
            return false;
    }

    // Without blocking, so that a named pipe in place of the source cannot hang the program; only a regular
    // file is copied.
    Descriptor source(::open(QFile::encodeName(sourceFile).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!source.valid() || ::fstat(source.get(), &status) != 0 || !S_ISREG(status.st_mode))
        return false;

    const QFileInfo targetInfo(target);
    TemporaryFile temporary(targetInfo.path(), targetInfo.fileName());
    if (!temporary.valid())
        return false;
    std::vector<char> buffer(static_cast<size_t>(BlockSize));
    for (;;) {
        const qint64 n = readBlock(source.get(), buffer.data(), BlockSize);
        if (n < 0)
            return false;
        if (n == 0)
            break;
        if (!writeBlock(temporary.fd(), buffer.data(), n))
            return false;
    }
    return temporary.finish() && temporary.commit(targetPath);
}

bool RealFileSystem::writeBlock(int fd, const char* data, qint64 size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}
