// The about window: the program's title and version beside the pirate's face.
#pragma once

#include <QLabel>

#include "app/toolkit/Form.h"

class frmAboutScallywise : public toolkit::Form {
    Q_OBJECT
public:
    // Makes the about window visible, loading it first if it is not loaded; one at a time. It is
    // a dialog of the owner, the window it is opened from, and ends with it.
    static frmAboutScallywise *showAbout(QWidget *owner);
    // The about window while it is loaded, else nullptr.
    static frmAboutScallywise *loaded();

    // Handlers.
    void Form_Load();
    void cmdOK_Click();

    // Controls, by their layout names.
    QLabel *lblVersion;
    QLabel *lblTitle;
    QLabel *lblDescription;
    QLabel *lblDisclaimer;
    toolkit::CommandButton *cmdOK;

private:
    explicit frmAboutScallywise(QWidget *owner);
};
