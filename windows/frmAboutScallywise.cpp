// The about window (its layout and load handler are still to come).
#include "windows/frmAboutScallywise.h"

#include <QPointer>

namespace {
const toolkit::Layout aboutLayout{.form = {.name = "frmAboutScallywise", .caption = "About scallywise",
                                           .clientWidth = 5730, .clientHeight = 3555}};
}

frmAboutScallywise::frmAboutScallywise() : toolkit::Form(aboutLayout) { setAttribute(Qt::WA_DeleteOnClose); }

frmAboutScallywise *frmAboutScallywise::showAbout()
{
    static QPointer<frmAboutScallywise> loaded;
    if (!loaded)
        loaded = new frmAboutScallywise();
    loaded->showForm();
    return loaded;
}
