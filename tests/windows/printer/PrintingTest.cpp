// The certificate through the real desktop: printed on a CUPS PDF queue and read back from the
// page, or, with no printer to take it, saved in the documents folder without overwriting.
// print-on-cups.sh sets the scene for each case; run alone, the cases skip.
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QMap>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTransform>
#include <gtest/gtest.h>

#include "CertificateWindow.h"
#include "Ranks.h"
#include "app/toolkit/Pictures.h"
#include "support/NameLineInk.h"
#include "support/PdfPage.h"
#include "support/ScopedEnv.h"

namespace {

// Places on the certificate, in pixels of its client area.
const QRect printButtonPlace(216, 427, 321, 38);
const QRect exitButtonPlace(8, 8, 113, 97);
const QRect blankParchment(70, 470, 650, 45);  // below the wording, above the parchment's edge

QString fromEnv(const char *name) { return qEnvironmentVariable(name); }

QRgb meanColour(const QImage &picture, const QRect &place)
{
    qint64 r = 0, g = 0, b = 0;
    for (int y = place.top(); y <= place.bottom(); ++y)
        for (int x = place.left(); x <= place.right(); ++x) {
            const QRgb p = picture.pixel(x, y);
            r += qRed(p), g += qGreen(p), b += qBlue(p);
        }
    const qint64 n = qint64(place.width()) * place.height();
    return qRgb(int(r / n), int(g / n), int(b / n));
}

int brightRedPixels(const QImage &picture, const QRect &place)
{
    int count = 0;
    for (int y = place.top(); y <= place.bottom(); ++y)
        for (int x = place.left(); x <= place.right(); ++x) {
            const QRgb p = picture.pixel(x, y);
            count += qRed(p) > 200 && qGreen(p) < 80 && qBlue(p) < 80;
        }
    return count;
}

// A landscape job on paper fed upright: the printer turns the picture a quarter, in whichever
// direction it likes. Turns the page back.
QImage turnedUpright(const QImage &page, const QImage &expected)
{
    if (page.width() >= page.height())
        return page;
    const QImage left = page.transformed(QTransform().rotate(-90));
    const QImage right = page.transformed(QTransform().rotate(90));
    return pdfpage::meanDistance(pdfpage::pictureFromPage(left, expected.size()), expected)
                   < pdfpage::meanDistance(pdfpage::pictureFromPage(right, expected.size()), expected)
               ? left
               : right;
}

// Reads the PDF's page back and finds on it the certificate as the window showed it when printed:
// the parchment, the name line, and neither the print button nor the exit button.
// Sharp on paper: every picture is lossless and fine enough for print. Where the lines are given,
// the file's words are text that a reader can find.
void expectCertificateOnPage(const QString &pdf, const QImage &expected, const QStringList &lines = {})
{
    SCOPED_TRACE(pdf.toStdString());
    const QString words = pdfpage::text(pdf);
    for (const QString &line : lines)
        EXPECT_TRUE(words.contains(line)) << "\"" << line.toStdString() << "\" not in: " << words.toStdString();
    for (const pdfpage::Image &image : pdfpage::images(pdf)) {
        EXPECT_EQ(image.encoding, "image") << "a lossless picture, not " << image.encoding.toStdString();
        EXPECT_GE(std::min(image.xPpi, image.yPpi), 150);
    }
    QImage page = pdfpage::rasterise(pdf, 100);
    ASSERT_FALSE(page.isNull()) << "pdftoppm could not read it";
    page = turnedUpright(page, expected);
    const QRect area = pdfpage::inkedArea(page);
    EXPECT_NEAR(double(area.width()) / area.height(), 794.0 / 556.0, 0.03);
    EXPECT_GT(area.width(), page.width() * 8 / 10) << "the picture fills the page";

    const QImage printed = pdfpage::pictureFromPage(page, expected.size());
    const QImage background = toolkit::loadImage(art::certificate).convertToFormat(QImage::Format_RGB32);
    EXPECT_LT(pdfpage::meanDistance(printed, expected), 10.0);
    EXPECT_LT(pdfpage::channelDistance(meanColour(printed, blankParchment), meanColour(background, blankParchment)),
              12);
    EXPECT_GT(nameline::nameColoured(printed, nameline::place), 150);
    EXPECT_LT(pdfpage::meanDistance(printed.copy(printButtonPlace), background.copy(printButtonPlace)), 12.0);
    EXPECT_LT(pdfpage::meanDistance(printed.copy(exitButtonPlace), background.copy(exitButtonPlace)), 12.0);
    EXPECT_EQ(brightRedPixels(printed, exitButtonPlace), 0);
}

// What the certificate says that must be on paper as text: the name line and the wording.
QStringList wordsOn(CertificateWindow &cert)
{
    QStringList lines{cert.nameLine()};
    for (const QLabel *label : {cert.w().Lblfirst, cert.w().Lblsecond, cert.w().Lblthree, cert.w().Lblfour})
        lines << label->text().simplified();
    return lines;
}

// A certificate named "Captain Ada" and printed with the desktop's own printer. Returns the
// picture that went on paper: the window as it showed at that moment.
QImage nameAndPrint(CertificateWindow &cert)
{
    cert.typeName("Ada");
    cert.click(cert.w().Cmdmyname);
    EXPECT_EQ(cert.nameLine(), "Captain Ada");
    cert.click(cert.w().Cmdprintit);
    EXPECT_FALSE(cert.w().Cmdprintit->isVisible());
    EXPECT_TRUE(cert.w().Cmdexit->isVisible());
    // Take the exit button and the note away again to see what was printed.
    const bool noted = cert.w().Lblprintnote->isVisible();
    cert.w().Cmdexit->hide();
    cert.w().Lblprintnote->hide();
    const QImage printed = cert.w().certificateImage().convertToFormat(QImage::Format_RGB32);
    cert.w().Cmdexit->show();
    cert.w().Lblprintnote->setVisible(noted);
    return printed;
}

// The documents of the jobs that CUPS has kept, oldest first: the files as the jobs carried them.
QStringList jobDocumentsIn(const QString &folder)
{
    return QDir(folder).entryList({"d*-001"}, QDir::Files, QDir::Name);
}

QStringList pdfsIn(const QString &folder)
{
    return QDir(folder).entryList({"*.pdf"}, QDir::Files, QDir::Name);
}

// The PDFs in the folder, each with when it was last written.
using Written = QMap<QString, QDateTime>;
Written pdfsWritten(const QString &folder)
{
    Written written;
    for (const QString &name : pdfsIn(folder))
        written[name] = QFileInfo(QDir(folder).filePath(name)).lastModified();
    return written;
}

// The newest file that was not there before, or was written again since, once its size has
// stopped changing. The PDF queue names a page after its job's title and number, and a private
// cupsd numbers its jobs from 1 again, so a page kept from an earlier run may be written over.
QString waitForNewPdf(const QString &folder, const Written &before, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    qint64 lastSize = -1;
    QString candidate;
    while (timer.elapsed() < timeoutMs) {
        QFileInfo newest;
        const Written now = pdfsWritten(folder);
        for (const auto &[name, when] : now.asKeyValueRange()) {
            const QFileInfo info(QDir(folder).filePath(name));
            if (before.value(name) != when && (!newest.exists() || when > newest.lastModified()))
                newest = info;
        }
        if (newest.exists() && newest.size() > 0) {
            if (newest.absoluteFilePath() == candidate && newest.size() == lastSize)
                return candidate;
            candidate = newest.absoluteFilePath();
            lastSize = newest.size();
        }
        QTest::qWait(200);
    }
    return {};
}

}  // namespace

