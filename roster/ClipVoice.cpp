// One clip's voice, living on the sound thread: it reads the clip, has the clip player play it from
// its start, and lets a play that arrives while the clip sounds wait for that run to end.
#include "roster/ClipVoice.h"

#include "roster/PlayerProcess.h"
#include "roster/WaveFolder.h"
#include "roster/WaveHeader.h"

#include <QThread>
#include <atomic>

namespace {

std::atomic<int> clipsMade{0};

}  // namespace

ClipVoice::ClipVoice(QObject *parent) : QObject(parent), clip_(clipsMade++), waitingRunTimer_(this)
{
    waitingRunTimer_.setSingleShot(true);
    connect(&waitingRunTimer_, &QTimer::timeout, this, [this] {
        if (runWaiting_)
            startRun();
    });
}

ClipVoice::~ClipVoice()
{
    // A voice deleted at the program's end, off the sound thread, leaves its clip to the player's end.
    PlayerProcess *player = PlayerProcess::existing();
    if (open_ && player && player->thread() == QThread::currentThread())
        player->drop(clip_);
}

void ClipVoice::open(const QStringList &folders, const QString &fileName)
{
    if (open_)
        return;
    const QString path = waves::find(folders, fileName);
    // The clip's headers are read here, so that the player is only ever given a clip it can play.
    const auto clip = path.isEmpty() ? std::nullopt : readWaveFile(path);
    if (!clip)
        return;
    clipLength_ = clip->length;
    PlayerProcess &player = PlayerProcess::instance();
    connect(&player, &PlayerProcess::ended, this, &ClipVoice::runEnded, Qt::UniqueConnection);
    connect(&player, &PlayerProcess::broken, this, &ClipVoice::broken, Qt::UniqueConnection);
    player.load(clip_, path);
    open_ = true;
    report();
}

void ClipVoice::play()
{
    if (!open_)
        return;
    if (runSounding()) {
        // At most one run waits: a third play while one waits would be heard no differently.
        runWaiting_ = true;
        waitingRunTimer_.start(std::chrono::milliseconds(runOver_.remainingTime()));
        report();
        return;
    }
    startRun();
}

bool ClipVoice::runSounding() const { return sounding_ && !runOver_.hasExpired(); }

void ClipVoice::startRun()
{
    runWaiting_ = false;
    waitingRunTimer_.stop();
    // A run the player never said had ended is one whose time is up: the player cuts it, so that
    // this run starts afresh.
    PlayerProcess::instance().play(clip_);
    sounding_ = true;
    runOver_.setRemainingTime(clipLength_ + lateEndAllowance);
    ++runsStarted_;
    report();
}

void ClipVoice::runEnded(int clip)
{
    if (clip != clip_)
        return;
    sounding_ = false;
    if (runWaiting_)
        startRun();
    else
        report();
}

void ClipVoice::broken(int clip)
{
    if (clip == clip_)
        close();
}

void ClipVoice::close()
{
    open_ = false;
    sounding_ = false;
    runWaiting_ = false;
    waitingRunTimer_.stop();
    report();
}

void ClipVoice::report()
{
    emit reported(open_, runsStarted_, runWaiting_, sounding_);
}
