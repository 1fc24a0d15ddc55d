// Where the player looks for its clips: beside the program in the build tree, in the installed
// data folder, or only where a test points it.
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "TestClips.h"
#include "roster/WaveFolder.h"

namespace {

TEST(WaveFolder, LooksBesideTheProgramThenInTheInstalledDataFolders)
{
    const QStringList dataFolders{"/home/pat/.local/share", "/usr/local/share", "/usr/share"};
    EXPECT_EQ(waves::foldersFor("/home/pat/scallywise/build", dataFolders),
              (QStringList{"/home/pat/scallywise/build/waves", "/home/pat/scallywise/share/scallywise/waves",
                           "/home/pat/.local/share/scallywise/waves", "/usr/local/share/scallywise/waves",
                           "/usr/share/scallywise/waves"}));
    // Installed in /usr/bin, the program's own data folder is also a standard one: it is looked in once.
    EXPECT_EQ(waves::foldersFor("/usr/bin", dataFolders),
              (QStringList{"/usr/bin/waves", "/usr/share/scallywise/waves", "/home/pat/.local/share/scallywise/waves",
                           "/usr/local/share/scallywise/waves"}));
}

TEST(WaveFolder, OverrideIsTheOnlyPlaceLookedIn)
{
    qputenv(waves::overrideVariable, "/tmp/clips for a test");
    const QStringList folders = waves::folders();
    qunsetenv(waves::overrideVariable);
    EXPECT_EQ(folders, QStringList{"/tmp/clips for a test"});
    EXPECT_EQ(waves::folders().first(), QCoreApplication::applicationDirPath() + "/waves");
}

TEST(WaveFolder, FindsTheClipInTheFirstFolderThatHoldsIt)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString first = root.filePath("first"), second = root.filePath("second");
    QDir().mkpath(first);
    QDir().mkpath(second);
    QDir().mkpath(first + "/fleet.wav");  // a folder of that name is no clip
    testclips::writeFile(second + "/fleet.wav", testclips::toneClip(std::chrono::milliseconds(100)));
    testclips::writeFile(first + "/must.wav", testclips::toneClip(std::chrono::milliseconds(100)));
    testclips::writeFile(second + "/must.wav", testclips::toneClip(std::chrono::milliseconds(100)));

    const QStringList folders{root.filePath("missing"), first, second};
    EXPECT_EQ(waves::find(folders, "must.wav"), first + "/must.wav");
    EXPECT_EQ(waves::find(folders, "fleet.wav"), second + "/fleet.wav");
    EXPECT_EQ(waves::find(folders, "voices.wav"), QString());
}

} // namespace
