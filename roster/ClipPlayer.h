// The clip player's side, in a process of its own: it loads and plays the clips the game asks for,
// and ends as soon as it finds that its sound output has gone or changed, so that the game's next
// player reaches the server and the output of the moment afresh.
#pragma once

#include <QAudioDevice>
#include <QByteArray>
#include <QHash>
#include <QObject>
#include <functional>

class QSoundEffect;

class ClipPlayer : public QObject {
    Q_OBJECT
public:
    // tell carries each line the player says to the game; ending is called once the player has lost
    // its output and wants to end.
    ClipPlayer(std::function<void(const QByteArray &)> tell, std::function<void()> ending,
               QObject *parent = nullptr);

    // One line from the game; lines it does not know are ignored.
    void hear(QByteArrayView line);

private:
    void load(int clip, const QString &path);
    void play(int clip);
    void drop(int clip);
    void statusChanged(int clip);
    void playingChanged(int clip);
    bool outputAnswers() const;
    void lose(int clip);

    std::function<void(const QByteArray &)> tell_;
    std::function<void()> ending_;
    QHash<int, QSoundEffect *> effects_;
    // The default output when the player started: Qt keeps a loaded clip on its first output, so a
    // new default (headphones plugged in) is reached by a new player.
    QAudioDevice output_;
    bool lost_ = false;
};
