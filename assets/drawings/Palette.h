// The one palette every picture of the game is drawn from.
#pragma once

#include <QColor>

namespace palette {

// Colours the game itself relies on: never change these.
inline const QColor sky{0x00, 0x80, 0xFF};
inline const QColor skyHorizon{0x40, 0xA0, 0xFF};
inline const QColor sea{0x00, 0x80, 0x80};
inline const QColor waveLine{0x00, 0xFF, 0xFF};
inline const QColor titleYellow{0xFF, 0xFF, 0x00};
inline const QColor certificateGround{0x47, 0x41, 0x0C};

// The outline that holds every shape together.
inline const QColor ink{0x1B, 0x1B, 0x2A};

inline const QColor wood{0x8B, 0x5A, 0x2B};
inline const QColor woodShadow{0x6B, 0x42, 0x20};
inline const QColor woodGrain{0xA0, 0x70, 0x3A};
inline const QColor hullOlive{0x6B, 0x7A, 0x2A};
inline const QColor hullOliveLight{0x8A, 0x9A, 0x3A};
inline const QColor hullBrown{0x5A, 0x3A, 0x1E};
inline const QColor sail{0xF4, 0xF1, 0xE6};
inline const QColor sailShadow{0xD8, 0xD2, 0xBE};
inline const QColor coat{0xC0, 0x28, 0x2D};
inline const QColor coatShadow{0x8E, 0x1C, 0x20};
inline const QColor stripeLight{0xF4, 0xF1, 0xE6};
inline const QColor stripeBlue{0x2A, 0x3A, 0x8A};
inline const QColor gold{0xE8, 0xB9, 0x23};
inline const QColor goldShadow{0xAE, 0x8B, 0x1A};
inline const QColor parchmentLight{0xE8, 0xD4, 0x9A};
inline const QColor parchmentDark{0xD9, 0xBF, 0x7A};
inline const QColor parchmentStain{0xB8, 0x9A, 0x5A};
inline const QColor parchmentEdge{0x5A, 0x43, 0x20};

// Skin tones, varied across the crew.
inline const QColor skinPeach{0xF2, 0xC9, 0xA0};
inline const QColor skinBrown{0xC6, 0x86, 0x42};
inline const QColor skinDark{0x8D, 0x55, 0x24};
inline const QColor skinTan{0xE0, 0xAC, 0x69};
inline const QColor skinLight{0xFF, 0xDB, 0xAC};

// A few colours of the pictures' own, in the same spirit.
inline const QColor white{0xFF, 0xFF, 0xFF};
inline const QColor black{0x00, 0x00, 0x00};
inline const QColor hatBlack{0x26, 0x26, 0x30};
inline const QColor sunYellow{0xFF, 0xD8, 0x3A};
inline const QColor sunShadow{0xF0, 0xA8, 0x20};
inline const QColor cheek{0xF0, 0x8A, 0x80};
inline const QColor foam{0xF4, 0xF1, 0xE6};
inline const QColor rope{0xC8, 0xA0, 0x60};
inline const QColor parrotRed{0xE0, 0x30, 0x30};
inline const QColor parrotGreen{0x3C, 0xB0, 0x3C};
inline const QColor parrotBlue{0x28, 0x5A, 0xD8};
inline const QColor nightBlue{0x16, 0x20, 0x5A};
inline const QColor orange{0xFF, 0x8C, 0x1A};
inline const QColor orangeShadow{0xC8, 0x5A, 0x10};

// The colour darkened by about a quarter: the one shadow tone each colour gets.
inline QColor shadowOf(const QColor &c)
{
    return QColor(c.red() * 3 / 4, c.green() * 3 / 4, c.blue() * 3 / 4);
}

}  // namespace palette
