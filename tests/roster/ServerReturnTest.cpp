// Sound comes back: a sound server killed under the game and started again, however long it was away,
// and a default output switched between two cues. A cue while no server is there returns at once and
// the game goes on; the next cue after the server answers again is heard, on the default sink of the
// moment. Each case runs in a process of its own, since a process reaches a sound server once.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>

#include "HeardClip.h"
#include "SoundServer.h"
#include "TestClips.h"
#include "support/WaitUntil.h"
#include "roster/MMControl.h"
#include "roster/WaveFolder.h"

namespace {

using namespace std::chrono_literals;

enum class Scenario {
    ServerComesBack,      // the server is killed, stays away, and is started again on the same socket
    DefaultSinkSwitched,  // a second sink is made the default between two cues
};

struct ServerCase {
    const char *name;
    SoundServer::Kind server;
    Scenario scenario;
    std::chrono::seconds away;
};

// Qt's own reconnection tries once, about three seconds after the loss: away for less and for
// more than that, under both servers a desktop has.
constexpr ServerCase serverCases[] = {
    {"PulseAudioBackAfter1s", SoundServer::Kind::PulseAudio, Scenario::ServerComesBack, 1s},
    {"PulseAudioBackAfter10s", SoundServer::Kind::PulseAudio, Scenario::ServerComesBack, 10s},
    {"PipeWirePulseBackAfter5s", SoundServer::Kind::PipeWire, Scenario::ServerComesBack, 5s},
    {"PulseAudioDefaultSinkSwitched", SoundServer::Kind::PulseAudio, Scenario::DefaultSinkSwitched, 0s},
    {"PipeWireDefaultSinkSwitched", SoundServer::Kind::PipeWire, Scenario::DefaultSinkSwitched, 0s},
};

// Set in the process a case runs in by itself.
constexpr char caseAloneVariable[] = "SCALLYWISE_SERVER_CASE_ALONE";
// Long enough for any run to be heard, stutter and all, on a machine at its busiest.
constexpr auto hearingTimeout = 30s;
// A case's own process: its servers start in seconds, its hearings are bounded above.
constexpr auto caseTimeout = 180s;

class ServerReturn : public ::testing::TestWithParam<ServerCase> {
protected:
    void SetUp() override
    {
        if (!alone())
            return;
        ASSERT_TRUE(folder.isValid());
        qputenv(waves::overrideVariable, folder.path().toUtf8());
        const QByteArray wave = testclips::glideClip(600ms);
        testclips::writeFile(folder.filePath("tone.wav"), wave);
        clip = clipFromWaveBytes("tone.wav", wave);
        ASSERT_GT(clip.samples.size(), 0);
    }
    void TearDown() override { qunsetenv(waves::overrideVariable); }

    static bool alone() { return qEnvironmentVariableIsSet(caseAloneVariable); }

