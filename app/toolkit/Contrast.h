// Contrast between two colours as people with low vision need it, and a text colour made readable.
#pragma once

#include <QColor>
#include <QPalette>

namespace toolkit {

// The relative luminance of an opaque sRGB colour: 0 for black, 1 for white.
double relativeLuminance(const QColor &c);

// The contrast ratio of two opaque colours, from 1 (the same) to 21 (black on white), by their
// relative luminance in sRGB.
double contrastRatio(const QColor &a, const QColor &b);

// What readable body text needs against its background.
inline constexpr double readableContrast = 4.5;

// The text colour darkened (or, on a dark background, lightened) just enough to stand at the
// readable contrast against the background; the colour itself where it already does.
QColor readableOn(const QColor &text, const QColor &background);

// A disabled text box keeps the desktop's disabled look, but its text stays readable on its own
// background: it may be the word the child has to read and remember.
void makeDisabledTextReadable(QPalette &palette);

}  // namespace toolkit
