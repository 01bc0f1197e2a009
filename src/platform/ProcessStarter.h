// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Starts other programs as independent processes: the finished exercise programs and the demonstration
// programs. The real starter runs them; tests install a recording double.
class ProcessStarter {
public:
    virtual ~ProcessStarter() = default;

    // Starts the program file (a real path; the caller resolves content paths) as a process of its own in the
    // current directory and returns at once; the process is neither waited for nor tracked, and every call
    // starts a new one. Nothing is reported: a program that is missing or cannot run is silently not started.
    virtual void start(const QString& programFile) = 0;

    // The installed starter; a RealProcessStarter when none is installed.
    static ProcessStarter& instance();
    // Installs a replacement (not owned); nullptr restores the real starter.
    static void install(ProcessStarter* starter);
};
