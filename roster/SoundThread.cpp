// The one background thread on which every clip is loaded and played, so that the user-interface
// thread never waits for a file or a sound server.
#include "roster/SoundThread.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <utility>

namespace sound {
namespace {

QThread *running = nullptr;

// How long the program's end waits for the sound thread. A sound server that has stopped answering
// can hold the thread for half a minute; the program does not wait that long, it leaves the thread.
constexpr int stopWaitMs = 1000;

void stop()
{
    QThread *thread = std::exchange(running, nullptr);
    thread->quit();
    if (thread->wait(QDeadlineTimer(stopWaitMs)))
        delete thread;
}

} // namespace

QThread *thread()
{
    if (!running) {
        running = new QThread;
        running->setObjectName("sound");
        running->start();
        qAddPostRoutine(stop);
    }
    return running;
}

} // namespace sound
