// Reading the rendered pictures, icons and clips straight from their bytes, as a check on the writers.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>
#include <vector>

namespace artfiles {

QString buildDir();                          // the build tree, from SCALLYWISE_BUILD_DIR
QString artPath(const QString &relative);    // <build>/art/<relative>
QString wavePath(const QString &name);       // <build>/waves/<name>
QByteArray readAll(const QString &path);     // empty if the file cannot be read

struct BitmapHeader {
    bool valid = false;
    std::uint32_t fileSize = 0;
    std::uint32_t pixelOffset = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t bitsPerPixel = 0;
    std::uint32_t compression = ~0u;
};
BitmapHeader bitmapHeader(const QByteArray &file);

struct Icon {
    bool valid = false;
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    int paletteSize = 0;
    int coloursUsed = 0;  // distinct colours of the visible pixels
    QImage image;         // decoded by hand from the colour plane and the AND mask
};
Icon icon(const QByteArray &file);

struct Wave {
    bool valid = false;
    int format = 0;  // 1 = PCM
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::vector<std::int16_t> samples;  // interleaved
    double seconds() const { return channels && sampleRate ? double(samples.size()) / channels / sampleRate : 0; }
};
Wave wave(const QByteArray &file);

}  // namespace artfiles
