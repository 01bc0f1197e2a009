// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The program's message boxes go through one interface: the real one shows modal Qt message boxes, tests
// install a scripted one that records every box and answers from a queue.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // An error box: error icon, one OK button.
    virtual void error(const QString& caption, const QString& text) = 0;
    // A confirmation box: question icon, buttons "&Yes" and "&No". True for Yes; No or dismissal is false.
    virtual bool confirm(const QString& caption, const QString& text) = 0;
    // An information box with OK.
    virtual void information(const QString& caption, const QString& text) = 0;

    static Dialogs& instance();
    // Installs a replacement (not owned); nullptr restores the real dialogs.
    static void install(Dialogs* dialogs);
};
