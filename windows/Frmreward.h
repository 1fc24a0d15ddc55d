// The certificate window: a parchment that awards the player a naval rank, to name and print.
#pragma once

#include <QLabel>
#include <QMenu>
#include <memory>

#include "app/toolkit/Form.h"
#include "windows/CertificatePrinter.h"
#include "windows/RankSource.h"

class Frmreward : public toolkit::Form {
    Q_OBJECT
public:
    // Asks the game for the rank when the name is put on; prints on the desktop.
    explicit Frmreward(const RankSource &rank, QWidget *parent = nullptr);
    ~Frmreward() override;

    // Handlers.
    void Cmdmyname_Click();
    void Cmdprintit_Click();
    void Cmdexit_Click();

    // A line told in the same breath as the wording, just before it, once the window has the
    // keyboard: the news that opened the window, which its opening would otherwise cut off.
    void tellFirst(const QString &line);

    // Where the certificate goes when printed; the desktop's printer unless replaced.
    void setPrinter(std::unique_ptr<CertificatePrinter> printer);

    // The client area as it looks now, every visible control on it: what goes on paper.
    QImage certificateImage() const;
    CertificatePage certificatePage() const;

    // Controls, by their layout names.
    toolkit::TextBox *Txtmyname;
    toolkit::CommandButton *Cmdmyname;
    QLabel *Lblfirst;
    QLabel *Lblsecond;
    QLabel *Label1;
    QLabel *Lblthree;
    QLabel *Lblfour;
    toolkit::CommandButton *Cmdprintit;
    QLabel *Lblprintnote;
    toolkit::CommandButton *Cmdexit;
    QAction *mnuput;

protected:
    void changeEvent(QEvent *event) override;

private:
    const RankSource &rank_;
    bool wordingRead_ = false;
    QString toldFirst_;
    std::unique_ptr<CertificatePrinter> printer_;
};
