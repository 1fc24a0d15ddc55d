// Writes a 32 x 32 picture as a 16-colour (4 bits per pixel) Windows icon with an AND mask.
#include "IcoFile.h"

#include "LittleEndian.h"

#include <algorithm>
#include <vector>

namespace ico {

namespace {

bool isTransparent(QRgb pixel) { return qAlpha(pixel) < 128; }

QRgb opaque(QRgb pixel) { return qRgb(qRed(pixel), qGreen(pixel), qBlue(pixel)); }

}  // namespace

Result encode4bpp(const QImage &picture)
{
    if (picture.width() != side || picture.height() != side)
        return {{}, QStringLiteral("icon must be 32 x 32, not %1 x %2").arg(picture.width()).arg(picture.height())};
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);

    // Black first: the transparent pixels need it. The rest in order of value, so the file is stable.
    std::vector<QRgb> colours{qRgb(0, 0, 0)};
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const QRgb pixel = argb.pixel(x, y);
            if (!isTransparent(pixel) && std::find(colours.begin(), colours.end(), opaque(pixel)) == colours.end())
                colours.push_back(opaque(pixel));
        }
    if (colours.size() > std::size_t(maxColours))
        return {{}, QStringLiteral("icon uses %1 colours counting black; at most 16 fit").arg(colours.size())};
    std::sort(colours.begin() + 1, colours.end());
    colours.resize(maxColours, qRgb(0, 0, 0));

    auto indexOf = [&colours](QRgb pixel) {
        return int(std::find(colours.begin(), colours.end(), opaque(pixel)) - colours.begin());
    };

    constexpr int colourRowBytes = side / 2;  // two pixels a byte; 16 is already a multiple of 4
    constexpr int maskRowBytes = 4;           // one bit a pixel: 32 bits, a multiple of 4 bytes
    constexpr int paletteBytes = maxColours * 4;
    constexpr int imageBytes = 40 + paletteBytes + colourRowBytes * side + maskRowBytes * side;
    constexpr int directoryBytes = 6 + 16;

    QByteArray file;
    le::Writer out(file);
    // ICONDIR
    out.u16(0);
    out.u16(1);  // an icon, not a cursor
    out.u16(1);  // one image
    // ICONDIRENTRY
    out.u8(side);
    out.u8(side);
    out.u8(maxColours);
    out.u8(0);
    out.u16(1);  // planes
    out.u16(4);  // bits per pixel
    out.u32(imageBytes);
    out.u32(directoryBytes);
    // BITMAPINFOHEADER: the height counts the colour plane and the mask together
    out.u32(40);
    out.i32(side);
    out.i32(side * 2);
    out.u16(1);
    out.u16(4);
    out.u32(0);
    out.u32(colourRowBytes * side + maskRowBytes * side);
    out.i32(0);
    out.i32(0);
    out.u32(maxColours);
    out.u32(0);
    for (QRgb c : colours) {
        out.u8(std::uint8_t(qBlue(c)));
        out.u8(std::uint8_t(qGreen(c)));
        out.u8(std::uint8_t(qRed(c)));
        out.u8(0);
    }
    // Colour plane, bottom-up, high nibble first.
    for (int y = side - 1; y >= 0; --y)
        for (int x = 0; x < side; x += 2) {
            auto nibble = [&](int px) {
                const QRgb pixel = argb.pixel(px, y);
                return isTransparent(pixel) ? 0 : indexOf(pixel);
            };
            out.u8(std::uint8_t(nibble(x) << 4 | nibble(x + 1)));
        }
    // AND mask, bottom-up, most significant bit first: 1 leaves the screen showing through.
    for (int y = side - 1; y >= 0; --y)
        for (int byte = 0; byte < maskRowBytes; ++byte) {
            std::uint8_t bits = 0;
            for (int bit = 0; bit < 8; ++bit)
                if (isTransparent(argb.pixel(byte * 8 + bit, y)))
                    bits |= std::uint8_t(0x80 >> bit);
            out.u8(bits);
        }
    return {file, {}};
}

}  // namespace ico
