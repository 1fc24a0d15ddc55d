// One clip's voice, living on the sound thread: it loads the clip, plays it from its start, and lets
// a play that arrives while the clip sounds wait for that run to end, so every run is heard whole.
#include "roster/ClipVoice.h"

#include "roster/WaveFolder.h"
#include "roster/WaveHeader.h"

#include <QSoundEffect>
#include <QUrl>

ClipVoice::ClipVoice(QObject *parent) : QObject(parent), waitingRunTimer_(this)
{
    waitingRunTimer_.setSingleShot(true);
    connect(&waitingRunTimer_, &QTimer::timeout, this, [this] {
        if (runWaiting_)
            startRun();
    });
}

void ClipVoice::open(const QStringList &folders, const QString &fileName)
{
    if (effect_)
        return;
    const QString path = waves::find(folders, fileName);
    const auto clip = path.isEmpty() ? std::nullopt : readWaveFile(path);
    if (!clip)
        return;
    clipLength_ = clip->length;
    effect_ = new QSoundEffect(this);
    connect(effect_, &QSoundEffect::statusChanged, this, [this] {
        if (effect_->status() == QSoundEffect::Error)
            close();
    });
    // Queued: Qt says a run ended from inside its own audio callbacks, which must not be re-entered.
    connect(effect_, &QSoundEffect::playingChanged, this, &ClipVoice::playingChanged, Qt::QueuedConnection);
    effect_->setSource(QUrl::fromLocalFile(path));
    report();
}

void ClipVoice::play()
{
    if (!effect_)
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

bool ClipVoice::runSounding() const
{
    return effect_->isPlaying() && !runOver_.hasExpired();
}

void ClipVoice::startRun()
{
    runWaiting_ = false;
    waitingRunTimer_.stop();
    // A run Qt still calls playing is one whose time is up; stop it, so play() starts afresh.
    if (effect_->isPlaying())
        effect_->stop();
    effect_->play();
    runOver_.setRemainingTime(clipLength_ + lateEndAllowance);
    ++runsStarted_;
    report();
}

void ClipVoice::playingChanged()
{
    if (effect_ && runWaiting_ && !effect_->isPlaying())
        startRun();
}

void ClipVoice::close()
{
    // Deferred: Qt reports a broken clip from inside the effect's own code.
    effect_->disconnect(this);
    effect_->deleteLater();
    effect_ = nullptr;
    runWaiting_ = false;
    waitingRunTimer_.stop();
    report();
}

void ClipVoice::report()
{
    emit reported(effect_ != nullptr, runsStarted_, runWaiting_);
}
