// The about window's layout: the pirate's face, the title and version, the description, the
// etched rule, the rights notice and the OK button, on turquoise.
#pragma once

#include "app/toolkit/Layout.h"

namespace aboutlayout {
extern const toolkit::Layout layout;
}
