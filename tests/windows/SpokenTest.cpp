// What a child who plays by ear is told: every line the game says to a screen reader, heard
// through the announcer as it is said, played by clicks and keys, and each line checked against
// what the windows show at that very moment.
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMap>
#include <gtest/gtest.h>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "CertificateWindow.h"
#include "app/toolkit/Announcer.h"
#include "app/toolkit/Controls.h"
#include "support/GameDriver.h"
#include "support/WaitUntil.h"

namespace {

// Every control on show in every window on show, by name, with its text (empty for a picture).
QMap<QString, QString> onShow()
{
    QMap<QString, QString> shown;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        for (QWidget *control : window->findChildren<QWidget *>()) {
            if (control->objectName().isEmpty() || !control->isVisible())
                continue;
            QString text;
            if (auto *label = qobject_cast<QLabel *>(control))
                text = label->text();
            else if (auto *box = qobject_cast<toolkit::TextBox *>(control))
                text = box->text();
            else if (auto *button = qobject_cast<QAbstractButton *>(control))
                text = button->text();
            shown.insert(control->objectName(), text);
        }
    }
    return shown;
}

// Hears every line instead of the accessibility bus, with the window it was said on and what
// the screen showed as it was said.
class Listener : public toolkit::Announcer {
public:
    struct Heard {
        QString window;
        QString line;
        QMap<QString, QString> shown;
    };

    Listener() : previous_(toolkit::setAnnouncer(this)) {}
    ~Listener() override { toolkit::setAnnouncer(previous_); }
    void announce(QWidget *window, const QString &line) override
    {
        heard.push_back({window->windowTitle(), line, onShow()});
    }

    std::vector<Heard> heard;

private:
    toolkit::Announcer *previous_;
};

// One game, or one certificate alone, with everything said in it heard.
struct Play {
    Listener listener;
    std::unique_ptr<GameDriver> game;
    GivenRank rank;
    std::unique_ptr<CertificateWindow> certificate;

    Play() { rank.rank = "Captain "; }

    GameDriver &g()
    {
        if (!game)
            game = std::make_unique<GameDriver>();
        return *game;
    }
    // Right answers until the next pirate falls; only what the last AM I RIGHT? brought is kept.
    void pushNextPirateOff()
    {
        const int falls = g().w().pirate().pirateCount;
        while (g().w().pirate().pirateCount == falls && !::testing::Test::HasFatalFailure()) {
            g().newWord();
            g().typeAnswer(g().w().currentWord());
            listener.heard.clear();
            g().amIRight();
        }
    }
    void openCertificate() { certificate = std::make_unique<CertificateWindow>(rank); }
    void print(CertificatePrinter::Outcome outcome)
    {
        certificate->printer->answer = std::move(outcome);
        certificate->click(certificate->w().Cmdprintit);
    }
};

// A control on show, and the text it shows; without a text, only that it is on show.
struct Shown {
    QString control;
    std::optional<QString> text;
};

struct Line {
    QString window;  // the title of the window it is said on
    QString said;    // {word}, {spelt}, {score}: the word and the score as the game has them afterwards
    std::vector<Shown> shows;
};

struct Case {
    std::string name;
    std::function<void(Play &)> before;  // not listened to
    std::function<void(Play &)> act;
    std::vector<Line> heard;  // everything said, in order; nothing else may be
};

const QString game = QStringLiteral("Scallywise!");
const QString thankYou = QStringLiteral("THANKYOU!");
const QString savedAs = QStringLiteral("/home/ann/Documents/Scallywise certificate.pdf");

// The certificate's wording as the window shows it, each line with its label.
const std::vector<Shown> wordingShown = {
    {"Lblfirst", "By order of her Majesty "},
    {"Lblsecond", "you are hereby awarded the title of "},
    {"Lblthree", "For services to her Majestys Royal Navy"},
    {"Lblfour", "GOD SAVE THE QUEEN"},
};
const QString wordingSaid = QStringLiteral("By order of her Majesty. you are hereby awarded the title of. "
                                           "For services to her Majestys Royal Navy. GOD SAVE THE QUEEN");

void withWording(std::vector<Shown> &shows)
{
    shows.insert(shows.end(), wordingShown.begin(), wordingShown.end());
}

