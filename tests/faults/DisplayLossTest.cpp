// The program's word when its display goes away: it ends at once with status 1 and one line, while
// every other message of Qt's goes on as before.
#include <QtGlobal>
#include <cerrno>
#include <csignal>
#include <gtest/gtest.h>
#include <unistd.h>

#include "app/DisplayLoss.h"

TEST(DisplayLoss, QtsWordThatTheDisplayWentAwayEndsTheProgramWithStatusOne)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    display::endWhenLost();
    qWarning("an ordinary warning");  // passes through and ends nothing
    const char *said[] = {"The X11 connection broke (error 1). Did the X11 server die?",
                          "The Wayland connection broke. Did the Wayland compositor die?"};
    for (const char *message : said) {
        EXPECT_EXIT(qWarning("%s", message), testing::ExitedWithCode(1),
                    "scallywise: the display went away, so the game ends")
            << message;
    }
    qInstallMessageHandler(nullptr);  // Qt's own again, for the tests after this one
}

TEST(DisplayLoss, AWriteToAClosedConnectionFailsInsteadOfKillingTheProgram)
{
    // A library an earlier case loaded may already ignore SIGPIPE for the whole process (CUPS does,
    // once asked for the default printer): only with SIGPIPE at its default does the guard show.
    struct sigaction toDefault {};
    toDefault.sa_handler = SIG_DFL;
    ASSERT_EQ(sigaction(SIGPIPE, &toDefault, nullptr), 0);
    struct sigaction before {};
    ASSERT_EQ(sigaction(SIGPIPE, nullptr, &before), 0);
    ASSERT_EQ(before.sa_handler, SIG_DFL);

    display::endWhenLost();
    qInstallMessageHandler(nullptr);
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    close(ends[0]);  // as the display's end of the connection closes when the server stops
    errno = 0;
    EXPECT_EQ(write(ends[1], "x", 1), -1);  // without the guard, SIGPIPE ends the test program here
    EXPECT_EQ(errno, EPIPE);
    close(ends[1]);
}
