// Writes a picture as a 24-bit uncompressed Windows bitmap.
#include "BmpFile.h"

#include "LittleEndian.h"

namespace bmp {

QByteArray encode24(const QImage &picture)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width();
    const int height = rgb.height();
    const int stride = (width * 3 + 3) & ~3;
    constexpr int headersSize = 14 + 40;
    constexpr int pixelsPerMetre = 2835;  // 72 dots per inch, the usual value

    QByteArray file;
    le::Writer out(file);
    out.bytes("BM");
    out.u32(std::uint32_t(headersSize + stride * height));
    out.u16(0);
    out.u16(0);
    out.u32(headersSize);

    out.u32(40);
    out.i32(width);
    out.i32(height);  // positive: rows run bottom-up
    out.u16(1);       // planes
    out.u16(24);      // bits per pixel
    out.u32(0);       // BI_RGB: uncompressed
    out.u32(std::uint32_t(stride * height));
    out.i32(pixelsPerMetre);
    out.i32(pixelsPerMetre);
    out.u32(0);  // colours used: none, there is no palette
    out.u32(0);

    for (int y = height - 1; y >= 0; --y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            out.u8(std::uint8_t(qBlue(line[x])));
            out.u8(std::uint8_t(qGreen(line[x])));
            out.u8(std::uint8_t(qRed(line[x])));
        }
        for (int pad = width * 3; pad < stride; ++pad)
            out.u8(0);
    }
    return file;
}

}  // namespace bmp
