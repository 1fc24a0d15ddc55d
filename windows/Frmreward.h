// The certificate window: a parchment that awards the player a naval rank, to name and print.
#pragma once

#include "app/toolkit/Form.h"
#include "windows/LevelChecks.h"

class Frmreward : public toolkit::Form {
    Q_OBJECT
public:
    explicit Frmreward(const LevelChecks &levels, QWidget *parent = nullptr);

private:
    const LevelChecks &levels_;
};
