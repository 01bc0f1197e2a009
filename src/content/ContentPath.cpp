// SPDX-License-Identifier: MIT
#include "content/ContentPath.h"

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

// The entry of dir that matches name: the exact spelling when it exists, otherwise the first entry (in
// sorted order, so the choice is stable) that equals it without regard to case.
QString matchEntry(const QDir& dir, const QString& name)
{
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return name;
    if (QFileInfo::exists(dir.filePath(name)))
        return name;
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                              QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return {};
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
    for (int i = 0; i < parts.size(); ++i) {
        const QString entry = matchEntry(QDir(current), parts[i]);
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
