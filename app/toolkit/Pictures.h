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
const QIcon &windowIcon();
const QCursor &parrotCursor();

}  // namespace toolkit
