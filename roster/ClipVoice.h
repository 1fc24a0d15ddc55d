// One clip's voice, living on the sound thread: it reads the clip, has the clip player play it from
// its start, and lets a play that arrives while the clip sounds wait for that run to end, so every
// run is heard whole.
#pragma once

#include <QDeadlineTimer>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <chrono>

class ClipVoice : public QObject {
    Q_OBJECT
public:
    // How long after a clip's own length a run counts as over even if the player has not said so:
    // without a sound server nothing ends, and a stuck run must not silence the rest.
    static constexpr std::chrono::milliseconds lateEndAllowance{2000};

    explicit ClipVoice(QObject *parent = nullptr);
    ~ClipVoice() override;

    // Loads the first clip called fileName in folders, unless a clip is already loaded.
    void open(const QStringList &folders, const QString &fileName);
    // Starts the clip from its start, or, while a run is sounding, has one run wait for its end.
    void play();

signals:
    // What the voice has done, for whoever watches it from another thread.
    void reported(bool open, int runsStarted, bool runWaiting, bool runSounding);

private:
    void startRun();
    void runEnded(int clip);
    void broken(int clip);
    void close();
    bool runSounding() const;
    void report();

    const int clip_;  // the clip's number with the player
    bool open_ = false;
    bool sounding_ = false;  // a run has started and the player has not said it ended
    std::chrono::milliseconds clipLength_{0};
    QDeadlineTimer runOver_;  // when the current run is over at the latest
    QTimer waitingRunTimer_;  // starts the waiting run at runOver_ if the player never says the run ended
    bool runWaiting_ = false;
    int runsStarted_ = 0;
};
