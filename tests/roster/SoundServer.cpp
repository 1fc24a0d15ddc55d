// A sound server of the test's own (PulseAudio, or PipeWire with its PulseAudio service), in a private
// folder, with one null sink "test" whose monitor a recording can capture; this process and its
// children are pointed at it and at nothing else.
#include "SoundServer.h"

#include "support/WaitUntil.h"

#include <QDir>
#include <QStringList>
#include <QFile>
#include <QtEndian>
#include <csignal>
#include <cstdlib>
#include <sys/prctl.h>

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

// PipeWire's graph runs at the recordings' rate and the sink is mono, so what a stream plays reaches
// the monitor sample for sample, as it does through PulseAudio's null sink.
constexpr char pipeWireSink[] = R"(context.properties = {
    default.clock.rate = 44100
    default.clock.allowed-rates = [ 44100 ]
}
context.objects = [
    { factory = adapter
        args = {
            factory.name = support.null-audio-sink
            node.name = test
            node.description = "Test sink"
            media.class = Audio/Sink
            audio.rate = 44100
            audio.channels = 1
            audio.position = [ MONO ]
            object.linger = true
            monitor.channel-volumes = true
        }
    }
]
)";

QString outputOf(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, arguments);
    return process.waitForFinished(5000) ? QString::fromUtf8(process.readAllStandardOutput()).trimmed() : QString();
}

void startLogged(QProcess &process, const QProcessEnvironment &environment, const QString &logFile,
                 const QString &program, const QStringList &arguments = {})
{
    process.setProcessEnvironment(environment);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardOutputFile(logFile, QIODevice::Append);
    // A test process that is killed takes its servers with it.
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    process.start(program, arguments);
}

} // namespace

SoundServer::SoundServer(Kind kind) : kind_(kind)
{
    if (!folder_.isValid())
        return;
    const QString runtime = folder_.filePath("xdg");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    socket_ = runtime + "/pulse/native";
    // Set before anything in this process reaches for a sound server; children inherit them.
    qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
    qputenv("PULSE_SERVER", ("unix:" + socket_).toUtf8());
    qputenv("PULSE_COOKIE", folder_.filePath("cookie").toUtf8());
    qunsetenv("PULSE_SINK");
    qunsetenv("PULSE_SOURCE");

    environment_ = QProcessEnvironment::systemEnvironment();
    environment_.insert("HOME", folder_.path());
    environment_.insert("XDG_CONFIG_HOME", folder_.filePath("config"));
    environment_.insert("XDG_STATE_HOME", folder_.filePath("state"));
    environment_.remove("PIPEWIRE_REMOTE");
    environment_.remove("DBUS_SESSION_BUS_ADDRESS");
    if (kind_ == Kind::PipeWire && !startPipeWire())
        return;
    running_ = startSocketServer();
}

bool SoundServer::startPipeWire()
{
    const QString dropIns = folder_.filePath("config/pipewire/pipewire.conf.d");
    QDir().mkpath(dropIns);
    QFile conf(dropIns + "/test-sink.conf");
    if (!conf.open(QIODevice::WriteOnly) || conf.write(pipeWireSink) < 0)
        return false;
    conf.close();

    // wireplumber 0.4 gives up without a session bus: a private one, known to PipeWire's processes only.
    const QString runtime = environment_.value("XDG_RUNTIME_DIR");
    const QString bus = runtime + "/bus";
    startLogged(bus_, environment_, folder_.filePath("dbus.log"), "dbus-daemon",
                {"--session", "--nofork", "--nopidfile", "--address=unix:path=" + bus});
    environment_.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + bus);
    if (!waitUntil([&] { return QFile::exists(bus); }, 10s))
        return false;
    startLogged(pipewire_, environment_, folder_.filePath("pipewire.log"), "pipewire");
    if (!waitUntil([&] { return QFile::exists(runtime + "/pipewire-0"); }, 10s))
        return false;
    startLogged(wireplumber_, environment_, folder_.filePath("wireplumber.log"), "wireplumber");
    return wireplumber_.waitForStarted(5000);
}

bool SoundServer::startSocketServer()
{
    // A server that was killed leaves its socket behind.
    QFile::remove(socket_);
    if (kind_ == Kind::PulseAudio) {
        // No configuration files, only what a test needs: a sink that never sleeps and a local socket.
        startLogged(daemon_, environment_, folder_.filePath("pulse.out"), "pulseaudio",
                    {"-n", "--daemonize=no", "--use-pid-file=no", "--exit-idle-time=-1",
                     "--log-target=file:" + folder_.filePath("pulse.log"),
                     "--load=module-null-sink sink_name=test rate=44100",
                     "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket_});
    } else {
        startLogged(daemon_, environment_, folder_.filePath("pipewire-pulse.log"), "pipewire-pulse");
    }
    if (!daemon_.waitForStarted(5000))
        return false;
    // The default source is named outright, so that a recording never follows the default sink.
    return waitUntil([] { return run("pactl", {"info"}); }, 10s)
        && waitUntil([this] { return setDefaultSink("test"); }, 10s)
        && run("pactl", {"set-default-source", "test.monitor"});
}

SoundServer::~SoundServer()
{
    thaw();
    for (QProcess *process : {&daemon_, &wireplumber_, &pipewire_, &bus_})
        stopProcess(*process);
}

QString SoundServer::log() const
{
    QString all;
    for (const char *name : {"pulse.log", "pulse.out", "dbus.log", "pipewire.log", "wireplumber.log", "pipewire-pulse.log"}) {
        QFile file(folder_.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            all += QStringLiteral("--- %1\n").arg(name) + QString::fromUtf8(file.readAll());
    }
    return all;
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

void SoundServer::crash()
{
    if (daemon_.processId() <= 0)
        return;
    ::kill(pid_t(daemon_.processId()), SIGKILL);
    daemon_.waitForFinished(10000);
    running_ = false;
}

bool SoundServer::restart()
{
    if (daemon_.state() != QProcess::NotRunning)
        return false;
    running_ = startSocketServer();
    return running_;
}

bool SoundServer::addSink(const QString &name)
{
    return run("pactl", {"load-module", "module-null-sink", "sink_name=" + name, "rate=44100", "channels=1",
                         "channel_map=mono"});
}

bool SoundServer::setDefaultSink(const QString &name)
{
    return run("pactl", {"set-default-sink", name}) && outputOf("pactl", {"get-default-sink"}) == name;
}

Recording::Recording(const QString &sink)
{
    parec_.setStandardInputFile(QProcess::nullDevice());
    // Kept on its sink's monitor: PipeWire's session manager otherwise moves a capture to the new
    // default's monitor when the default sink changes, named device or not.
    parec_.start("parec", {"--device=" + sink + ".monitor", "--raw", "--format=s16le", "--channels=1",
                           QStringLiteral("--rate=%1").arg(SoundServer::sampleRate), "--latency-msec=20",
                           "--property=node.dont-reconnect=true"});
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
