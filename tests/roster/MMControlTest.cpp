// The player's command words with no sound server: what "open", "play" and "prev" do, and that a
// missing or broken clip, or a word the player does not know, leaves the game undisturbed.
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "TestClips.h"
#include "support/WaitUntil.h"
#include "roster/ClipVoice.h"
#include "roster/MMControl.h"
#include "roster/WaveFolder.h"

namespace {

using namespace std::chrono_literals;

// These tests run silent on any machine: Qt is pointed at a sound server that does not exist,
// before anything in the program first reaches for one.
const bool noSoundServer = qputenv("PULSE_SERVER", "unix:/nonexistent/scallywise-no-sound-server");

constexpr auto clipLength = 100ms;

class MMControlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        qputenv(waves::overrideVariable, folder.path().toUtf8());
        testclips::writeFile(folder.filePath("good.wav"), testclips::toneClip(clipLength));
    }
    void TearDown() override { qunsetenv(waves::overrideVariable); }

    static void cue(MMControl &player)
    {
        player.setCommand("open");
        player.setCommand("play");
        player.setCommand("prev");
    }

    // Cues a player of a good clip and waits until it is heard of: the sound thread does the work of
    // every player in order, so by then it has done everything asked of the players before it.
    static void cueAGoodPlayerAndWait()
    {
        MMControl good("waveaudio", "good.wav");
        cue(good);
        ASSERT_TRUE(waitUntil([&] { return good.runsStarted() == 1; }));
    }

    QTemporaryDir folder;
};

TEST_F(MMControlTest, CueOpensTheClipAndStartsOneRun)
{
    MMControl player("waveaudio", "good.wav");
    cue(player);
    ASSERT_TRUE(waitUntil([&] { return player.runsStarted() == 1; }));
    EXPECT_TRUE(player.isOpen());
    EXPECT_FALSE(player.runWaiting());
}

// With no sound output at all, Qt 6.4 loads a clip and calls it playing for ever, where Qt 6.8 puts
// it in error at once ("No audio devices available"). Either way the clip is a good one: the player
// keeps it, and times each unheard run by the clip's length, so both behave as below.
constexpr const char *whatQtDoesWithoutAnOutput =
    QT_VERSION < QT_VERSION_CHECK(6, 8, 0) ? "Qt calls the clip playing for ever" : "Qt puts the clip in error";

// The player must neither pile up runs nor wait for ever: one run waits, and it starts once the
// sounding run's time is surely up.
TEST_F(MMControlTest, RunsCuedWhileTheClipSoundsWaitOneAtATime)
{
    SCOPED_TRACE(whatQtDoesWithoutAnOutput);
    MMControl player("waveaudio", "good.wav");
    cue(player);
    cue(player);
    cue(player);
    ASSERT_TRUE(waitUntil([&] { return player.runWaiting(); }));
    EXPECT_EQ(player.runsStarted(), 1);
    EXPECT_TRUE(player.isOpen()) << "a good clip closed for want of a sound output";

    ASSERT_TRUE(waitUntil([&] { return player.runsStarted() == 2; }, clipLength + ClipVoice::lateEndAllowance + 5s));
    EXPECT_FALSE(player.runWaiting()) << "the third cue must not leave a run waiting behind the second";
}

TEST_F(MMControlTest, OpenSentToAnOpenPlayerKeepsTheClipItHas)
{
    SCOPED_TRACE(whatQtDoesWithoutAnOutput);
    MMControl player("waveaudio", "good.wav");
    cue(player);
    ASSERT_TRUE(waitUntil([&] { return player.isOpen(); }));
    QFile::remove(folder.filePath("good.wav"));

    cue(player);
    ASSERT_TRUE(waitUntil([&] { return player.runWaiting(); }));
    EXPECT_TRUE(player.isOpen());
    EXPECT_EQ(player.runsStarted(), 1);
}

struct BrokenClip {
    const char *what;
    QByteArray bytes;  // written as the clip, unless null
    const char *deviceType = "waveaudio";
};

TEST_F(MMControlTest, MissingOrBrokenClipPlaysNothingAndTheGameGoesOn)
{
    const QByteArray good = testclips::toneClip(clipLength);
    const BrokenClip cases[] = {
        {"no clip file", QByteArray()},
        {"stray bytes", "RIFF? no, only some text saved under a clip's name"},
        {"an empty file", QByteArray("")},
        {"a header cut short", good.left(30)},
        {"samples cut short", good.left(good.size() / 2)},
        {"a device other than waveaudio", good, "cdaudio"},
    };
    for (const BrokenClip &c : cases) {
        QFile::remove(folder.filePath("broken.wav"));
        if (!c.bytes.isNull())
            testclips::writeFile(folder.filePath("broken.wav"), c.bytes);
        MMControl player(c.deviceType, "broken.wav");
        cue(player);
        cue(player);
        cueAGoodPlayerAndWait();
        EXPECT_FALSE(player.isOpen()) << c.what;
        EXPECT_EQ(player.runsStarted(), 0) << c.what;
    }
}

TEST_F(MMControlTest, NoClipFolderAtAllPlaysNothing)
{
    qputenv(waves::overrideVariable, folder.filePath("no such folder").toUtf8());
    MMControl player("waveaudio", "good.wav");
    cue(player);
    qputenv(waves::overrideVariable, folder.path().toUtf8());
    cueAGoodPlayerAndWait();
    EXPECT_FALSE(player.isOpen());
    EXPECT_EQ(player.runsStarted(), 0);
}

TEST_F(MMControlTest, WordsOtherThanTheThreeDoNothing)
{
    const char *words[] = {"close", "stop", "pause", "Open", "PLAY", "open ", "", "sound"};
    for (const char *word : words) {
        MMControl player("waveaudio", "good.wav");
        player.setCommand(word);
        player.setCommand("play");
        cueAGoodPlayerAndWait();
        EXPECT_FALSE(player.isOpen()) << '"' << word << '"';
        EXPECT_EQ(player.runsStarted(), 0) << '"' << word << '"';
    }
}

TEST_F(MMControlTest, PlayAndPrevBeforeOpenDoNothing)
{
    MMControl player("waveaudio", "good.wav");
    player.setCommand("play");
    player.setCommand("prev");
    player.setCommand("play");
    cueAGoodPlayerAndWait();
    EXPECT_EQ(player.runsStarted(), 0);

    cue(player);
    ASSERT_TRUE(waitUntil([&] { return player.runsStarted() == 1; }));
    EXPECT_FALSE(player.runWaiting()) << "the plays sent before the player was open must not have waited";
}

} // namespace
