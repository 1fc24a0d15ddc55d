// Where the game's wave clips live: the waves/ folder of the program's data directory.
#include "roster/WaveFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace waves {

QStringList foldersFor(const QString &programDir, const QStringList &dataFolders)
{
    QStringList found{programDir + "/waves", QDir::cleanPath(programDir + "/../share/scallywise/waves")};
    for (const QString &dataFolder : dataFolders)
        found << dataFolder + "/scallywise/waves";
    found.removeDuplicates();
    return found;
}

QStringList folders()
{
    const QString override = qEnvironmentVariable(overrideVariable);
    if (!override.isEmpty())
        return {override};
    return foldersFor(QCoreApplication::applicationDirPath(),
                      QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation));
}

QString find(const QStringList &folders, const QString &name)
{
    for (const QString &folder : folders) {
        const QFileInfo clip(folder + "/" + name);
        if (clip.isFile())
            return clip.filePath();
    }
    return {};
}

} // namespace waves
