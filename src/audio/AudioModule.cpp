// SPDX-License-Identifier: MIT
// The entry point of the audio module (see AudioOutput): the one symbol the module exports.
#include "audio/QtAudioOutput.h"

extern "C" Q_DECL_EXPORT AudioOutput* vedarium_audio_output()
{
    static QtAudioOutput output;
    return &output;
}
