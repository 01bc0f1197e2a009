// SPDX-License-Identifier: MIT
#include "TestSupport.h"

#include "screens/WindowSet.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

#include <stdexcept>

namespace TestSupport {

QString generatedContent()
{
    static QTemporaryDir dir;
    static bool generated = false;
    if (!generated) {
        QProcess generator;
        generator.start(QStringLiteral(VEDARIUM_CONTENTGEN), {dir.path()});
        if (!generator.waitForFinished(120000) || generator.exitCode() != 0)
            qFatal("content generator failed: %s", generator.readAllStandardError().constData());
        generated = true;
    }
    return dir.path();
}

ContentCopy::ContentCopy()
{
    const QString source = generatedContent();
    QDirIterator it(source, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        const QString relative = QDir(source).relativeFilePath(from);
        const QString to = m_dir.filePath(relative);
        QDir().mkpath(QFileInfo(to).path());
        QFile::copy(from, to);
    }
}

void ContentCopy::remove(const QString& relative) const
{
    QFile::remove(file(relative));
}

void ContentCopy::write(const QString& relative, const QByteArray& data) const
{
    QFile f(file(relative));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("cannot write test file");
    f.write(data);
}

AppFixture::AppFixture(const QString& contentDir) : m_previousDir(QDir::currentPath())
{
    qputenv("VEDARIUM_DRIVE_C", m_drive.path().toLocal8Bit());
    QDir::setCurrent(contentDir);
    Dialogs::install(&dialogs);
    SoundDevice::install(&sound);
    ProcessStarter::install(&processes);
    m_app = std::make_unique<Application>();
    createWindowSet(*m_app);
}

AppFixture::~AppFixture()
{
    m_app.reset();
    Dialogs::install(nullptr);
    SoundDevice::install(nullptr);
    ProcessStarter::install(nullptr);
    QDir::setCurrent(m_previousDir);
}

void AppFixture::start()
{
    m_app->showWindow(m_app->mainWindow());
}

QStringList soundEvents(const RecordingSoundDevice& device)
{
    QStringList result;
    static const QRegularExpression path(QStringLiteral("^(\\w+) .*/([^/]+)$"));
    for (const QString& event : device.events()) {
        const QRegularExpressionMatch m = path.match(event);
        result.append(m.hasMatch() ? m.captured(1) + QLatin1Char(' ') + m.captured(2) : event);
    }
    return result;
}

} // namespace TestSupport
