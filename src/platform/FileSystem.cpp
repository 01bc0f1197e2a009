// SPDX-License-Identifier: MIT
#include "platform/FileSystem.h"

#include "platform/RealFileSystem.h"

namespace {

FileSystem* g_installed = nullptr;

} // namespace

FileSystem& FileSystem::instance()
{
    static RealFileSystem real;
    return g_installed ? *g_installed : real;
}

void FileSystem::install(FileSystem* fileSystem)
{
    g_installed = fileSystem;
}
