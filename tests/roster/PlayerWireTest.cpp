// What the game and its clip player say to each other, and where the game finds the player.
#include <gtest/gtest.h>

#include "roster/PlayerProgram.h"
#include "roster/PlayerWire.h"

namespace {

TEST(PlayerWire, APathOfAnyCharactersComesThroughWhole)
{
    for (const QString &path : {QStringLiteral("/usr/share/scallywise/waves/must.wav"),
                               QStringLiteral("/home/pat/my clips/100% pirate\nline.wav"),
                               QStringLiteral("/home/ηλίας/海賊/ship.wav")}) {
        const QByteArray line = player::say(player::Ask::Load, 7, path);
        ASSERT_TRUE(line.endsWith('\n'));
        EXPECT_EQ(line.count('\n'), 1) << qPrintable(path);
        const auto read = player::read(QByteArrayView(line).chopped(1));
        ASSERT_TRUE(read) << line.constData();
        EXPECT_TRUE(player::is(*read, player::Ask::Load));
        EXPECT_EQ(read->clip, 7);
        EXPECT_EQ(read->path, path);
    }
}

TEST(PlayerWire, LinesThatAreNotTheOnesAskedForAreRefused)
{
    struct Case {
        const char *line;
        bool isPlay;
        bool isEnded;
    };
    const Case cases[] = {
        {"play 3", true, false},
        {"ended 3", false, true},
        {"play", false, false},
        {"play three", false, false},
        {"play -1", false, false},
        {"play 3 /extra", false, false},
        {"ended 3 /extra", false, false},
        {"played 3", false, false},
        {"", false, false},
    };
    for (const Case &c : cases) {
        const auto read = player::read(c.line);
        EXPECT_EQ(read && player::is(*read, player::Ask::Play), c.isPlay) << '"' << c.line << '"';
        EXPECT_EQ(read && player::is(*read, player::Tell::Ended), c.isEnded) << '"' << c.line << '"';
    }
    const auto load = player::read("load 2");
    EXPECT_FALSE(load && player::is(*load, player::Ask::Load)) << "a load names its clip's path";
}

TEST(PlayerProgram, LooksBesideTheGameThenInThePackagesProgramFolder)
{
    // Debian installs a game in /usr/games and a package's private programs in /usr/libexec/<package>.
    EXPECT_EQ(player::placesFor("/usr/games"),
              (QStringList{"/usr/games/scallywise-player", "/usr/libexec/scallywise/scallywise-player"}));
    EXPECT_EQ(player::placesFor("/home/pat/scallywise/build").first(), "/home/pat/scallywise/build/scallywise-player");
}

}  // namespace