TEST(RealPrinter, ThePrintedPageIsTheCertificateWithoutItsButtons)
{
    const QString outFolder = fromEnv("SCALLYWISE_PDF_OUT");
    if (outFolder.isEmpty())
        GTEST_SKIP() << "needs a CUPS PDF queue as the default printer (print-on-cups.sh)";
    const Written before = pdfsWritten(outFolder);
    const QString jobFolder = fromEnv("SCALLYWISE_JOB_FILES");
    const QStringList jobsBefore = jobDocumentsIn(jobFolder);
    QTemporaryDir home;
    ASSERT_TRUE(QDir(home.path()).mkdir("Documents"));
    const ScopedEnv homeForTheTest("HOME", home.path().toUtf8());  // so a save instead of a print would show

    GivenRank levels;
    levels.rank = rankOf("easy");
    CertificateWindow cert(levels, false);
    const QImage printed = nameAndPrint(cert);
    EXPECT_FALSE(cert.w().Lblprintnote->isVisible()) << cert.w().Lblprintnote->text().toStdString();
    EXPECT_TRUE(pdfsIn(home.filePath("Documents")).isEmpty());

    const QString pdf = waitForNewPdf(outFolder, before, 60000);
    ASSERT_FALSE(pdf.isEmpty()) << "no page came out in " << outFolder.toStdString();
    // The job as CUPS took it has the certificate's words as text. The PDF queue turns every job
    // into PostScript and back through Ghostscript, which keeps the glyphs and their fonts but not
    // which letters they are, for any program's PDF: on its page the words are read from the fonts.
    const QStringList jobs = jobDocumentsIn(jobFolder);
    ASSERT_EQ(jobs.size(), jobsBefore.size() + 1) << "CUPS kept no document of the job in " << jobFolder.toStdString();
    expectCertificateOnPage(QDir(jobFolder).filePath(jobs.last()), printed, wordsOn(cert));
    expectCertificateOnPage(pdf, printed);
    EXPECT_FALSE(pdfpage::fonts(pdf).isEmpty()) << "the words are drawn as pictures, not from fonts";
    // Kept when something is wrong with it, for a person to look at.
    if (!HasFailure())
        QFile::remove(pdf);
}

