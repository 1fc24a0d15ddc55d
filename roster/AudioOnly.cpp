// Qt Multimedia's audio output alone, without its media backends, from Qt 6.8.
#include "roster/AudioOnly.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include "app/toolkit/ExpectedNotes.h"

namespace roster {

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
namespace {

// Named so that no backend has the name: Qt then keeps to what it can do without one, which is all
// the game asks (sound effects and the list of outputs), and says so once on standard error.
// (Qt 6.4 has no such fallback: without a backend it ends the program.)
constexpr char noBackend[] = "scallywise-audio-output-only";

bool aboutTheMissingBackend(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    return type == QtWarningMsg && message.startsWith(QLatin1String("No QtMultimedia backends found."));
}

}  // namespace

void playThroughTheAudioOutputOnly()
{
    const QByteArray chosen = qgetenv("QT_MEDIA_BACKEND");
    if (!chosen.isEmpty() && chosen != noBackend)
        return;  // the user's choice stands
    // Set by the game and so passed on to its clip player, which drops the note too.
    qputenv("QT_MEDIA_BACKEND", noBackend);
    toolkit::dropExpectedNotes(aboutTheMissingBackend);
}
#else
void playThroughTheAudioOutputOnly() {}
#endif

}  // namespace roster
