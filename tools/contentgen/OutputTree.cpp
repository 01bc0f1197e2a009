// SPDX-License-Identifier: MIT
#include "OutputTree.h"

#include "platform/Error.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

OutputTree::OutputTree(QString root)
    : m_root(QDir::cleanPath(QDir(std::move(root)).absolutePath())) {
    if (!QDir().mkpath(m_root))
        throw Error::cannotOpen(QDir::toNativeSeparators(m_root), QStringLiteral("The folder cannot be created"));
}

QString OutputTree::filePath(const QString& contentPath) const {
    return m_root + QLatin1Char('/') + contentPath;
}

QString OutputTree::prepare(const QString& contentPath) const {
    const QString path = filePath(contentPath);
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        throw Error::cannotOpen(QDir::toNativeSeparators(folder), QStringLiteral("The folder cannot be created"));
    return path;
}

void OutputTree::write(const QString& contentPath, const QByteArray& bytes) {
    const QString path = prepare(contentPath);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw Error::cannotOpen(QDir::toNativeSeparators(path), file.errorString());
    countWritten();
}
