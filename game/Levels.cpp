// The level table.
#include "game/Levels.h"

#include "game/WordLists.h"

namespace {

using namespace wordlists;

constexpr Level rows[] = {
    {"mnueasy", "easy", "Ctrl+E", "Captain ", easyFirst, easySecond},
    {"mnumedium", "medium", "Ctrl+M", "Commander ", mediumFirst, mediumSecond},
    {"mnuharder", "harder", "Ctrl+H", "Vice Admiral ", harderFirst, harderSecond},
    {"mnudifficult", "difficult", "Ctrl+D", "Admiral ", difficultFirst, difficultSecond},
};

}  // namespace

// Defined here rather than in the header, so that a new row or list rebuilds this file alone.
constinit const std::span<const Level> levels = rows;

const Level *levelNamed(std::string_view name)
{
    for (const Level &level : levels)
        if (level.menuItem == name || level.caption == name)
            return &level;
    return nullptr;
}
