// SPDX-License-Identifier: MIT
#include "platform/ProcessStarter.h"

#include "platform/RealProcessStarter.h"

namespace {

ProcessStarter* g_installed = nullptr;

} // namespace

ProcessStarter& ProcessStarter::instance()
{
    if (g_installed)
        return *g_installed;
    static RealProcessStarter real;
    return real;
}

void ProcessStarter::install(ProcessStarter* starter)
{
    g_installed = starter;
}
