// Ending the program when the display it runs on goes away.
#pragma once

namespace display {

// From now on, should the display go away while the program runs, the program ends at once with
// status 1 and one line on standard error, whichever of its threads meets the closed connection
// first.
void endWhenLost();

}  // namespace display
