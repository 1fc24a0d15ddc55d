// What each of the first twelve fallen pirates reveals on the crew roster: his face and name,
// a ship at every fourth, and the sound that marks his fall.
#pragma once

#include <string_view>

#include "roster/Cues.h"

namespace roster {

struct Fallen {
    std::string_view face;  // image control
    std::string_view name;  // name label
    std::string_view ship;  // ship image joining the fleet, if any; it shows before the cue's last run
    Cue cue;
    int runs;  // how often the cue runs in a row
    bool earnsCertificate;
};

// By pirate count: the first pirate to fall is row 0.
inline constexpr Fallen crew[] = {
    {"Imgpatchy", "Lblpatchy", {}, Cue::Curses, 1, false},
    {"Imgcurly", "Lblcurly", {}, Cue::Curses, 1, false},
    {"Imgscarf", "Lblscarf", {}, Cue::Curses, 1, false},
    {"Imgjames", "Lbljames", "Imgship3", Cue::Voices, 1, false},
    {"Imgindianjoe", "Lblindianjoe", {}, Cue::Curses, 1, false},
    {"Imgsilas", "Lblsilas", {}, Cue::Curses, 1, false},
    {"Imgtar", "Lbltar", {}, Cue::Curses, 1, false},
    {"Imgblackjack", "Lblblackjack", "Imgship2", Cue::Voices, 2, false},
    {"Imgbigned", "Lblbigned", {}, Cue::Curses, 1, false},
    {"Imgchinabob", "Lblchina", {}, Cue::Curses, 1, false},
    {"Imgskullface", "Lblskull", {}, Cue::Curses, 1, false},
    {"Imgfreckles", "Lblfreckles", "Imgship1", Cue::Fleet, 1, true},
};

inline constexpr int crewSize = int(std::size(crew));

}  // namespace roster
