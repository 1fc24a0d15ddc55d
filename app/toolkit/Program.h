// Ending the program at once: every window closes, nothing is asked, no close event runs.
#pragma once

#include <functional>

namespace toolkit {

void endProgram();

// Tests replace the ending so that they can see it happen and carry on; returns the previous one.
std::function<void()> setProgramEnder(std::function<void()> ender);

}  // namespace toolkit
