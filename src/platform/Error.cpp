// SPDX-License-Identifier: MIT
#include "platform/Error.h"

#include <cstring>

Error Error::cannotOpen(const QString& fullPath, const QString& reason)
{
    return Error(QStringLiteral("Cannot open file \"%1\". %2").arg(fullPath, reason));
}

Error Error::cannotOpenErrno(const QString& fullPath, int errnoValue)
{
    return cannotOpen(fullPath, QString::fromLocal8Bit(std::strerror(errnoValue)));
}
