// SPDX-License-Identifier: MIT
#include "platform/RealProcessStarter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

void RealProcessStarter::start(const QString& programFile)
{
    const QFileInfo info(programFile);
    if (!info.isFile())
        return;
    QFile file(info.absoluteFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return;
    const bool windowsProgram = file.read(2) == "MZ";
    file.close();

    const QString workingDirectory = QDir::currentPath();
    if (windowsProgram) {
        const QString wine = QStandardPaths::findExecutable(QStringLiteral("wine"));
        if (!wine.isEmpty())
            QProcess::startDetached(wine, {info.absoluteFilePath()}, workingDirectory);
        return;
    }
    if (info.isExecutable())
        QProcess::startDetached(info.absoluteFilePath(), {}, workingDirectory);
}
