// SPDX-License-Identifier: MIT
// The largest save of the working folder export: exercise 3:12, its unit, its music and twenty GIF pictures
// (22 files), into a fresh drive folder each run, with the message boxes answered by a silent double. Prints
// the median and spread over the runs. The source files come from the generated course; any that it lacks are
// written as stand-ins of a typical size, and the output says so.
#include "../Spread.h"
#include "TestSupport.h"
#include "screens/WorkingFolderExport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Writes a stand-in of the given size when the course has no file of that name.
bool ensureSource(const QString& path, qint64 size, int* standIns)
{
    if (QFileInfo(path).isFile())
        return true;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray block(int(size), '\0');
    for (int i = 0; i < block.size(); ++i)
        block[i] = char(i * 131 + 7);
    ++*standIns;
    return file.write(block) == size;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QString contentDir = TestSupport::generatedContent();
    QDir::setCurrent(contentDir);

    int standIns = 0;
    const QString gif = contentDir + QStringLiteral("/files/gif/");
    bool ok = ensureSource(gif + QStringLiteral("GIFImage.dcu"), 64 * 1024, &standIns) &&
              ensureSource(gif + QStringLiteral("Music.wav"), 512 * 1024, &standIns);
    for (int n = 1; n <= 20 && ok; ++n)
        ok = ensureSource(gif + QString::asprintf("%03d.gif", n), 8 * 1024, &standIns);
    if (!ok) {
        std::fprintf(stderr, "cannot write the source files\n");
        return 1;
    }
    qint64 bytes = 0;
    for (const QFileInfo& info : QDir(gif).entryInfoList(QDir::Files))
        bytes += info.size();

    ScriptedDialogs dialogs;
    Dialogs::install(&dialogs);
    constexpr int Runs = 31;
    std::vector<double> ms;
    // The drives lie where temporary folders go (TMPDIR), on the disk that this machine's users would save to.
    for (int run = 0; run < Runs; ++run) {
        QTemporaryDir drive;
        qputenv("VEDARIUM_DRIVE_C", drive.path().toLocal8Bit());
        dialogs.clear();
        QElapsedTimer timer;
        timer.start();
        WorkingFolderExport::save(3, 12, nullptr);
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
        const QStringList texts = dialogs.texts();
        const auto created = std::count_if(
            texts.begin(), texts.end(), [](const QString& text) { return text.startsWith(QStringLiteral("Файл  ")); });
        if (texts.size() != 24 || created != 22) {
            std::fprintf(stderr, "unexpected save: %s\n", qPrintable(texts.join(QLatin1Char('|'))));
            return 1;
        }
    }
    Dialogs::install(nullptr);

    const Spread s = spread(ms);
    std::printf("save of 3:12 (22 files, %lld bytes%s) into a fresh drive folder under %s, no message boxes: "
                "median %.2f ms, min %.2f ms, p90 %.2f ms, max %.2f ms (%d runs)\n",
                static_cast<long long>(bytes),
                standIns ? qPrintable(QStringLiteral(", %1 of them stand-ins").arg(standIns)) : "",
                qPrintable(QDir::tempPath()), s.median, s.min, s.p90, s.max, Runs);
    return 0;
}
