// SPDX-License-Identifier: MIT
#pragma once

#include "platform/WavDecoder.h"

#include <QString>

#include <memory>

// A decoded sound made ready for the audio output (converted, when need be, to a format the output takes).
class AudioStream {
public:
    virtual ~AudioStream() = default;

    // Plays from the start in the background and returns at once; a stream still playing restarts.
    virtual void play() = 0;
};

// The machine's audio output. It is reached through Qt Multimedia in a module of its own, loaded at the first
// play: the program starts without loading the multimedia libraries or connecting to the sound server, and
// sounds are decoded (and broken files refused) at open all the same.
class AudioOutput {
public:
    virtual ~AudioOutput() = default;

    // Prepares a sound for playing: a silent stream when the machine has no audio output; nullptr with the reason
    // in `error` when the output cannot take it.
    virtual std::unique_ptr<AudioStream> prepare(const WavDecoder::Sound& sound, QString* error) = 0;

    // The output of the audio module, loaded at the first call: the module file beside the executable, else the
    // one in the build tree. nullptr when neither loads; the program then plays nothing.
    static AudioOutput* instance();
    // The module's file name and the name of its entry point, which returns the module's AudioOutput.
    static constexpr const char* ModuleFileName = "libvedarium_audio_module.so";
    static constexpr const char* EntryPoint = "vedarium_audio_output";
};
