// What the certificate needs of the game: which level items are checked, asked at that moment.
#pragma once

#include "game/Levels.h"

class LevelChecks {
public:
    virtual ~LevelChecks() = default;
    virtual bool isChecked(Level level) const = 0;
};
