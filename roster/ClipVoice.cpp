// One clip's voice, living on the sound thread: it loads the clip, plays it from its start, and lets
// a play that arrives while the clip sounds wait for that run to end, so every run is heard whole.
#include "roster/ClipVoice.h"

#include "roster/WaveFolder.h"
#include "roster/WaveHeader.h"

#include <QAudioDevice>
#include <QMediaDevices>
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
    path_ = path;
    load();
    report();
}

void ClipVoice::load()
{
    effect_ = new QSoundEffect(this);
    connect(effect_, &QSoundEffect::statusChanged, this, &ClipVoice::statusChanged);
    // Queued: Qt says a run ended from inside its own audio callbacks, which must not be re-entered.
    connect(effect_, &QSoundEffect::playingChanged, this, &ClipVoice::playingChanged, Qt::QueuedConnection);
    effect_->setSource(QUrl::fromLocalFile(path_));
}

void ClipVoice::statusChanged()
{
    if (!effect_ || effect_->status() != QSoundEffect::Error)
        return;
    // The clip's headers were read before it was handed to Qt; with no output to play on, the error
    // says nothing about the clip.
    if (!QMediaDevices::audioOutputs().isEmpty()) {
        close();
        return;
    }
    awaitingOutput_ = true;
    if (!devices_) {
        devices_ = new QMediaDevices(this);
        connect(devices_, &QMediaDevices::audioOutputsChanged, this, &ClipVoice::outputsChanged);
    }
}

void ClipVoice::outputsChanged()
{
    if (!effect_ || !awaitingOutput_ || QMediaDevices::audioOutputs().isEmpty())
        return;
    awaitingOutput_ = false;
    effect_->disconnect(this);
    effect_->deleteLater();
    load();
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
    // While the clip loads, and with no output, what Qt says of playing means nothing yet: a run is
    // timed by the clip's length, as on a Qt that plays into nothing and calls it playing for ever.
    if (awaitingOutput_ || effect_->status() == QSoundEffect::Loading)
        return runsStarted_ > 0 && !runOver_.hasExpired();
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
    if (effect_ && runWaiting_ && !awaitingOutput_ && !effect_->isPlaying())
        startRun();
}

void ClipVoice::close()
{
    // Deferred: Qt reports a broken clip from inside the effect's own code.
    effect_->disconnect(this);
    effect_->deleteLater();
    effect_ = nullptr;
    awaitingOutput_ = false;
    runWaiting_ = false;
    waitingRunTimer_.stop();
    report();
}

void ClipVoice::report()
{
    emit reported(effect_ != nullptr, runsStarted_, runWaiting_);
}
