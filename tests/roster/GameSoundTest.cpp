// The game window's sound cues on a real sound server, with the game's own clips: loading the
// window plays must.wav whole, and each cue after it plays its own clip whole, told by the clip's
// own samples found in a recording.
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>
#include <string_view>

#include "HeardClip.h"
#include "SoundServer.h"
#include "game/frmScallywise.h"
#include "roster/Cues.h"
#include "roster/WaveFolder.h"

namespace {

using namespace std::chrono_literals;

// Which player sounds which clip, as the game has always had it; written here, never read from the
// cue table, which is what this test checks. (Which fall runs which player: Roster's tests.)
struct PlayerClip {
    const char *player;
    const char *clip;
};
constexpr PlayerClip playerClips[] = {
    {"MMmust", "must.wav"},  // the window's load runs it
    {"MMcurses", "curses.wav"},
    {"MMvoices", "voices.wav"},
    {"MMfleet", "fleet.wav"},
};

// Long enough for any clip to be heard, stutter and all, on a machine at its busiest.
constexpr auto hearingTimeout = 30s;

// The cue the program runs with the player, if any.
std::optional<roster::Cue> cueOf(std::string_view player)
{
    for (const roster::CueClip &c : roster::cues)
        if (c.player == player)
            return c.cue;
    return std::nullopt;
}

// Of the clips, the one heard first from fromMs on, as far as it has been heard.
std::pair<const ClipSamples *, HeardClip> heardNext(const QByteArray &samples, const std::vector<ClipSamples> &clips,
                                                    int fromMs)
{
    std::pair<const ClipSamples *, HeardClip> next{nullptr, {}};
    for (const ClipSamples &clip : clips) {
        const HeardClip heard = findClip(samples, clip, fromMs);
        if (heard.heard() && (!next.first || heard.startMs < next.second.startMs))
            next = {&clip, heard};
    }
    return next;
}

TEST(GameSound, EachCuePlaysItsOwnClip)
{
    ASSERT_TRUE(soundServer().isRunning()) << soundServer().log().toStdString();
    const QString waveFolder = qEnvironmentVariable("SCALLYWISE_BUILD_DIR") + "/waves";
    std::vector<ClipSamples> clips;
    for (const PlayerClip &pc : playerClips) {
        clips.push_back(clipFromWave(waveFolder + "/" + pc.clip));
        ASSERT_GT(clips.back().samples.size(), 0) << "the build makes the game's clips: 16-bit mono at the server's rate";
    }
    // No clip's samples are found in another's, or this test could not tell them apart.
    for (const ClipSamples &in : clips)
        for (const ClipSamples &clip : clips) {
            if (&in != &clip) {
                ASSERT_FALSE(findClip(in.samples, clip).heard()) << clip.name.toStdString() << " sounds in " << in.name.toStdString();
            }
        }

    qputenv(waves::overrideVariable, waveFolder.toUtf8());
    Recording recording;
    ASSERT_TRUE(recording.isRecording());
    {
        frmScallywise game;  // its load runs the first cue
        QSignalSpy ran(&game, &frmScallywise::cueRun);
        int heardUpTo = 0;
        for (const PlayerClip &pc : playerClips) {
            SCOPED_TRACE(pc.player);
            if (&pc != &playerClips[0]) {
                const auto cue = cueOf(pc.player);
                ASSERT_TRUE(cue) << "no cue runs " << pc.player;
                game.cue(*cue);
                ASSERT_FALSE(ran.isEmpty());
                EXPECT_EQ(ran.takeLast().at(0).toString().toStdString(), pc.player);
            }
            // The next clip heard, once it has been heard to its end.
            std::pair<const ClipSamples *, HeardClip> next;
            recording.recordUntil(
                [&](const QByteArray &samples) {
                    next = heardNext(samples, clips, heardUpTo);
                    return next.first && next.second.whole();
                },
                hearingTimeout);
            ASSERT_TRUE(next.first) << "nothing heard after " << heardUpTo << " ms";
            EXPECT_EQ(next.first->name.toStdString(), pc.clip) << next.second.describe().toStdString();
            EXPECT_TRUE(next.second.whole()) << next.first->name.toStdString() << ": " << next.second.describe().toStdString();
            heardUpTo = next.second.endMs;
        }
    }
    qunsetenv(waves::overrideVariable);
}

} // namespace
