// A small program of the tests': names the certificate window's certificate and saves it through the
// desktop printer into the folders given, saying on standard output when the save begins and where
// it went. The kill test kills it at random moments of the save.
// Usage: save-certificate FOLDER...
#include <QApplication>
#include <QTest>
#include <cstdio>

#include "app/toolkit/Fonts.h"
#include "windows/DesktopPrinter.h"
#include "windows/Frmreward.h"

namespace {
struct Captain : RankSource {
    std::string_view rankTitle() const override { return "Captain "; }
};
}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    toolkit::pinFonts();
    const QStringList folders = QApplication::arguments().mid(1);
    const Captain rank;
    Frmreward window(rank);
    window.showForm();
    QTest::keyClicks(window.Txtmyname->editor(), QStringLiteral("Ada"));
    QTest::mouseClick(window.Cmdmyname, Qt::LeftButton);
    window.Cmdprintit->hide();

    std::puts("saving");
    std::fflush(stdout);
    const CertificatePrinter::Outcome outcome = DesktopPrinter(folders).print(window.certificatePage());
    std::printf("%s %s\n", outcome.kind == CertificatePrinter::Outcome::Kind::Saved ? "saved" : "not-saved",
                qPrintable(outcome.file));
    return outcome.kind == CertificatePrinter::Outcome::Kind::Saved ? 0 : 1;
}
