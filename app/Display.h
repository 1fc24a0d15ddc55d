// Whether the program can reach a display before Qt tries (and aborts when it cannot).
#pragma once

namespace display {
// A Wayland compositor or an X server answers (Qt tries them in that order), or the Qt platform
// asked for needs no display.
bool available();
void explainMissing();
}
