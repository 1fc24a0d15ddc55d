// Announcer: every spoken line passes here on its way to whoever is listening.
#include "app/toolkit/Announcer.h"

#include "app/toolkit/BusAnnouncer.h"

namespace toolkit {

namespace {

Announcer *current = nullptr;

Announcer &listener()
{
    static BusAnnouncer bus;
    return current ? *current : bus;
}

}  // namespace

void announce(QWidget *window, const QString &line)
{
    if (window)
        listener().announce(window, line);
}

Announcer *setAnnouncer(Announcer *announcer)
{
    Announcer *previous = current;
    current = announcer;
    return previous;
}

QString spelt(const QString &word)
{
    QString out;
    for (const QChar letter : word) {
        if (!out.isEmpty())
            out += u' ';
        out += letter.toUpper();
    }
    return out;
}

}  // namespace toolkit
