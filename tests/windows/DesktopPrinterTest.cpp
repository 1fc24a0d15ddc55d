// The desktop printer with no printer to take the job: the certificate is saved as a PDF, in the
// first folder that takes it, under a name no file has yet, the picture filling the page of the country's paper.
#include <QFile>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <algorithm>
#include <cerrno>

#include "support/PdfPage.h"
#include "support/ScopedEnv.h"
#include "windows/DesktopPrinter.h"

namespace {

using Kind = CertificatePrinter::Outcome::Kind;

// A picture whose quarters tell its orientation: red, green above; blue, yellow below.
QImage quarters(QSize size = {794, 556})
{
    QImage picture(size, QImage::Format_RGB32);
    QPainter p(&picture);
    const int w = size.width() / 2, h = size.height() / 2;
    p.fillRect(0, 0, w, h, Qt::red);
    p.fillRect(w, 0, size.width() - w, h, Qt::green);
    p.fillRect(0, h, w, size.height() - h, Qt::blue);
    p.fillRect(w, h, size.width() - w, size.height() - h, Qt::yellow);
    return picture;
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &data)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(data);
}

class NoPrinter : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QPrinterInfo::defaultPrinter().isNull())
            << "these cases need a desktop with no default printer (CUPS_SERVER pointing nowhere)";
        ASSERT_TRUE(folder.isValid());
    }
    QString in(const QString &name) const { return folder.filePath(name); }

    QTemporaryDir folder;
};

}  // namespace

TEST_F(NoPrinter, SavesUnderTheFirstNameNoFileHas)
{
    struct Case {
        QStringList existing;
        QString saved;
    };
    const Case cases[] = {
        {{}, "Scallywise certificate.pdf"},
        {{"Scallywise certificate.pdf"}, "Scallywise certificate (2).pdf"},
        {{"Scallywise certificate.pdf", "Scallywise certificate (2).pdf"}, "Scallywise certificate (3).pdf"},
        {{"Scallywise certificate.pdf", "Scallywise certificate (3).pdf"}, "Scallywise certificate (2).pdf"},
        {{"Scallywise certificate (2).pdf"}, "Scallywise certificate.pdf"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.saved.toStdString());
        QTemporaryDir dir;
        for (const QString &name : c.existing)
            writeFile(dir.filePath(name), "someone else's file " + name.toUtf8());

        DesktopPrinter printer({dir.path()});
        const auto outcome = printer.print(quarters());

        EXPECT_EQ(outcome.kind, Kind::Saved);
        EXPECT_EQ(outcome.file, dir.filePath(c.saved));
        EXPECT_TRUE(contents(outcome.file).startsWith("%PDF-"));
        for (const QString &name : c.existing)
            EXPECT_EQ(contents(dir.filePath(name)), "someone else's file " + name.toUtf8());
    }
}

TEST_F(NoPrinter, PrintingAgainKeepsTheFirstCopy)
{
    DesktopPrinter printer({folder.path()});
    const auto first = printer.print(quarters());
    const QByteArray firstBytes = contents(first.file);
    const auto second = printer.print(quarters({400, 600}));

    EXPECT_EQ(first.file, in("Scallywise certificate.pdf"));
    EXPECT_EQ(second.file, in("Scallywise certificate (2).pdf"));
    EXPECT_EQ(contents(first.file), firstBytes);
}

TEST_F(NoPrinter, AnEarlierCertificateStaysByteForByteAndTheNewOneTakesTheNextName)
{
    DesktopPrinter printer({folder.path()});
    const auto earlier = printer.print(quarters({400, 600}));
    ASSERT_EQ(earlier.file, in("Scallywise certificate.pdf"));
    const QByteArray earlierBytes = contents(earlier.file);
    ASSERT_TRUE(earlierBytes.startsWith("%PDF-"));

    const auto outcome = printer.print(quarters());

    EXPECT_EQ(outcome.kind, Kind::Saved);
    EXPECT_EQ(outcome.file, in("Scallywise certificate (2).pdf"));
    EXPECT_EQ(contents(earlier.file), earlierBytes);
    EXPECT_NE(contents(outcome.file), earlierBytes);
}

