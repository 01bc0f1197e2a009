// SPDX-License-Identifier: MIT
#include "platform/CaseInsensitive.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace CaseInsensitive {

QString entryIn(const QString& folder, const QString& name)
{
    const QString exact = QDir(folder).filePath(name);
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

} // namespace CaseInsensitive
