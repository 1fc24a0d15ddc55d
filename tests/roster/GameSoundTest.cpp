// The game window's opening sound on a real sound server: loading the window plays the game's own
// must.wav, and the recording holds it whole.
#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

#include "SoundServer.h"
#include "game/frmScallywise.h"
#include "roster/WaveFolder.h"
#include "roster/WaveHeader.h"

namespace {

using namespace std::chrono_literals;

// How closely the recording's sounding span matches the clip's own, measured alike in 10 ms windows.
constexpr int spanToleranceMs = 60;

TEST(GameSound, LoadingTheGameWindowPlaysTheOpeningClip)
{
    ASSERT_TRUE(soundServer().isRunning()) << soundServer().log().toStdString();
    const QString waveFolder = qEnvironmentVariable("SCALLYWISE_BUILD_DIR") + "/waves";
    const QString clipPath = waveFolder + "/must.wav";
    const auto clip = readWaveFile(clipPath);
    ASSERT_TRUE(clip) << "the build makes the game's clips; no playable " << clipPath.toStdString();
    ASSERT_EQ(clip->bitsPerSample, 16);
    QFile file(clipPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly) && file.seek(clip->dataOffset));
    const QList<Heard> inClip = heardIn(file.read(clip->dataBytes), clip->sampleRate, clip->channels);
    ASSERT_FALSE(inClip.isEmpty()) << "must.wav is silent";
    const int clipSpan = inClip.last().end - inClip.first().start;

    qputenv(waves::overrideVariable, waveFolder.toUtf8());
    Recording recording;
    ASSERT_TRUE(recording.isRecording());
    {
        frmScallywise game;  // its load runs the opening cue
        QTest::qWait(int((clip->length + 1s).count()));
    }
    qunsetenv(waves::overrideVariable);

    const QList<Heard> heard = heardIn(recording.stop());
    ASSERT_FALSE(heard.isEmpty()) << "nothing was heard";
    EXPECT_NEAR(heard.last().end - heard.first().start, clipSpan, spanToleranceMs)
        << "heard " << describe(heard).toStdString() << "; the clip sounds " << describe(inClip).toStdString();
}

} // namespace