// Whatever stands under the name, a link above all, is passed over for the next name: a link is
// never followed, so nothing is made or written where it points.
TEST_F(NoPrinter, ALinkOrFolderUnderTheNameIsPassedOverNotFollowed)
{
    struct Case {
        const char *what;
        bool targetExists;  // the link points at someone's file rather than at nothing
        bool folder;        // a folder rather than a link stands under the name
    };
    const Case cases[] = {
        {"a dangling link", false, false},
        {"a link to someone's file", true, false},
        {"a folder", false, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir, elsewhere;
        const QString name = dir.filePath("Scallywise certificate.pdf");
        const QString target = QDir(elsewhere.path()).filePath("target.pdf");
        if (c.targetExists)
            writeFile(target, "someone else's file");
        if (c.folder)
            ASSERT_TRUE(QDir().mkdir(name));
        else
            ASSERT_TRUE(QFile::link(target, name));

        DesktopPrinter printer({dir.path()});
        const auto outcome = printer.print(quarters());

        EXPECT_EQ(outcome.kind, Kind::Saved);
        EXPECT_EQ(outcome.file, dir.filePath("Scallywise certificate (2).pdf"));
        EXPECT_TRUE(contents(outcome.file).startsWith("%PDF-"));
        if (c.folder) {
            EXPECT_TRUE(QFileInfo(name).isDir());
        } else {
            EXPECT_EQ(QFileInfo(name).symLinkTarget(), target);
            EXPECT_EQ(QFileInfo::exists(target), c.targetExists);
            if (c.targetExists) {
                EXPECT_EQ(contents(target), "someone else's file");
            }
        }
    }
}

TEST_F(NoPrinter, GoesToTheNextFolderWhenOneWillNotTakeIt)
{
    const QString missing = in("no such folder");
    writeFile(in("a file"), "not a folder");
    QTemporaryDir second;

    DesktopPrinter printer({missing, in("a file"), second.path()});
    const auto outcome = printer.print(quarters());

    EXPECT_EQ(outcome.kind, Kind::Saved);
    EXPECT_EQ(outcome.file, QDir(second.path()).filePath("Scallywise certificate.pdf"));
    EXPECT_FALSE(QFileInfo::exists(missing));
}

TEST_F(NoPrinter, FailsAndLeavesNothingWhenNoFolderTakesIt)
{
    DesktopPrinter printer({in("gone"), in("gone too")});
    const auto outcome = printer.print(quarters());

    EXPECT_EQ(outcome.kind, Kind::Failed);
    EXPECT_TRUE(outcome.file.isEmpty());
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
    // Where it tried, in order, and why each would not take it.
    ASSERT_EQ(outcome.notSaved.size(), 2);
    EXPECT_EQ(outcome.notSaved[0].folder, in("gone"));
    EXPECT_EQ(outcome.notSaved[1].folder, in("gone too"));
    EXPECT_EQ(outcome.notSaved[0].error, ENOENT);
}

TEST_F(NoPrinter, SavesInTheDocumentsFolderElseTheHomeFolder)
{
    const ScopedEnv home("HOME", folder.path().toUtf8());
    const ScopedEnv config("XDG_CONFIG_HOME", in(".config").toUtf8());

    // No documents folder: home. The game does not make one.
    EXPECT_EQ(DesktopPrinter().print(quarters()).file, in("Scallywise certificate.pdf"));
    EXPECT_FALSE(QFileInfo::exists(in("Documents")));

    // The usual documents folder once it exists.
    ASSERT_TRUE(QDir(folder.path()).mkdir("Documents"));
    EXPECT_EQ(DesktopPrinter().print(quarters()).file, in("Documents/Scallywise certificate.pdf"));

    // The documents folder that the desktop's user folders name.
    ASSERT_TRUE(QDir(folder.path()).mkpath(".config"));
    ASSERT_TRUE(QDir(folder.path()).mkdir("Papers"));
    writeFile(in(".config/user-dirs.dirs"), "XDG_DOCUMENTS_DIR=\"$HOME/Papers\"\n");
    EXPECT_EQ(DesktopPrinter().print(quarters()).file, in("Papers/Scallywise certificate.pdf"));
}

// On the paper of the player's country: US Letter where inches are the measure, A4 elsewhere,
// filled the same way on both.
TEST_F(NoPrinter, ThePictureFillsThePageWithItsProportionsKept)
{
    struct Paper {
        QLocale locale;
        QPageSize::PageSizeId size;
    };
    const Paper papers[] = {
        {QLocale(QLocale::English, QLocale::UnitedKingdom), QPageSize::A4},
        {QLocale(QLocale::English, QLocale::UnitedStates), QPageSize::Letter},
    };
    struct Case {
        QSize picture;
    };
    const Case cases[] = {{{794, 556}}, {{300, 600}}, {{1000, 200}}};
    const struct Restore {
        QLocale was;
        ~Restore() { QLocale::setDefault(was); }
    } restore;
    for (const Paper &paper : papers) {
        QLocale::setDefault(paper.locale);
        for (const Case &c : cases) {
            SCOPED_TRACE(testing::Message() << QPageSize::name(paper.size).toStdString() << ", "
                                            << c.picture.width() << "x" << c.picture.height());
            QTemporaryDir dir;
            const auto outcome = DesktopPrinter({dir.path()}).print(quarters(c.picture));
            const QImage page = pdfpage::rasterise(outcome.file);
            ASSERT_FALSE(page.isNull());

            // Wide pictures go on a landscape page, tall ones on a portrait page, of the country's paper.
            EXPECT_EQ(page.width() > page.height(), c.picture.width() > c.picture.height());
            const QSizeF sheet = QPageSize(paper.size).size(QPageSize::Point);
            EXPECT_NEAR(double(std::max(page.width(), page.height())) / std::min(page.width(), page.height()),
                        std::max(sheet.width(), sheet.height()) / std::min(sheet.width(), sheet.height()), 0.01);
            const QRect picture = pdfpage::inkedArea(page);
            const double shownRatio = double(picture.width()) / picture.height();
            const double ratio = double(c.picture.width()) / c.picture.height();
            EXPECT_NEAR(shownRatio / ratio, 1.0, 0.02);
            // As large as the page's margins allow along one side, and centred.
            const int sideMargin = picture.left(), topMargin = picture.top();
            EXPECT_NEAR(page.width() - 1 - picture.right(), sideMargin, 2);
            EXPECT_NEAR(page.height() - 1 - picture.bottom(), topMargin, 2);
            EXPECT_LT(std::min(sideMargin, topMargin), page.width() / 10);
            // Upright and not mirrored.
            EXPECT_LT(pdfpage::meanDistance(pdfpage::pictureFromPage(page, c.picture), quarters(c.picture)), 8.0);
        }
    }
}
