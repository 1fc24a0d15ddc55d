// The game's side of its clip player, against a stand-in player program: each burst of sound has a
// player of its own, given every clip; a run the player lost is given to one fresh player, and one
// that loses it too is the last tried for that run.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

#include "TestClips.h"
#include "support/WaitUntil.h"
#include "roster/MMControl.h"
#include "roster/PlayerProgram.h"
#include "roster/WaveFolder.h"

namespace {

using namespace std::chrono_literals;

// What the players heard, one player to a line, for a failure message.
std::string describe(const QList<QStringList> &heard)
{
    QStringList players;
    for (const QStringList &lines : heard)
        players << "[" + lines.join(" | ") + "]";
    return players.join('\n').toStdString();
}

class PlayerProcessTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(clips.isValid() && standIn().isValid());
        qputenv(waves::overrideVariable, clips.path().toUtf8());
        qputenv(player::overrideVariable,
                (qEnvironmentVariable("SCALLYWISE_SOURCE_DIR") + "/tests/roster/stand-in-player.sh").toUtf8());
        qputenv("STAND_IN_DIR", standIn().path().toUtf8());
        testclips::writeFile(clips.filePath("tone.wav"), testclips::toneClip(100ms));
        testclips::writeFile(clips.filePath("other.wav"), testclips::toneClip(100ms));
        setOutput("there");
        // Every player of an earlier test has been let go, its runs over.
        ASSERT_TRUE(waitUntil([] {
            const QList<QStringList> heard = heardByEachPlayer();
            return std::all_of(heard.cbegin(), heard.cend(), [](const QStringList &lines) {
                return lines.contains("(input closed)") || lines.contains("(lost)");
            });
        }, 30s)) << describe(heardByEachPlayer());
    }

    void setOutput(const char *state)
    {
        QFile file(standIn().filePath("output"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(state);
    }

    static QStringList linesOf(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    }

    // The game keeps its player from one test to the next, so the stand-in's folder is the program's.
    static QTemporaryDir &standIn()
    {
        static QTemporaryDir folder;
        return folder;
    }

    // What each player started so far has heard, in the order they were started.
    static QList<QStringList> heardByEachPlayer()
    {
        QList<QStringList> heard;
        for (const QString &pid : linesOf(standIn().filePath("starts")))
            heard << linesOf(standIn().filePath(pid));
        return heard;
    }


    QString load(int clip, const QString &name) const
    {
        return QStringLiteral("load %1 %2").arg(clip).arg(QString::fromUtf8(clips.filePath(name).toUtf8().toPercentEncoding("/")));
    }

    static void cue(MMControl &player)
    {
        player.setCommand("open");
        player.setCommand("play");
    }

    QTemporaryDir clips;
};

TEST_F(PlayerProcessTest, EachBurstOfSoundHasAFreshPlayerAndARunLostIsTriedOnceMore)
{
    MMControl tone("waveaudio", "tone.wav");
    MMControl other("waveaudio", "other.wav");
    other.setCommand("open");
    const qsizetype before = heardByEachPlayer().size();
    cue(tone);
    // A player is given both clips and the run; once the run has ended it is let go.
    ASSERT_TRUE(waitUntil([&] {
        return heardByEachPlayer().size() > before && heardByEachPlayer().last().contains("(input closed)");
    })) << describe(heardByEachPlayer());
    const QStringList first = heardByEachPlayer().last();
    ASSERT_EQ(first.size(), 4) << describe(heardByEachPlayer());
    // The clips' numbers are the player's business; they are read from what it heard.
    const int otherClip = first[0].section(' ', 1, 1).toInt();
    const int toneClip = first[1].section(' ', 1, 1).toInt();
    const QStringList fresh{load(otherClip, "other.wav"), load(toneClip, "tone.wav"), QStringLiteral("play %1").arg(toneClip)};
    EXPECT_EQ(first, fresh + QStringList{"(input closed)"}) << describe(heardByEachPlayer());
    const qsizetype players = heardByEachPlayer().size();

    // The output goes: the next cue's player loses the run, one more is given every clip and the
    // run, loses it too, and no third is tried for it.
    setOutput("gone");
    cue(tone);
    ASSERT_TRUE(waitUntil([&] { return heardByEachPlayer().size() >= players + 2 && heardByEachPlayer().last().size() == 4; }, 30s))
        << describe(heardByEachPlayer());
    EXPECT_EQ(heardByEachPlayer()[players], fresh + QStringList{"(lost)"}) << describe(heardByEachPlayer());
    EXPECT_EQ(heardByEachPlayer()[players + 1], fresh + QStringList{"(lost)"}) << describe(heardByEachPlayer());

    // The output is back: the next cue has one fresh player, which plays it. Had a player been tried
    // once more for the lost run, it would stand between the last one and this one.
    setOutput("there");
    cue(tone);
    ASSERT_TRUE(waitUntil([&] { return heardByEachPlayer().size() >= players + 3 && heardByEachPlayer().last().size() == 4; }, 30s))
        << describe(heardByEachPlayer());
    EXPECT_EQ(heardByEachPlayer().size(), players + 3) << describe(heardByEachPlayer());
    EXPECT_EQ(heardByEachPlayer().last(), fresh + QStringList{"(input closed)"}) << describe(heardByEachPlayer());
    EXPECT_TRUE(waitUntil([&] { return tone.runsStarted() == 3 && !tone.runWaiting(); }));
}

TEST_F(PlayerProcessTest, ARunThePlayerSaysHasEndedLetsTheWaitingRunStart)
{
    // The stand-in ends each run the moment it starts it. The clip is long: a run that waited for
    // the clip's own length instead would start only after half a minute.
    testclips::writeFile(clips.filePath("long.wav"), testclips::toneClip(30s));
    MMControl long_("waveaudio", "long.wav");
    for (int run = 1; run <= 3; ++run) {
        cue(long_);
        ASSERT_TRUE(waitUntil([&] { return long_.runsStarted() == run && !long_.runWaiting(); }, 20s)) << "run " << run;
    }
}

TEST_F(PlayerProcessTest, ARunDroppedWhileItSoundsLetsItsPlayerGo)
{
    // The run never ends by itself; the player it sounds in is let go when its clip is dropped, as
    // the game's end or a player made and unmade drops it.
    setOutput("held");
    const qsizetype before = heardByEachPlayer().size();
    {
        MMControl held("waveaudio", "tone.wav");
        cue(held);
        ASSERT_TRUE(waitUntil([&] {
            return heardByEachPlayer().size() == before + 1 && heardByEachPlayer().last().value(1).startsWith("play ");
        })) << describe(heardByEachPlayer());
    }
    EXPECT_TRUE(waitUntil([&] { return heardByEachPlayer().last().contains("(input closed)"); }, 30s))
        << describe(heardByEachPlayer());
}

}  // namespace
