// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

// Reads a whole file. A missing or unreadable file throws Error::cannotOpen with the absolute path and the
// system's reason; a file larger than maxBytes throws an Error that names the file and the limit.
QByteArray readWholeFile(const QString& path, qint64 maxBytes = qint64(256) * 1024 * 1024);
