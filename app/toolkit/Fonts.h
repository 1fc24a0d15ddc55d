// The classic faces the layouts name, mapped onto free fonts that Debian ships.
#pragma once

#include <QFont>

#include "app/toolkit/Layout.h"

namespace toolkit {

// Installs the substitutions before any widget exists, so every layout's face resolves the same way.
void pinFonts();

// The free face a layout's face is shown in (the face itself if it needs no substitute).
QString substituteFace(std::string_view face);

// The font a control shows: its own if it names one, else its window's.
QFont makeFont(const FontSpec &own, const FontSpec &window);

}  // namespace toolkit
