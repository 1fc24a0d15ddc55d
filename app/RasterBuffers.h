// Keeping Qt's Wayland plugin from loading an EGL and GL stack that the program never uses.
#pragma once

namespace display {

// To be called before the application object exists. Unless the user has chosen a client buffer
// integration of their own, the Wayland plugin gets none, so windows reach the compositor in
// shared-memory buffers, as the raster engine draws them, and no EGL, Mesa or LLVM library is
// loaded (some 60 MB resident). On X this changes nothing. Qt 6.8 loads a client buffer integration
// only when a window needs OpenGL, which none here does, so there it leaves everything as it is.
void useSharedMemoryBuffers();

}  // namespace display
