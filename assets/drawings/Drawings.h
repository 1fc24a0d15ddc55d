// Every picture of the game as a drawing function: each returns the finished picture at its size.
#pragma once

#include <QImage>

namespace drawings {

QImage titleScene();   // 800 x 600: the name across the top, the deck, the deckhouse, sailor, captain and hold
QImage okPicture();    // 76 x 76: O and K with a parrot, on dark blue
QImage seaScene();     // 735 x 456: the ship, the board and the sea the pirate falls into
QImage ship();         // 156 x 135: the fleet's warship
QImage certificate();  // 800 x 600: the parchment, with no text on it

// 174 x 364 on transparency: the pirate's twelve cells, from which the sprite and mask sheets are made.
QImage pirateSheet();

}  // namespace drawings
