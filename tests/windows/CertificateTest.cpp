// The certificate window: the name with the rank of the checked level, its keys, what goes on
// paper, what the player sees after printing, and the way out of the game.
#include <QMenuBar>
#include <gtest/gtest.h>
#include <vector>

#include "support/ActiveWindow.h"
#include "CertificateWindow.h"
#include "Ranks.h"
#include "app/toolkit/Pictures.h"
#include "support/GameDriver.h"
#include "support/WaitUntil.h"

namespace {

using Kind = CertificatePrinter::Outcome::Kind;

// Places on the certificate, in pixels of its client area.
const QRect nameBoxPlace(232, 0, 329, 41);
const QRect printButtonPlace(216, 424, 321, 41);
const QRect exitButtonPlace(8, 8, 113, 97);
const QRect nameLinePlace(232, 248, 337, 57);
const QRect notePlace(0, 525, 794, 31);

// True if the picture shows only the certificate's background inside the rectangle.
bool showsBackgroundOnly(const QImage &picture, const QRect &place)
{
    const QImage background = toolkit::loadImage(art::certificate).convertToFormat(QImage::Format_RGB32);
    const QImage shown = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = place.top(); y <= place.bottom(); ++y)
        for (int x = place.left(); x <= place.right(); ++x)
            if (shown.pixel(x, y) != background.pixel(x, y))
                return false;
    return true;
}

int pixelsNear(const QImage &picture, const QRect &place, QRgb colour, int tolerance)
{
    int count = 0;
    for (int y = place.top(); y <= place.bottom(); ++y)
        for (int x = place.left(); x <= place.right(); ++x) {
            const QRgb p = picture.pixel(x, y);
            if (std::abs(qRed(p) - qRed(colour)) <= tolerance && std::abs(qGreen(p) - qGreen(colour)) <= tolerance
                && std::abs(qBlue(p) - qBlue(colour)) <= tolerance)
                ++count;
        }
    return count;
}

class Certificate : public ::testing::Test {
protected:
    GivenRank levels;
    CertificateWindow cert{levels};
    Frmreward &w = cert.w();
};

}  // namespace

TEST(CertificateName, TheRankOfTheCheckedLevelGoesBeforeTheName)
{
    struct Case {
        std::string_view rank;
        QString name;
        QString nameLine;
    };
    std::vector<Case> cases;
    for (const Level &level : levels)
        cases.push_back({level.rank, "Anna", qstr(level.rank) + "Anna"});
    const std::string_view easy = rankOf("easy");
    const std::string_view difficult = rankOf("difficult");
    cases.insert(cases.end(), {
        {{}, "Anna", "Anna"},
        {difficult, "", qstr(difficult)},
        {{}, "", ""},
        {easy, "  Long John  ", qstr(easy) + "  Long John  "},
        {easy, "<b>Jo</b>", qstr(easy) + "<b>Jo</b>"},
    });
    for (const Case &c : cases) {
        SCOPED_TRACE(c.nameLine.toStdString());
        GivenRank rank;
        rank.rank = c.rank;
        CertificateWindow cert(rank);
        cert.typeName(c.name);
        cert.click(cert.w().Cmdmyname);
        EXPECT_EQ(cert.nameLine(), c.nameLine);
        EXPECT_EQ(cert.w().Label1->textFormat(), Qt::PlainText);
    }
}

TEST_F(Certificate, TheNameGoesOnOnceAndThePrintPartIsLeftAlone)
{
    levels.rank = rankOf("easy");
    cert.typeName("Anna");
    cert.click(w.Cmdmyname);

    EXPECT_FALSE(w.Txtmyname->isVisible());
    EXPECT_FALSE(w.Cmdmyname->isVisible());
    EXPECT_TRUE(w.Cmdprintit->isVisible());
    EXPECT_FALSE(w.Cmdexit->isVisible());
    EXPECT_TRUE(cert.printer->printed.empty());
    // The focus moved on from the hidden box to the print button.
    EXPECT_EQ(cert.focused(), w.Cmdprintit);
}

