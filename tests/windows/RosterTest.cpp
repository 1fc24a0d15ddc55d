// The crew roster: what each of the first twelve falls reveals and plays, in order, the
// certificate after the twelfth, and nothing after that.
#include <QSignalSpy>
#include <gtest/gtest.h>

#include "support/GameDriver.h"
#include "windows/Frmreward.h"
#include "support/WaitUntil.h"

namespace {

const QStringList rosterControls = {
    "Imgpatchy",    "Imgcurly",  "Imgscarf",    "Imgjames",  "Imgindianjoe", "Imgsilas",    "Imgtar",
    "Imgblackjack", "Imgbigned", "Imgchinabob", "Imgskullface", "Imgfreckles", "Lblpatchy", "Lblcurly",
    "Lblscarf",     "Lbljames",  "Lblindianjoe", "Lblsilas", "Lbltar",       "Lblblackjack", "Lblbigned",
    "Lblchina",     "Lblskull",  "Lblfreckles", "Imgship3",  "Imgship2",     "Imgship1"};

// One cue as it ran: the player, and whether the newest ship and the certificate were showing.
struct CueRun {
    QString player;
    bool shipShowing;
    bool certificateOpen;
    bool operator==(const CueRun &) const = default;
};

struct Checkpoint {
    int falls;
    QStringList visible;     // every roster control visible afterwards
    QStringList names;       // the captions of the visible name labels
    QString newestShip;      // the ship watched while the cues of these falls ran
    std::vector<CueRun> cues;  // the cues of the falls since the previous checkpoint
};

class Roster : public ::testing::Test {
protected:
    Roster()
    {
        QObject::connect(&w, &frmScallywise::cueRun, [this](const QString &player) {
            const QWidget *ship = watchedShip.isEmpty() ? nullptr : w.control(watchedShip.toStdString());
            cues.push_back({player, ship && ship->isVisibleTo(&w), w.certificate() != nullptr});
        });
    }

    QStringList visibleRoster()
    {
        QStringList shown;
        for (const QString &name : rosterControls)
            if (w.control(name.toStdString())->isVisibleTo(&w))
                shown << name;
        return shown;
    }
    QStringList visibleNames()
    {
        QStringList captions;
        for (const QString &name : visibleRoster())
            if (auto *label = qobject_cast<QLabel *>(w.control(name.toStdString())))
                captions << label->text();
        return captions;
    }

    GameDriver game;
    frmScallywise &w = game.w();
    QString watchedShip;
    std::vector<CueRun> cues;
};

}  // namespace

TEST_F(Roster, EachFallRevealsItsPirateAndShipAndPlaysItsCueInOrder)
{
    const Checkpoint checkpoints[] = {
        {1, {"Imgpatchy", "Lblpatchy"}, {"Patchy"}, "", {{"MMcurses", false, false}}},
        {4,
         {"Imgpatchy", "Imgcurly", "Imgscarf", "Imgjames", "Lblpatchy", "Lblcurly", "Lblscarf", "Lbljames",
          "Imgship3"},
         {"Patchy", "Curly", "Scarface", "Gentleman James"},
         "Imgship3",
         {{"MMcurses", false, false}, {"MMcurses", false, false}, {"MMvoices", true, false}}},
        {8,
         {"Imgpatchy", "Imgcurly", "Imgscarf", "Imgjames", "Imgindianjoe", "Imgsilas", "Imgtar", "Imgblackjack",
          "Lblpatchy", "Lblcurly", "Lblscarf", "Lbljames", "Lblindianjoe", "Lblsilas", "Lbltar", "Lblblackjack",
          "Imgship3", "Imgship2"},
         {"Patchy", "Curly", "Scarface", "Gentleman James", "Indian Joe", "Silas", "Tar", "Black Jack"},
         "Imgship2",
         // The eighth pirate's voices twice: once with his face, once with the ship.
         {{"MMcurses", false, false},
          {"MMcurses", false, false},
          {"MMcurses", false, false},
          {"MMvoices", false, false},
          {"MMvoices", true, false}}},
        {12,
         rosterControls,
         {"Patchy", "Curly", "Scarface", "Gentleman James", "Indian Joe", "Silas", "Tar", "Black Jack", "Big Ned",
          "China Bob", "Skull Face", "Freckles"},
         "Imgship1",
         // The fleet's salute with the third ship showing and before the certificate opens.
         {{"MMcurses", false, false},
          {"MMcurses", false, false},
          {"MMcurses", false, false},
          {"MMfleet", true, false}}},
    };

    EXPECT_TRUE(visibleRoster().isEmpty());
    for (const Checkpoint &c : checkpoints) {
        SCOPED_TRACE(testing::Message() << "after " << c.falls << " falls");
        watchedShip = c.newestShip;
        cues.clear();
        game.fallPirates(c.falls - w.pirate().pirateCount);

        EXPECT_EQ(visibleRoster(), c.visible);
        EXPECT_EQ(visibleNames(), c.names);
        EXPECT_EQ(cues, c.cues);
        EXPECT_EQ(w.certificate() != nullptr, c.falls == 12);
    }
    ASSERT_NE(w.certificate(), nullptr);
    EXPECT_TRUE(w.certificate()->isVisible());
    EXPECT_EQ(w.certificate()->windowTitle(), "THANKYOU!");
}

TEST_F(Roster, AfterTheTwelfthFallsRevealNothingAndTheClosedCertificateStaysClosed)
{
    game.fallPirates(12);
    QPointer<Frmreward> certificate = w.certificate();
    ASSERT_FALSE(certificate.isNull());
    const QStringList shown = visibleRoster();
    // The certificate opens over the game, which goes on.
    game.answerRight();
    EXPECT_EQ(game.answerText(), "YES!");

    certificate->close();
    ASSERT_TRUE(waitUntil([&] { return certificate.isNull(); }));
    EXPECT_EQ(w.certificate(), nullptr);

    QSignalSpy played(&w, &frmScallywise::cueRun);
    game.fallPirates(2);
    EXPECT_EQ(w.pirate().pirateCount, 14);
    EXPECT_EQ(played.count(), 0);
    EXPECT_EQ(visibleRoster(), shown);
    EXPECT_EQ(w.certificate(), nullptr);
    for (QWidget *top : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<Frmreward *>(top), nullptr) << "a certificate came back";
}

TEST_F(Roster, TheCertificateTakesTheKeyboardAsItOpens)
{
    game.fallPirates(12);
    Frmreward *certificate = w.certificate();
    ASSERT_NE(certificate, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(certificate));
    QTest::keyClicks(QApplication::focusWidget(), "Ann");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(certificate->Label1->text(), "Captain Ann");
    EXPECT_EQ(game.answerText(), "YES!");  // nothing reached the game behind it
}

TEST_F(Roster, AnOpenCertificateIsNotOpenedAgainByLaterFalls)
{
    game.fallPirates(12);
    Frmreward *certificate = w.certificate();
    game.fallPirates(1);
    EXPECT_EQ(w.certificate(), certificate);
    int certificates = 0;
    for (QWidget *top : QApplication::topLevelWidgets())
        certificates += qobject_cast<Frmreward *>(top) != nullptr;
    EXPECT_EQ(certificates, 1);
}