void levelEasy(Play &p) { p.g().chooseLevel("easy"); }
void wordOnShow(Play &p)
{
    levelEasy(p);
    p.g().newWord();
}
void pressEnter(Play &p) { QTest::keyClick(p.g().answerEditor(), Qt::Key_Return); }
auto fallen(int falls)
{
    return [falls](Play &p) { p.g().fallPirates(falls); };
}

std::vector<Case> cases()
{
    std::vector<Case> all = {
        {"LevelEasy", {}, [](Play &p) { p.g().chooseLevel("easy"); },
         {{game, "Level easy. press NEW-WORD", {{"Txtspell", "press NEW-WORD"}}}}},
        {"LevelMedium", {}, [](Play &p) { p.g().chooseLevel("medium"); },
         {{game, "Level medium. press NEW-WORD", {{"Txtspell", "press NEW-WORD"}}}}},
        {"LevelHarder", {}, [](Play &p) { p.g().chooseLevel("harder"); },
         {{game, "Level harder. press NEW-WORD", {{"Txtspell", "press NEW-WORD"}}}}},
        {"LevelDifficult", {}, [](Play &p) { p.g().chooseLevel("difficult"); },
         {{game, "Level difficult. press NEW-WORD", {{"Txtspell", "press NEW-WORD"}}}}},
        {"AnswerBeforeAnyLevel", {}, [](Play &p) { p.g().amIRight(); },
         {{game, "Choose a level", {{"Txtspell", "Choose a level"}}}}},
        {"NewWordSaidAndSpelt", levelEasy, [](Play &p) { p.g().newWord(); },
         {{game, "{word}. {spelt}", {{"Txtspell", "{word}"}}}}},
        {"AnswerWhileTheWordShows", wordOnShow, [](Play &p) { p.g().amIRight(); },
         {{game, "Type the answer!", {{"Txtspell", "Type the answer!"}}}}},
        // The box empties under the focus, which a screen reader follows by itself.
        {"ClearSaysNothing", wordOnShow, [](Play &p) { p.g().clear(); }, {}},
        {"RightAnswerByEnter",
         [](Play &p) {
             wordOnShow(p);
             p.g().typeAnswer(p.g().w().currentWord());
         },
         pressEnter, {{game, "YES! Score 1", {{"Txtspell", "YES!"}, {"Txtscore", "1"}}}}},
        {"WrongAnswer",
         [](Play &p) {
             wordOnShow(p);
             p.g().typeAnswer(p.g().w().currentWord() + "x");
         },
         [](Play &p) { p.g().amIRight(); }, {{game, "OOPS!", {{"Txtspell", "OOPS!"}}}}},
        {"FirstFall", levelEasy, &Play::pushNextPirateOff,
         {{game, "YES! Score {score}", {{"Txtspell", "YES!"}, {"Txtscore", "{score}"}}},
          {game, "Patchy fell. 1 pirate has fallen.", {{"Imgpatchy", {}}, {"Lblpatchy", "Patchy"}}}}},
        {"SecondFall", fallen(1), &Play::pushNextPirateOff,
         {{game, "YES! Score {score}", {{"Txtscore", "{score}"}}},
          {game, "Curly fell. 2 pirates have fallen.", {{"Imgcurly", {}}, {"Lblcurly", "Curly"}}}}},
        {"FourthFallBringsAShip", fallen(3), &Play::pushNextPirateOff,
         {{game, "YES! Score {score}", {{"Txtscore", "{score}"}}},
          {game, "Gentleman James fell. 4 pirates have fallen. A ship joins the fleet.",
           {{"Imgjames", {}}, {"Lbljames", "Gentleman James"}, {"Imgship3", {}}}}}},
        {"EighthFallBringsAShip", fallen(7), &Play::pushNextPirateOff,
         {{game, "YES! Score {score}", {{"Txtscore", "{score}"}}},
          {game, "Black Jack fell. 8 pirates have fallen. A ship joins the fleet.",
           {{"Imgblackjack", {}}, {"Lblblackjack", "Black Jack"}, {"Imgship2", {}}}}}},
        // The window that opens would cut off a line said before it: the fall is told with the wording.
        {"TwelfthFallOpensTheCertificate", fallen(11), &Play::pushNextPirateOff,
         {{game, "YES! Score {score}", {{"Txtscore", "{score}"}}},
          {thankYou, "Freckles fell. 12 pirates have fallen. A ship joins the fleet. " + wordingSaid,
           {{"Imgfreckles", {}}, {"Lblfreckles", "Freckles"}, {"Imgship1", {}}}}}},
        {"CertificateOpens", {}, &Play::openCertificate, {{thankYou, wordingSaid, {}}}},
        {"NamePutOn", &Play::openCertificate,
         [](Play &p) {
             p.certificate->typeName("Ann");
             QTest::keyClick(p.certificate->nameEditor(), Qt::Key_Return);
         },
         {{thankYou, "Captain Ann", {{"Label1", "Captain Ann"}}}}},
        {"Printed", &Play::openCertificate, [](Play &p) { p.print({CertificatePrinter::Outcome::Kind::Printed, {}}); },
         {{thankYou, "The certificate went to the printer.", {{"Cmdexit", {}}}}}},
        {"SavedInstead", &Play::openCertificate,
         [](Play &p) { p.print({CertificatePrinter::Outcome::Kind::Saved, savedAs}); },
         {{thankYou, "No printer took the certificate, so it is saved as " + savedAs,
           {{"Lblprintnote", "No printer took the certificate, so it is saved as " + savedAs}, {"Cmdexit", {}}}}}},
        {"NeitherPrintedNorSaved", &Play::openCertificate,
         [](Play &p) { p.print({CertificatePrinter::Outcome::Kind::Failed, {}}); },
         {{thankYou, "The certificate could not be printed or saved. Press PRINT OUT to try again.",
           {{"Lblprintnote", "The certificate could not be printed or saved. Press PRINT OUT to try again."},
            {"Cmdprintit", {}}}}}},
    };
    for (Case &c : all)
        for (Line &line : c.heard)
            if (line.window == thankYou)
                withWording(line.shows);
    return all;
}

