// Where the game's clip player program is: beside the game in the build tree, or where the package
// installs it.
#pragma once

#include <QString>
#include <QStringList>

namespace player {

// Set to a program, this environment variable names the player to start (tests, whose programs do
// not sit beside the player, point it at the one built with them).
inline constexpr char overrideVariable[] = "SCALLYWISE_PLAYER";
inline constexpr char programName[] = "scallywise-player";

// The places to look, best first, for a game in programDir.
QStringList placesFor(const QString &programDir);

// The player program for this game, or an empty string when there is none.
QString program();

}  // namespace player
