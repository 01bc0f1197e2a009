// SPDX-License-Identifier: MIT
#include "platform/DrivePath.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace DrivePath {

namespace {

QString join(const QString& folder, const QString& name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

// The entry of folder that name stands for: the exact spelling first, otherwise the first entry in sorted
// order (a stable choice) that equals it without regard to case; empty when there is none.
QString matchEntry(const QString& folder, const QString& name)
{
    const QString exact = join(folder, name);
    if (QFileInfo::exists(exact) || QFileInfo(exact).isSymLink())
        return name;
    const QStringList entries =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return {};
}

} // namespace

QString root()
{
    const QString drive = qEnvironmentVariable("VEDARIUM_DRIVE_C");
    return QDir::cleanPath(drive.isEmpty() ? QDir::homePath() : drive);
}

bool isValidName(const QString& name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || QStringView(u"<>:\"/\\|?*").contains(c))
            return false;
    }
    return true;
}

QString resolve(const QString& drivePath)
{
    if (drivePath.size() < 3 || drivePath[0].toUpper() != QLatin1Char('C') || drivePath[1] != QLatin1Char(':') ||
        drivePath[2] != QLatin1Char('\\'))
        return {};
    QString current = root();
    const QString rest = drivePath.mid(3);
    if (rest.isEmpty())
        return current;
    bool matching = true; // once a name is missing, nothing below it can exist
    for (const QString& name : rest.split(QLatin1Char('\\'))) {
        if (!isValidName(name))
            return {};
        const QString entry = matching ? matchEntry(current, name) : QString();
        matching = !entry.isEmpty();
        current = join(current, matching ? entry : name);
    }
    return current;
}

} // namespace DrivePath
