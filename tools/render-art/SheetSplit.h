// Derives the sprite sheet and the mask sheet from one drawing of the pirate on transparency.
#pragma once

#include <QImage>

namespace sheets {

struct SpriteAndMask {
    QImage sprite;  // the pirate's colours where he is, black everywhere else
    QImage mask;    // black where the pirate is, white everywhere else
};

// A pixel belongs to the pirate when it is at least half opaque; it then takes its own colour with
// the smoothing undone, so the two sheets agree pixel for pixel by construction.
SpriteAndMask split(const QImage &pirates);

}  // namespace sheets
