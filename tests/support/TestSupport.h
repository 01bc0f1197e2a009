// SPDX-License-Identifier: MIT
#pragma once

#include "app/Application.h"
#include "platform/RecordingProcessStarter.h"
#include "platform/RecordingSoundDevice.h"
#include "platform/ScriptedDialogs.h"

#include <QDir>
#include <QObject>
#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace TestSupport {

// A sample content tree generated once per test process (by the content generator) into a temporary folder.
QString generatedContent();

// A writable copy of the generated content tree in its own temporary folder, for tests that damage files.
class ContentCopy {
public:
    ContentCopy();
    QString path() const { return m_dir.path(); }
    QString file(const QString& relative) const { return m_dir.filePath(relative); }
    void remove(const QString& relative) const;
    void write(const QString& relative, const QByteArray& data) const;

private:
    QTemporaryDir m_dir;
};

// The whole program over a content tree, with scripted message boxes, a recording sound device and a recording
// process starter, the working drive pointed into a temporary folder and the content tree as the current
// directory.
class AppFixture {
public:
    explicit AppFixture(const QString& contentDir = generatedContent());
    ~AppFixture();
    Q_DISABLE_COPY_MOVE(AppFixture)

    Application& app() { return *m_app; }
    // The folder that stands for drive C (VEDARIUM_DRIVE_C), empty at the start.
    QString drive() const { return m_drive.path(); }
    // What the message loop does on entry: shows the title screen.
    void start();

    ScriptedDialogs dialogs;
    RecordingSoundDevice sound;
    RecordingProcessStarter processes;

private:
    QString m_previousDir;
    QTemporaryDir m_drive;
    std::unique_ptr<Application> m_app;
};

// The child of root with the given object name (the course's control name), or nullptr.
template <typename T>
T* find(QObject* root, const QString& name)
{
    return root->findChild<T*>(name);
}

// The file names (last path component) of recorded sound events, e.g. "open notify.wav".
QStringList soundEvents(const RecordingSoundDevice& device);

} // namespace TestSupport
