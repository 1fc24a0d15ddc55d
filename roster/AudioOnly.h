// Playing the clips through Qt Multimedia's own audio output, without a whole media backend.
#pragma once

namespace roster {

// To be called before the application object exists, while the program has one thread. From Qt 6.8
// the first sound loads a media backend (FFmpeg, and Qt Quick and the video codecs under it: some
// 25 MB more for the whole game) although a clip needs only the audio output that Qt Multimedia has
// of its own. A backend set in QT_MEDIA_BACKEND is still used.
void playThroughTheAudioOutputOnly();

}  // namespace roster
