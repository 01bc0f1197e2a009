// SPDX-License-Identifier: MIT
#include "content/ContentPath.h"

#include "platform/CaseInsensitive.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace ContentPath {

namespace {

QStringList components(const QString& contentPath)
{
    QString p = contentPath;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return p.split(QLatin1Char('/'), Qt::SkipEmptyParts);
}

} // namespace

QString fullPath(const QString& contentPath)
{
    QString p = contentPath;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (QDir::isAbsolutePath(p))
        return QDir::cleanPath(p);
    return QDir::cleanPath(QDir::currentPath() + QLatin1Char('/') + p);
}

QString resolve(const QString& contentPath)
{
    QString p = contentPath;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QDir dir(QDir::isAbsolutePath(p) ? QStringLiteral("/") : QDir::currentPath());
    const QStringList parts = components(contentPath);
    if (parts.isEmpty())
        return fullPath(contentPath);
    QString current = dir.absolutePath();
    for (const QString& part : parts) {
        const bool dots = part == QLatin1String(".") || part == QLatin1String("..");
        const QString entry = dots ? part : CaseInsensitive::entryIn(current, part);
        if (entry.isEmpty())
            return fullPath(contentPath);
        current = QDir::cleanPath(current + QLatin1Char('/') + entry);
    }
    return current;
}

QString extension(const QString& contentPath)
{
    const QStringList parts = components(contentPath);
    const QString name = parts.isEmpty() ? QString() : parts.last();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot + 1);
}

} // namespace ContentPath
