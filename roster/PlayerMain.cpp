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

int main(int argc, char *argv[])
{
    roster::playThroughTheAudioOutputOnly();
    QCoreApplication app(argc, argv);

    ClipPlayer player(
        [](const QByteArray &line) {
            std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
            std::fflush(stdout);
        },
        [] { QCoreApplication::exit(0); });

    QByteArray pending;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char chunk[4096];
        const ssize_t got = ::read(STDIN_FILENO, chunk, sizeof chunk);
        if (got < 0 && (errno == EINTR || errno == EAGAIN))
            return;
        if (got <= 0) {
            input.setEnabled(false);
            QCoreApplication::exit(0);  // the game has gone
            return;
        }
        pending.append(chunk, got);
        for (qsizetype end; (end = pending.indexOf('\n')) >= 0;) {
            player.hear(QByteArrayView(pending).first(end));
            pending.remove(0, end + 1);
        }
    });
    return app.exec();
}
