// Text in a system colour by role over a window's artwork: the theme's colour where it reads
// against the picture behind it, else the colour that role has in the light default scheme.
#pragma once

#include <QColor>
#include <QImage>
#include <QPalette>
#include <QRect>

namespace toolkit {

// The colour a text role has in Qt's light default scheme (Fusion), the scheme the artwork was
// drawn to be read in. Roles it does not know give an invalid colour.
QColor lightSchemeColour(QPalette::ColorRole role);

// What a label over the picture is read against: the pixel of middle luminance under the
// rectangle, where a crackle or an edge under a letter does not count. Parts of the rectangle
// beyond the picture show the window's plain colour, `beyond`.
QColor backdropUnder(const QImage &picture, const QRect &place, const QColor &beyond);

// The theme's colour of the role where it stands at the readable contrast against the backdrop,
// otherwise the light default scheme's colour of that role.
QColor readableRoleColour(QPalette::ColorRole role, const QPalette &theme, const QColor &backdrop);

}  // namespace toolkit
