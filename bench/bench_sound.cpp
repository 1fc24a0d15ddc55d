// What a sound cue costs the user-interface thread: the three command words of one cue, with no
// sound server and with a real one, next to what calling Qt's player directly would cost.
#include <QCoreApplication>
#include <QProcess>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QUrl>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>

#include "SoundServer.h"
#include "TestClips.h"
#include "support/WaitUntil.h"
#include "roster/MMControl.h"
#include "roster/PlayerProgram.h"
#include "roster/SoundThread.h"
#include "roster/WaveFolder.h"

namespace {

using namespace std::chrono_literals;

// Which run this process is: unset in the one started by hand, which runs the benchmarks twice,
// in processes of their own, since Qt reaches for a sound server once per process.
constexpr char serverVariable[] = "SCALLYWISE_BENCH_SOUND_SERVER";

struct Run {
    const char *name;
    const char *heading;
};

constexpr Run runs[] = {
    {"no_server", "no sound server"},
    {"pulse", "a PulseAudio server of the benchmark's own (null sink)"},
};

void cue(MMControl &player)
{
    player.setCommand("open");
    player.setCommand("play");
    player.setCommand("prev");
}

// Lets the sound thread finish what it was asked and takes in its replies, with the clock stopped,
// so that the timed loop measures the calling thread alone and queues never pile up.
class SoundThreadSettler {
public:
    SoundThreadSettler() { point_->moveToThread(sound::thread()); }
    ~SoundThreadSettler() { point_->deleteLater(); }
    void settle()
    {
        QMetaObject::invokeMethod(point_, [] {}, Qt::BlockingQueuedConnection);
        QCoreApplication::processEvents();
    }

private:
    QObject *point_ = new QObject;
};

// The game's cue on a player that is open and sounding: the cost every later cue has.
void CueOnOpenPlayer(benchmark::State &state)
{
    MMControl player("waveaudio", "cue.wav");
    cue(player);
    if (!waitUntil([&] { return player.runsStarted() == 1; })) {
        state.SkipWithError("the clip never opened");
        return;
    }
    SoundThreadSettler settler;
    int sinceSettled = 0;
    for (auto _ : state) {
        cue(player);
        if (++sinceSettled == 64) {
            state.PauseTiming();
            settler.settle();
            sinceSettled = 0;
            state.ResumeTiming();
        }
    }
}

// The first cue of a new player: it is made, finds its clip folders and hands the clip to the sound thread.
void FirstCue(benchmark::State &state)
{
    SoundThreadSettler settler;
    for (auto _ : state) {
        auto *player = new MMControl("waveaudio", "cue.wav");
        cue(*player);
        state.PauseTiming();
        settler.settle();
        delete player;
        settler.settle();
        state.ResumeTiming();
    }
}

// For comparison: what the calling thread would wait if it drove Qt's player itself, as a player
// without a sound thread would. Each iteration starts the clip afresh on a loaded player.
void QSoundEffectPlayHere(benchmark::State &state)
{
    QSoundEffect effect;
    effect.setSource(QUrl::fromLocalFile(qEnvironmentVariable(waves::overrideVariable) + "/cue.wav"));
    if (!waitUntil([&] { return effect.status() != QSoundEffect::Loading; }) || effect.status() != QSoundEffect::Ready) {
        state.SkipWithError("Qt could not load the clip");
        return;
    }
    for (auto _ : state) {
        effect.play();
        state.PauseTiming();
        effect.stop();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

// From a cue to its first sound in a recording of the sink: each cue is the first of a burst, so a
// clip player is started for it, as for the first cue of every fall. The recording's clock stands
// in for the wall clock: the samples captured up to the cue mark its moment, which the capture's
// own latency (20 ms at most) puts a little early, so the figure errs long.
void CueToSound(benchmark::State &state)
{
    Recording recording;
    if (!recording.isRecording()) {
        state.SkipWithError("could not record the sink");
        return;
    }
    MMControl player("waveaudio", "cue.wav");
    for (auto _ : state) {
        if (!waitUntil([&] { return !player.runSounding(); }, 30s)) {
            state.SkipWithError("a run never ended");
            return;
        }
        const qsizetype mark = recording.samplesSoFar().size() / 2;
        cue(player);
        qsizetype heardAt = -1;
        waitUntil([&] {
            const QByteArray samples = recording.samplesSoFar();
            const auto *values = reinterpret_cast<const qint16 *>(samples.constData());
            for (qsizetype i = mark; i < samples.size() / 2 && heardAt < 0; ++i)
                if (std::abs(values[i]) > 1000)
                    heardAt = i;
            return heardAt >= 0;
        }, 10s);
        if (heardAt < 0) {
            state.SkipWithError("the cue was not heard");
            return;
        }
        state.SetIterationTime(double(heardAt - mark) / SoundServer::sampleRate);
    }
}

int runBenchmarks(int argc, char **argv, const QByteArray &run)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    testclips::writeFile(folder.filePath("cue.wav"), testclips::toneClip(1000ms));
    qputenv(waves::overrideVariable, folder.path().toUtf8());

    const std::string suffix = "/" + run.toStdString();
    benchmark::RegisterBenchmark(("CueOnOpenPlayer" + suffix).c_str(), CueOnOpenPlayer);
    benchmark::RegisterBenchmark(("FirstCue" + suffix).c_str(), FirstCue)->Iterations(200);
    if (run == "pulse")
        benchmark::RegisterBenchmark(("CueToSound" + suffix).c_str(), CueToSound)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("QSoundEffectPlayHere" + suffix).c_str(), QSoundEffectPlayHere)->Iterations(200);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// Runs this program again for one run, passing on its arguments and its output.
bool runAgain(int argc, char **argv, const Run &run)
{
    std::printf("\n== %s\n", run.heading);
    std::fflush(stdout);
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(serverVariable, run.name);
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.setStandardInputFile(QProcess::nullDevice());
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    child.start(QCoreApplication::applicationFilePath(), arguments);
    return child.waitForFinished(-1) && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
}

} // namespace

int main(int argc, char **argv)
{
    // The clip player built with the benchmarks, which do not sit beside it.
    if (qEnvironmentVariableIsEmpty(player::overrideVariable))
        qputenv(player::overrideVariable, SCALLYWISE_BENCH_PLAYER);
    const QByteArray run = qgetenv(serverVariable);
    if (!run.isEmpty())
        return runBenchmarks(argc, argv, run);

    QCoreApplication app(argc, argv);
    qputenv("PULSE_SERVER", "unix:/nonexistent/scallywise-no-sound-server");
    bool ok = runAgain(argc, argv, runs[0]);
    SoundServer server;  // points this process, and so the next run, at a server of its own
    if (!server.isRunning()) {
        // Benchmarks measure, they do not fail: say what is missing and let the other programs run.
        std::printf("\n== %s: could not be started, not measured\n", runs[1].heading);
        return ok ? 0 : 1;
    }
    ok = runAgain(argc, argv, runs[1]) && ok;
    return ok ? 0 : 1;
}
