// The game's rules, written afresh from the rules text and sharing no code with the game: what
// each click, key and menu choice of a player does to the game window, the certificate and the
// about window. It knows the words (the constant word lists) and nothing else of the program.
#pragma once

#include <QString>
#include <optional>

#include "model/Screen.h"

namespace model {

enum class Level { Easy, Medium, Harder, Difficult };
// Every level the rules know, in menu order.
inline constexpr Level knownLevels[] = {Level::Easy, Level::Medium, Level::Harder, Level::Difficult};

enum class Window { Game, About, Certificate };

// The game window's controls that take the focus, in tab order, then "no control".
enum class GameControl { Txtspell, Cmdquit, Cmdclear, Txtscore, Cmdnextword, Cmdamiright, None };
// The certificate window's, likewise.
enum class CertificateControl { Txtmyname, Cmdmyname, Cmdprintit, Cmdexit, None };

// What became of a certificate handed to the printer, and where it was saved.
enum class PrintResult { Printed, Saved, Failed };
struct PrintOutcome {
    PrintResult result = PrintResult::Printed;
    QString savedFile;
};

QString controlName(GameControl control);
QString controlName(CertificateControl control);
QString levelItemName(Level level);

// The faces, names and ships of the crew roster, in the order the rules list them.
const QStringList &rosterControls();

class GameRules {
public:
    // The title window's OK: the game window loads and shows.
    void start();
    // Whether the last input ended the program (Quit, the certificate's exit button).
    bool ended() const { return ended_; }
    // Forgets what the last input drew, played and ended; call before each input.
    void beginInput();
    // The player turns to another window. One whose focus went nowhere (its focused control was
    // disabled or hidden) gives it to the first control in tab order that can take it.
    void activate(Window window);

    // The game window.
    void clickButton(GameControl button);
    void clickTextBox(GameControl box);
    void type(const QString &text);   // keys typed after moving to the end of a text box's text
    void paste(const QString &text);  // Ctrl+V after moving to the end
    void pressEnter(bool withCtrl);
    void pressSpace();
    void pressTab(bool backwards);
    void chooseLevel(Level level);  // the LEVEL item, or its shortcut, from anywhere in the window
    void chooseAbout();
    void pressAlt(QChar letter);

    // The about window: OK, Enter, Esc and the close box all close it.
    void closeAbout();

    // The certificate window.
    void clickCertificateNameBox();
    // A space typed on a focused button, or Enter, may press the print button: then ifPrinting happens.
    void typeOnCertificate(const QString &text, const PrintOutcome &ifPrinting = {});  // at the name's end
    void pressEnterOnCertificate(const PrintOutcome &ifPrinting = {});
    void pressTabOnCertificate(bool backwards);
    void clickCertificateButton(CertificateControl button, const PrintOutcome &ifPrinting = {});
    void closeCertificate();

    const Screen &screen() const { return screen_; }
    GameControl focus() const { return focus_; }
    // The certificate's control that takes the keys: the focused one, if it is shown.
    CertificateControl certificateKeys() const;
    QString currentWord() const;
    std::optional<Level> checkedLevel() const { return level_; }

private:
    // The game window's handlers and procedures.
    void formLoad();
    void levelChosen(Level level);
    void newWord();
    void clearAnswer();
    void amIRight();
    void quit();
    void stepTowardsEnd();
    void stepBack();
    void fall();
    void revealFallen();
    void draw();
    void cue(const char *player);
    bool nextWalkPhase();
    void press(GameControl button);
    bool canTakeFocus(GameControl control) const;
    void typeCharacter(QChar c);

    // The certificate's.
    void openCertificate();
    void putNameOn();
    void printCertificate(const PrintOutcome &outcome);
    void pressOnCertificate(CertificateControl button, const PrintOutcome &ifPrinting);
    bool shownOnCertificate(CertificateControl control) const;
    void hideOnCertificate(CertificateControl control);

    Screen screen_;
    std::optional<Level> level_;
    GameControl focus_ = GameControl::None;
    CertificateControl certificateFocus_ = CertificateControl::None;  // may be hidden
    bool certificateEverOpened_ = false;
    bool ended_ = false;
};

}  // namespace model