void PrintTo(const Case &c, std::ostream *out) { *out << c.name; }

class Spoken : public ::testing::TestWithParam<Case> {};

std::vector<std::string> lines(const std::vector<QString> &texts)
{
    std::vector<std::string> out;
    for (const QString &text : texts)
        out.push_back(text.toStdString());
    return out;
}

}  // namespace

TEST_P(Spoken, EveryLineHeardAsTheScreenShowsIt)
{
    const Case &c = GetParam();
    Play play;
    if (c.before)
        c.before(play);
    ASSERT_FALSE(HasFatalFailure());
    QCoreApplication::processEvents();
    play.listener.heard.clear();

    c.act(play);
    ASSERT_FALSE(HasFatalFailure());
    // A line may come a moment later, as a window that opens takes the keyboard.
    waitUntil([&] { return play.listener.heard.size() >= c.heard.size(); }, std::chrono::seconds(10));
    QCoreApplication::processEvents();

    const QString word = play.game ? play.game->w().currentWord() : QString();
    const QString score = play.game ? play.game->scoreText() : QString();
    auto filled = [&](QString text) {
        return text.replace("{word}", word).replace("{spelt}", toolkit::spelt(word)).replace("{score}", score);
    };
    std::vector<QString> expected, heard;
    for (const Line &line : c.heard)
        expected.push_back(line.window + ": " + filled(line.said));
    for (const Listener::Heard &h : play.listener.heard)
        heard.push_back(h.window + ": " + h.line);
    ASSERT_EQ(lines(heard), lines(expected));

    for (size_t i = 0; i < c.heard.size(); ++i) {
        const Listener::Heard &h = play.listener.heard[i];
        for (const Shown &s : c.heard[i].shows) {
            SCOPED_TRACE("as \"" + h.line.toStdString() + "\" was said");
            ASSERT_TRUE(h.shown.contains(s.control)) << s.control.toStdString() << " is not on show";
            if (s.text) {
                EXPECT_EQ(h.shown.value(s.control).toStdString(), filled(*s.text).toStdString())
                    << s.control.toStdString();
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Game, Spoken, ::testing::ValuesIn(cases()),
                         [](const ::testing::TestParamInfo<Case> &info) { return info.param.name; });
