#pragma once
// The feedback cues that operations play. The sound service maps each to a sound.

#include <functional>

namespace tornivo::app {

enum class SoundCue { scanStart, scanDone, removeStart, removeDone, shredStart, soundOn };

// Plays a cue; the application installs the sound service, tests install a recorder.
using CuePlayer = std::function<void(SoundCue)>;

}  // namespace tornivo::app
