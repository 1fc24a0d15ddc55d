// The inputs a player gives the windows, picked at random but in the patterns children play in
// (whole turns, mostly right), and what each one means to the rules model.
#pragma once

#include <QChar>
#include <QString>
#include <deque>
#include <random>

#include "model/GameRules.h"

namespace model {

enum class Act {
    // The game window.
    ClickNewWord, ClickClear, ClickAmIRight, ClickQuit, ClickAnswerBox, ClickScoreBox,
    Type, Paste, Enter, CtrlEnter, Space, Tab, Backtab, LevelShortcut, LevelMenu, About, Alt,
    // The about window.
    AboutOk, AboutEnter, AboutEsc, AboutCloseBox,
    // The certificate window.
    CertificateClickNameBox, CertificateType, CertificateEnter, CertificateTab, CertificateBacktab,
    CertificateClickName, CertificateClickPrint, CertificateClickExit, CertificateCloseBox, CertificateBlankMenu,
};

struct Action {
    Act act = Act::ClickNewWord;
    QString text;            // typed or pasted
    Level level = Level::Easy;
    QChar letter;            // with Alt
    PrintOutcome printing;   // what the printer does if this input prints the certificate
};

Window windowOf(Act act);
QString describe(const Action &action);

// Applies the input to the rules.
void applyTo(GameRules &rules, const Action &action);

// Picks the next input from what the rules say is on the screen.
class ActionPicker {
public:
    explicit ActionPicker(std::uint64_t seed) : random_(seed) {}
    Action next(const GameRules &rules);

private:
    enum class Planned { NewWord, Clear, TypeAnswer, Judge };
    Action single(const GameRules &rules);
    Action planned(Planned step, const GameRules &rules);
    QString answerFor(const GameRules &rules);
    QString junk(bool spaces);
    QString pasteText(bool oneLine);
    PrintOutcome printing();
    int below(int n) { return int(std::uniform_int_distribution<int>(0, n - 1)(random_)); }
    bool chance(double p) { return std::bernoulli_distribution(p)(random_); }

    std::mt19937_64 random_;
    std::deque<Planned> plan_;
    int savedFiles_ = 0;
};

}  // namespace model