TEST_F(Certificate, EnterRightAfterTypingTheNamePutsItOn)
{
    levels.rank = rankOf("harder");
    ASSERT_EQ(cert.focused(), cert.nameEditor());
    QTest::keyClicks(cert.focused(), "Ben");
    QTest::keyClick(cert.focused(), Qt::Key_Return);
    EXPECT_EQ(cert.nameLine(), "Vice Admiral Ben");
    EXPECT_TRUE(cert.printer->printed.empty());
}

TEST_F(Certificate, TabVisitsTheVisibleButtonsAndEnterPressesTheFocusedOne)
{
    const auto tab = [&] { QTest::keyClick(cert.focused(), Qt::Key_Tab); };
    ASSERT_EQ(cert.focused(), cert.nameEditor());
    tab();
    EXPECT_EQ(cert.focused(), w.Cmdmyname);
    tab();
    EXPECT_EQ(cert.focused(), w.Cmdprintit);
    tab();  // the exit button is hidden: back to the name box
    EXPECT_EQ(cert.focused(), cert.nameEditor());

    QTest::keyClicks(cert.focused(), "Cy");
    tab();
    tab();
    QTest::keyClick(cert.focused(), Qt::Key_Return);  // the print button, not the default button
    EXPECT_EQ(cert.printer->printed.size(), 1u);
    EXPECT_EQ(cert.nameLine(), "");
    EXPECT_TRUE(w.Cmdexit->isVisible());

    QTest::keyClick(cert.focused(), Qt::Key_Escape);  // no cancel button
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(cert.programEnds, 0);

    // The hidden print button passed the focus on; the exit button now takes its turn.
    ASSERT_EQ(cert.focused(), cert.nameEditor());
    tab();
    EXPECT_EQ(cert.focused(), w.Cmdmyname);
    tab();
    EXPECT_EQ(cert.focused(), w.Cmdexit);
    QTest::keyClick(cert.focused(), Qt::Key_Return);
    EXPECT_EQ(cert.programEnds, 1);
}

TEST_F(Certificate, PrintingBeforeTheNamePutsTheNameBoxOnPaperButNeverThePrintOrExitButton)
{
    cert.typeName("Dot");
    cert.click(w.Cmdprintit);

    ASSERT_EQ(cert.printer->printed.size(), 1u);
    const QImage paper = cert.printer->printed.front().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(paper.size(), QSize(794, 556));
    EXPECT_FALSE(showsBackgroundOnly(paper, nameBoxPlace));
    EXPECT_TRUE(showsBackgroundOnly(paper, printButtonPlace.adjusted(0, 3, 0, 0)));
    EXPECT_TRUE(showsBackgroundOnly(paper, exitButtonPlace));
    EXPECT_TRUE(showsBackgroundOnly(paper, nameLinePlace));  // no name yet
}

TEST_F(Certificate, PrintingAfterTheNamePutsTheNameLineOnPaper)
{
    levels.rank = rankOf("medium");
    cert.typeName("Eve");
    cert.click(w.Cmdmyname);
    cert.click(w.Cmdprintit);

    ASSERT_EQ(cert.printer->printed.size(), 1u);
    const QImage paper = cert.printer->printed.front().convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(showsBackgroundOnly(paper, nameBoxPlace));
    EXPECT_GT(pixelsNear(paper, nameLinePlace, qRgb(0x80, 0, 0), 24), 200);
    // What went on paper is what the window shows, bar the exit button that came up after.
    w.Cmdexit->hide();
    EXPECT_EQ(w.certificateImage().convertToFormat(QImage::Format_RGB32), paper);
}

TEST_F(Certificate, AfterPrintingTheExitButtonComesUpAndEndsTheProgram)
{
    cert.click(w.Cmdprintit);
    EXPECT_FALSE(w.Cmdprintit->isVisible());
    EXPECT_TRUE(w.Cmdexit->isVisible());
    EXPECT_FALSE(w.Lblprintnote->isVisible());
    EXPECT_EQ(cert.programEnds, 0);

    cert.click(w.Cmdexit);
    EXPECT_EQ(cert.programEnds, 1);
}

