// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Dialogs.h"

// Modal QMessageBox dialogs. The Yes/No buttons carry their English captions whatever the locale, as the
// confirmation box of the program has always shown them.
class QtDialogs final : public Dialogs {
public:
    void error(const QString& caption, const QString& text) override;
    bool confirm(const QString& caption, const QString& text) override;
    void information(const QString& caption, const QString& text) override;
};
