// The word on show in the disabled answer box reads clearly, while it still looks and acts disabled.
#include <QApplication>
#include <QImage>
#include <gtest/gtest.h>
#include <map>

#include "app/toolkit/Contrast.h"
#include "support/GameDriver.h"

namespace {

struct Ink {
    QColor background;  // the colour most of the box is painted in
    QColor darkest;     // the darkest pixel: the middle of a letter's stroke
};

Ink inkOf(const QImage &image)
{
    std::map<QRgb, int> counts;
    QRgb darkest = qRgb(255, 255, 255);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y) | 0xFF000000u;
            ++counts[p];
            if (qGray(p) < qGray(darkest))
                darkest = p;
        }
    auto most = counts.begin();
    for (auto it = counts.begin(); it != counts.end(); ++it)
        if (it->second > most->second)
            most = it;
    return {QColor::fromRgb(most->first), QColor::fromRgb(darkest)};
}

}  // namespace

TEST(Contrast, RatiosAreThoseOfTheWebsReadabilityGuidelines)
{
    // Known figures of the WCAG 2 formula.
    struct Case {
        QRgb a, b;
        double ratio;
    };
    const Case cases[] = {
        {qRgb(0, 0, 0), qRgb(255, 255, 255), 21.0},
        {qRgb(0x76, 0x76, 0x76), qRgb(255, 255, 255), 4.54},
        {qRgb(0xBE, 0xBE, 0xBE), qRgb(0xEF, 0xEF, 0xEF), 1.62},
        {qRgb(0x12, 0x34, 0x56), qRgb(0x12, 0x34, 0x56), 1.0},
        // Pure primaries, which catch a swap of the red and blue weights.
        {qRgb(255, 0, 0), qRgb(0, 0, 255), 2.15},
        {qRgb(255, 0, 0), qRgb(0, 0, 0), 5.25},
        {qRgb(0, 0, 255), qRgb(0, 0, 0), 2.44},
        {qRgb(0, 255, 0), qRgb(0, 0, 0), 15.30},
    };
    for (const Case &c : cases) {
        EXPECT_NEAR(toolkit::contrastRatio(QColor(c.a), QColor(c.b)), c.ratio, 0.01);
        EXPECT_NEAR(toolkit::contrastRatio(QColor(c.b), QColor(c.a)), c.ratio, 0.01);
    }
    for (QRgb back : {qRgb(0xEF, 0xEF, 0xEF), qRgb(0x20, 0x20, 0x20), qRgb(0x80, 0x80, 0x80)})
        EXPECT_GE(toolkit::contrastRatio(toolkit::readableOn(QColor(0xBE, 0xBE, 0xBE), QColor(back)), QColor(back)),
                  toolkit::readableContrast);
}

TEST(WordOnShow, ReadsAtFourAndAHalfToOneAndStaysDisabled)
{
    GameDriver game;
    frmScallywise &w = game.w();
    game.chooseLevel("easy");
    game.newWord();
    ASSERT_EQ(game.answerText(), w.currentWord()) << "the word is on show";
    ASSERT_FALSE(w.Txtspell->isEnabled());
    ASSERT_FALSE(w.Txtspell->editor()->isEnabled()) << "a screen reader still hears a disabled box";

    const Ink ink = inkOf(w.Txtspell->grab().toImage());
    const double ratio = toolkit::contrastRatio(ink.darkest, ink.background);
    EXPECT_GE(ratio, toolkit::readableContrast) << "ink " << ink.darkest.name().toStdString() << " on "
                                                << ink.background.name().toStdString();
    // Still the disabled look: grey letters, not the black of a box that takes typing.
    EXPECT_NE(ink.darkest, QColor(Qt::black));
    EXPECT_NE(ink.darkest, w.Txtspell->palette().color(QPalette::Active, QPalette::Text));
}

TEST(WordOnShow, OtherDisabledControlsKeepTheDesktopsLook)
{
    GameDriver game;
    frmScallywise &w = game.w();
    ASSERT_FALSE(w.Cmdnextword->isEnabled()) << "NEW WORD waits for a level";
    const QPalette desktop = QApplication::palette(w.Cmdnextword);
    EXPECT_EQ(w.Cmdnextword->palette().color(QPalette::Disabled, QPalette::ButtonText),
              desktop.color(QPalette::Disabled, QPalette::ButtonText));
}
