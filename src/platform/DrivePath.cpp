// SPDX-License-Identifier: MIT
#include "platform/DrivePath.h"

#include "platform/CaseInsensitive.h"

#include <QDir>

namespace DrivePath {

namespace {

QString join(const QString& folder, const QString& name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
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
        const QString entry = matching ? CaseInsensitive::entryIn(current, name) : QString();
        matching = !entry.isEmpty();
        current = join(current, matching ? entry : name);
    }
    return current;
}

} // namespace DrivePath
