// The game's clip player: a small program of its own that the game starts, which plays the clips it
// is told to through Qt Multimedia and says when a run has ended. It ends when the game closes its
// standard input, and when it loses its sound output, so that the game starts a fresh one.
#include <QCoreApplication>
#include <QSocketNotifier>
#include <cerrno>
#include <cstdio>
#include <unistd.h>

#include "roster/AudioOnly.h"
#include "roster/ClipPlayer.h"

namespace {

// Ends the player at once, its last line said. Qt 6.4's sample cache can deadlock in its own
// clean-up at exit while a clip is still loading, and a player that lingers holds its output
// pipes open; a player owns nothing that needs cleaning up.
[[noreturn]] void endNow()
{
    std::fflush(stdout);
    ::_exit(0);
}

}  // namespace

int main(int argc, char *argv[])
{
    roster::playThroughTheAudioOutputOnly();
    QCoreApplication app(argc, argv);

    ClipPlayer player(
        [](const QByteArray &line) {
            std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
            std::fflush(stdout);
        },
        [] { endNow(); });

    QByteArray pending;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char chunk[4096];
        const ssize_t got = ::read(STDIN_FILENO, chunk, sizeof chunk);
        if (got < 0 && (errno == EINTR || errno == EAGAIN))
            return;
        if (got <= 0)
            endNow();  // the game has gone, or let this player go
        pending.append(chunk, got);
        for (qsizetype end; (end = pending.indexOf('\n')) >= 0;) {
            player.hear(QByteArrayView(pending).first(end));
            pending.remove(0, end + 1);
        }
    });
    return app.exec();
}
