// The levels, one row each: the LEVEL menu item that chooses it, the rank it earns on the
// certificate and its two word lists. The menu, its handlers and the rank are all built from here.
#pragma once

#include <span>
#include <string_view>

// Words asked in index order, as many as the list holds.
using WordList = std::span<const std::string_view>;

struct Level {
    std::string_view menuItem;  // the LEVEL item; its check mark is the only record of the level
    std::string_view caption;
    std::string_view shortcut;  // works from anywhere in the game window
    std::string_view rank;      // ends in a space, so that the name follows it directly
    WordList first;             // loaded when the level is chosen
    WordList second;            // loaded whenever the loaded list runs out
};

// In menu order, which is also the order the certificate tests the check marks in.
extern const std::span<const Level> levels;

// The level whose menu item or caption is given; nullptr if there is none.
const Level *levelNamed(std::string_view menuItemOrCaption);
