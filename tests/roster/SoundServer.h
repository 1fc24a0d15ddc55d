// A sound server of the test's own (PulseAudio, or PipeWire with its PulseAudio service), in a private
// folder, with one null sink "test" whose monitor a recording can capture; this process and its
// children are pointed at it and at nothing else.
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <chrono>

#include "support/WaitUntil.h"

class SoundServer {
public:
    static constexpr int sampleRate = 44100;  // of recordings: 16-bit mono

    // What answers on the PulseAudio socket: PulseAudio itself, or PipeWire's pipewire-pulse in front
    // of pipewire and wireplumber (as Debian's desktops have it now).
    enum class Kind { PulseAudio, PipeWire };

    // Starts the server and waits until it answers; isRunning() says whether it did.
    explicit SoundServer(Kind kind = Kind::PulseAudio);
    // Stops the processes this object started, by their process ids.
    ~SoundServer();

    bool isRunning() const { return running_; }
    QString log() const;

    // Stops and continues the server's process, as a server that hangs would.
    void freeze();
    void thaw();

    // Kills the process that serves the PulseAudio socket, as a crash would, and returns once it is
    // gone; its clients lose their connection. Under PipeWire the sinks live on in pipewire.
    void crash();
    // Starts that process again on the same socket with the sink "test" as the default, and says
    // whether it answers.
    bool restart();

    // Adds a null sink of that name; the default stays where it is.
    bool addSink(const QString &name);
    bool setDefaultSink(const QString &name);

private:
    bool startSocketServer();
    bool startPipeWire();

    Kind kind_;
    QTemporaryDir folder_;
    QString socket_;
    QProcessEnvironment environment_;
    // PipeWire's own processes, with the private session bus wireplumber cannot do without.
    QProcess bus_, pipewire_, wireplumber_;
    QProcess daemon_;  // pulseaudio or pipewire-pulse
    bool running_ = false;
};

// A capture of everything a sink of the server plays, from its start until stop() or until the
// server goes away.
class Recording {
public:
    explicit Recording(const QString &sink = QStringLiteral("test"));  // returns once samples are arriving
    ~Recording();

    bool isRecording() const { return recording_; }
    // The samples captured so far: 16-bit little-endian mono at SoundServer::sampleRate.
    QByteArray samplesSoFar();
    // Records until heard(samples so far) holds, looking again every 100 ms, or until the time is up;
    // says whether it held.
    template <typename Condition>
    bool recordUntil(Condition heard, std::chrono::milliseconds timeout);
    // Ends the capture and gives all its samples.
    QByteArray stop();

private:
    QProcess parec_;
    QByteArray samples_;
    bool recording_ = false;
};

template <typename Condition>
bool Recording::recordUntil(Condition heard, std::chrono::milliseconds timeout)
{
    QElapsedTimer sinceLook;
    return waitUntil(
        [&] {
            if (sinceLook.isValid() && sinceLook.elapsed() < 100)
                return false;
            sinceLook.start();
            return bool(heard(samplesSoFar()));
        },
        timeout);
}

// A stretch of a recording in which something is heard, in milliseconds from the recording's start.
struct Heard {
    int start;
    int end;
    int length() const { return end - start; }
};

// The stretches of 16-bit little-endian samples that are louder than a whisper, joined across gaps
// under 50 ms; of several channels, the first is listened to.
QList<Heard> heardIn(const QByteArray &samples, int sampleRate = SoundServer::sampleRate, int channels = 1);

// The stretches, written out for a failure message.
QString describe(const QList<Heard> &heard);

// The server a test program's tests share (SharedSoundServer.cpp): Qt reaches a sound server once
// per process.
SoundServer &soundServer();
