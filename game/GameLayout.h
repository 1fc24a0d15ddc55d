// The game window's layout: the sea scene, the play controls, the crew roster, the hidden sheets,
// and the LEVEL and ABOUT menus.
#pragma once

#include "app/toolkit/Layout.h"

namespace gamelayout {
extern const toolkit::Layout layout;
}
