// SPDX-License-Identifier: MIT
#include "platform/SoundDevice.h"

#include "platform/RealSoundDevice.h"

namespace {

SoundDevice* g_installed = nullptr;

} // namespace

SoundDevice& SoundDevice::instance() {
    if (g_installed)
        return *g_installed;
    // Created lazily so that a test that installs a double never touches the audio system.
    static RealSoundDevice real;
    return real;
}

void SoundDevice::install(SoundDevice* device) {
    g_installed = device;
}
