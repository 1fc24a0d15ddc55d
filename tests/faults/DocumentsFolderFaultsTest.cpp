// No printer, and nowhere to save the certificate instead: a home under a plain file, documents and
// home in /proc, read-only folders. The print button comes back, nothing is written, the game plays
// on, and once there is a folder to take it the certificate is saved after all.
#include <QDirIterator>
#include <QFile>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "StillPlays.h"
#include "support/ScopedEnv.h"
#include "windows/Frmreward.h"

namespace {

struct Home {
    QString home;
    QString documents;  // named in the desktop's user folders if not empty
};

struct DocumentsFault {
    const char *what;
    std::function<Home(const QDir &root)> make;
    bool rootWritesIt = false;  // root writes through file modes
};

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Neither root nor anyone else makes a file in these.
const DocumentsFault faults[] = {
    {"a home under a plain file, so neither it nor its documents folder exists",
     [](const QDir &root) {
         writeFile(root.filePath("plain file"), "not a folder");
         return Home{root.filePath("plain file/home"), {}};
     }},
    {"the documents folder and the home in /proc",
     [](const QDir &) { return Home{QStringLiteral("/proc"), QStringLiteral("/proc/self")}; }},
    {"a read-only home and documents folder (mode 555)",
     [](const QDir &root) {
         root.mkpath("home/Documents");
         chmod(QFile::encodeName(root.filePath("home/Documents")), 0555);
         chmod(QFile::encodeName(root.filePath("home")), 0555);
         return Home{root.filePath("home"), {}};
     },
     true},
};

// Points the desktop's home and user folders at the given ones for the life of the object.
class DesktopFolders {
public:
    DesktopFolders(const QDir &root, const Home &folders)
        : home_("HOME", QFile::encodeName(folders.home)),
          config_("XDG_CONFIG_HOME", QFile::encodeName(root.filePath("config")))
    {
        root.mkpath("config");
        QByteArray userFolders;
        if (!folders.documents.isEmpty())
            userFolders = "XDG_DOCUMENTS_DIR=\"" + QFile::encodeName(folders.documents) + "\"\n";
        writeFile(root.filePath("config/user-dirs.dirs"), userFolders);
    }

private:
    ScopedEnv home_, config_;
};

QStringList pdfsUnder(const QString &folder)
{
    QStringList found;
    QDirIterator it(folder, {QStringLiteral("*.pdf")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        found << it.next();
    return found;
}

}  // namespace

TEST(UnwritableDocuments, ThePrintButtonComesBackAndTheCertificateIsSavedOnceAFolderTakesIt)
{
    ASSERT_TRUE(QPrinterInfo::defaultPrinter().isNull()) << "needs CUPS out of reach (CUPS_SERVER pointing nowhere)";
    for (const DocumentsFault &fault : faults) {
        SCOPED_TRACE(fault.what);
        QTemporaryDir temp;
        ASSERT_TRUE(temp.isValid());
        const QDir root(temp.path());
        GameDriver game;
        game.fallPirates(12);
        Frmreward *certificate = game.w().certificate();
        ASSERT_NE(certificate, nullptr);
        QTest::keyClicks(certificate->Txtmyname->editor(), QStringLiteral("Sam"));
        QTest::keyClick(certificate->Txtmyname->editor(), Qt::Key_Return);

        {
            const DesktopFolders unwritable(root, fault.make(root));
            QTest::mouseClick(certificate->Cmdprintit, Qt::LeftButton);
        }
        if (!(fault.rootWritesIt && geteuid() == 0)) {
            EXPECT_TRUE(certificate->Cmdprintit->isVisible()) << "the player may try again";
            EXPECT_FALSE(certificate->Cmdexit->isVisible());
            EXPECT_TRUE(certificate->Lblprintnote->isVisible()) << "the window says printing failed";
            EXPECT_EQ(pdfsUnder(root.path()), QStringList());
        }
        expectTheGameStillPlays(game);

        if (certificate->Cmdprintit->isVisible()) {
            QTemporaryDir goodHome;
            const DesktopFolders writable(root, Home{goodHome.path(), {}});
            QTest::mouseClick(certificate->Cmdprintit, Qt::LeftButton);
            EXPECT_EQ(pdfsUnder(goodHome.path()), QStringList{goodHome.filePath("Scallywise certificate.pdf")});
            EXPECT_TRUE(certificate->Cmdexit->isVisible());
            EXPECT_FALSE(certificate->Cmdprintit->isVisible());
        }
        chmod(QFile::encodeName(root.filePath("home/Documents")), 0755);
        chmod(QFile::encodeName(root.filePath("home")), 0755);
    }
}
