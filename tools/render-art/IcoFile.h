// Writes a 32 x 32 picture as a 16-colour (4 bits per pixel) Windows icon with an AND mask.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace ico {

inline constexpr int side = 32;
inline constexpr int maxColours = 16;

struct Result {
    QByteArray file;  // empty when the picture cannot be stored
    QString error;
};

// Fully transparent pixels (alpha below half) go into the AND mask; every other pixel must be one of
// at most 16 colours counting black, which the transparent pixels use in the colour plane so that
// they leave the screen untouched. Qt's own icon writer only stores 32 bits per pixel.
Result encode4bpp(const QImage &picture);

}  // namespace ico
