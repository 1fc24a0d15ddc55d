// Reading the rendered pictures, icons and clips straight from their bytes.
#include "ArtFiles.h"

#include <QDir>
#include <QFile>
#include <QSet>

namespace artfiles {

namespace {

std::uint32_t u16(const QByteArray &b, qsizetype at)
{
    if (at + 2 > b.size())
        return 0;
    return std::uint8_t(b[at]) | std::uint32_t(std::uint8_t(b[at + 1])) << 8;
}

std::uint32_t u32(const QByteArray &b, qsizetype at)
{
    if (at + 4 > b.size())
        return 0;
    return u16(b, at) | u16(b, at + 2) << 16;
}

}  // namespace

QString buildDir() { return qEnvironmentVariable("SCALLYWISE_BUILD_DIR"); }

QString artPath(const QString &relative) { return QDir(buildDir()).filePath(QStringLiteral("art/") + relative); }

QString wavePath(const QString &name) { return QDir(buildDir()).filePath(QStringLiteral("waves/") + name); }

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

BitmapHeader bitmapHeader(const QByteArray &file)
{
    BitmapHeader h;
    if (file.size() < 54 || !file.startsWith("BM") || u32(file, 14) != 40)
        return h;
    h.valid = true;
    h.fileSize = u32(file, 2);
    h.pixelOffset = u32(file, 10);
    h.width = std::int32_t(u32(file, 18));
    h.height = std::int32_t(u32(file, 22));
    h.bitsPerPixel = std::uint16_t(u16(file, 28));
    h.compression = u32(file, 30);
    return h;
}

Icon icon(const QByteArray &file)
{
    Icon result;
    if (file.size() < 22 || u16(file, 0) != 0 || u16(file, 2) != 1 || u16(file, 4) != 1)
        return result;
    const std::uint32_t offset = u32(file, 18);
    if (offset + 40 > std::uint32_t(file.size()) || u32(file, offset) != 40)
        return result;
    result.width = int(u32(file, offset + 4));
    result.height = int(u32(file, offset + 8)) / 2;
    result.bitsPerPixel = int(u16(file, offset + 14));
    if (result.bitsPerPixel != 4 || u32(file, offset + 16) != 0 || result.width != 32 || result.height != 32)
        return result;
    result.paletteSize = u32(file, offset + 32) ? int(u32(file, offset + 32)) : 16;
    const qsizetype paletteAt = offset + 40;
    const qsizetype coloursAt = paletteAt + 4 * result.paletteSize;
    const qsizetype maskAt = coloursAt + 16 * 32;
    if (maskAt + 4 * 32 > file.size() || result.paletteSize > 16)
        return result;

    QImage image(32, 32, QImage::Format_ARGB32);
    QSet<QRgb> used;
    for (int row = 0; row < 32; ++row) {
        const int y = 31 - row;  // bottom-up
        for (int x = 0; x < 32; ++x) {
            const std::uint8_t pair = std::uint8_t(file[coloursAt + row * 16 + x / 2]);
            const int index = x % 2 ? pair & 0x0F : pair >> 4;
            const std::uint8_t maskByte = std::uint8_t(file[maskAt + row * 4 + x / 8]);
            const bool transparent = maskByte & (0x80 >> (x % 8));
            const qsizetype entry = paletteAt + 4 * index;
            const QRgb colour = qRgb(std::uint8_t(file[entry + 2]), std::uint8_t(file[entry + 1]), std::uint8_t(file[entry]));
            if (index >= result.paletteSize)
                return result;
            // A transparent pixel must be black in the colour plane, or it would tint the screen.
            if (transparent && colour != qRgb(0, 0, 0))
                return result;
            image.setPixel(x, y, transparent ? qRgba(0, 0, 0, 0) : colour);
            if (!transparent)
                used.insert(colour);
        }
    }
    result.coloursUsed = int(used.size());
    result.image = image;
    result.valid = true;
    return result;
}

Wave wave(const QByteArray &file)
{
    Wave w;
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE" || u32(file, 4) + 8 != std::uint32_t(file.size()))
        return w;
    bool haveFormat = false;
    for (qsizetype at = 12; at + 8 <= file.size();) {
        const QByteArray id = file.mid(at, 4);
        const std::uint32_t size = u32(file, at + 4);
        const qsizetype body = at + 8;
        if (body + qsizetype(size) > file.size())
            return w;
        if (id == "fmt ") {
            w.format = int(u16(file, body));
            w.channels = int(u16(file, body + 2));
            w.sampleRate = int(u32(file, body + 4));
            w.bitsPerSample = int(u16(file, body + 14));
            haveFormat = true;
        } else if (id == "data" && haveFormat && w.bitsPerSample == 16) {
            w.samples.resize(size / 2);
            for (std::uint32_t i = 0; i < size / 2; ++i)
                w.samples[i] = std::int16_t(u16(file, body + 2 * i));
            w.valid = true;
        }
        at = body + size + (size & 1);
    }
    return w;
}

}  // namespace artfiles
