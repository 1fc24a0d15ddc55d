// Loading the embedded pictures, icons and the parrot pointer.
#include "app/toolkit/Pictures.h"

#include <QHash>
#include <QPixmapCache>
#include <QString>

namespace toolkit {

static QString qstr(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// Pictures decoded ahead, and copies of them, by resource path, until their window takes them.
static QHash<QString, QImage> &keptAhead()
{
    static QHash<QString, QImage> kept;
    return kept;
}

static QHash<QString, QImage> &copiesAhead()
{
    static QHash<QString, QImage> copies;
    return copies;
}

static QImage decode(const QString &resource)
{
    if (QImage kept = keptAhead().take(resource); !kept.isNull())
        return kept;
    return QImage(resource);
}

void keepAhead(std::string_view resource, bool withCopy)
{
    const QString path = qstr(resource);
    QPixmap ready;
    if (!keptAhead().contains(path) && !QPixmapCache::find(path, &ready))
        keptAhead().insert(path, QImage(path));
    if (withCopy && !copiesAhead().contains(path)) {
        QImage copy = keptAhead().value(path).copy();
        copy.bits();  // its own pages, touched now
        copiesAhead().insert(path, copy);
    }
}

QImage takeCopyAhead(std::string_view resource) { return copiesAhead().take(qstr(resource)); }

QImage loadImage(std::string_view resource)
{
    if (resource.empty())
        return {};
    QImage image = decode(qstr(resource));
    // Bitmaps decode as RGB32 already; icons carry alpha. Keep both in a format QPainter raster ops take.
    if (!image.isNull() && image.format() != QImage::Format_RGB32 && !image.hasAlphaChannel())
        image = image.convertToFormat(QImage::Format_RGB32);
    return image;
}

QPixmap loadPixmap(std::string_view resource)
{
    if (resource.empty())
        return {};
    // One picture shown by several controls (the three ships) is decoded once and shared.
    const QString path = qstr(resource);
    QPixmap pixmap;
    if (!QPixmapCache::find(path, &pixmap)) {
        pixmap = QPixmap::fromImage(decode(path));
        QPixmapCache::insert(path, pixmap);
    }
    return pixmap;
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
