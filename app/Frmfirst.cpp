// The title window.
#include "app/Frmfirst.h"

#include <QCloseEvent>
#include <QTimer>
#include <chrono>

#include "app/TitleLayout.h"
#include "app/toolkit/Ahead.h"
#include "app/toolkit/Program.h"
#include "game/GameLayout.h"
#include "game/frmScallywise.h"
#include "roster/SoundThread.h"

// Long enough for the title window to be on the screen and painted before anything else runs.
constexpr auto prepareAfter = std::chrono::milliseconds(300);

Frmfirst::Frmfirst(QWidget *parent) : toolkit::Form(titlelayout::layout, parent)
{
    Cmdokay = find<toolkit::CommandButton>("Cmdokay");
    connect(Cmdokay, &QPushButton::clicked, this, &Frmfirst::Cmdokay_Click);
    // While the player looks at the title, the game window's pictures, fonts and sound thread are
    // got ready, so that OK opens it sooner. Nothing is seen or heard any earlier.
    QTimer::singleShot(prepareAfter, this, [this] {
        if (game_)
            return;
        sound::thread();  // started now, the thread the game's clips are loaded and played on
        toolkit::prepareAhead(gamelayout::layout, this);
    });
}

Frmfirst::~Frmfirst() { delete game_; }

void Frmfirst::Cmdokay_Click()
{
    if (game_)
        return;  // the title window shows once; a second press before it hides opens nothing more
    hide();
    // Creating the game window runs its load handler before it is on the screen.
    game_ = new frmScallywise();
    game_->showForm();
    // The title window never shows again, yet it stays loaded: what it holds for the screen is
    // given back. Later, so that the click or key that got here has finished with the window.
    QMetaObject::invokeMethod(this, &Frmfirst::releaseHiddenWindow, Qt::QueuedConnection);
}

void Frmfirst::closeEvent(QCloseEvent *event)
{
    // Before OK this is the only window: closing it ends the program.
    event->accept();
    toolkit::endProgram();
}