// The name line on paper is the name line on the screen: the whole rank and name, every line
// inside the label, for the names that need a smaller font or a second line.
TEST(RealPrinter, TheWholeNameLineIsOnThePageInsideItsLabel)
{
    const QString outFolder = fromEnv("SCALLYWISE_PDF_OUT");
    if (outFolder.isEmpty())
        GTEST_SKIP() << "needs a CUPS PDF queue as the default printer (print-on-cups.sh)";
    for (const QString name : {"Ann Bonny", "Wilhelmina Montgomery-Whitmore"}) {
        SCOPED_TRACE(name.toStdString());
        const Written before = pdfsWritten(outFolder);
        GivenRank levels;
        levels.rank = rankOf("harder");
        CertificateWindow cert(levels, false);
        cert.typeName(name);
        cert.click(cert.w().Cmdmyname);
        const QImage shown = cert.w().certificateImage();
        const QRect onScreen = nameline::inkAround(shown, 12);
        ASSERT_TRUE(nameline::place.adjusted(1, 1, -1, -1).contains(onScreen));
        cert.click(cert.w().Cmdprintit);

        const QString pdf = waitForNewPdf(outFolder, before, 60000);
        ASSERT_FALSE(pdf.isEmpty()) << "no page came out in " << outFolder.toStdString();
        const QImage page = pdfpage::rasterise(pdf, 150);
        ASSERT_FALSE(page.isNull());
        const QImage printed = pdfpage::pictureFromPage(turnedUpright(page, shown), shown.size());
        // Read back from paper a pixel may blur into its neighbours; the ink stays where it was.
        const QRect onPaper = nameline::inkAround(printed, 12, 60);
        EXPECT_LE((onPaper.topLeft() - onScreen.topLeft()).manhattanLength(), 3)
            << "paper " << onPaper.x() << "," << onPaper.y() << ", screen " << onScreen.x() << "," << onScreen.y();
        EXPECT_LE((onPaper.bottomRight() - onScreen.bottomRight()).manhattanLength(), 3)
            << "paper " << onPaper.right() << "," << onPaper.bottom() << ", screen " << onScreen.right() << ","
            << onScreen.bottom();
        EXPECT_TRUE(nameline::place.contains(onPaper));
        EXPECT_GT(nameline::nameColoured(printed, onPaper), 100);
        if (!HasFailure())
            QFile::remove(pdf);
    }
}

TEST(RefusingPrinter, TheCertificateIsSavedInsteadOfLost)
{
    const QString refusing = fromEnv("SCALLYWISE_REFUSING_PRINTER");
    if (refusing.isEmpty())
        GTEST_SKIP() << "needs a default printer that refuses jobs (print-on-cups.sh)";
    ASSERT_EQ(QPrinterInfo::defaultPrinter().printerName(), refusing);
    QTemporaryDir home;
    ASSERT_TRUE(QDir(home.path()).mkdir("Documents"));
    const ScopedEnv homeForTheTest("HOME", home.path().toUtf8());

    GivenRank levels;
    levels.rank = rankOf("easy");
    CertificateWindow cert(levels, false);
    const QImage printed = nameAndPrint(cert);

    const QString saved = home.filePath("Documents/Scallywise certificate.pdf");
    ASSERT_TRUE(QFileInfo::exists(saved));
    EXPECT_TRUE(cert.w().Lblprintnote->isVisible());
    expectCertificateOnPage(saved, printed, wordsOn(cert));
}

TEST(NoPrinter, SavedInTheDocumentsFolderAndNeverOverwritten)
{
    if (fromEnv("SCALLYWISE_NO_PRINTER").isEmpty())
        GTEST_SKIP() << "needs CUPS out of reach and a home of the test's own (print-on-cups.sh)";
    const QString documents = QDir::home().filePath("Documents");
    ASSERT_TRUE(QDir(documents).exists()) << documents.toStdString();
    ASSERT_TRUE(pdfsIn(documents).isEmpty());

    GivenRank levels;
    levels.rank = rankOf("easy");
    QString first;
    QByteArray firstBytes;
    {
        CertificateWindow cert(levels, false);
        const QImage printed = nameAndPrint(cert);
        first = QDir(documents).filePath("Scallywise certificate.pdf");
        ASSERT_TRUE(QFileInfo::exists(first));
        EXPECT_TRUE(cert.w().Lblprintnote->isVisible());
        EXPECT_TRUE(cert.w().Lblprintnote->text().contains(first)) << cert.w().Lblprintnote->text().toStdString();
        EXPECT_TRUE(cert.w().Cmdexit->isVisible());
        expectCertificateOnPage(first, printed, wordsOn(cert));
        QFile f(first);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        firstBytes = f.readAll();
    }
    {
        CertificateWindow again(levels, false);
        nameAndPrint(again);
        const QString second = QDir(documents).filePath("Scallywise certificate (2).pdf");
        EXPECT_TRUE(QFileInfo::exists(second));
        EXPECT_TRUE(again.w().Lblprintnote->text().contains(second));
        EXPECT_TRUE(again.w().Cmdexit->isVisible());
    }
    QFile f(first);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), firstBytes);
    EXPECT_EQ(pdfsIn(documents), QStringList({"Scallywise certificate (2).pdf", "Scallywise certificate.pdf"}));
}
