// The main of every test program: a QApplication set up as the game sets itself up, then GoogleTest.
#include <QApplication>
#include <gtest/gtest.h>

#include "app/toolkit/Fonts.h"
#include "roster/AudioOnly.h"

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    roster::playThroughTheAudioOutputOnly();
    QApplication app(argc, argv);
    toolkit::pinFonts();
    return RUN_ALL_TESTS();
}
