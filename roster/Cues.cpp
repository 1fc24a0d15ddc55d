// The sound cues, one row each: the name of the player that sounds it and the clip that player opens.
#include "roster/Cues.h"

namespace roster {
namespace {

constexpr CueClip rows[] = {
    {Cue::Must, "MMmust", "must.wav"},
    {Cue::Curses, "MMcurses", "curses.wav"},
    {Cue::Voices, "MMvoices", "voices.wav"},
    {Cue::Fleet, "MMfleet", "fleet.wav"},
};

}  // namespace

const std::span<const CueClip> cues = rows;

}  // namespace roster
