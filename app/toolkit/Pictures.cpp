// Loading the embedded pictures, icons and the parrot pointer.
#include "app/toolkit/Pictures.h"

#include <QString>

namespace toolkit {

static QString qstr(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

QImage loadImage(std::string_view resource)
{
    if (resource.empty())
        return {};
    QImage image(qstr(resource));
    // Bitmaps decode as RGB32 already; icons carry alpha. Keep both in a format QPainter raster ops take.
    if (!image.isNull() && image.format() != QImage::Format_RGB32 && !image.hasAlphaChannel())
        image = image.convertToFormat(QImage::Format_RGB32);
    return image;
}

QPixmap loadPixmap(std::string_view resource)
{
    if (resource.empty())
        return {};
    return QPixmap(qstr(resource));
}

const QIcon &windowIcon()
{
    static const QIcon icon(qstr(art::pirateFace));
    return icon;
}

const QCursor &parrotCursor()
{
    static const QCursor cursor = [] {
        const QPixmap pixmap(qstr(art::parrot));
        if (pixmap.isNull())
            return QCursor(Qt::ArrowCursor);
        return QCursor(pixmap, art::parrotHotSpot.x(), art::parrotHotSpot.y());
    }();
    return cursor;
}

}  // namespace toolkit
