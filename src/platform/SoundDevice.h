// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <memory>

// One open sound: the WAV file was checked and decoded when it was opened.
// Destroying the clip closes it; a sound still playing stops.
class SoundClip {
public:
    virtual ~SoundClip() = default;

    // Plays from the start in the background and returns at once; a clip that is still playing restarts.
    virtual void play() = 0;
};

// The sound output of the program. The real device plays through the machine's audio output; tests install a
// recording double.
class SoundDevice {
public:
    virtual ~SoundDevice() = default;

    // Opens a WAV file by real path and decodes it now, so that a broken file fails here and not at play time.
    // A missing file throws Error::cannotOpen with the absolute path and the system's reason; a malformed one
    // throws an Error that names the file and says what is wrong.
    virtual std::unique_ptr<SoundClip> open(const QString& filePath) = 0;

    // The installed device; a RealSoundDevice, created on first use, when none is installed.
    static SoundDevice& instance();
    // Installs a replacement (not owned); nullptr restores the real device.
    static void install(SoundDevice* device);
};
