// Where the game's wave clips live: the waves/ folder of the program's data directory.
#pragma once

#include <QString>
#include <QStringList>

namespace waves {

// Set to a folder, this environment variable is the only place clips are looked for
// (tests point it at clips of their own).
inline constexpr char overrideVariable[] = "SCALLYWISE_WAVES_DIR";

// The folders to look in, best first, for a program in programDir: beside the program in the build
// tree, then <prefix>/share/scallywise/waves of an installed program, then each data folder.
QStringList foldersFor(const QString &programDir, const QStringList &dataFolders);

// The folders for this program, or only the override folder when one is set.
QStringList folders();

// The path of the first file called name in folders, or an empty string.
QString find(const QStringList &folders, const QString &name);

} // namespace waves
