// SPDX-License-Identifier: MIT
#include "platform/AudioOutput.h"

#include <QCoreApplication>
#include <QLibrary>

namespace {

AudioOutput* load()
{
    QStringList candidates;
    if (QCoreApplication::instance()) {
        const QString programDir = QCoreApplication::applicationDirPath() + QLatin1Char('/');
        candidates.append(programDir + QLatin1String(AudioOutput::ModuleFileName));
        candidates.append(programDir + QLatin1String(VEDARIUM_INSTALLED_MODULE_DIR) + QLatin1Char('/') +
                          QLatin1String(AudioOutput::ModuleFileName));
    }
    candidates.append(QStringLiteral(VEDARIUM_AUDIO_MODULE));
    for (const QString& path : std::as_const(candidates)) {
        // The library stays loaded for the rest of the process: the streams it made live in it.
        QLibrary library(path);
        using Entry = AudioOutput* (*)();
        if (const auto entry = reinterpret_cast<Entry>(library.resolve(AudioOutput::EntryPoint)))
            return entry();
    }
    return nullptr;
}

} // namespace

AudioOutput* AudioOutput::instance()
{
    static AudioOutput* const output = load();
    return output;
}
