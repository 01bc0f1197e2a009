// SPDX-License-Identifier: MIT
#include "platform/FileReader.h"

#include "platform/Error.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <memory>

QByteArray readWholeFile(const QString& path, qint64 maxBytes)
{
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    // stdio rather than QFile: QFile does not keep errno, and the message must give the system's reason.
    errno = 0;
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(QFile::encodeName(path).constData(), "rb"), &std::fclose);
    if (!file)
        throw Error::cannotOpenErrno(fullPath, errno ? errno : ENOENT);
    if (QFileInfo(path).isDir())
        throw Error::cannotOpenErrno(fullPath, EISDIR);
    QByteArray data;
    char buffer[65536];
    for (;;) {
        const size_t n = std::fread(buffer, 1, sizeof buffer, file.get());
        if (n > 0) {
            if (data.size() + qint64(n) > maxBytes)
                throw Error(QStringLiteral("File \"%1\" is larger than %2 bytes").arg(fullPath).arg(maxBytes));
            data.append(buffer, qsizetype(n));
        }
        if (n < sizeof buffer) {
            if (std::ferror(file.get()))
                throw Error::cannotOpenErrno(fullPath, errno ? errno : EIO);
            break;
        }
    }
    return data;
}
