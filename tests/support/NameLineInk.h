// Reading the certificate's name line back from a picture of the certificate, shown or printed:
// where its ink lies, found as what differs from the certificate's own artwork around the label.
#pragma once

#include <QImage>
#include <QRect>

#include "app/toolkit/Pictures.h"
#include "support/PdfPage.h"

namespace nameline {

// The name line's label, in pixels of the certificate's client area.
inline const QRect place(232, 248, 337, 57);

// The smallest rectangle holding every pixel, within margin pixels around the label, that differs
// from the artwork by more than tolerance in some channel; empty if none does.
inline QRect inkAround(const QImage &picture, int margin, int tolerance = 24)
{
    const QImage art = toolkit::loadImage(art::certificate).convertToFormat(QImage::Format_RGB32);
    const QImage shown = picture.convertToFormat(QImage::Format_RGB32);
    const QRect area = place.adjusted(-margin, -margin, margin, margin).intersected(shown.rect());
    QRect ink;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (pdfpage::channelDistance(shown.pixel(x, y), art.pixel(x, y)) > tolerance)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

// How many pixels in the rectangle have the name line's dark red, #800000, give or take.
inline int nameColoured(const QImage &picture, const QRect &area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = picture.pixel(x, y);
            count += qRed(p) > 90 && qRed(p) < 170 && qGreen(p) < 50 && qBlue(p) < 50;
        }
    return count;
}

}  // namespace nameline
