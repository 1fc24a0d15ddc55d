// The game's side of its clip player, on the sound thread: it starts the player program when a clip
// is first asked for, and starts a fresh one whenever the last has lost its output (the sound server
// went away, or the default output changed), giving it again every clip it had and the run it lost.
#pragma once

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QString>

class QProcess;

class PlayerProcess : public QObject {
    Q_OBJECT
public:
    // The one player of the process, living on the sound thread; to be called there.
    static PlayerProcess &instance();

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

    QProcess *process_ = nullptr;
    QMap<int, QString> clips_;  // every clip loaded, to be given to a new player
    // Whether the player was started to retry a lost run and has been sent nothing since: if it loses
    // its output too, the output really is gone and the run is skipped, rather than starting players
    // for as long as the server stays away.
    bool retryPlayer_ = false;
    bool cannotStart_ = false;  // said once, then the game plays on without sound
    QByteArray replies_;
};
