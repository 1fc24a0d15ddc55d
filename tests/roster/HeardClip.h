// Where a clip's own samples are heard in a recording, found 10 ms block by block, so that a busy
// machine's stutter (silence let into the playback, a recording in pieces) is told apart from a clip
// cut short, started part-way through, or swapped for another.
#pragma once

#include <QByteArray>
#include <QString>

// A clip's samples as the sound server mixes them: 16-bit little-endian mono at SoundServer::sampleRate.
struct ClipSamples {
    QString name;
    QByteArray samples;
};

// The clip's samples, read from a 16-bit mono wave file at the sound server's rate; empty when it is not one.
ClipSamples clipFromWave(const QString &path);
ClipSamples clipFromWaveBytes(const QString &name, const QByteArray &wave);

// One hearing of a clip in a recording.
struct HeardClip {
    int blocks = 0;                        // the clip's sounding 10 ms blocks
    int found = 0;                         // of them, found in the recording, in the clip's order
    int firstBlock = -1, lastBlock = -1;   // the first and last of them found
    int startMs = -1, endMs = -1;          // where they were heard, in ms from the recording's start

    bool heard() const { return found > 0; }
    // From its first sound to its last, with no more than a few blocks missing on the way.
    bool whole() const;
    QString describe() const;
};

// The first hearing of the clip that starts at or after fromMs: found where its opening blocks are
// heard, followed block by block through whatever gaps the machine let in.
HeardClip findClip(const QByteArray &recording, const ClipSamples &clip, int fromMs = 0);
