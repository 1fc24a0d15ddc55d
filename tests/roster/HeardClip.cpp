// Where a clip's own samples are heard in a recording, found 10 ms block by block, so that a busy
// machine's stutter (silence let into the playback, a recording in pieces) is told apart from a clip
// cut short, started part-way through, or swapped for another.
#include "HeardClip.h"

#include <QBuffer>
#include <QFile>
#include <QtEndian>
#include <cstdlib>
#include <vector>

#include "SoundServer.h"
#include "roster/WaveHeader.h"

namespace {

constexpr int blockLength = SoundServer::sampleRate / 100;  // 10 ms
// The server passes a lone stream's samples through, give or take its rounding when it converts.
constexpr int sampleTolerance = 8;
// A block quieter than this could pass for the silence around it.
constexpr int soundingPeak = 320;
// A hearing is found by any of the clip's first blocks, in case the recording lost the very first.
constexpr int openingBlocks = 10;
// Silence a busy machine lets into a playback, at most, between two blocks of the clip; well under
// the length of any clip, so a block missing from one hearing is never looked for in the next.
constexpr int longestGap = SoundServer::sampleRate / 2;
// A whole hearing starts and ends within this many blocks of the clip's own ends, and misses no
// more than one block in this many.
constexpr int endBlocks = 3;
constexpr int missedOneIn = 10;

std::vector<qint16> samplesOf(const QByteArray &bytes)
{
    std::vector<qint16> out(size_t(bytes.size() / 2));
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = qFromLittleEndian<qint16>(bytes.constData() + 2 * i);
    return out;
}

int toMs(qsizetype sample) { return int(sample * 1000 / SoundServer::sampleRate); }

}  // namespace

ClipSamples clipFromWaveBytes(const QString &name, const QByteArray &wave)
{
    QBuffer buffer;
    buffer.setData(wave);
    buffer.open(QIODevice::ReadOnly);
    const auto header = readWaveHeader(buffer);
    if (!header || header->bitsPerSample != 16 || header->channels != 1 || header->sampleRate != SoundServer::sampleRate)
        return {name, {}};
    return {name, wave.mid(header->dataOffset, header->dataBytes)};
}

ClipSamples clipFromWave(const QString &path)
{
    QFile file(path);
    const QString name = path.section('/', -1);
    return file.open(QIODevice::ReadOnly) ? clipFromWaveBytes(name, file.readAll()) : ClipSamples{name, {}};
}

bool HeardClip::whole() const
{
    return blocks > 0 && firstBlock < endBlocks && lastBlock >= blocks - endBlocks
        && (blocks - found) * missedOneIn <= blocks;
}

QString HeardClip::describe() const
{
    if (!heard())
        return QStringLiteral("not heard (%1 sounding blocks)").arg(blocks);
    return QStringLiteral("%1 of %2 blocks heard, #%3 to #%4, from %5 to %6 ms")
        .arg(found).arg(blocks).arg(firstBlock).arg(lastBlock).arg(startMs).arg(endMs);
}

HeardClip findClip(const QByteArray &recording, const ClipSamples &clip, int fromMs)
{
    const std::vector<qint16> heard = samplesOf(recording);
    const std::vector<qint16> own = samplesOf(clip.samples);

    // The clip's blocks loud enough to be told from silence, by where each starts in the clip.
    std::vector<qsizetype> blocks;
    for (qsizetype at = 0; at + blockLength <= qsizetype(own.size()); at += blockLength) {
        int peak = 0;
        for (qsizetype i = at; i < at + blockLength; ++i)
            peak = std::max(peak, std::abs(int(own[size_t(i)])));
        if (peak >= soundingPeak)
            blocks.push_back(at);
    }
    HeardClip result;
    result.blocks = int(blocks.size());

    const qsizetype last = qsizetype(heard.size()) - blockLength;
    const auto sounds = [&](size_t block, qsizetype at) {
        if (at < 0 || at > last)
            return false;
        const qint16 *h = heard.data() + at;
        const qint16 *o = own.data() + blocks[block];
        for (int i = 0; i < blockLength; ++i)
            if (std::abs(int(h[i]) - int(o[i])) > sampleTolerance)
                return false;
        return true;
    };

    // Where the hearing opens: the earliest place any of the opening blocks sounds.
    size_t block = 0;
    qsizetype at = -1;
    const size_t opening = std::min(blocks.size(), size_t(openingBlocks));
    for (qsizetype p = qsizetype(fromMs) * SoundServer::sampleRate / 1000; p <= last && at < 0; ++p)
        for (size_t b = 0; b < opening; ++b)
            if (sounds(b, p)) {
                block = b;
                at = p;
                break;
            }
    if (at < 0)
        return result;
    result.firstBlock = result.lastBlock = int(block);
    result.found = 1;
    result.startMs = toMs(at);

    // Each later block where it is due, or later by a gap the machine let in, or earlier by what the
    // recording lost; one not found is skipped, and the next looked for after the last found.
    for (size_t b = block + 1; b < blocks.size(); ++b) {
        const qsizetype due = at + (blocks[b] - blocks[block]);
        qsizetype found = sounds(b, due) ? due : -1;
        for (qsizetype p = at + blockLength; found < 0 && p <= due + longestGap; ++p)
            if (sounds(b, p))
                found = p;
        if (found < 0)
            continue;
        block = b;
        at = found;
        ++result.found;
        result.lastBlock = int(b);
    }
    result.endMs = toMs(at + blockLength);
    return result;
}