    // Runs this one case in a fresh process of this program and passes on what it says.
    static void runAlone()
    {
        const ::testing::TestInfo *test = ::testing::UnitTest::GetInstance()->current_test_info();
        QProcess self;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(caseAloneVariable, "1");
        self.setProcessEnvironment(environment);
        self.setStandardInputFile(QProcess::nullDevice());
        self.setProcessChannelMode(QProcess::ForwardedChannels);
        self.start(QCoreApplication::applicationFilePath(),
                   {QStringLiteral("--gtest_filter=%1.%2").arg(test->test_suite_name(), test->name())});
        ASSERT_TRUE(self.waitForStarted(10000));
        if (!self.waitForFinished(int(std::chrono::milliseconds(caseTimeout).count()))) {
            self.kill();
            self.waitForFinished(5000);
            FAIL() << "the case did not end within " << caseTimeout.count() << " s";
        }
        EXPECT_EQ(self.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(self.exitCode(), 0) << "the case failed in its own process (its output is above)";
    }

    static void cue(MMControl &player)
    {
        player.setCommand("open");
        player.setCommand("play");
        player.setCommand("prev");
    }

    // Records until the clip is heard whole, or for the hearing timeout, and gives the hearing.
    HeardClip hearWhole(Recording &recording) const
    {
        HeardClip run;
        recording.recordUntil([&](const QByteArray &samples) { return (run = findClip(samples, clip)).whole(); },
                              hearingTimeout);
        return run;
    }

    void serverComesBack(SoundServer &server, MMControl &player);
    void defaultSinkSwitched(SoundServer &server, MMControl &player);

    QTemporaryDir folder;
    ClipSamples clip;
};

void ServerReturn::serverComesBack(SoundServer &server, MMControl &player)
{
    const ServerCase &c = GetParam();
    {
        Recording before;
        ASSERT_TRUE(before.isRecording());
        cue(player);
        const HeardClip run = hearWhole(before);
        ASSERT_TRUE(run.whole()) << "before the server went away: " << run.describe().toStdString();
    }

    QElapsedTimer away;
    away.start();
    server.crash();
    // With no server there, the cue returns and the events queued behind it are handled while the
    // server is still away: a cue that waited for a server would wait for ever here.
    cue(player);
    bool gameAnswered = false;
    QTimer::singleShot(0, [&] { gameAnswered = true; });
    EXPECT_TRUE(waitUntil([&] { return gameAnswered; }, hearingTimeout))
        << "the game handled no event while the sound server was away";
    QTest::qWait(int(std::max<qint64>(0, std::chrono::milliseconds(c.away).count() - away.elapsed())));

    ASSERT_TRUE(server.restart()) << server.log().toStdString();
    QElapsedTimer sinceBack;
    sinceBack.start();
    Recording after;
    const qint64 recordingFrom = sinceBack.elapsed();
    ASSERT_TRUE(after.isRecording());
    cue(player);
    const HeardClip run = hearWhole(after);
    EXPECT_TRUE(run.whole()) << "the first cue after the server came back from " << c.away.count()
                             << " s away: " << run.describe().toStdString();
    if (run.heard())
        std::printf("[  figure  ] %s: the cue heard %lld ms after the server answered again\n", c.name,
                    static_cast<long long>(recordingFrom + run.startMs));
}

void ServerReturn::defaultSinkSwitched(SoundServer &server, MMControl &player)
{
    ASSERT_TRUE(server.addSink("b"));
    Recording onA, onB("b");
    ASSERT_TRUE(onA.isRecording());
    ASSERT_TRUE(onB.isRecording());
    cue(player);
    const HeardClip first = hearWhole(onA);
    ASSERT_TRUE(first.whole()) << "on the first default sink: " << first.describe().toStdString();
    // The new output comes between two cues: the first cue is over, as its player says.
    ASSERT_TRUE(waitUntil([&] { return !player.runSounding(); }, 30s));

    ASSERT_TRUE(server.setDefaultSink("b"));
    cue(player);
    const HeardClip onNewDefault = hearWhole(onB);
    const QByteArray heardOnA = onA.stop();
    const HeardClip onOldDefault = findClip(heardOnA, clip, first.endMs);
    const std::string sounds = "; sounds on the old default sink: " + describe(heardIn(heardOnA)).toStdString()
        + ", on the new: " + describe(heardIn(onB.stop())).toStdString();
    EXPECT_TRUE(onNewDefault.whole()) << "on the new default sink: " << onNewDefault.describe().toStdString() << sounds;
    EXPECT_FALSE(onOldDefault.heard()) << "on the old default sink after " << first.endMs
                                       << " ms: " << onOldDefault.describe().toStdString() << sounds;
}

TEST_P(ServerReturn, NextCueIsHeard)
{
    if (!alone()) {
        runAlone();
        return;
    }
    SoundServer server(GetParam().server);
    ASSERT_TRUE(server.isRunning()) << server.log().toStdString();
    MMControl player("waveaudio", "tone.wav");
    switch (GetParam().scenario) {
    case Scenario::ServerComesBack:
        serverComesBack(server, player);
        break;
    case Scenario::DefaultSinkSwitched:
        defaultSinkSwitched(server, player);
        break;
    }
    if (HasFailure())
        std::fprintf(stderr, "%s\n", qPrintable(server.log().right(4000)));
}

void PrintTo(const ServerCase &c, std::ostream *out) { *out << c.name; }

INSTANTIATE_TEST_SUITE_P(Servers, ServerReturn, ::testing::ValuesIn(serverCases),
                         [](const ::testing::TestParamInfo<ServerCase> &info) { return std::string(info.param.name); });

} // namespace
