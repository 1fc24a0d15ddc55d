// A PulseAudio server of the test's own, in a private folder, with one null sink whose monitor a
// recording can capture; this process and its children are pointed at it and at nothing else.
#include "SoundServer.h"

#include "support/WaitUntil.h"

#include <QDir>
#include <QStringList>
#include <QFile>
#include <QtEndian>
#include <csignal>
#include <cstdlib>

namespace {

using namespace std::chrono_literals;

bool run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, arguments);
    return process.waitForFinished(5000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

void stopProcess(QProcess &process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished(3000);
    }
}

} // namespace

SoundServer::SoundServer()
{
    if (!folder_.isValid())
        return;
    const QString runtime = folder_.filePath("xdg");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString socket = runtime + "/pulse/native";
    // Set before anything in this process reaches for a sound server; children inherit them.
    qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
    qputenv("PULSE_SERVER", ("unix:" + socket).toUtf8());
    qputenv("PULSE_COOKIE", folder_.filePath("cookie").toUtf8());
    qunsetenv("PULSE_SINK");

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", folder_.path());
    environment.insert("XDG_CONFIG_HOME", folder_.filePath("config"));
    daemon_.setProcessEnvironment(environment);
    daemon_.setStandardInputFile(QProcess::nullDevice());
    daemon_.setProcessChannelMode(QProcess::MergedChannels);
    daemon_.setStandardOutputFile(folder_.filePath("pulse.out"));
    // No configuration files, only what a test needs: a sink that never sleeps and a local socket.
    daemon_.start("pulseaudio", {"-n", "--daemonize=no", "--use-pid-file=no", "--exit-idle-time=-1",
                                 "--log-target=file:" + folder_.filePath("pulse.log"),
                                 "--load=module-null-sink sink_name=test rate=44100",
                                 "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket});
    if (!daemon_.waitForStarted(5000))
        return;
    running_ = waitUntil([] { return run("pactl", {"info"}); }, 10s) && run("pactl", {"set-default-sink", "test"});
}

SoundServer::~SoundServer()
{
    thaw();
    stopProcess(daemon_);
}

QString SoundServer::log() const
{
    QFile file(folder_.filePath("pulse.log"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void SoundServer::freeze()
{
    if (daemon_.processId() > 0)
        ::kill(pid_t(daemon_.processId()), SIGSTOP);
}

void SoundServer::thaw()
{
    if (daemon_.processId() > 0)
        ::kill(pid_t(daemon_.processId()), SIGCONT);
}

Recording::Recording()
{
    parec_.setStandardInputFile(QProcess::nullDevice());
    parec_.start("parec", {"--device=test.monitor", "--raw", "--format=s16le", "--channels=1",
                           QStringLiteral("--rate=%1").arg(SoundServer::sampleRate), "--latency-msec=20"});
    // The sink's monitor streams silence all the time: once bytes arrive, the capture is live.
    recording_ = parec_.waitForStarted(5000) && waitUntil([this] { return parec_.bytesAvailable() > 0; });
}

Recording::~Recording() { stopProcess(parec_); }

QByteArray Recording::samplesSoFar()
{
    samples_ += parec_.readAllStandardOutput();
    return samples_;
}

QByteArray Recording::stop()
{
    samplesSoFar();
    stopProcess(parec_);
    return samplesSoFar();
}

QList<Heard> heardIn(const QByteArray &samples, int sampleRate, int channels)
{
    constexpr int windowMs = 10;
    const int windowSamples = sampleRate * windowMs / 1000;
    constexpr int whisper = 1000;  // about -30 dBFS; the test tones peak at -6 dBFS
    constexpr int joinGapMs = 50;

    QList<Heard> heard;
    const qsizetype frames = samples.size() / (2 * channels);
    for (qsizetype window = 0; (window + 1) * windowSamples <= frames; ++window) {
        int peak = 0;
        for (qsizetype i = window * windowSamples; i < (window + 1) * windowSamples; ++i) {
            const char *sample = samples.constData() + 2 * channels * i;
            peak = std::max(peak, std::abs(int(qFromLittleEndian<qint16>(sample))));
        }
        if (peak < whisper)
            continue;
        const int start = int(window * windowMs);
        if (!heard.isEmpty() && start - heard.last().end < joinGapMs)
            heard.last().end = start + windowMs;
        else
            heard.append({start, start + windowMs});
    }
    return heard;
}

QString describe(const QList<Heard> &heard)
{
    QStringList parts;
    for (const Heard &h : heard)
        parts << QStringLiteral("%1-%2 ms (%3 ms)").arg(h.start).arg(h.end).arg(h.length());
    return parts.isEmpty() ? QStringLiteral("nothing heard") : parts.join(", ");
}
