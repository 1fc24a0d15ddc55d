// The about window: the program's title and version beside the pirate's face.
#pragma once

#include "app/toolkit/Form.h"

class frmAboutScallywise : public toolkit::Form {
    Q_OBJECT
public:
    // Makes the about window visible, loading it first if it is not loaded; one at a time.
    static frmAboutScallywise *showAbout();

private:
    frmAboutScallywise();
};
