// Wave clips made up for the tests: a tone of a known length followed by silence, written by a
// small header writer, in any of the formats a clip may come in.
#pragma once

#include <QByteArray>
#include <QString>
#include <chrono>

namespace testclips {

using namespace std::chrono_literals;

struct Format {
    quint16 tag = 1;  // 1 PCM, 3 float, 0xFFFE extensible
    quint16 channels = 1;
    quint32 sampleRate = 44100;
    quint16 bitsPerSample = 16;
};

// The bytes of a wave file holding samples in format, with a chunk of other matter before the samples.
QByteArray wave(const Format &format, const QByteArray &samples, const QByteArray &chunkBeforeData = {});

// Samples of an 880 Hz tone at half scale for sound, then silence, in format.
QByteArray toneSamples(const Format &format, std::chrono::milliseconds sound, std::chrono::milliseconds silence);

// A 16-bit mono clip: the tone, then the quarter second of silence every game clip ends with.
QByteArray toneClip(std::chrono::milliseconds sound, std::chrono::milliseconds silence = 250ms);

// A 16-bit mono clip whose tone glides from 440 to 1760 Hz as it sounds, so that no 10 ms of it
// sounds like any other and a hearing shows which part of the clip it heard, then silence.
QByteArray glideClip(std::chrono::milliseconds sound, std::chrono::milliseconds silence = 250ms);

void writeFile(const QString &path, const QByteArray &bytes);

} // namespace testclips
