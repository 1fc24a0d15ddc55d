// Comparing what the rules predict with what the windows show, one readable line per difference.
#include "model/Screen.h"

namespace model {
namespace {

// Long texts (a pasted page) are shortened so that a difference stays readable.
QString shown(const QString &text)
{
    QString s = text.size() > 80 ? text.left(60) + QStringLiteral("...(%1 characters)").arg(text.size()) : text;
    s.replace(u'\n', QStringLiteral("\\n"));
    return u'"' + s + u'"';
}

QString shown(bool b) { return b ? QStringLiteral("yes") : QStringLiteral("no"); }
QString shown(qint64 n) { return QString::number(n); }
QString shown(int n) { return QString::number(n); }
QString shown(const QStringList &list) { return u'[' + list.join(QStringLiteral(", ")) + u']'; }
QString shown(const std::string_view *list) { return listName(list); }

QString shown(const QList<Draw> &draws)
{
    QStringList parts;
    for (const Draw &d : draws)
        parts << QStringLiteral("(%1,%2 frame %3,%4)").arg(d.x).arg(d.y).arg(d.sx).arg(d.sy);
    return QStringLiteral("%1 drawings ").arg(draws.size()) + parts.join(u' ');
}

class Comparison {
public:
    template <class T> void field(const char *name, const T &expected, const T &seen)
    {
        if (!(expected == seen))
            lines << QStringLiteral("%1: expected %2, seen %3").arg(QLatin1String(name), shown(expected), shown(seen));
    }
    QStringList lines;
};

}  // namespace

QStringList differences(const Screen &e, const Screen &s)
{
    Comparison c;
    c.field("answer box text", e.answer, s.answer);
    c.field("answer box enabled", e.answerEnabled, s.answerEnabled);
    c.field("NEW WORD enabled", e.newWordEnabled, s.newWordEnabled);
    c.field("score box text", e.score, s.score);
    c.field("current list", e.list, s.list);
    c.field("word index", e.wordIndex, s.wordIndex);
    c.field("score counter", e.scoreCounter, s.scoreCounter);
    c.field("checked level items", e.checkedLevels, s.checkedLevels);
    c.field("pirate x", e.x, s.x);
    c.field("pirate y", e.y, s.y);
    c.field("pirate frame x", e.sx, s.sx);
    c.field("pirate frame y", e.sy, s.sy);
    c.field("walk phase", e.phase, s.phase);
    c.field("pirate count", e.pirateCount, s.pirateCount);
    c.field("roster shown", e.shownRoster, s.shownRoster);
    c.field("game window focus", e.focus, s.focus);
    c.field("pirate drawn", e.draws, s.draws);
    c.field("sound cues run", e.cues, s.cues);
    c.field("program ends", e.programEnds, s.programEnds);
    c.field("about windows open", e.aboutWindows, s.aboutWindows);
    c.field("about window's texts", e.aboutTexts, s.aboutTexts);
    const CertificateScreen &ec = e.certificate, &sc = s.certificate;
    c.field("certificate open", ec.open, sc.open);
    if (ec.open && sc.open) {
        c.field("certificate name box text", ec.nameBox, sc.nameBox);
        c.field("certificate name box shown", ec.nameBoxShown, sc.nameBoxShown);
        c.field("certificate name button shown", ec.nameButtonShown, sc.nameButtonShown);
        c.field("certificate name line", ec.nameLine, sc.nameLine);
        c.field("certificate print button shown", ec.printShown, sc.printShown);
        c.field("certificate exit button shown", ec.exitShown, sc.exitShown);
        c.field("certificate's note on printing", ec.printNote, sc.printNote);
        c.field("certificate focus", ec.focus, sc.focus);
        c.field("certificates handed to the printer", ec.printJobs, sc.printJobs);
    }
    return c.lines;
}

}  // namespace model
