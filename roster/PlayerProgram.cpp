// Where the game's clip player program is: beside the game in the build tree, or where the package
// installs it.
#include "roster/PlayerProgram.h"

#include "roster/PlayerPlace.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace player {

QStringList placesFor(const QString &programDir)
{
    return {programDir + "/" + programName,
            QDir::cleanPath(programDir + "/" + installedRelativeToGame + "/" + programName)};
}

QString program()
{
    const QString override = qEnvironmentVariable(overrideVariable);
    if (!override.isEmpty())
        return override;
    for (const QString &place : placesFor(QCoreApplication::applicationDirPath()))
        if (QFileInfo(place).isExecutable())
            return place;
    return {};
}

}  // namespace player
