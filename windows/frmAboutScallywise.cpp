// The about window: loaded on demand, filled in from the version record, unloaded by OK.
#include "windows/frmAboutScallywise.h"

#include <QPointer>

#include "app/Version.h"
#include "windows/AboutLayout.h"

namespace {
QPointer<frmAboutScallywise> &instance()
{
    static QPointer<frmAboutScallywise> window;
    return window;
}
}  // namespace

frmAboutScallywise::frmAboutScallywise(QWidget *owner) : toolkit::Form(aboutlayout::layout, owner)
{
    // Unloading frees it; the next ABOUT makes it anew and loads it again.
    setAttribute(Qt::WA_DeleteOnClose);
    lblVersion = find<QLabel>("lblVersion");
    lblTitle = find<QLabel>("lblTitle");
    lblDescription = find<QLabel>("lblDescription");
    lblDisclaimer = find<QLabel>("lblDisclaimer");
    cmdOK = find<toolkit::CommandButton>("cmdOK");
    connect(cmdOK, &QPushButton::clicked, this, &frmAboutScallywise::cmdOK_Click);
}

frmAboutScallywise *frmAboutScallywise::loaded() { return instance(); }

frmAboutScallywise *frmAboutScallywise::showAbout(QWidget *owner)
{
    QPointer<frmAboutScallywise> &window = instance();
    if (!window) {
        window = new frmAboutScallywise(owner);
        window->Form_Load();
        window->showForm();
    } else {
        // Already loaded: not loaded again, only brought forward.
        window->show();
        window->raise();
        window->activateWindow();
    }
    return window;
}

void frmAboutScallywise::Form_Load()
{
    const QString title = QString::fromUtf8(version::product);
    setWindowTitle(QStringLiteral("About ") + title);
    lblVersion->setText(QStringLiteral("Version %1.%2.%3").arg(version::major).arg(version::minor).arg(version::revision));
    lblTitle->setText(title);
}

void frmAboutScallywise::cmdOK_Click() { close(); }
