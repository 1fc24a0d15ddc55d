// No printer, and a Documents folder on a real small filesystem that fills part way through the
// certificate, or that is read-only: the certificate is saved whole in the home folder or nowhere,
// the earlier certificate stays byte for byte, and the window says where it went and why not
// elsewhere. Mounts need root and a private mount namespace (small-disk-test.sh runs this under
// unshare -m); elsewhere the cases skip.
#include <QDir>
#include <QFile>
#include <QPrinterInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <optional>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include "CertificateWindow.h"
#include "support/PdfPage.h"
#include "support/ScopedEnv.h"
#include "windows/DesktopPrinter.h"

namespace {

using Kind = CertificatePrinter::Outcome::Kind;

// Far smaller than a certificate (some megabytes): it fills part way through the write.
constexpr const char *smallDisk = "size=64k";

// The mounts are in a namespace of this program's own, not the one of the program that started it
// (unshare -m makes one and runs this program in it): what is mounted here is seen nowhere else.
bool mountsArePrivate()
{
    // "mnt:[4026531841]": the namespace's number, read as the link's own text.
    const auto namespaceOf = [](const QByteArray &process) {
        char target[64] = {};
        const ssize_t length = ::readlink(("/proc/" + process + "/ns/mnt").constData(), target, sizeof target - 1);
        return length > 0 ? QByteArray(target, length) : QByteArray();
    };
    const QByteArray own = namespaceOf("self");
    return !own.isEmpty() && own != namespaceOf(QByteArray::number(::getppid()));
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every entry of the folder, hidden ones too: a temporary file left behind would show here.
QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// The note, below the parchment, has room for the whole of what it says.
void expectTheWholeNoteShows(const QLabel &note)
{
    const QRect needed = note.fontMetrics().boundingRect(QRect(QPoint(0, 0), note.size()),
                                                         Qt::TextWordWrap | Qt::AlignHCenter, note.text());
    EXPECT_LE(needed.height(), note.height()) << note.text().toStdString();
    EXPECT_LE(needed.width(), note.width()) << note.text().toStdString();
}

class SmallDisk : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (geteuid() != 0)
            GTEST_SKIP() << "mounting a small filesystem needs root";
        if (!mountsArePrivate())
            GTEST_SKIP() << "needs a private mount namespace, so that no mount is seen outside (unshare -m)";
        ASSERT_TRUE(QPrinterInfo::defaultPrinter().isNull()) << "needs CUPS out of reach (CUPS_SERVER pointing nowhere)";
        captain.rank = "Captain ";
        ASSERT_TRUE(temp.isValid());
        ASSERT_TRUE(QDir(temp.path()).mkpath("home/Documents"));
        ASSERT_TRUE(QDir(temp.path()).mkpath("config"));
        home = temp.filePath("home");
        documents = temp.filePath("home/Documents");
        homeEnv.emplace("HOME", QFile::encodeName(home));
        configEnv.emplace("XDG_CONFIG_HOME", QFile::encodeName(temp.filePath("config")));
        earlierBytes.resize(20000);
        for (char &byte : earlierBytes)
            byte = char(QRandomGenerator::global()->bounded(256));
    }
    void TearDown() override
    {
        for (auto it = mounted.rbegin(); it != mounted.rend(); ++it)
            ::umount2(QFile::encodeName(*it).constData(), MNT_DETACH);
    }

    void mountSmall(const QString &folder)
    {
        ASSERT_EQ(::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, smallDisk), 0)
            << folder.toStdString() << ": " << std::strerror(errno);
        mounted << folder;
    }
    void makeReadOnly(const QString &folder)
    {
        ASSERT_EQ(::mount(nullptr, QFile::encodeName(folder).constData(), nullptr, MS_REMOUNT | MS_RDONLY, smallDisk), 0)
            << std::strerror(errno);
        ASSERT_FALSE(QFile(QDir(folder).filePath("probe")).open(QIODevice::WriteOnly)) << "still writable";
    }
    // An earlier certificate that must stay as it is.
    void putEarlier(const QString &folder)
    {
        QFile f(QDir(folder).filePath("Scallywise certificate.pdf"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(earlierBytes), earlierBytes.size());
    }
    // The child puts a name on the certificate and presses PRINT OUT.
    static void nameAndPrint(CertificateWindow &cert)
    {
        cert.typeName("Ada");
        cert.click(cert.w().Cmdmyname);
        cert.click(cert.w().Cmdprintit);
    }
    void expectOnlyTheEarlier(const QString &folder)
    {
        EXPECT_EQ(entries(folder), QStringList{"Scallywise certificate.pdf"}) << "nothing of the save is left";
        EXPECT_EQ(contents(QDir(folder).filePath("Scallywise certificate.pdf")), earlierBytes);
    }

    GivenRank captain;
    QTemporaryDir temp;
    QString home, documents;
    std::optional<ScopedEnv> homeEnv, configEnv;
    QStringList mounted;
    QByteArray earlierBytes;
};

}  // namespace

