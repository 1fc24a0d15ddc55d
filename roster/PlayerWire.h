// The lines the game and its clip player (a child process) say to each other, one per line.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace player {

// What the game asks of the player.
enum class Ask {
    Load,  // load <clip> <path>: get the clip ready to play
    Play,  // play <clip>: play it from its start, cutting a run that still sounds
    Drop,  // drop <clip>: forget it
};

// What the player tells the game.
enum class Tell {
    Ended,   // ended <clip>: a run of the clip has ended
    Broken,  // broken <clip>: the clip cannot be played on this output
    Lost,    // lost <clip>: the output has gone or changed, so the run was not played; the player ends
};

struct Line {
    QByteArray word;
    int clip = -1;
    QString path;  // of Load only
};

QByteArray say(Ask ask, int clip, const QString &path = {});
QByteArray say(Tell tell, int clip);

// The line's parts, or nothing when it is not a line of the kind asked for.
std::optional<Line> read(QByteArrayView line);
bool is(const Line &line, Ask ask);
bool is(const Line &line, Tell tell);

}  // namespace player
