// The title window.
#include "app/Frmfirst.h"

#include <QCloseEvent>

#include "app/TitleLayout.h"
#include "app/toolkit/Program.h"
#include "game/frmScallywise.h"

Frmfirst::Frmfirst(QWidget *parent) : toolkit::Form(titlelayout::layout, parent)
{
    Cmdokay = find<toolkit::CommandButton>("Cmdokay");
    connect(Cmdokay, &QPushButton::clicked, this, &Frmfirst::Cmdokay_Click);
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
