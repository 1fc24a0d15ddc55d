// The certificate window (its layout and handlers are still to come).
#include "windows/Frmreward.h"

namespace {
const toolkit::Layout rewardLayout{.form = {.name = "Frmreward", .caption = "THANKYOU!", .clientWidth = 11910,
                                            .clientHeight = 8340}};
}

Frmreward::Frmreward(const LevelChecks &levels, QWidget *parent) : toolkit::Form(rewardLayout, parent), levels_(levels)
{
    setAttribute(Qt::WA_DeleteOnClose);
}
