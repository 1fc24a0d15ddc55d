// The certificate's name line shows the whole rank title and name, whatever their length: in the
// label's place, colour, underline and centring, made smaller until it fits on one line, and from
// 12 points down wrapped onto two lines. Every line's ink lies wholly inside the label.
// A name in another script is seen on a real display and on paper in tests/desktop/NamesOnScreenTest.cpp.
#include <gtest/gtest.h>

#include "CertificateWindow.h"
#include "Ranks.h"
#include "app/toolkit/FittingLabel.h"
#include "app/toolkit/Pictures.h"
#include "support/NameLineInk.h"

namespace {

const std::string_view longestRankLevel = longestRankCaption();

struct Case {
    const char *what;
    std::string_view level;  // caption of the checked level, or empty for none
    QString name;
    int lines;             // how many lines the name line takes
    double atMostPoints;   // its font, at most this big
    double atLeastPoints;  // and at least this big
};

const Case cases[] = {
    {"a short rank and name keep the label's own size", "easy", "Jo", 1, 26.25, 26.25},
    {"the longest rank with a short name", longestRankLevel, "Jo", 1, 26.25, 20},
    {"the longest rank with a first name and surname", longestRankLevel, "Ann Bonny", 1, 25.75, 12},
    {"the longest rank with a name of 30 characters", longestRankLevel, "Wilhelmina Montgomery-Whitmore", 2, 12, 12},
    {"30 capitals", longestRankLevel, "MAXIMILIANA WOLFGANG MCMURDOCH", 2, 12, 12},
    {"30 letters and no space to break at", longestRankLevel, "Wilhelminamontgomerywhitmoreee", 2, 12, 12},
    {"the longest rank and an empty name", longestRankLevel, "", 1, 26.25, 20},
    {"no level and an empty name: nothing shows", "", "", 1, 26.25, 26.25},
};

}  // namespace

TEST(NameLine, TheWholeRankAndNameShowInsideTheLabel)
{
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        GivenRank levels;
        levels.rank = c.level.empty() ? std::string_view() : rankOf(c.level);
        CertificateWindow cert(levels);
        Frmreward &w = cert.w();
        cert.typeName(c.name);
        cert.click(w.Cmdmyname);

        auto *line = qobject_cast<toolkit::FittingLabel *>(w.Label1);
        ASSERT_NE(line, nullptr);
        const toolkit::FittingLabel::Fit fit = line->fit();
        // Nothing of the text is left out: the lines hold it all, broken only at a space or
        // inside a word too long for a line.
        EXPECT_EQ(fit.lines.join(QString()).remove(u' '), w.Label1->text().remove(u' '));
        EXPECT_EQ(fit.lines.size(), c.lines) << fit.lines.join(" | ").toStdString();
        EXPECT_LE(fit.font.pointSizeF(), c.atMostPoints);
        EXPECT_GE(fit.font.pointSizeF(), c.atLeastPoints);
        // The label's own look: its face, bold italic underlined, in its colour.
        EXPECT_EQ(fit.font.family(), w.Label1->font().family());
        EXPECT_TRUE(fit.font.bold() && fit.font.italic() && fit.font.underline());
        EXPECT_EQ(w.Label1->geometry(), nameline::place);

        const QImage shownOnScreen = w.certificateImage();
        const QRect ink = nameline::inkAround(shownOnScreen, 12);
        if (w.Label1->text().isEmpty()) {
            EXPECT_TRUE(ink.isEmpty());
            continue;
        }
        ASSERT_FALSE(ink.isEmpty());
        EXPECT_TRUE(nameline::place.adjusted(1, 1, -1, -1).contains(ink))
            << "ink " << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height();
        // Centred across the label.
        EXPECT_NEAR(ink.center().x(), nameline::place.center().x(), 3);
        EXPECT_GT(nameline::nameColoured(shownOnScreen, ink), 20);
    }
}

// A name too long even for two lines at the smallest size (a pasted page, the longest text the box
// takes) still leaves the label whole: two lines, the second ending in an ellipsis to show that
// more was written.
TEST(NameLine, ANameTooLongForTwoLinesEndsInAnEllipsis)
{
    for (const int length : {200, 32767}) {
        SCOPED_TRACE(length);
        GivenRank levels;
        levels.rank = rankOf("medium");
        CertificateWindow cert(levels);
        Frmreward &w = cert.w();
        w.Txtmyname->setText(QString(length, u'W'));
        cert.click(w.Cmdmyname);

        const auto fit = qobject_cast<toolkit::FittingLabel *>(w.Label1)->fit();
        ASSERT_EQ(fit.lines.size(), 2);
        EXPECT_EQ(fit.font.pointSizeF(), toolkit::FittingLabel::smallest);
        EXPECT_EQ(fit.lines[0], qstr(rankOf("medium")).trimmed());
        EXPECT_TRUE(fit.lines[1].startsWith("WWW"));
        EXPECT_TRUE(fit.lines[1].endsWith(QChar(0x2026))) << fit.lines[1].toStdString();
        const QRect ink = nameline::inkAround(w.certificateImage(), 12);
        EXPECT_TRUE(nameline::place.adjusted(1, 1, -1, -1).contains(ink))
            << "ink " << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height();
    }
}
