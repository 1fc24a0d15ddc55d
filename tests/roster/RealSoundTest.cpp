// The players against a real sound server: a cue is heard whole, a cue run twice in a row is heard
// twice, each time from its start, and a server that hangs does not hang the game. What is heard is
// judged by the clip's own samples found in a recording, so a busy machine's stutter passes and a run
// cut short or started part-way through does not.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>

#include "HeardClip.h"
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
// Long enough for any run to be heard, stutter and all, on a machine at its busiest.
constexpr auto hearingTimeout = 30s;

class RealSound : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(soundServer().isRunning()) << soundServer().log().toStdString();
        ASSERT_TRUE(folder.isValid());
        qputenv(waves::overrideVariable, folder.path().toUtf8());
        const QByteArray wave = testclips::glideClip(toneLength, padLength);
        testclips::writeFile(folder.filePath("tone.wav"), wave);
        clip = clipFromWaveBytes("tone.wav", wave);
        ASSERT_GT(clip.samples.size(), 0);
    }
    void TearDown() override { qunsetenv(waves::overrideVariable); }

    static void cue(MMControl &player)
    {
        player.setCommand("open");
        player.setCommand("play");
        player.setCommand("prev");
    }

    QTemporaryDir folder;
    ClipSamples clip;
};

TEST_F(RealSound, CueIsHeardOnceAndWhole)
{
    Recording recording;
    ASSERT_TRUE(recording.isRecording());
    MMControl player("waveaudio", "tone.wav");
    cue(player);

    HeardClip run;
    EXPECT_TRUE(recording.recordUntil([&](const QByteArray &samples) { return (run = findClip(samples, clip)).whole(); },
                                      hearingTimeout))
        << run.describe().toStdString();
    // Heard once: nothing more of it while it could have sounded again.
    QTest::qWait(int((toneLength + padLength + 500ms).count()));
    const HeardClip again = findClip(recording.stop(), clip, run.endMs);
    EXPECT_FALSE(again.heard()) << again.describe().toStdString();
}

// A clip needs an audio output, not a media player: playing one loads no video codecs and no Qt
// Quick, which Qt 6.8's default media backend would bring in, some 25 MB for the whole game.
TEST_F(RealSound, ACueLoadsNoMediaPlayerLibraries)
{
    Recording recording;
    ASSERT_TRUE(recording.isRecording());
    MMControl player("waveaudio", "tone.wav");
    cue(player);
    // Whatever playing loads is loaded by the time the clip has been heard to its end.
    HeardClip run;
    ASSERT_TRUE(recording.recordUntil([&](const QByteArray &samples) { return (run = findClip(samples, clip)).whole(); },
                                      hearingTimeout))
        << run.describe().toStdString();
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

    HeardClip first, second;
    EXPECT_TRUE(recording.recordUntil(
        [&](const QByteArray &samples) {
            first = findClip(samples, clip);
            second = first.heard() ? findClip(samples, clip, first.endMs) : HeardClip{};
            return first.whole() && second.whole();
        },
        hearingTimeout))
        << "first: " << first.describe().toStdString() << "; second: " << second.describe().toStdString();
    // The second run follows the first as its silent tail ends, not when the player gives up on
    // hearing the first end (two seconds on); a busy machine may stretch the tail a little.
    EXPECT_LT(second.startMs - first.endMs, (padLength + 750ms).count())
        << "first: " << first.describe().toStdString() << "; second: " << second.describe().toStdString();
    QTest::qWait(int((toneLength + padLength + 500ms).count()));
    const HeardClip third = findClip(recording.stop(), clip, std::max(first.endMs, second.endMs));
    EXPECT_FALSE(third.heard()) << third.describe().toStdString();
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
