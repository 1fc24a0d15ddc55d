// The crew roster, one row per pirate in the order they fall: his face and name under the scene,
// and what his fall brings. The game window's layout builds the roster's controls from these rows.
#pragma once

#include <span>
#include <string_view>

#include "roster/Cues.h"

namespace roster {

// A control's place and size on the game window, in twips.
struct Box {
    int left, top, width, height;
};

struct Pirate {
    std::string_view face;     // image control showing his portrait, stretched to the box
    std::string_view picture;  // the portrait
    Box facePlace;
    std::string_view name;     // label control showing his name
    Box namePlace;
    std::string_view caption;  // his name: the label's text, and what a screen reader calls his face
    std::string_view ship;     // ship image joining the fleet, if any; it shows before the cue's last run
    Cue cue;
    int runs;  // how often the cue runs in a row
    bool earnsCertificate;
};

// By pirate count: the first pirate to fall is row 0. Later pirates fall unsung.
extern const std::span<const Pirate> crew;

}  // namespace roster
