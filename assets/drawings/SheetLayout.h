// Where the pirate's twelve 50 x 84 cells lie in the sprite and mask sheets.
#pragma once

namespace sheet {

inline constexpr int width = 174;
inline constexpr int height = 364;
inline constexpr int cellWidth = 50;
inline constexpr int cellHeight = 84;
inline constexpr int columns[] = {0, 55, 115};
inline constexpr int rows[] = {8, 97, 186, 278};

// The rows by what they show.
enum Row { walkTowardsEnd = 0, fallAbove = 1, fallBelow = 2, walkBack = 3 };

}  // namespace sheet
