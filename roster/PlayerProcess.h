// The game's side of its clip player, on the sound thread: it starts the player program when a clip
// is asked for, gives it every clip loaded, and lets it go once nothing it plays sounds any more. A
// player reads the server's outputs when it starts, and Qt does not always hear of a new default
// output later (Qt 6.4 under PipeWire 0.3 never does), so each burst of sound gets a fresh player,
// on the output of the moment. A player that finds its output gone or changed ends at once; the run
// it lost goes to a fresh one.
#pragma once

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QSet>
#include <QString>

class QProcess;

class PlayerProcess : public QObject {
    Q_OBJECT
public:
    // The one player of the process, living on the sound thread; to be called there.
    static PlayerProcess &instance();
    // The player of the process if one was made, else none: what goes at the program's end must
    // not make one, nor start the sound thread again.
    static PlayerProcess *existing();

    explicit PlayerProcess(QObject *parent = nullptr);

    void load(int clip, const QString &path);
    // Never waits: a run the player cannot play is skipped.
    void play(int clip);
    void drop(int clip);

signals:
    void ended(int clip);
    void broken(int clip);

private:
    bool startPlayer();
    void send(const QByteArray &line);
    void readReplies();
    void lost(int clip);
    void letGo();

    QProcess *process_ = nullptr;
    QMap<int, QString> clips_;  // every clip loaded, to be given to a new player
    QSet<int> sounding_;        // the clips whose run the player was given and has not said ended
    // Whether the player was started to retry a lost run and has been sent nothing since: if it loses
    // its output too, the output really is gone and the run is skipped, rather than starting players
    // for as long as the server stays away.
    bool retryPlayer_ = false;
    bool cannotStart_ = false;  // said once, then the game plays on without sound
    QByteArray replies_;
};
