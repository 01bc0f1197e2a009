// SPDX-License-Identifier: MIT
#include "platform/Dialogs.h"

#include "platform/QtDialogs.h"

namespace {

Dialogs* g_installed = nullptr;

} // namespace

Dialogs& Dialogs::instance()
{
    static QtDialogs real;
    return g_installed ? *g_installed : real;
}

void Dialogs::install(Dialogs* dialogs)
{
    g_installed = dialogs;
}
