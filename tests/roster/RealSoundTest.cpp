// The players against a real sound server: a cue is heard whole, a cue run twice in a row is heard
// twice, each time from its start, and a server that hangs does not hang the game.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>

#include "SoundServer.h"
#include "TestClips.h"
#include "support/WaitUntil.h"
#include "roster/ClipVoice.h"
#include "roster/MMControl.h"
#include "roster/WaveFolder.h"

namespace {

using namespace std::chrono_literals;

constexpr auto toneLength = 600ms;
constexpr auto padLength = 250ms;  // the silence every clip ends with
// A tone measured in 10 ms windows, after a sound server's mixing, is this close to its length.
constexpr int toneToleranceMs = 40;

class RealSound : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(soundServer().isRunning()) << soundServer().log().toStdString();
        ASSERT_TRUE(folder.isValid());
        qputenv(waves::overrideVariable, folder.path().toUtf8());
        testclips::writeFile(folder.filePath("tone.wav"), testclips::toneClip(toneLength, padLength));
    }
    void TearDown() override { qunsetenv(waves::overrideVariable); }

    static void cue(MMControl &player)
    {
        player.setCommand("open");
        player.setCommand("play");
        player.setCommand("prev");
    }

    QTemporaryDir folder;
};

TEST_F(RealSound, CueIsHeardOnceAndWhole)
{
    Recording recording;
    ASSERT_TRUE(recording.isRecording());
    MMControl player("waveaudio", "tone.wav");
    cue(player);
    QTest::qWait(int((toneLength + padLength + 1s).count()));

    const QList<Heard> heard = heardIn(recording.stop());
    ASSERT_EQ(heard.size(), 1) << describe(heard).toStdString();
    EXPECT_NEAR(heard[0].length(), toneLength.count(), toneToleranceMs) << describe(heard).toStdString();
}

// A clip needs an audio output, not a media player: playing one loads no video codecs and no Qt
// Quick, which Qt 6.8's default media backend would bring in, some 25 MB for the whole game.
TEST_F(RealSound, ACueLoadsNoMediaPlayerLibraries)
{
    MMControl player("waveaudio", "tone.wav");
    cue(player);
    QTest::qWait(int((toneLength + padLength).count()));
    QFile maps("/proc/self/maps");
    ASSERT_TRUE(maps.open(QIODevice::ReadOnly));
    const QString loaded = QString::fromUtf8(maps.readAll());
    for (const char *library : {"libavcodec.so", "libavformat.so", "libQt6Quick.so"})
        EXPECT_FALSE(loaded.contains(QLatin1String(library))) << library;
}

// The eighth pirate's fall runs the same cue twice with nothing in between: the second "open" finds
// the player open and the second "play" finds the clip sounding. Neither may cut the first run, and
// the second run is heard after it, from its start to its end.
TEST_F(RealSound, CueRunTwiceInARowIsHeardTwiceFromItsStart)
{
    Recording recording;
    ASSERT_TRUE(recording.isRecording());
    MMControl player("waveaudio", "tone.wav");
    cue(player);
    cue(player);
    QTest::qWait(int((2 * (toneLength + padLength) + 1s).count()));

    const QList<Heard> heard = heardIn(recording.stop());
    ASSERT_EQ(heard.size(), 2) << describe(heard).toStdString();
    EXPECT_NEAR(heard[0].length(), toneLength.count(), toneToleranceMs) << describe(heard).toStdString();
    EXPECT_NEAR(heard[1].length(), toneLength.count(), toneToleranceMs) << describe(heard).toStdString();
    // The second run follows the first as its silent tail ends, not at some later moment.
    EXPECT_LT(heard[1].start - heard[0].end, (padLength + 300ms).count()) << describe(heard).toStdString();
    EXPECT_EQ(player.runsStarted(), 2);
}

// A sound server can stop answering (a hung daemon); Qt then waits for it for half a minute. The
// cue must return and the game keep handling its events while the server stays silent.
TEST_F(RealSound, ServerThatHangsDoesNotHangTheGame)
{
    MMControl player("waveaudio", "tone.wav");
    std::atomic<bool> gameAnswered = false;
    std::atomic<bool> answeredWhileHung = false;

    soundServer().freeze();
    cue(player);
    QTimer::singleShot(20ms, [&] { gameAnswered = true; });
    // Thaws the server as soon as the game has answered, or after ten seconds if it never does.
    std::thread watchdog([&] {
        const auto giveUp = std::chrono::steady_clock::now() + 10s;
        while (!gameAnswered && std::chrono::steady_clock::now() < giveUp)
            std::this_thread::sleep_for(5ms);
        answeredWhileHung = gameAnswered.load();
        soundServer().thaw();
    });
    waitUntil([&] { return gameAnswered.load(); }, 60s);
    watchdog.join();
    EXPECT_TRUE(answeredWhileHung) << "the game handled no event while the sound server hung";

    // Once the server answers again the clip is played after all; let it end before the next test.
    EXPECT_TRUE(waitUntil([&] { return player.runsStarted() == 1; }, 40s));
    QTest::qWait(int((toneLength + padLength + 500ms).count()));
}

} // namespace
