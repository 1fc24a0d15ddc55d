// The crew table. Faces stand in blocks of two by two, one block per four pirates; each name
// stands under its face, and an upper-row name reaches down into the face below it.
#include "roster/CrewRoster.h"

namespace roster {
namespace {

constexpr Pirate rows[] = {
    {"Imgpatchy", ":/icons/patchy.ico", {0, 6840, 600, 600}, "Lblpatchy", {0, 7440, 735, 255}, "Patchy", {},
     Cue::Curses, 1, false},
    {"Imgcurly", ":/icons/curly.ico", {1080, 6840, 600, 600}, "Lblcurly", {1080, 7440, 615, 255}, "Curly", {},
     Cue::Curses, 1, false},
    {"Imgscarf", ":/icons/scarface.ico", {0, 7560, 600, 600}, "Lblscarf", {0, 8160, 615, 255}, "Scarface", {},
     Cue::Curses, 1, false},
    {"Imgjames", ":/icons/james.ico", {1080, 7560, 585, 600}, "Lbljames", {840, 8160, 1335, 375},
     "Gentleman James", "Imgship3", Cue::Voices, 1, false},
    {"Imgindianjoe", ":/icons/indianjoe.ico", {1920, 6840, 600, 585}, "Lblindianjoe", {1800, 7440, 1095, 255},
     "Indian Joe", {}, Cue::Curses, 1, false},
    {"Imgsilas", ":/icons/silas.ico", {2760, 6840, 600, 600}, "Lblsilas", {2760, 7440, 615, 255}, "Silas", {},
     Cue::Curses, 1, false},
    {"Imgtar", ":/icons/tar.ico", {2040, 7560, 495, 615}, "Lbltar", {2040, 8160, 615, 255}, "Tar", {},
     Cue::Curses, 1, false},
    {"Imgblackjack", ":/icons/blackjack.ico", {2760, 7560, 585, 600}, "Lblblackjack", {2640, 8160, 855, 255},
     "Black Jack", "Imgship2", Cue::Voices, 2, false},
    {"Imgbigned", ":/icons/bigned.ico", {3600, 6840, 555, 585}, "Lblbigned", {3480, 7440, 855, 255}, "Big Ned", {},
     Cue::Curses, 1, false},
    {"Imgchinabob", ":/icons/chinabob.ico", {4440, 6840, 615, 585}, "Lblchina", {4320, 7440, 975, 255},
     "China Bob", {}, Cue::Curses, 1, false},
    {"Imgskullface", ":/icons/skullface.ico", {3600, 7560, 600, 585}, "Lblskull", {3480, 8160, 975, 255},
     "Skull Face", {}, Cue::Curses, 1, false},
    {"Imgfreckles", ":/icons/freckles.ico", {4440, 7560, 615, 615}, "Lblfreckles", {4320, 8160, 975, 255},
     "Freckles", "Imgship1", Cue::Fleet, 1, true},
};

}  // namespace

// Defined here rather than in the header, so that a new row rebuilds only what reads the crew.
constinit const std::span<const Pirate> crew = rows;

}  // namespace roster
