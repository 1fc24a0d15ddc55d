// Rendering the artwork and making the clips again gives byte-identical files.
#include "ArtFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

bool run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(program, arguments);
    return process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// Compares every file under `fresh` with the file of the same name under `built`; returns how many matched.
int expectSameFiles(const QString &fresh, const QString &built)
{
    int matched = 0;
    QDirIterator it(fresh, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = QDir(fresh).relativeFilePath(path);
        const QByteArray again = artfiles::readAll(path);
        const QByteArray before = artfiles::readAll(QDir(built).filePath(relative));
        EXPECT_FALSE(again.isEmpty()) << relative.toStdString();
        EXPECT_TRUE(again == before) << relative.toStdString() << " differs from the build's copy";
        matched += again == before;
    }
    return matched;
}

TEST(Reproducible, RenderingTheArtworkAgainGivesTheSameBytes)
{
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    ASSERT_TRUE(run(QStringLiteral(SCALLYWISE_RENDER_ART), {QStringLiteral(SCALLYWISE_ASSETS_SOURCE), out.path()}));
    EXPECT_EQ(expectSameFiles(out.path(), QDir(artfiles::buildDir()).filePath(QStringLiteral("art"))), 7 + 14);
}

TEST(Reproducible, MakingTheClipsAgainGivesTheSameBytes)
{
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    ASSERT_TRUE(run(QStringLiteral(SCALLYWISE_MAKE_WAVES), {out.path()}));
    EXPECT_EQ(expectSameFiles(out.path(), QDir(artfiles::buildDir()).filePath(QStringLiteral("waves"))), 4);
}

}  // namespace
