// Keeping Qt's Wayland plugin from loading an EGL and GL stack that the program never uses.
#include "app/RasterBuffers.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <cstring>

#include "app/toolkit/ExpectedNotes.h"

namespace display {

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
namespace {

// A name that is no client buffer integration: Qt then finds none and draws into shared memory.
constexpr char noIntegration[] = "none";

// Qt reports the integration it could not find, and which ones it has, as warnings; here that is
// the plan, not a fault.
bool aboutTheMissingIntegration(QtMsgType, const QMessageLogContext &context, const QString &message)
{
    return context.category && std::strcmp(context.category, "qt.qpa.wayland") == 0
        && (message.startsWith(QLatin1String("Failed to load client buffer integration"))
            || message.startsWith(QLatin1String("Available client buffer integrations")));
}

}  // namespace

void useSharedMemoryBuffers()
{
    if (qEnvironmentVariableIsSet("QT_WAYLAND_CLIENT_BUFFER_INTEGRATION"))
        return;  // the user's choice stands
    qputenv("QT_WAYLAND_CLIENT_BUFFER_INTEGRATION", QByteArray(noIntegration));
    toolkit::dropExpectedNotes(aboutTheMissingIntegration);
}
#else
void useSharedMemoryBuffers() {}
#endif

}  // namespace display
