// The check after every fault: the game still plays, and a right answer walks the pirate one step
// towards the board's end (or off it, when he stood at its end).
#pragma once

#include "support/GameDriver.h"

inline void expectTheGameStillPlays(GameDriver &game)
{
    frmScallywise &w = game.w();
    if (w.currentList().empty())
        game.chooseLevel("easy");
    const int x = w.pirate().x;
    const int fallen = w.pirate().pirateCount;
    game.answerRight();
    EXPECT_EQ(game.answerText(), "YES!");
    if (w.pirate().pirateCount == fallen)
        EXPECT_EQ(w.pirate().x, x - 36);
    else
        EXPECT_EQ(w.pirate().x, 344);  // the next pirate's first step
}
