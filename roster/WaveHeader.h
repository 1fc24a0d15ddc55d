// Reads the header of a wave clip and says whether it is one the player can play, and for how long.
#pragma once

#include <QString>
#include <chrono>
#include <optional>

class QIODevice;

struct WaveClip {
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    qint64 dataOffset = 0;  // where the samples begin in the file
    qint64 dataBytes = 0;
    std::chrono::milliseconds length{0};
};

// A clip is playable when it is a RIFF/WAVE file with a plain PCM or float format Qt can decode and
// a data chunk whose samples are all in the file. Anything else (an empty file, stray bytes, a header
// cut short, samples missing) gives nothing: Qt would either refuse it or wait for it forever.
std::optional<WaveClip> readWaveHeader(QIODevice &file);
std::optional<WaveClip> readWaveFile(const QString &path);
