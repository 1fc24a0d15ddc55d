// Reads the header of a wave clip and says whether it is one the player can play, and for how long.
#include "roster/WaveHeader.h"

#include <QFile>
#include <QIODevice>
#include <QtEndian>
#include <array>

namespace {

constexpr quint16 formatPcm = 1;
constexpr quint16 formatFloat = 3;
constexpr quint16 formatExtensible = 0xFFFE;
constexpr int maxChannels = 8;
constexpr int minSampleRate = 1000;
constexpr int maxSampleRate = 384000;

struct SampleFormat {
    quint16 tag;
    int bitsPerSample;
};

// The sample formats Qt's wave decoder turns into something it can play.
constexpr std::array playableFormats{
    SampleFormat{formatPcm, 8},
    SampleFormat{formatPcm, 16},
    SampleFormat{formatPcm, 32},
    SampleFormat{formatFloat, 32},
};

struct ChunkHeader {
    QByteArray id;
    quint32 size = 0;
};

std::optional<ChunkHeader> readChunkHeader(QIODevice &file)
{
    const QByteArray bytes = file.read(8);
    if (bytes.size() != 8)
        return std::nullopt;
    return ChunkHeader{bytes.left(4), qFromLittleEndian<quint32>(bytes.constData() + 4)};
}

// Moves to the chunk after the one whose body begins at start; chunks are padded to an even length.
bool skipChunk(QIODevice &file, qint64 start, quint32 size)
{
    const qint64 next = start + size + (size & 1);
    return next <= file.size() && file.seek(next);
}

bool isPlayable(quint16 tag, int bits)
{
    for (const SampleFormat &format : playableFormats) {
        if (format.tag == tag && format.bitsPerSample == bits)
            return true;
    }
    return false;
}

// Fills the clip's format from a fmt chunk's body; false when it is a format the player cannot play.
bool readFormat(const QByteArray &fmt, WaveClip &clip)
{
    if (fmt.size() < 16)
        return false;
    const char *p = fmt.constData();
    quint16 tag = qFromLittleEndian<quint16>(p);
    const int channels = qFromLittleEndian<quint16>(p + 2);
    const quint32 sampleRate = qFromLittleEndian<quint32>(p + 4);
    const int blockAlign = qFromLittleEndian<quint16>(p + 12);
    const int bits = qFromLittleEndian<quint16>(p + 14);
    if (tag == formatExtensible) {
        // The real format is the first two bytes of the sub-format identifier.
        if (fmt.size() < 26)
            return false;
        tag = qFromLittleEndian<quint16>(p + 24);
    }
    if (!isPlayable(tag, bits) || channels < 1 || channels > maxChannels)
        return false;
    if (sampleRate < minSampleRate || sampleRate > maxSampleRate || blockAlign != channels * bits / 8)
        return false;
    clip.channels = channels;
    clip.sampleRate = int(sampleRate);
    clip.bitsPerSample = bits;
    return true;
}

} // namespace

std::optional<WaveClip> readWaveHeader(QIODevice &file)
{
    const QByteArray riff = file.read(12);
    if (riff.size() != 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE")
        return std::nullopt;

    WaveClip clip;
    bool haveFormat = false;
    while (const auto chunk = readChunkHeader(file)) {
        const qint64 start = file.pos();
        if (chunk->id == "fmt ") {
            if (!readFormat(file.read(qMin<quint32>(chunk->size, 40)), clip) || !skipChunk(file, start, chunk->size))
                return std::nullopt;
            haveFormat = true;
        } else if (chunk->id == "data") {
            const qint64 frameBytes = qint64(clip.channels) * clip.bitsPerSample / 8;
            // A clip whose samples are not all there (cut short, or written as an endless stream)
            // is one Qt's loader waits for forever.
            if (!haveFormat || chunk->size < frameBytes || chunk->size > file.size() - start)
                return std::nullopt;
            clip.dataOffset = start;
            clip.dataBytes = chunk->size;
            clip.length = std::chrono::milliseconds(clip.dataBytes / frameBytes * 1000 / clip.sampleRate);
            return clip;
        } else if (!skipChunk(file, start, chunk->size)) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

std::optional<WaveClip> readWaveFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return readWaveHeader(file);
}
