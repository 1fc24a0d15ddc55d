// Scallywise starts here: the title window, then the game.
#include <QApplication>

#include "app/Display.h"
#include "app/DisplayLoss.h"
#include "app/Frmfirst.h"
#include "app/QuietNotes.h"
#include "app/RasterBuffers.h"
#include "app/toolkit/Fonts.h"
#include "roster/AudioOnly.h"

int main(int argc, char *argv[])
{
    // Qt aborts with a core dump when it cannot reach a display; say so plainly instead.
    if (!display::available()) {
        display::explainMissing();
        return 1;
    }
    display::useSharedMemoryBuffers();
    display::quietInformationalNotes();
    roster::playThroughTheAudioOutputOnly();
    QApplication app(argc, argv);
    display::endWhenLost();
    QApplication::setApplicationName(QStringLiteral("scallywise"));
    // Lets the desktop match the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.scallywise.Scallywise"));
    toolkit::pinFonts();

    Frmfirst title;
    title.showForm();
    return app.exec();
}