class DocumentsFault : public SmallDisk {
protected:
    // The note's words for the fault are pinned by each case as the family reads them.
    void printWith(bool readOnly, const char *told);
};

void DocumentsFault::printWith(bool readOnly, const char *told)
{
    mountSmall(documents);
    putEarlier(documents);
    if (readOnly)
        makeReadOnly(documents);
    CertificateWindow cert(captain, false);
    nameAndPrint(cert);

    const QString saved = QDir(home).filePath("Scallywise certificate.pdf");
    EXPECT_EQ(pdfpage::pageCount(saved), 1) << "the home folder, which has room, takes the whole certificate";
    expectOnlyTheEarlier(documents);
    const QString note = cert.w().Lblprintnote->text();
    EXPECT_TRUE(cert.w().Lblprintnote->isVisible());
    EXPECT_TRUE(note.contains(saved)) << note.toStdString();
    EXPECT_TRUE(note.contains(told)) << note.toStdString();
    expectTheWholeNoteShows(*cert.w().Lblprintnote);
    EXPECT_TRUE(cert.w().Cmdexit->isVisible());
    EXPECT_FALSE(cert.w().Cmdprintit->isVisible());
}

TEST_F(DocumentsFault, AFullDocumentsFolderKeepsNothingAndTheHomeFolderTakesTheCertificate)
{
    printWith(false, "the Documents folder is full");
}

TEST_F(DocumentsFault, AReadOnlyDocumentsFolderIsPassedOverForTheHomeFolder)
{
    printWith(true, "the Documents folder cannot be written to (it is read-only)");
}

// Both places fail: the window says where it tried and why, and PRINT OUT comes back; once a folder
// has room, PRINT OUT saves it after all.
TEST_F(SmallDisk, WhenEveryPlaceFailsTheWindowSaysWhereAndWhyAndOffersPrintOutAgain)
{
    mountSmall(home);
    ASSERT_TRUE(QDir(home).mkdir("Documents"));
    mountSmall(documents);
    putEarlier(documents);
    makeReadOnly(home);
    CertificateWindow cert(captain, false);
    nameAndPrint(cert);

    const QString note = cert.w().Lblprintnote->text();
    EXPECT_TRUE(cert.w().Lblprintnote->isVisible());
    for (const char *told : {"the Documents folder is full", "the home folder cannot be written to (it is read-only)",
                             "try again"})
        EXPECT_TRUE(note.contains(told)) << note.toStdString();
    expectTheWholeNoteShows(*cert.w().Lblprintnote);
    EXPECT_TRUE(cert.w().Cmdprintit->isVisible());
    EXPECT_FALSE(cert.w().Cmdexit->isVisible());
    expectOnlyTheEarlier(documents);
    EXPECT_EQ(entries(home), QStringList{"Documents"});

    // The small filesystems go; the home and Documents folders underneath have room.
    TearDown();
    mounted.clear();
    cert.click(cert.w().Cmdprintit);
    EXPECT_EQ(pdfpage::pageCount(QDir(documents).filePath("Scallywise certificate.pdf")), 1);
    EXPECT_TRUE(cert.w().Cmdexit->isVisible());
    EXPECT_FALSE(cert.w().Cmdprintit->isVisible());
}

// The desktop printer alone, with folders given: the PDF that did not fit is not left, in part or
// under a hidden name, and the next folder has it whole.
TEST_F(SmallDisk, TheFolderThatFillsKeepsNothingAndTheNextHasTheWholePdf)
{
    mountSmall(documents);
    putEarlier(documents);
    // Noise, which no compression makes small.
    QImage noise(QSize(794, 556), QImage::Format_RGB32);
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, QRandomGenerator::global()->generate());

    const auto outcome = DesktopPrinter({documents, home}).print(noise);

    EXPECT_EQ(outcome.kind, Kind::Saved);
    EXPECT_EQ(outcome.file, QDir(home).filePath("Scallywise certificate.pdf"));
    EXPECT_GT(QFileInfo(outcome.file).size(), 64 * 1024) << "the certificate must be larger than the small disk";
    EXPECT_EQ(pdfpage::pageCount(outcome.file), 1);
    ASSERT_EQ(outcome.notSaved.size(), 1);
    EXPECT_EQ(outcome.notSaved[0].folder, documents);
    EXPECT_EQ(outcome.notSaved[0].error, ENOSPC);
    expectOnlyTheEarlier(documents);
}
