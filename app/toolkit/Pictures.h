// Where the program's pictures live in its embedded resources, and how they are loaded.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <string_view>

namespace art {
inline constexpr std::string_view titleScene = ":/pictures/title.bmp";
inline constexpr std::string_view okPicture = ":/pictures/ok.bmp";
inline constexpr std::string_view seaScene = ":/pictures/seascene.bmp";
inline constexpr std::string_view spriteSheet = ":/pictures/sprite.bmp";
inline constexpr std::string_view maskSheet = ":/pictures/mask.bmp";
inline constexpr std::string_view ship = ":/pictures/ship.bmp";
inline constexpr std::string_view certificate = ":/pictures/certificate.bmp";
inline constexpr std::string_view pirateFace = ":/icons/pirateface.ico";
inline constexpr std::string_view parrot = ":/icons/parrot.ico";
// The parrot pointer's hot spot: the tip of its beak, in the icon's pixels.
inline constexpr QPoint parrotHotSpot{3, 3};
}  // namespace art

namespace toolkit {

QImage loadImage(std::string_view resource);  // a null image if the resource is missing
QPixmap loadPixmap(std::string_view resource);
// Decodes a picture now and keeps it until loadImage or loadPixmap asks for it: the first such
// call takes it, so a picture kept ahead is never held twice. With a second copy, kept until
// takeCopyAhead asks for it: a window that draws on a copy of its background takes one whose
// memory is already in place (a fresh 1.3 MB costs some 3 ms of page faults on first touch).
void keepAhead(std::string_view resource, bool withCopy = false);
QImage takeCopyAhead(std::string_view resource);  // a null image if none was kept
const QIcon &windowIcon();
const QCursor &parrotCursor();

}  // namespace toolkit
