// Writes a picture as a 24-bit uncompressed Windows bitmap.
#pragma once

#include <QByteArray>
#include <QImage>

namespace bmp {

// The whole file: a BITMAPFILEHEADER, a BITMAPINFOHEADER and bottom-up BGR rows padded to 4 bytes.
// Any alpha in the picture is dropped; the bytes depend on the pixels alone.
QByteArray encode24(const QImage &picture);

}  // namespace bmp
