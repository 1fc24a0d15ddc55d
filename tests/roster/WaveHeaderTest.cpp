// The wave header reader: which files the player takes for clips, and how long it finds them.
#include <QBuffer>
#include <QtEndian>
#include <gtest/gtest.h>

#include "TestClips.h"
#include "roster/WaveHeader.h"

namespace {

using namespace std::chrono_literals;
using testclips::Format;

std::optional<WaveClip> read(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return readWaveHeader(buffer);
}

QByteArray toneWave(const Format &format, std::chrono::milliseconds length, const QByteArray &before = {})
{
    return testclips::wave(format, testclips::toneSamples(format, length, 0ms), before);
}

struct Playable {
    const char *what;
    Format format;
    std::chrono::milliseconds length;
    QByteArray chunkBeforeData;
};

TEST(WaveHeader, TakesEveryFormatQtPlaysAndMeasuresItsLength)
{
    const Playable cases[] = {
        {"16-bit mono", {}, 1250ms, {}},
        {"16-bit stereo at 22050 Hz", {.channels = 2, .sampleRate = 22050}, 500ms, {}},
        {"8-bit", {.bitsPerSample = 8}, 300ms, {}},
        {"32-bit", {.bitsPerSample = 32}, 300ms, {}},
        {"32-bit float", {.tag = 3, .bitsPerSample = 32}, 300ms, {}},
        {"extensible 16-bit stereo", {.tag = 0xFFFE, .channels = 2}, 400ms, {}},
        // An odd-sized chunk is followed by a pad byte; missing it would misread everything after.
        {"a LIST chunk of odd size before the samples", {}, 200ms, QByteArray("LIST\x03\0\0\0abc\0", 12)},
    };
    for (const Playable &c : cases) {
        const auto clip = read(toneWave(c.format, c.length, c.chunkBeforeData));
        ASSERT_TRUE(clip) << c.what;
        EXPECT_EQ(clip->length, c.length) << c.what;
        EXPECT_EQ(clip->channels, c.format.channels) << c.what;
        EXPECT_EQ(clip->sampleRate, int(c.format.sampleRate)) << c.what;
    }
}

QByteArray patched(QByteArray bytes, int at, quint32 value, int width = 4)
{
    if (width == 2)
        qToLittleEndian(quint16(value), bytes.data() + at);
    else
        qToLittleEndian(value, bytes.data() + at);
    return bytes;
}

struct Unplayable {
    const char *what;
    QByteArray bytes;
};

TEST(WaveHeader, RefusesFilesThatAreNoPlayableClip)
{
    const QByteArray good = toneWave({}, 200ms);
    const int dataSizeAt = 40;  // in a plain 44-byte header
    const Unplayable cases[] = {
        {"an empty file", {}},
        {"stray bytes", "this is not a wave file, only some text saved as one"},
        {"a RIFF file of another kind", QByteArray(good).replace(8, 4, "AVI ")},
        {"the header cut after RIFF", good.left(4)},
        {"the header cut inside fmt", good.left(30)},
        {"the header cut inside the data chunk's header", good.left(42)},
        {"the header with no samples", good.left(44)},
        {"samples cut short", good.left(good.size() / 2)},
        // Cut by less than the headers before the samples: the samples' size is within the file's
        // size, but not within what is left after the samples' start.
        {"the last sample cut off", good.left(good.size() - 2)},
        {"the last byte cut off", good.left(good.size() - 1)},
        {"the last byte cut off after a long chunk before the samples",
         toneWave({}, 200ms, "LIST" + QByteArray("\x40\0\0\0", 4) + QByteArray(64, 'x')).chopped(1)},
        {"samples written as an endless stream", patched(good, dataSizeAt, 0xFFFFFFFF)},
        {"no data chunk", testclips::wave({}, {}).left(36)},
        {"samples before the format", QByteArray("RIFF\x24\0\0\0WAVEdata", 16) + good.mid(40)},
        {"no channels", patched(good, 22, 0, 2)},
        {"nine channels", patched(patched(good, 22, 9, 2), 32, 18, 2)},
        {"24-bit samples", toneWave({.channels = 1, .bitsPerSample = 24}, 200ms)},
        {"compressed samples (ADPCM)", patched(good, 20, 2, 2)},
        {"a block size that does not fit the format", patched(good, 32, 3, 2)},
        {"a sample rate of 0", patched(good, 24, 0)},
    };
    for (const Unplayable &c : cases)
        EXPECT_FALSE(read(c.bytes)) << c.what;
}

} // namespace
