// The certificate window: the name and rank, printing, and the way out of the game.
#include "windows/Frmreward.h"

#include <QDir>
#include <QEvent>

#include "app/toolkit/Announcer.h"
#include "app/toolkit/Program.h"
#include "windows/DesktopPrinter.h"
#include "windows/NotSavedWords.h"
#include "windows/RewardLayout.h"

Frmreward::Frmreward(const RankSource &rank, QWidget *parent)
    : toolkit::Form(rewardlayout::layout, parent), rank_(rank), printer_(std::make_unique<DesktopPrinter>())
{
    // Its close box unloads it; nothing but the twelfth pirate's fall ever makes another.
    setAttribute(Qt::WA_DeleteOnClose);

    Txtmyname = find<toolkit::TextBox>("Txtmyname");
    Cmdmyname = find<toolkit::CommandButton>("Cmdmyname");
    Lblfirst = find<QLabel>("Lblfirst");
    Lblsecond = find<QLabel>("Lblsecond");
    Label1 = find<QLabel>("Label1");
    Lblthree = find<QLabel>("Lblthree");
    Lblfour = find<QLabel>("Lblfour");
    Cmdprintit = find<toolkit::CommandButton>("Cmdprintit");
    Lblprintnote = find<QLabel>("Lblprintnote");
    Cmdexit = find<toolkit::CommandButton>("Cmdexit");
    mnuput = menuItem("mnuput");  // no handler: choosing the blank entry does nothing

    connect(Cmdmyname, &QPushButton::clicked, this, &Frmreward::Cmdmyname_Click);
    connect(Cmdprintit, &QPushButton::clicked, this, &Frmreward::Cmdprintit_Click);
    connect(Cmdexit, &QPushButton::clicked, this, &Frmreward::Cmdexit_Click);
}

Frmreward::~Frmreward() = default;

void Frmreward::tellFirst(const QString &line) { toldFirst_ = line; }

void Frmreward::setPrinter(std::unique_ptr<CertificatePrinter> printer) { printer_ = std::move(printer); }

void Frmreward::Cmdmyname_Click()
{
    // The rank is asked for now, so a level changed while the certificate is open counts.
    const std::string_view rank = rank_.rankTitle();
    Label1->setText(QString::fromUtf8(rank.data(), qsizetype(rank.size())) + Txtmyname->text());
    Txtmyname->hide();
    Cmdmyname->hide();
    toolkit::announce(this, Label1->text());
}

void Frmreward::changeEvent(QEvent *event)
{
    toolkit::Form::changeEvent(event);
    // Read out once the window has the keyboard, after a screen reader has named the window.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !wordingRead_) {
        wordingRead_ = true;
        QStringList lines;
        for (const QLabel *line : {Lblfirst, Lblsecond, Lblthree, Lblfour})
            lines << line->text().trimmed();
        const QString wording = lines.join(QStringLiteral(". "));
        toolkit::announce(this, toldFirst_.isEmpty() ? wording : toldFirst_ + u' ' + wording);
    }
}

QImage Frmreward::certificateImage() const { return clientArea()->grab().toImage(); }

CertificatePage Frmreward::certificatePage() const
{
    return {clientArea()->size(), [this](QPainter &p) { drawClientArea(p); }};
}

void Frmreward::Cmdprintit_Click()
{
    // Before the picture is taken, so that neither is ever on the paper.
    Cmdprintit->hide();
    Lblprintnote->hide();
    const CertificatePrinter::Outcome outcome = printer_->print(certificatePage());
    using Kind = CertificatePrinter::Outcome::Kind;
    QString told;
    switch (outcome.kind) {
    case Kind::Printed:
        told = tr("The certificate went to the printer.");
        Cmdexit->show();
        break;
    case Kind::Saved:
        // The folders passed over are named too: a parent looking in Documents should know why
        // the certificate is not there.
        Lblprintnote->setText(
            outcome.notSaved.isEmpty()
                ? tr("No printer took the certificate, so it is saved as %1").arg(QDir::toNativeSeparators(outcome.file))
                : tr("No printer took the certificate and %1, so it is saved as %2")
                      .arg(notsaved::words(outcome.notSaved), QDir::toNativeSeparators(outcome.file)));
        Lblprintnote->show();
        told = Lblprintnote->text();
        Cmdexit->show();
        break;
    case Kind::Failed:
        // Nothing reached paper or disk: the player may try again.
        Lblprintnote->setText(outcome.notSaved.isEmpty()
                                  ? tr("The certificate could not be printed or saved. Press PRINT OUT to try again.")
                                  : tr("The certificate could not be printed or saved: %1. Press PRINT OUT to try again.")
                                        .arg(notsaved::words(outcome.notSaved)));
        Lblprintnote->show();
        told = Lblprintnote->text();
        Cmdprintit->show();
        break;
    }
    // Told once the window is as it stays, with the button the line leads to already there.
    toolkit::announce(this, told);
}

void Frmreward::Cmdexit_Click() { toolkit::endProgram(); }
