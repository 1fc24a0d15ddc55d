// One clip's voice, living on the sound thread: it loads the clip, plays it from its start, and lets
// a play that arrives while the clip sounds wait for that run to end, so every run is heard whole.
#pragma once

#include <QDeadlineTimer>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <chrono>

class QMediaDevices;
class QSoundEffect;

class ClipVoice : public QObject {
    Q_OBJECT
public:
    // How long after a clip's own length a run counts as over even if Qt has not said so: without a
    // sound server Qt reports a clip as playing for ever, and a stuck run must not silence the rest.
    static constexpr std::chrono::milliseconds lateEndAllowance{2000};

    explicit ClipVoice(QObject *parent = nullptr);

    // Loads the first clip called fileName in folders, unless a clip is already loaded.
    void open(const QStringList &folders, const QString &fileName);
    // Starts the clip from its start, or, while a run is sounding, has one run wait for its end.
    void play();

signals:
    // What the voice has done, for whoever watches it from another thread.
    void reported(bool open, int runsStarted, bool runWaiting);

private:
    void load();
    void startRun();
    void statusChanged();
    void outputsChanged();
    void close();
    void playingChanged();
    bool runSounding() const;
    void report();

    QSoundEffect *effect_ = nullptr;
    QString path_;
    // Newer Qt puts a good clip in error when there is no sound output at all. The voice then stays:
    // its runs go unheard, as they do on a Qt that plays into nothing, and once an output appears
    // the clip is loaded again to be heard there.
    QMediaDevices *devices_ = nullptr;
    bool awaitingOutput_ = false;
    std::chrono::milliseconds clipLength_{0};
    QDeadlineTimer runOver_;  // when the current run is over at the latest
    QTimer waitingRunTimer_;  // starts the waiting run at runOver_ if Qt never says the run ended
    bool runWaiting_ = false;
    int runsStarted_ = 0;
};
