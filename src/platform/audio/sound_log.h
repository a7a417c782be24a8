#pragma once
// A log of what the piano and the sound effects were asked to play, for the desktop tests only:
// they run the real program and cannot hear it. When the environment variable
// TASTEVOLO_SOUND_LOG names a file, makeNoteSynth() and makeEffectPlayer() wrap the player they
// make, and every note-on, note-off, all-notes-off and effect play appends one line to the file
// (the lines of describe(), flushed at once). Without the variable nothing is wrapped.

#include "platform/audio/effect_player.h"
#include "platform/audio/note_synth.h"

#include <memory>

namespace platform {

std::unique_ptr<NoteSynth> withSoundLog(std::unique_ptr<NoteSynth> synth);
std::unique_ptr<EffectPlayer> withSoundLog(std::unique_ptr<EffectPlayer> player);

} // namespace platform
