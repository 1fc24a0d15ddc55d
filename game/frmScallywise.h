// The game window: the sea scene with the pirate on the board, the answer and score boxes, the
// buttons, the LEVEL menu and the crew roster. It owns the whole game's state for the life of
// the program.
#pragma once

#include <QAction>
#include <QLabel>
#include <QPoint>
#include <QPointer>
#include <array>
#include <chrono>
#include <memory>
#include <string_view>
#include <vector>

#include "app/toolkit/Form.h"
#include "game/Levels.h"
#include "roster/Cues.h"
#include "roster/MMControl.h"
#include "sprite/Compositor.h"
#include "sprite/PirateWalk.h"
#include "windows/RankSource.h"

class Frmreward;
namespace roster {
struct Pirate;
}

class frmScallywise : public toolkit::Form, public RankSource {
    Q_OBJECT
public:
    // Creating the window builds its layout and runs its load handler, before it is on the screen.
    explicit frmScallywise(QWidget *parent = nullptr);
    ~frmScallywise() override;

    // Handlers.
    void Form_Load();
    void mnulevel_Click(const Level &level);  // every item of the LEVEL menu, built from the level table
    void mnuabout_Click();
    void Cmdnextword_Click();
    void Cmdclear_Click();
    void Cmdamiright_Click();
    void Cmdquit_Click();

    // The second-list loader, run when the loaded list is used up.
    void levelnew(const Level &level);

    // The pirate.
    void pirateleft();
    void pirateright();
    void MoveIt();
    void faces();

    // Sound cues; each runs the player made for it from its row of the cue table.
    MMControl *player(roster::Cue cue) const;
    void cue(roster::Cue cue);

    // Game state, read by tests and by the certificate.
    // The loaded list; empty until a level is chosen.
    WordList currentList() const { return currentList_; }
    int wordIndex() const { return wordIndex_; }
    qint64 scoreCounter() const { return scoreCounter_; }
    QString currentWord() const;
    const PirateWalk &pirate() const { return pirate_; }
    // The LEVEL menu's item for the level; its check mark is the only record of the level.
    QAction *levelItem(const Level &level) const;
    std::string_view rankTitle() const override;
    // The certificate window, while it is open.
    Frmreward *certificate() const;

    // The fall is drawn one frame every 40 ms; tests that play thousands of turns switch that off.
    void setFallPaced(bool paced) { fallPaced_ = paced; }

    // Controls, by their layout names.
    toolkit::TextBox *Txtspell;
    toolkit::TextBox *Txtscore;
    toolkit::CommandButton *Cmdnextword;
    toolkit::CommandButton *Cmdclear;
    toolkit::CommandButton *Cmdamiright;
    toolkit::CommandButton *Cmdquit;
    QAction *mnuabout;
    toolkit::PictureBox *Picsprite;
    toolkit::PictureBox *Picmask;

signals:
    // Each drawing of the pirate, with the place and sheet frame it was drawn at.
    void pirateDrawn(QPoint place, QPoint frame);
    // Each sound cue run, by its player's name.
    void cueRun(const QString &player);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    const Level *checkedLevel() const;
    MMControl *makePlayer(const roster::CueClip &cue);
    void paceFrame();
    QString fallLine(const roster::Pirate &fallen) const;
    void showCertificate(const QString &fall);

    WordList currentList_;
    int wordIndex_ = 0;
    qint64 scoreCounter_ = 1;
    PirateWalk pirate_;
    std::unique_ptr<Compositor> compositor_;
    QPointer<Frmreward> certificate_;
    std::vector<MMControl *> players_;  // by cue, in the order of the cue table
    bool fallPaced_ = true;
    std::chrono::steady_clock::time_point nextFrame_{};
};
