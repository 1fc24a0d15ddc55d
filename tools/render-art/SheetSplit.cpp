// Derives the sprite sheet and the mask sheet from one drawing of the pirate on transparency.
#include "SheetSplit.h"

namespace sheets {

SpriteAndMask split(const QImage &pirates)
{
    const QImage straight = pirates.convertToFormat(QImage::Format_ARGB32);
    QImage sprite(straight.size(), QImage::Format_RGB32);
    QImage mask(straight.size(), QImage::Format_RGB32);
    for (int y = 0; y < straight.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(straight.constScanLine(y));
        auto *spriteLine = reinterpret_cast<QRgb *>(sprite.scanLine(y));
        auto *maskLine = reinterpret_cast<QRgb *>(mask.scanLine(y));
        for (int x = 0; x < straight.width(); ++x) {
            const bool pirate = qAlpha(in[x]) >= 128;
            spriteLine[x] = pirate ? qRgb(qRed(in[x]), qGreen(in[x]), qBlue(in[x])) : qRgb(0, 0, 0);
            maskLine[x] = pirate ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
        }
    }
    return {sprite, mask};
}

}  // namespace sheets
