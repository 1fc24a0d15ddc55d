// The four levels: the menu item that chooses each, and its two word lists.
#pragma once

#include <string_view>

#include "game/WordLists.h"

enum class Level { Easy, Medium, Harder, Difficult };

struct LevelLists {
    Level level;
    std::string_view menuItem;  // the LEVEL menu item whose check mark records the level
    const wordlists::WordList *first;
    const wordlists::WordList *second;
};

// In menu order.
inline constexpr LevelLists levels[] = {
    {Level::Easy, "mnueasy", &wordlists::easyFirst, &wordlists::easySecond},
    {Level::Medium, "mnumedium", &wordlists::mediumFirst, &wordlists::mediumSecond},
    {Level::Harder, "mnuharder", &wordlists::harderFirst, &wordlists::harderSecond},
    {Level::Difficult, "mnudifficult", &wordlists::difficultFirst, &wordlists::difficultSecond},
};

constexpr const LevelLists &levelLists(Level level) { return levels[int(level)]; }

// The order in which a judged answer looks for the checked level whose list has run out.
inline constexpr Level rolloverOrder[] = {Level::Difficult, Level::Easy, Level::Harder, Level::Medium};
