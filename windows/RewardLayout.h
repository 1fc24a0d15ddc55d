// The certificate window's layout: the parchment, the name box and button, the certificate's
// wording, the print button and the hidden exit button.
#pragma once

#include "app/toolkit/Layout.h"

namespace rewardlayout {
extern const toolkit::Layout layout;
}
