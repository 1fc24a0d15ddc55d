// Getting a window's pictures and fonts ready before it is built, while the program waits for the
// player, so that building it later takes them ready-made.
#pragma once

#include <QObject>

#include "app/toolkit/Layout.h"

namespace toolkit {

// Decodes every picture of the layout and loads every font it names, one at a time between the
// events of the running event loop, so that nothing the player does waits more than one of them.
// The pictures wait in loadImage's and loadPixmap's keeping until the window takes them. Stops
// when context goes.
void prepareAhead(const Layout &layout, QObject *context);

}  // namespace toolkit
