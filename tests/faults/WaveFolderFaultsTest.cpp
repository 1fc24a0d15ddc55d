// Wave clips the game cannot read: a folder it may not open, a file or a dangling link where the
// folder should be, and clips that are pipes nobody writes to, dangling links, folders or an endless
// device. The game plays on and sounds nothing, and the sound thread is free for the next clip.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "StillPlays.h"
#include "TestClips.h"
#include "roster/Cues.h"
#include "roster/WaveFolder.h"
#include "support/ScopedEnv.h"
#include "support/WaitUntil.h"

namespace {

// Every clip the game's cues open, each once however many cues share it.
QStringList clipNames()
{
    QStringList names;
    for (const roster::CueClip &c : roster::cues)
        names << QString::fromUtf8(c.clip.data(), qsizetype(c.clip.size()));
    names.removeDuplicates();
    return names;
}

bool runningAsRoot() { return geteuid() == 0; }

struct WaveFault {
    const char *what;
    // Makes the fault under root and returns the folder the game is pointed at.
    std::function<QString(const QDir &root)> make;
    // Root reads through file modes, so there the clips are heard after all.
    bool rootReadsIt = false;
};

QString folderOfGoodClips(const QDir &root, const QString &name = QStringLiteral("waves"))
{
    root.mkdir(name);
    for (const QString &clip : clipNames())
        testclips::writeFile(root.filePath(name + "/" + clip), testclips::toneClip(std::chrono::milliseconds(50)));
    return root.filePath(name);
}

// Every clip of the folder made by one call, e.g. a pipe or a link.
QString folderOf(const QDir &root, const std::function<bool(const QString &path)> &makeClip)
{
    root.mkdir(QStringLiteral("waves"));
    for (const QString &clip : clipNames())
        EXPECT_TRUE(makeClip(root.filePath(QStringLiteral("waves/") + clip))) << clip.toStdString();
    return root.filePath(QStringLiteral("waves"));
}

const WaveFault faults[] = {
    {"a folder nobody may open (mode 000)",
     [](const QDir &root) {
         const QString folder = folderOfGoodClips(root);
         chmod(QFile::encodeName(folder), 0);
         return folder;
     },
     true},
    {"clips nobody may read (mode 000)",
     [](const QDir &root) {
         const QString folder = folderOfGoodClips(root);
         for (const QString &clip : clipNames())
             chmod(QFile::encodeName(folder + "/" + clip), 0);
         return folder;
     },
     true},
    {"a plain file where the folder should be",
     [](const QDir &root) {
         testclips::writeFile(root.filePath("waves"), "not a folder");
         return root.filePath("waves");
     }},
    {"a dangling link where the folder should be",
     [](const QDir &root) {
         QFile::link(root.filePath("gone"), root.filePath("waves"));
         return root.filePath("waves");
     }},
    // Opening a pipe for reading waits until someone opens it for writing: for ever, here.
    {"pipes nobody writes to in place of the clips",
     [](const QDir &root) {
         return folderOf(root, [](const QString &path) { return mkfifo(QFile::encodeName(path), 0644) == 0; });
     }},
    {"dangling links in place of the clips",
     [](const QDir &root) {
         return folderOf(root, [&](const QString &path) { return QFile::link(root.filePath("gone"), path); });
     }},
    {"folders in place of the clips",
     [](const QDir &root) { return folderOf(root, [](const QString &path) { return QDir().mkdir(path); }); }},
    // A device that never ends: a reader that does not stop at a clip's length would never stop.
    {"links to /dev/zero in place of the clips",
     [](const QDir &root) {
         return folderOf(root, [](const QString &path) { return QFile::link(QStringLiteral("/dev/zero"), path); });
     }},
};

// Cues a player of a good clip and waits until it starts: the sound thread serves the players in
// order, so this also says the thread got past every clip asked for before.
bool soundThreadStillPlays(const QDir &root)
{
    const ScopedEnv good(waves::overrideVariable, folderOfGoodClips(root, QStringLiteral("good")).toUtf8());
    MMControl player(QStringLiteral("waveaudio"), clipNames().constFirst());
    player.setCommand(QStringLiteral("open"));
    player.setCommand(QStringLiteral("play"));
    player.setCommand(QStringLiteral("prev"));
    return waitUntil([&] { return player.runsStarted() == 1; });
}

}  // namespace

TEST(UnreadableWaves, TheGamePlaysOnInSilence)
{
    for (const WaveFault &fault : faults) {
        SCOPED_TRACE(fault.what);
        QTemporaryDir temp;
        ASSERT_TRUE(temp.isValid());
        const QDir root(temp.path());
        const ScopedEnv waves(waves::overrideVariable, fault.make(root).toUtf8());
        {
            GameDriver game;  // the opening cue runs as the window loads
            game.fallPirates(1);  // the curse cue
            expectTheGameStillPlays(game);
            ASSERT_TRUE(soundThreadStillPlays(root)) << "the sound thread is stuck on a clip it cannot read";
            bool heardAnything = false;
            for (const roster::CueClip &c : roster::cues)
                heardAnything = heardAnything || game.w().player(c.cue)->isOpen();
            if (!(fault.rootReadsIt && runningAsRoot())) {
                EXPECT_FALSE(heardAnything);
            }
        }
        // Let the temporary folder be cleaned up.
        chmod(QFile::encodeName(root.filePath("waves")), 0755);
    }
}
