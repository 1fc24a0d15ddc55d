// Wave clips made up for the tests: a tone of a known length followed by silence, written by a
// small header writer, in any of the formats a clip may come in.
#include "TestClips.h"

#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace testclips {
namespace {

void putLe16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void putLe32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void putSample(QByteArray &out, const Format &format, double value)
{
    if (format.tag == 3) {
        const float f = float(value);
        quint32 bits;
        std::memcpy(&bits, &f, 4);
        putLe32(out, bits);
    } else if (format.bitsPerSample == 8) {
        out.append(char(quint8(128 + std::lround(value * 127))));
    } else if (format.bitsPerSample == 16) {
        putLe16(out, quint16(qint16(std::lround(value * 32767))));
    } else {
        putLe32(out, quint32(qint32(std::lround(value * 2147483647.0))));
    }
}

} // namespace

QByteArray wave(const Format &format, const QByteArray &samples, const QByteArray &chunkBeforeData)
{
    const bool extensible = format.tag == 0xFFFE;
    const quint16 blockAlign = quint16(format.channels * format.bitsPerSample / 8);
    QByteArray fmt;
    putLe16(fmt, format.tag);
    putLe16(fmt, format.channels);
    putLe32(fmt, format.sampleRate);
    putLe32(fmt, format.sampleRate * blockAlign);
    putLe16(fmt, blockAlign);
    putLe16(fmt, format.bitsPerSample);
    if (extensible) {
        putLe16(fmt, 22);
        putLe16(fmt, format.bitsPerSample);
        putLe32(fmt, format.channels == 1 ? 0x4 : 0x3);
        // KSDATAFORMAT_SUBTYPE_PCM
        fmt.append(QByteArray::fromHex("0100000000001000800000aa00389b71"));
    }
    QByteArray body = "WAVE";
    body += "fmt ";
    putLe32(body, quint32(fmt.size()));
    body += fmt;
    body += chunkBeforeData;
    body += "data";
    putLe32(body, quint32(samples.size()));
    body += samples;
    QByteArray file = "RIFF";
    putLe32(file, quint32(body.size()));
    return file + body;
}

QByteArray toneSamples(const Format &format, std::chrono::milliseconds sound, std::chrono::milliseconds silence)
{
    const qint64 soundFrames = format.sampleRate * sound.count() / 1000;
    const qint64 allFrames = soundFrames + format.sampleRate * silence.count() / 1000;
    const qint64 fadeFrames = format.sampleRate / 100;  // 10 ms, so the tone starts and stops without a click
    QByteArray out;
    for (qint64 i = 0; i < allFrames; ++i) {
        double value = 0;
        if (i < soundFrames) {
            const double fade = std::min({1.0, double(i) / fadeFrames, double(soundFrames - i) / fadeFrames});
            value = 0.5 * fade * std::sin(2 * std::numbers::pi * 880 * double(i) / format.sampleRate);
        }
        for (int c = 0; c < format.channels; ++c)
            putSample(out, format, value);
    }
    return out;
}

QByteArray toneClip(std::chrono::milliseconds sound, std::chrono::milliseconds silence)
{
    const Format format;
    return wave(format, toneSamples(format, sound, silence));
}

QByteArray glideClip(std::chrono::milliseconds sound, std::chrono::milliseconds silence)
{
    const Format format;
    const qint64 soundFrames = format.sampleRate * sound.count() / 1000;
    const qint64 allFrames = soundFrames + format.sampleRate * silence.count() / 1000;
    const qint64 fadeFrames = format.sampleRate / 100;
    QByteArray out;
    double phase = 0;
    for (qint64 i = 0; i < allFrames; ++i) {
        double value = 0;
        if (i < soundFrames) {
            const double fade = std::min({1.0, double(i) / fadeFrames, double(soundFrames - i) / fadeFrames});
            const double hz = 440 + (1760 - 440) * double(i) / double(soundFrames);
            phase += 2 * std::numbers::pi * hz / format.sampleRate;
            value = 0.5 * fade * std::sin(phase);
        }
        putSample(out, format, value);
    }
    return wave(format, out);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

} // namespace testclips