TEST_F(Certificate, WhenSavedInsteadItSaysWhereInALabel)
{
    cert.printer->answer = {Kind::Saved, "/home/anna/Documents/Scallywise certificate (2).pdf"};
    cert.click(w.Cmdprintit);

    EXPECT_TRUE(w.Lblprintnote->isVisible());
    EXPECT_TRUE(w.Lblprintnote->text().contains("/home/anna/Documents/Scallywise certificate (2).pdf"));
    EXPECT_FALSE(w.Cmdprintit->isVisible());
    EXPECT_TRUE(w.Cmdexit->isVisible());
    // The note lies below the parchment, over none of the certificate's wording.
    for (QWidget *wording : {(QWidget *)w.Lblfour, (QWidget *)w.Cmdprintit, (QWidget *)w.Label1})
        EXPECT_FALSE(w.Lblprintnote->geometry().intersects(wording->geometry()));
}

TEST_F(Certificate, WhenNothingWorkedThePrintButtonComesBackToTryAgain)
{
    cert.printer->answer = {Kind::Failed, {}};
    cert.click(w.Cmdprintit);
    EXPECT_TRUE(w.Cmdprintit->isVisible());
    EXPECT_FALSE(w.Cmdexit->isVisible());
    EXPECT_TRUE(w.Lblprintnote->isVisible());
    EXPECT_TRUE(w.Lblprintnote->text().contains("try again"));

    cert.printer->answer = {Kind::Printed, {}};
    cert.click(w.Cmdprintit);
    EXPECT_EQ(cert.printer->printed.size(), 2u);
    EXPECT_TRUE(w.Cmdexit->isVisible());
    EXPECT_FALSE(w.Lblprintnote->isVisible());
    // Neither picture shows the print button, and the second does not show the first's note.
    for (const QImage &paper : cert.printer->printed) {
        const QImage shown = paper.convertToFormat(QImage::Format_RGB32);
        EXPECT_TRUE(showsBackgroundOnly(shown, printButtonPlace.adjusted(0, 3, 0, 0)));
        EXPECT_TRUE(showsBackgroundOnly(shown, notePlace));
    }
}

TEST_F(Certificate, TheBlankMenuEntryDoesNothing)
{
    QMenuBar *bar = w.menuBar();
    ASSERT_TRUE(bar->isVisible());
    EXPECT_TRUE(w.mnuput->text().trimmed().isEmpty());
    const QRect entry = bar->actionGeometry(w.mnuput);
    EXPECT_GT(entry.width(), 0);

    const QImage before = w.certificateImage();
    QTest::mouseClick(bar, Qt::LeftButton, {}, entry.center());
    QTest::qWait(50);
    EXPECT_EQ(w.certificateImage(), before);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(cert.programEnds, 0);
    EXPECT_TRUE(cert.printer->printed.empty());
}

TEST(CertificateOverTheGame, TheRankFollowsTheLevelCheckedWhenTheNameGoesOn)
{
    GameDriver game;
    game.chooseLevel("easy");
    CertificateWindow cert(game.w());
    cert.typeName("Fay");

    // The player goes back to the game and changes the level while the certificate is open.
    testsupport::makeActive(&game.w());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&game.w()));
    game.chooseLevel("difficult");
    ASSERT_TRUE(game.w().levelItem(*levelNamed("difficult"))->isChecked());

    cert.click(cert.w().Cmdmyname);
    EXPECT_EQ(cert.nameLine(), qstr(rankOf("difficult")) + "Fay");
}

TEST(CertificateOverTheGame, WithSeveralItemsCheckedTheFirstInMenuOrderGivesTheRank)
{
    GameDriver game;
    ASSERT_GE(levels.size(), 2u);
    for (const Level &level : levels.subspan(1))
        game.w().levelItem(level)->setChecked(true);
    CertificateWindow cert(game.w());
    cert.typeName("Jo");
    cert.click(cert.w().Cmdmyname);
    EXPECT_EQ(cert.nameLine(), qstr(levels[1].rank) + "Jo");
}

TEST(CertificateOverTheGame, ClosingItUnloadsItAndTheGameGoesOn)
{
    GameDriver game;
    game.chooseLevel("medium");
    CertificateWindow cert(game.w());
    QPointer<Frmreward> window = cert.window;

    window->close();
    ASSERT_TRUE(waitUntil([&] { return window.isNull(); }));
    EXPECT_EQ(cert.programEnds, 0);
    EXPECT_TRUE(game.w().isVisible());
    game.answerRight();
    EXPECT_EQ(game.answerText(), "YES!");
}
