// A game killed at any moment of saving the certificate (logout, power loss) leaves no file under a
// certificate's name that is not a whole certificate, and never touches an earlier one. The saving is
// done by a small program of the tests' (save-certificate): once whole from the certificate window,
// then again and again from that certificate's PDF, killed with SIGKILL at random moments of the
// writing, syncing and naming of the file.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <algorithm>
#include <iostream>

#include "support/PdfPage.h"
#include "windows/WholeFile.h"

namespace {

constexpr int wantedKills = 100;
constexpr qint64 timeLimitMs = 45'000;  // on a busy machine fewer kills, never a longer test

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList certificatesIn(const QString &folder)
{
    return QDir(folder).entryList({"Scallywise certificate*.pdf"}, QDir::AllEntries | QDir::Hidden | QDir::System,
                                  QDir::Name);
}

QStringList temporariesIn(const QString &folder)
{
    return QDir(folder).entryList({wholefile::temporaryPrefix("Scallywise certificate") + "*"},
                                  QDir::Files | QDir::Hidden | QDir::System);
}

// The saving program, started and read up to the line it prints as the save begins.
class Saver {
public:
    explicit Saver(const QStringList &arguments)
    {
        process.start(qEnvironmentVariable("SCALLYWISE_SAVE_CERTIFICATE"), arguments);
        EXPECT_TRUE(process.waitForStarted(30000));
    }
    bool waitForSaving()
    {
        while (!process.canReadLine())
            if (!process.waitForReadyRead(60000))
                return false;
        return process.readLine().trimmed() == "saving";
    }
    QProcess process;
};

}  // namespace

TEST(KilledWhileSaving, LeavesNoPartCertificateAndNeverTouchesAnEarlierOne)
{
    ASSERT_FALSE(qEnvironmentVariable("SCALLYWISE_SAVE_CERTIFICATE").isEmpty()) << "the saving program, by its path";
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());

    // An earlier certificate, saved whole from the window; its PDF is what the killed saves write.
    Saver first({folder.path()});
    ASSERT_TRUE(first.waitForSaving());
    ASSERT_TRUE(first.process.waitForFinished(60000));
    ASSERT_EQ(first.process.exitCode(), 0) << first.process.readAllStandardError().toStdString();
    const QString earlier = folder.filePath("Scallywise certificate.pdf");
    ASSERT_EQ(pdfpage::pageCount(earlier), 1);
    const QByteArray earlierBytes = contents(earlier);
    const QString page = folder.filePath("page.bin");  // not a certificate's name
    ASSERT_TRUE(QFile::copy(earlier, page));
    const QStringList again{folder.path(), "--pdf", page};

    // How long a save of it takes here, to spread the kills over.
    QElapsedTimer clock;
    Saver timed(again);
    ASSERT_TRUE(timed.waitForSaving());
    clock.start();
    ASSERT_TRUE(timed.process.waitForFinished(60000));
    double windowMs = std::max<qint64>(clock.elapsed(), 1);
    ASSERT_EQ(timed.process.exitCode(), 0);
    ASSERT_TRUE(QFile::remove(folder.filePath("Scallywise certificate (2).pdf")));

    int kills = 0, leftHidden = 0, named = 0, nothingYet = 0, finishedFirst = 0;
    QStringList bad, hiddenBefore;
    QElapsedTimer limit;
    limit.start();
    while (kills < wantedKills && limit.elapsed() < timeLimitMs) {
        Saver saver(again);
        ASSERT_TRUE(saver.waitForSaving()) << saver.process.readAllStandardError().toStdString();
        // Anywhere from the start of the save to a little past its usual end, which a busy machine
        // moves: a window that saves outrun shrinks, one that ends before any file grows.
        QThread::usleep(QRandomGenerator::global()->bounded(quint32(windowMs * 1000)));
        saver.process.kill();  // SIGKILL
        ASSERT_TRUE(saver.process.waitForFinished(30000));
        const bool killed = saver.process.exitStatus() == QProcess::CrashExit;
        const QStringList hidden = temporariesIn(folder.path());
        bool newCertificate = false;
        for (const QString &name : certificatesIn(folder.path())) {
            const QString path = folder.filePath(name);
            if (path == earlier)
                continue;
            newCertificate = true;
            if (pdfpage::pageCount(path) != 1)
                bad << name + " (" + QString::number(QFileInfo(path).size()) + " bytes)";
            QFile::remove(path);  // checked; the next save may use the name again
        }
        ASSERT_EQ(contents(earlier), earlierBytes) << "after kill " << kills;
        if (!killed) {
            ++finishedFirst;  // the kill came too late to count
            windowMs *= 0.9;
            continue;
        }
        ++kills;
        if (std::any_of(hidden.begin(), hidden.end(), [&](const QString &n) { return !hiddenBefore.contains(n); }))
            ++leftHidden;  // killed while the file was being written or synced
        else if (newCertificate)
            ++named;  // killed once the certificate had its name
        else {
            ++nothingYet;  // killed before the file was made
            windowMs *= 1.1;
        }
        hiddenBefore = hidden;
    }
    std::cout << "[ figures  ] kills within " << int(windowMs) << " ms of the save's start, " << earlierBytes.size() << " bytes; " << kills << " kills in " << limit.elapsed() / 1000
              << " s: " << nothingYet << " before the file, " << leftHidden << " while writing (a hidden temporary file left), "
              << named << " after naming; " << finishedFirst << " saves finished before their kill; "
              << bad.size() << " bad certificates" << std::endl;
    RecordProperty("kills", kills);
    RecordProperty("leftHidden", leftHidden);
    EXPECT_EQ(bad, QStringList()) << "certificates a reader cannot open";
    EXPECT_GE(kills, 10) << "too few kills to say anything";
    EXPECT_GT(leftHidden, 0) << "no kill landed while the file was being written";

    // The next save that finishes takes away what the killed ones left, and nothing else.
    Saver last(again);
    ASSERT_TRUE(last.process.waitForFinished(60000));
    EXPECT_EQ(last.process.exitCode(), 0);
    EXPECT_EQ(temporariesIn(folder.path()), QStringList());
    EXPECT_EQ(contents(earlier), earlierBytes);
    EXPECT_EQ(pdfpage::pageCount(folder.filePath("Scallywise certificate (2).pdf")), 1);
}
