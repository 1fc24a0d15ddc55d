// The title window: the ship's scene on yellow and one button, OK, that opens the game.
#pragma once

#include "app/toolkit/Form.h"

class frmScallywise;

class Frmfirst : public toolkit::Form {
    Q_OBJECT
public:
    explicit Frmfirst(QWidget *parent = nullptr);
    ~Frmfirst() override;

    void Cmdokay_Click();

    toolkit::CommandButton *Cmdokay;

    // The game window, once OK has opened it.
    frmScallywise *game() const { return game_; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    frmScallywise *game_ = nullptr;
};
