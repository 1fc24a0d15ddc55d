// Ending the program when the display goes away, before Qt ends it in a way that can crash.
#include "app/DisplayLoss.h"

#include <QString>
#include <QtGlobal>
#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace display {
namespace {

QtMessageHandler qtsOwnHandler = nullptr;

// Qt's platform plugins say this when the display goes away, then end the program from inside the
// event loop: the X one with exit(), which runs the clean-up of Qt's sound players while their
// threads may still be loading a clip, and that can crash; the Wayland one by aborting.
bool saysTheDisplayWentAway(const QString &message)
{
    return message.startsWith(QLatin1String("The X11 connection broke"))
        || message.startsWith(QLatin1String("The Wayland connection broke"));
}

void endIfTheDisplayWentAway(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (saysTheDisplayWentAway(message)) {
        std::fputs("scallywise: the display went away, so the game ends\n", stderr);
        std::fflush(stderr);
        std::_Exit(1);  // the game keeps nothing, so there is nothing to save and no clean-up worth the risk
    }
    qtsOwnHandler(type, context, message);
}

}  // namespace

void endWhenLost()
{
    // A write to the display's closed connection must fail, so that Qt notices and says the words
    // above: left to SIGPIPE's default, whichever thread writes first kills the program outright.
    std::signal(SIGPIPE, SIG_IGN);
    qtsOwnHandler = qInstallMessageHandler(endIfTheDisplayWentAway);
}

}  // namespace display
