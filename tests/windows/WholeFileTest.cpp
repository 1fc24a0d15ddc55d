// Saving a file whole under a new name: what a save leaves in the folder, which leftovers of killed
// saves it takes away, and what the family is told when a folder will not take it.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include "support/ScopedEnv.h"
#include "windows/NotSavedWords.h"
#include "windows/WholeFile.h"

namespace {

QString numbered(int number) { return number == 1 ? QStringLiteral("a.txt") : QStringLiteral("a (%1).txt").arg(number); }

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

TEST(WholeFile, LeavesOnlyTheNamedFileAndTakesTheNextFreeName)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("a.txt"), "earlier");

    const wholefile::Saved saved = wholefile::save(dir.path(), "a", "the new one", numbered, 9);

    EXPECT_EQ(saved.error, 0);
    EXPECT_EQ(saved.path, dir.filePath("a (2).txt"));
    EXPECT_EQ(contents(saved.path), "the new one");
    EXPECT_EQ(contents(dir.filePath("a.txt")), "earlier");
    EXPECT_EQ(entries(dir.path()), QStringList({"a (2).txt", "a.txt"}));
}

TEST(WholeFile, WhenEveryNameIsTakenNothingIsLeftAndTheErrorSaysSo)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("a.txt"), "one");
    writeFile(dir.filePath("a (2).txt"), "two");

    const wholefile::Saved saved = wholefile::save(dir.path(), "a", "three", numbered, 2);

    EXPECT_EQ(saved.error, EEXIST);
    EXPECT_TRUE(saved.path.isEmpty());
    EXPECT_EQ(entries(dir.path()), QStringList({"a (2).txt", "a.txt"}));
}

// A killed save leaves its hidden temporary file; the next save takes it away unless a save still
// holds it, and touches nothing that is not of its own naming.
TEST(WholeFile, TakesAwayOnlyItsOwnAbandonedTemporaryFiles)
{
    QTemporaryDir dir;
    const QString prefix = wholefile::temporaryPrefix("a");
    ASSERT_TRUE(prefix.startsWith('.')) << "hidden";
    const QString abandoned = prefix + "Ab12Cd" + wholefile::temporarySuffix;
    const QString held = prefix + "Zz99Yy" + wholefile::temporarySuffix;
    const QStringList notOurs{prefix + "short" + wholefile::temporarySuffix, prefix + "Ab12Cd.pdf", "Ab12Cd.part",
                              ".a-Ab12Cd.partial"};
    writeFile(dir.filePath(abandoned), "half a file");
    writeFile(dir.filePath(held), "being written");
    for (const QString &name : notOurs)
        writeFile(dir.filePath(name), "someone's");
    const int holder = ::open(QFile::encodeName(dir.filePath(held)).constData(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(::flock(holder, LOCK_EX | LOCK_NB), 0);

    const wholefile::Saved saved = wholefile::save(dir.path(), "a", "new", numbered, 9);
    ::close(holder);

    EXPECT_EQ(saved.error, 0);
    QStringList expected = notOurs;
    expected << held << "a.txt";
    expected.sort();
    EXPECT_EQ(entries(dir.path()), expected);
    for (const QString &name : notOurs)
        EXPECT_EQ(contents(dir.filePath(name)), "someone's");
    EXPECT_EQ(contents(dir.filePath(held)), "being written");
}

TEST(WholeFile, AFolderThatIsNotThereSaysWhy)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("plain"), "x");
    EXPECT_EQ(wholefile::save(dir.filePath("missing"), "a", "x", numbered, 9).error, ENOENT);
    EXPECT_EQ(wholefile::save(dir.filePath("plain"), "a", "x", numbered, 9).error, ENOTDIR);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("missing")));
}

// The words pinned as a parent reads them, for each reason the system gives.
TEST(NotSavedWords, SayWhereAndWhyInPlainWords)
{
    QTemporaryDir home;
    ASSERT_TRUE(QDir(home.path()).mkdir("Documents"));
    const ScopedEnv homeEnv("HOME", QFile::encodeName(home.path()));
    const ScopedEnv config("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(".config")));
    const QString documents = home.filePath("Documents");
    struct Case {
        QString folder;
        int error;
        QString told;
    };
    const Case cases[] = {
        {documents, ENOSPC, "the Documents folder is full"},
        {home.path(), EDQUOT, "the home folder is full (the space allowed to this user is used up)"},
        {documents, EROFS, "the Documents folder cannot be written to (it is read-only)"},
        {home.path(), EACCES, "saving in the home folder is not allowed"},
        {home.path(), EPERM, "saving in the home folder is not allowed"},
        {"/media/stick", EIO, "the folder /media/stick could not be written (the disk reported a fault)"},
        {"/media/stick", ENOENT, "the folder /media/stick does not exist"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.told.toStdString());
        EXPECT_EQ(notsaved::words({{c.folder, c.error}}), c.told);
    }
    EXPECT_EQ(notsaved::words({{documents, ENOSPC}, {home.path(), EROFS}}),
              "the Documents folder is full, and the home folder cannot be written to (it is read-only)");
}
