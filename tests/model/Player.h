// Plays the real windows as a child does, one input at a time (clicks, keys, pastes, menu choices),
// and reads back what they show, in the terms of the rules model.
#pragma once

#include <QPointer>
#include <memory>

#include "game/frmScallywise.h"
#include "model/Actions.h"
#include "model/Screen.h"
#include "windows/CertificatePrinter.h"
#include "windows/Frmreward.h"

namespace model {

// Stands in for the desktop's printer: it does whatever the next input says it should.
class ScriptedPrinter : public CertificatePrinter {
public:
    Outcome print(const CertificatePage &certificate) override;
    PrintOutcome next;
    int jobs = 0;
    QString savedFile;  // where the last saved certificate went
};

class Player {
public:
    // Opens the game window, as the title window's OK does, with the fall's pacing off.
    explicit Player(const int &programEnds);
    ~Player();

    frmScallywise &game() { return *game_; }

    // Makes the window the active one, as a click on its title bar does, so that its focus
    // control (or, with none, the first control that takes the focus) has the keys.
    void activate(Window window);
    // Forgets what the last input drew and played.
    void beginInput();
    void apply(const Action &action);
    Screen read() const;
    // The names of the items the game window's LEVEL menu offers, in menu order.
    QStringList levelItemsOffered() const;

private:
    QWidget *window(Window w) const;
    QWidget *keyTarget(Window w);
    void moveToEnd(QWidget *editor);
    void typeInto(Window w, const QString &text);
    void key(Window w, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void waitForAccessKeyClicks();
    void fitPrinter();
    void settle();

    const int &programEnds_;
    std::unique_ptr<frmScallywise> game_;
    QList<Draw> draws_;
    QStringList cues_;
    QPointer<Frmreward> certificate_;
    ScriptedPrinter *printer_ = nullptr;  // owned by the certificate window
};

}  // namespace model
