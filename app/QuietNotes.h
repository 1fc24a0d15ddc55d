// Keeping the libraries' informational notes off standard error, which the game keeps for its own faults.
#pragma once

namespace display {

// To be called before the application object exists. Qt 6.8's FFmpeg media layer announces its
// version and hardware decoders on every start (three lines); a child's parent has no use for them.
// QT_LOGGING_RULES still turns them on again.
void quietInformationalNotes();

}  // namespace display
