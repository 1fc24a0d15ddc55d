// The lines the game and its clip player (a child process) say to each other, one per line.
#include "roster/PlayerWire.h"

#include <QList>
#include <array>

namespace player {
namespace {

struct Word {
    Ask ask;
    const char *word;
};
constexpr std::array askWords{Word{Ask::Load, "load"}, Word{Ask::Play, "play"}, Word{Ask::Drop, "drop"}};

struct TellWord {
    Tell tell;
    const char *word;
};
constexpr std::array tellWords{TellWord{Tell::Ended, "ended"}, TellWord{Tell::Broken, "broken"},
                               TellWord{Tell::Lost, "lost"}};

const char *wordOf(Ask ask)
{
    for (const Word &w : askWords)
        if (w.ask == ask)
            return w.word;
    return "";
}

const char *wordOf(Tell tell)
{
    for (const TellWord &w : tellWords)
        if (w.tell == tell)
            return w.word;
    return "";
}

}  // namespace

QByteArray say(Ask ask, int clip, const QString &path)
{
    QByteArray line = QByteArray(wordOf(ask)) + ' ' + QByteArray::number(clip);
    // A path may hold spaces and even line breaks: it travels percent-encoded.
    if (ask == Ask::Load)
        line += ' ' + path.toUtf8().toPercentEncoding("/");
    return line + '\n';
}

QByteArray say(Tell tell, int clip) { return QByteArray(wordOf(tell)) + ' ' + QByteArray::number(clip) + '\n'; }

std::optional<Line> read(QByteArrayView text)
{
    const QList<QByteArray> parts = text.trimmed().toByteArray().split(' ');
    if (parts.size() < 2 || parts.size() > 3)
        return std::nullopt;
    bool isNumber = false;
    Line line{parts[0], parts[1].toInt(&isNumber)};
    if (!isNumber || line.clip < 0)
        return std::nullopt;
    if (parts.size() == 3)
        line.path = QString::fromUtf8(QByteArray::fromPercentEncoding(parts[2]));
    return line;
}

bool is(const Line &line, Ask ask) { return line.word == wordOf(ask) && (ask == Ask::Load) == !line.path.isEmpty(); }
bool is(const Line &line, Tell tell) { return line.word == wordOf(tell) && line.path.isEmpty(); }

}  // namespace player
