// Temporary plain pictures at the right sizes.
#include "Drawings.h"
#include "Ink.h"
#include "Palette.h"
#include "SheetLayout.h"

#include <QPainter>

namespace drawings {

QImage titleScene()
{
    QImage picture(800, 600, QImage::Format_RGB32);
    picture.fill(palette::sky);
    return picture;
}

QImage okPicture()
{
    QImage picture(76, 76, QImage::Format_RGB32);
    picture.fill(palette::nightBlue);
    return picture;
}

QImage ship()
{
    QImage picture(156, 135, QImage::Format_RGB32);
    picture.fill(palette::sky);
    return picture;
}

QImage certificate()
{
    QImage picture(800, 600, QImage::Format_RGB32);
    picture.fill(palette::certificateGround);
    return picture;
}

}  // namespace drawings
