// Whether the program can reach a display before Qt tries (and aborts when it cannot).
#pragma once

namespace display {
bool available();
void explainMissing();
}
