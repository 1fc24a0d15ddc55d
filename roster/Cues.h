// The four sound cues: the hidden player that sounds each and the clip that player opens.
// The game window's players take their clip from here, and the roster names its cues from here.
#pragma once

#include <iterator>
#include <string_view>

namespace roster {

enum class Cue { Must, Curses, Voices, Fleet };

struct CueClip {
    Cue cue;
    std::string_view player;  // the hidden player in the game window's layout
    std::string_view clip;    // looked up in the wave folders when the player opens it
};

inline constexpr CueClip cues[] = {
    {Cue::Must, "MMmust", "must.wav"},
    {Cue::Curses, "MMcurses", "curses.wav"},
    {Cue::Voices, "MMvoices", "voices.wav"},
    {Cue::Fleet, "MMfleet", "fleet.wav"},
};

}  // namespace roster
