// The sound cues, one row each: the name of the player that sounds it and the clip that player opens.
// The game window makes one player per row; the crew roster names its cues from here.
#pragma once

#include <span>
#include <string_view>

namespace roster {

enum class Cue { Must, Curses, Voices, Fleet };

struct CueClip {
    Cue cue;
    std::string_view player;  // the player's name, by which a cue's run is reported
    std::string_view clip;    // looked up in the wave folders when the player opens it; cues may share one
};

// In the order of Cue (roster/Cues.cpp): a clip changed there rebuilds that file alone.
extern const std::span<const CueClip> cues;

}  // namespace roster
