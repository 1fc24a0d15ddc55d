// The title window's layout: the title scene on yellow, and the OK button.
#pragma once

#include "app/toolkit/Layout.h"

namespace titlelayout {
extern const toolkit::Layout layout;
}
