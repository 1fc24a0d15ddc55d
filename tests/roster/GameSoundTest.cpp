// The game window's sound cues on a real sound server, with the game's own clips: loading the
// window plays must.wav whole, and each cue after it plays its own clip. The four clips sound for
// different lengths, so the length heard after each cue names the clip that played.
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <gtest/gtest.h>
#include <functional>
#include <optional>
#include <vector>

#include "SoundServer.h"
#include "game/frmScallywise.h"
#include "roster/Cues.h"
#include "roster/WaveFolder.h"
#include "roster/WaveHeader.h"

namespace {

using namespace std::chrono_literals;

// How closely the recording's sounding span matches the clip's own, measured alike in 10 ms windows.
constexpr int spanToleranceMs = 60;

struct Clip {
    QString file;
    std::chrono::milliseconds length{};  // of the whole file
    int span = 0;                        // from its first to its last sound, in ms
};

// The clip as the build made it: how long it is and how long it sounds.
std::optional<Clip> readClip(const QString &folder, const QString &file)
{
    const QString path = folder + "/" + file;
    const auto header = readWaveFile(path);
    QFile data(path);
    if (!header || header->bitsPerSample != 16 || !data.open(QIODevice::ReadOnly) || !data.seek(header->dataOffset))
        return std::nullopt;
    const QList<Heard> inClip = heardIn(data.read(header->dataBytes), header->sampleRate, header->channels);
    if (inClip.isEmpty())
        return std::nullopt;
    return Clip{file, header->length, inClip.last().end - inClip.first().start};
}

// From the start of the first stretch to the end of the last that begins within [from, to).
int spanBetween(const QList<Heard> &heard, int from, int to)
{
    int first = -1, last = -1;
    for (const Heard &h : heard)
        if (h.start >= from && h.start < to) {
            if (first < 0)
                first = h.start;
            last = h.end;
        }
    return first < 0 ? 0 : last - first;
}

TEST(GameSound, EachCuePlaysItsOwnClip)
{
    ASSERT_TRUE(soundServer().isRunning()) << soundServer().log().toStdString();
    const QString waveFolder = qEnvironmentVariable("SCALLYWISE_BUILD_DIR") + "/waves";
    struct Cue {
        QString clip;
        std::function<void(frmScallywise &)> run;  // empty: the window's load runs it
    };
    // Every cue of the table, each with the clip the table gives it.
    std::vector<Cue> cues;
    for (const roster::CueClip &c : roster::cues) {
        const QString clip = QString::fromUtf8(c.clip.data(), qsizetype(c.clip.size()));
        if (c.cue == roster::Cue::Must)
            cues.insert(cues.begin(), {clip, {}});
        else
            cues.push_back({clip, [cue = c.cue](frmScallywise &game) { game.cue(cue); }});
    }
    std::vector<Clip> clips;
    for (const Cue &cue : cues) {
        const auto clip = readClip(waveFolder, cue.clip);
        ASSERT_TRUE(clip) << "the build makes the game's clips; no sounding 16-bit " << cue.clip.toStdString();
        clips.push_back(*clip);
    }
    // The clips must tell themselves apart by their lengths, or this test could not.
    for (size_t i = 0; i < clips.size(); ++i)
        for (size_t j = i + 1; j < clips.size(); ++j)
            ASSERT_GT(std::abs(clips[i].span - clips[j].span), 3 * spanToleranceMs)
                << clips[i].file.toStdString() << " and " << clips[j].file.toStdString() << " sound as long";

    qputenv(waves::overrideVariable, waveFolder.toUtf8());
    Recording recording;
    ASSERT_TRUE(recording.isRecording());
    QElapsedTimer sinceRecording;
    sinceRecording.start();
    std::vector<int> startedAt;
    {
        startedAt.push_back(int(sinceRecording.elapsed()));
        frmScallywise game;  // its load runs the opening cue
        for (size_t i = 0; i < cues.size(); ++i) {
            if (cues[i].run) {
                startedAt.push_back(int(sinceRecording.elapsed()));
                cues[i].run(game);
            }
            // Each clip plays out, with a pause after it, before the next cue runs.
            QTest::qWait(int((clips[i].length + 500ms).count()));
        }
        startedAt.push_back(int(sinceRecording.elapsed()));
    }
    qunsetenv(waves::overrideVariable);

    const QList<Heard> heard = heardIn(recording.stop());
    for (size_t i = 0; i < cues.size(); ++i) {
        const int span = spanBetween(heard, startedAt[i], startedAt[i + 1]);
        // The clip whose sounding length is nearest the heard one is the clip that played.
        const Clip *nearest = &clips.front();
        for (const Clip &clip : clips)
            if (std::abs(clip.span - span) < std::abs(nearest->span - span))
                nearest = &clip;
        EXPECT_EQ(nearest->file.toStdString(), cues[i].clip.toStdString())
            << "heard " << span << " ms after the cue of " << cues[i].clip.toStdString() << "; all heard: "
            << describe(heard).toStdString();
        EXPECT_NEAR(span, clips[i].span, spanToleranceMs) << cues[i].clip.toStdString() << " heard whole";
    }
}

} // namespace
