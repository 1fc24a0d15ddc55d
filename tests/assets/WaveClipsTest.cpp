// Every wave clip a cue opens is 16-bit PCM of its own length and level, with soft ends and a silent tail.
#include "ArtFiles.h"

#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string_view>
#include <vector>

#include "roster/Cues.h"

namespace {

// How long each clip the build makes sounds (tools/make-waves.sh); which of them the game opens is
// the cue table's business.
struct ClipLength {
    std::string_view file;
    double minSound;  // seconds of sound before the silent tail
    double maxSound;
};

constexpr ClipLength lengths[] = {
    {"must.wav", 2.0, 3.0},
    {"curses.wav", 1.0, 2.0},
    {"voices.wav", 1.5, 2.5},
    {"fleet.wav", 3.0, 4.0},
};

// Every clip a cue opens, each once however many cues share it.
std::vector<std::string> openedClips()
{
    std::vector<std::string> clips;
    for (const roster::CueClip &c : roster::cues)
        if (std::find(clips.begin(), clips.end(), c.clip) == clips.end())
            clips.emplace_back(c.clip);
    return clips;
}

constexpr double tailSeconds = 0.25;
const int peakLimit = int(32767 * std::pow(10.0, -1.0 / 20.0));  // -1 dBFS

int peakOf(const std::vector<std::int16_t> &s, std::size_t from, std::size_t to)
{
    int peak = 0;
    for (std::size_t i = from; i < to && i < s.size(); ++i)
        peak = std::max(peak, std::abs(int(s[i])));
    return peak;
}

class WaveClips : public ::testing::TestWithParam<std::string> {};

TEST_P(WaveClips, FormatLengthAndLevel)
{
    const std::string &file = GetParam();
    const auto length = std::find_if(std::begin(lengths), std::end(lengths),
                                     [&](const ClipLength &l) { return l.file == file; });
    ASSERT_NE(length, std::end(lengths)) << "a cue opens " << file << ", whose length nobody recorded";
    const ClipLength &c = *length;
    const artfiles::Wave w = artfiles::wave(artfiles::readAll(artfiles::wavePath(QString::fromStdString(file))));
    ASSERT_TRUE(w.valid);
    EXPECT_EQ(w.format, 1);
    EXPECT_EQ(w.bitsPerSample, 16);
    EXPECT_TRUE(w.channels == 1 || w.channels == 2);
    EXPECT_TRUE(w.sampleRate == 22050 || w.sampleRate == 44100);

    const double sound = w.seconds() - tailSeconds;
    EXPECT_GE(sound, c.minSound);
    EXPECT_LE(sound, c.maxSound);

    const int peak = peakOf(w.samples, 0, w.samples.size());
    EXPECT_LE(peak, peakLimit) << "peaks stay below -1 dBFS";
    EXPECT_GE(peak, peakLimit / 2) << "loud enough to hear";

    // Soft ends: the first and last half millisecond of sound are near silence, and the tail is silent.
    const std::size_t frame = std::size_t(w.channels);
    const std::size_t halfMs = std::size_t(w.sampleRate / 2000) * frame;
    const std::size_t soundEnd = w.samples.size() - std::size_t(tailSeconds * w.sampleRate) * frame;
    EXPECT_LE(peakOf(w.samples, 0, halfMs), 32767 / 20);
    EXPECT_LE(peakOf(w.samples, soundEnd - halfMs, soundEnd), 32767 / 20);
    EXPECT_LE(peakOf(w.samples, soundEnd, w.samples.size()), 2);

    // Sound all the way through: no second-long gap inside the clip.
    const std::size_t window = std::size_t(w.sampleRate / 4) * frame;
    for (std::size_t at = 0; at + window <= soundEnd; at += window)
        EXPECT_GE(peakOf(w.samples, at, at + window), 32767 / 100) << "quiet quarter second at " << double(at) / frame / w.sampleRate;
}

INSTANTIATE_TEST_SUITE_P(EveryClipACueOpens, WaveClips, ::testing::ValuesIn(openedClips()),
                         [](const auto &info) { return info.param.substr(0, info.param.find('.')); });

}  // namespace
