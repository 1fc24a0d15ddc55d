// A small program of the tests': saves a certificate through the desktop printer into a folder,
// saying on standard output when the save begins and where it went, so that the kill test can kill
// it at random moments of the save.
// Usage: save-certificate FOLDER             names the certificate window's certificate and saves it
//        save-certificate FOLDER --pdf FILE  saves that certificate's PDF again, as the window would:
//                                           no window and no drawing, so that a kill lands in the
//                                           writing and naming of the file, and many kills are quick
#include <QApplication>
#include <QFile>
#include <QTest>
#include <cstdio>

#include "app/toolkit/Fonts.h"
#include "windows/DesktopPrinter.h"
#include "windows/Frmreward.h"

namespace {

struct Captain : RankSource {
    std::string_view rankTitle() const override { return "Captain "; }
};

int report(bool saved, const QString &file)
{
    std::printf("%s %s\n", saved ? "saved" : "not-saved", qPrintable(file));
    return saved ? 0 : 1;
}

void sayTheSaveBegins()
{
    std::puts("saving");
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc == 4 && QByteArray(argv[2]) == "--pdf") {
        QFile pdf(QFile::decodeName(argv[3]));
        if (!pdf.open(QIODevice::ReadOnly))
            return 2;
        const QByteArray bytes = pdf.readAll();
        sayTheSaveBegins();
        const wholefile::Saved saved = DesktopPrinter::saveAsPdf(bytes, QFile::decodeName(argv[1]));
        return report(saved.error == 0, saved.path);
    }
    if (argc != 2)
        return 2;
    QApplication app(argc, argv);
    toolkit::pinFonts();
    const Captain rank;
    Frmreward window(rank);
    window.showForm();
    QTest::keyClicks(window.Txtmyname->editor(), QStringLiteral("Ada"));
    QTest::mouseClick(window.Cmdmyname, Qt::LeftButton);
    window.Cmdprintit->hide();

    sayTheSaveBegins();
    const CertificatePrinter::Outcome outcome = DesktopPrinter({QFile::decodeName(argv[1])}).print(window.certificatePage());
    return report(outcome.kind == CertificatePrinter::Outcome::Kind::Saved, outcome.file);
}
