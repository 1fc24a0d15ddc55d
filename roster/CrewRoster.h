// What each of the first twelve fallen pirates reveals on the crew roster: his face and name,
// a ship at every fourth, and the sound that marks his fall.
#pragma once

#include <string_view>

namespace roster {

enum class Cue { Curses, Voices, VoicesTwice, Fleet };

struct Fallen {
    std::string_view face;  // image control
    std::string_view name;  // name label
    std::string_view ship;  // ship image joining the fleet, if any
    Cue cue;
    bool earnsCertificate;
};

// By pirate count: the first pirate to fall is row 0.
inline constexpr Fallen crew[] = {
    {"Imgpatchy", "Lblpatchy", {}, Cue::Curses, false},
    {"Imgcurly", "Lblcurly", {}, Cue::Curses, false},
    {"Imgscarf", "Lblscarf", {}, Cue::Curses, false},
    {"Imgjames", "Lbljames", "Imgship3", Cue::Voices, false},
    {"Imgindianjoe", "Lblindianjoe", {}, Cue::Curses, false},
    {"Imgsilas", "Lblsilas", {}, Cue::Curses, false},
    {"Imgtar", "Lbltar", {}, Cue::Curses, false},
    {"Imgblackjack", "Lblblackjack", "Imgship2", Cue::VoicesTwice, false},
    {"Imgbigned", "Lblbigned", {}, Cue::Curses, false},
    {"Imgchinabob", "Lblchina", {}, Cue::Curses, false},
    {"Imgskullface", "Lblskull", {}, Cue::Curses, false},
    {"Imgfreckles", "Lblfreckles", "Imgship1", Cue::Fleet, true},
};

inline constexpr int crewSize = int(std::size(crew));

}  // namespace roster
