// The one background thread on which every clip is loaded and played, so that the user-interface
// thread never waits for a file or a sound server.
#pragma once

class QThread;

namespace sound {

// The running sound thread; started on first use, stopped when the application object goes.
QThread *thread();

} // namespace sound
