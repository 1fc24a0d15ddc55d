// The game's rules as the rules text gives them, step by step, for the model-based random test.
#include "model/GameRules.h"

#include <array>
#include <string_view>

#include "game/WordLists.h"
#include "sprite/PirateWalk.h"

namespace model {
namespace {

struct LevelWords {
    Level level;
    const char *item;  // the LEVEL menu item that carries the level's check mark
    const std::string_view *first;
    const std::string_view *second;
};

constexpr LevelWords levelWords[] = {
    {Level::Easy, "mnueasy", wordlists::easyFirst, wordlists::easySecond},
    {Level::Medium, "mnumedium", wordlists::mediumFirst, wordlists::mediumSecond},
    {Level::Harder, "mnuharder", wordlists::harderFirst, wordlists::harderSecond},
    {Level::Difficult, "mnudifficult", wordlists::difficultFirst, wordlists::difficultSecond},
};

const LevelWords &wordsOf(Level level)
{
    for (const LevelWords &l : levelWords)
        if (l.level == level)
            return l;
    return levelWords[0];
}

struct Rank {
    Level level;
    const char *title;
};
// The name button tests the level items in this order.
constexpr Rank ranks[] = {
    {Level::Easy, "Captain "},
    {Level::Medium, "Commander "},
    {Level::Harder, "Vice Admiral "},
    {Level::Difficult, "Admiral "},
};

constexpr int lastWordIndex = 69;

// The pirate's numbers.
constexpr int step = 36;
constexpr int startX = 340, startY = 135, respawnX = 380;
constexpr int fallsAtOrBelow = 110;
constexpr int staysBesideShipFrom = 340;
constexpr int towardsEndRow = 8, backRow = 278;
constexpr int phaseColumn[] = {0, 55, 115};
// The fall's frames and how long its last one is held are the program's own table, read as they are.
constexpr int holdDraws = PirateWalk::holdFrames;

// What each of the first twelve fallen pirates reveals, in order: "show X", "cue X", "certificate".
constexpr std::array<std::array<std::string_view, 6>, 12> reveals = {{
    {"show Imgpatchy", "show Lblpatchy", "cue MMcurses"},
    {"show Imgcurly", "show Lblcurly", "cue MMcurses"},
    {"show Imgscarf", "show Lblscarf", "cue MMcurses"},
    {"show Imgjames", "show Lbljames", "show Imgship3", "cue MMvoices"},
    {"show Imgindianjoe", "show Lblindianjoe", "cue MMcurses"},
    {"show Imgsilas", "show Lblsilas", "cue MMcurses"},
    {"show Imgtar", "show Lbltar", "cue MMcurses"},
    {"show Imgblackjack", "show Lblblackjack", "cue MMvoices", "show Imgship2", "cue MMvoices"},
    {"show Imgbigned", "show Lblbigned", "cue MMcurses"},
    {"show Imgchinabob", "show Lblchina", "cue MMcurses"},
    {"show Imgskullface", "show Lblskull", "cue MMcurses"},
    {"show Imgfreckles", "show Lblfreckles", "show Imgship1", "cue MMfleet", "certificate"},
}};

constexpr GameControl gameTabOrder[] = {GameControl::Txtspell, GameControl::Cmdquit,     GameControl::Cmdclear,
                                        GameControl::Txtscore, GameControl::Cmdnextword, GameControl::Cmdamiright};
constexpr CertificateControl certificateTabOrder[] = {CertificateControl::Txtmyname, CertificateControl::Cmdmyname,
                                                      CertificateControl::Cmdprintit, CertificateControl::Cmdexit};

bool isAsciiLetter(QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

// The words are lower-case ASCII, so letter case is the only thing an answer may get wrong and
// still be right; every other character must match exactly.
bool sameIgnoringCase(const QString &a, const QString &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i] == b[i])
            continue;
        if (!isAsciiLetter(a[i]) || !isAsciiLetter(b[i]) || a[i].toLower() != b[i].toLower())
            return false;
    }
    return true;
}

// What the child can see of an answer: the blanks before the first and after the last visible
// character are invisible, so they are no part of it.
QString withoutOuterBlanks(const QString &answer)
{
    qsizetype first = 0, end = answer.size();
    while (first < end && answer[first].isSpace())
        ++first;
    while (end > first && answer[end - 1].isSpace())
        --end;
    return answer.mid(first, end - first);
}

bool isButton(GameControl c)
{
    return c == GameControl::Cmdquit || c == GameControl::Cmdclear || c == GameControl::Cmdnextword
        || c == GameControl::Cmdamiright;
}

bool isButton(CertificateControl c)
{
    return c == CertificateControl::Cmdmyname || c == CertificateControl::Cmdprintit
        || c == CertificateControl::Cmdexit;
}

// The next control after `from` in a cyclic tab order that passes `can`; from "no control",
// forwards starts at the first and backwards at the last.
template <class Control, size_t N, class Can>
Control nextInTabOrder(const Control (&order)[N], Control from, bool backwards, Can can)
{
    int at = -1;
    for (size_t i = 0; i < N; ++i)
        if (order[i] == from)
            at = int(i);
    const int n = int(N);
    if (at < 0)
        at = backwards ? 0 : n - 1;
    for (int k = 1; k <= n; ++k) {
        const Control c = order[((backwards ? at - k : at + k) % n + n) % n];
        if (can(c))
            return c;
    }
    return Control::None;
}

}  // namespace

QString controlName(GameControl control)
{
    switch (control) {
    case GameControl::Txtspell: return QStringLiteral("Txtspell");
    case GameControl::Cmdquit: return QStringLiteral("Cmdquit");
    case GameControl::Cmdclear: return QStringLiteral("Cmdclear");
    case GameControl::Txtscore: return QStringLiteral("Txtscore");
    case GameControl::Cmdnextword: return QStringLiteral("Cmdnextword");
    case GameControl::Cmdamiright: return QStringLiteral("Cmdamiright");
    case GameControl::None: break;
    }
    return QStringLiteral("none");
}

QString controlName(CertificateControl control)
{
    switch (control) {
    case CertificateControl::Txtmyname: return QStringLiteral("Txtmyname");
    case CertificateControl::Cmdmyname: return QStringLiteral("Cmdmyname");
    case CertificateControl::Cmdprintit: return QStringLiteral("Cmdprintit");
    case CertificateControl::Cmdexit: return QStringLiteral("Cmdexit");
    case CertificateControl::None: break;
    }
    return QStringLiteral("none");
}

QString levelItemName(Level level) { return QString::fromLatin1(wordsOf(level).item); }

const QStringList &rosterControls()
{
    static const QStringList names = [] {
        QStringList faces, labels, ships;
        for (const auto &row : reveals) {
            for (std::string_view step : row) {
                if (!step.starts_with("show "))
                    continue;
                const QString name = QString::fromLatin1(step.substr(5).data(), qsizetype(step.size() - 5));
                (name.startsWith(u"Img") ? (name.startsWith(u"Imgship") ? ships : faces) : labels) << name;
            }
        }
        return faces + labels + ships;
    }();
    return names;
}

QString listName(const std::string_view *list)
{
    static const char *const levelNames[] = {"easy", "medium", "harder", "difficult"};
    for (size_t i = 0; i < std::size(levelWords); ++i) {
        if (list == levelWords[i].first)
            return QStringLiteral("%1, first list").arg(QLatin1String(levelNames[i]));
        if (list == levelWords[i].second)
            return QStringLiteral("%1, second list").arg(QLatin1String(levelNames[i]));
    }
    return list ? QStringLiteral("an unknown list") : QStringLiteral("no list");
}

// ---- The game window ------------------------------------------------------------------------

void GameRules::start()
{
    const int ends = screen_.programEnds;
    screen_ = Screen{};
    screen_.programEnds = ends;
    screen_.answerEnabled = true;  // the layout's state, before the load handler
    screen_.newWordEnabled = true;
    level_.reset();
    formLoad();
    // The window shows: the focus goes to the first control in tab order that can take it.
    focus_ = nextInTabOrder(gameTabOrder, GameControl::None, false, [&](GameControl c) { return canTakeFocus(c); });
    screen_.focus = controlName(focus_);
    // What the load draws and plays happens before anyone watches.
    beginInput();
}

void GameRules::activate(Window window)
{
    if (window == Window::Game && focus_ == GameControl::None) {
        focus_ = nextInTabOrder(gameTabOrder, GameControl::None, false, [&](GameControl c) { return canTakeFocus(c); });
        screen_.focus = controlName(focus_);
    }
    if (window == Window::Certificate && screen_.certificate.open && certificateKeys() == CertificateControl::None) {
        certificateFocus_ = nextInTabOrder(certificateTabOrder, CertificateControl::None, false,
                                           [&](CertificateControl c) { return shownOnCertificate(c); });
        screen_.certificate.focus = controlName(certificateKeys());
    }
}

void GameRules::beginInput()
{
    screen_.draws.clear();
    screen_.cues.clear();
    ended_ = false;
}

void GameRules::formLoad()
{
    screen_.x = startX;
    screen_.y = startY;
    screen_.sx = 0;
    screen_.sy = towardsEndRow;
    draw();
    screen_.pirateCount = 0;
    screen_.wordIndex = 0;
    screen_.scoreCounter = 1;
    cue("MMmust");
    screen_.answer = QStringLiteral("Choose a level");
    screen_.newWordEnabled = false;
}

QString GameRules::currentWord() const
{
    if (!screen_.list || screen_.wordIndex < 0 || screen_.wordIndex > lastWordIndex)
        return {};
    const std::string_view word = screen_.list[screen_.wordIndex];
    return QString::fromLatin1(word.data(), qsizetype(word.size()));
}

bool GameRules::canTakeFocus(GameControl control) const
{
    switch (control) {
    case GameControl::Txtspell: return screen_.answerEnabled;
    case GameControl::Cmdnextword: return screen_.newWordEnabled;
    case GameControl::None: return false;
    default: return true;
    }
}

void GameRules::clickButton(GameControl button)
{
    if (!canTakeFocus(button))
        return;  // a disabled button takes no click
    focus_ = button;
    screen_.focus = controlName(focus_);
    press(button);
}

void GameRules::clickTextBox(GameControl box)
{
    if (!canTakeFocus(box))
        return;
    focus_ = box;
    screen_.focus = controlName(focus_);
}

void GameRules::press(GameControl button)
{
    switch (button) {
    case GameControl::Cmdnextword:
        if (screen_.newWordEnabled)
            newWord();
        break;
    case GameControl::Cmdclear: clearAnswer(); break;
    case GameControl::Cmdamiright: amIRight(); break;
    case GameControl::Cmdquit: quit(); break;
    default: break;
    }
    screen_.focus = controlName(focus_);
}

void GameRules::typeCharacter(QChar c)
{
    switch (focus_) {
    case GameControl::Txtspell: screen_.answer += c; break;
    case GameControl::Txtscore: screen_.score += c; break;
    case GameControl::None: break;
    default:
        if (c == u' ')
            press(focus_);  // the space bar presses a focused button
        break;
    }
}

void GameRules::type(const QString &text)
{
    for (QChar c : text) {
        if (ended_)
            return;
        typeCharacter(c);
    }
}

void GameRules::paste(const QString &text)
{
    if (focus_ == GameControl::Txtspell)
        screen_.answer += text;
    else if (focus_ == GameControl::Txtscore)
        screen_.score += text;
}

void GameRules::pressEnter(bool withCtrl)
{
    if (isButton(focus_))
        press(focus_);
    else if (withCtrl && focus_ == GameControl::Txtspell)
        screen_.answer += u'\n';  // a new line in the multi-line answer box
    else
        press(GameControl::Cmdamiright);  // the default button
}

void GameRules::pressSpace() { typeCharacter(u' '); }

void GameRules::pressTab(bool backwards)
{
    focus_ = nextInTabOrder(gameTabOrder, focus_, backwards, [&](GameControl c) { return canTakeFocus(c); });
    screen_.focus = controlName(focus_);
}

void GameRules::chooseLevel(Level level) { levelChosen(level); }

void GameRules::chooseAbout()
{
    screen_.aboutWindows = 1;
    screen_.aboutTexts = QStringLiteral("About scallywise | Version 1.0.0 | scallywise");
}

void GameRules::pressAlt(QChar letter)
{
    // An access key acts as a click on its button: the focus moves there, then the button is pressed.
    switch (letter.toUpper().unicode()) {
    case u'N': clickButton(GameControl::Cmdnextword); break;
    case u'C': clickButton(GameControl::Cmdclear); break;
    case u'Q': clickButton(GameControl::Cmdquit); break;
    default: break;  // no other access key
    }
}

void GameRules::levelChosen(Level level)
{
    screen_.newWordEnabled = true;
    level_ = level;
    screen_.checkedLevels = QStringList{levelItemName(level)};
    screen_.answer = QStringLiteral("press NEW-WORD");
    screen_.list = wordsOf(level).first;  // the word index stays where it is
}

void GameRules::newWord()
{
    screen_.answer = currentWord();
    screen_.answerEnabled = false;
    if (focus_ == GameControl::Txtspell)
        focus_ = GameControl::None;  // a control that is disabled loses the focus
    screen_.focus = controlName(focus_);
}

void GameRules::clearAnswer()
{
    screen_.answerEnabled = true;
    screen_.answer.clear();
    focus_ = GameControl::Txtspell;
    screen_.focus = controlName(focus_);
}

void GameRules::amIRight()
{
    if (!screen_.answerEnabled) {
        screen_.answer = QStringLiteral("Type the answer!");
        return;
    }
    if (!screen_.list) {
        screen_.answer = QStringLiteral("Choose a level");  // no word to judge yet
        return;
    }
    if (sameIgnoringCase(currentWord(), withoutOuterBlanks(screen_.answer))) {
        screen_.answer = QStringLiteral("YES!");
        screen_.score = QString::number(screen_.scoreCounter);
        stepTowardsEnd();
    } else {
        screen_.answer = QStringLiteral("OOPS!");
        if (screen_.x >= staysBesideShipFrom)
            ++screen_.wordIndex;
        else
            stepBack();
    }
    // Only one level is ever checked, so whatever order the levels are tested in, its second
    // list is the one loaded.
    if (level_ && screen_.wordIndex > lastWordIndex) {
        screen_.list = wordsOf(*level_).second;
        screen_.wordIndex = 0;
    }
}

void GameRules::quit()
{
    ++screen_.programEnds;
    ended_ = true;
}

bool GameRules::nextWalkPhase()
{
    if (screen_.phase < 0 || screen_.phase > 2)
        return false;
    screen_.phase = (screen_.phase + 1) % 3;
    screen_.sx = phaseColumn[screen_.phase];
    return true;
}

void GameRules::stepTowardsEnd()
{
    ++screen_.wordIndex;
    ++screen_.scoreCounter;
    if (screen_.x <= fallsAtOrBelow)
        fall();
    if (!nextWalkPhase())
        return;
    screen_.sy = towardsEndRow;
    screen_.x -= step;
    draw();
}

void GameRules::stepBack()
{
    ++screen_.wordIndex;
    if (!nextWalkPhase())
        return;
    screen_.sy = backRow;
    screen_.x += step;
    draw();
}

void GameRules::fall()
{
    ++screen_.pirateCount;
    for (const PirateWalk::FallFrames &row : PirateWalk::fallFrames) {
        for (int i = 0; i < row.count; ++i) {
            screen_.phase = row.phase;
            screen_.sx = row.sx;
            screen_.sy = row.sy;
            screen_.y += row.drop;
            draw();
        }
    }
    for (int i = 0; i < holdDraws; ++i)
        draw();
    screen_.x = respawnX;
    screen_.y = startY;
    screen_.sx = 0;
    screen_.sy = towardsEndRow;
    screen_.phase = 0;
    draw();
    revealFallen();
}

void GameRules::revealFallen()
{
    const int count = screen_.pirateCount;
    if (count < 1 || count > int(reveals.size()))
        return;
    for (std::string_view step : reveals[size_t(count - 1)]) {
        if (step.starts_with("show ")) {
            screen_.shownRoster << QString::fromLatin1(step.substr(5).data(), qsizetype(step.size() - 5));
        } else if (step.starts_with("cue ")) {
            screen_.cues << QString::fromLatin1(step.substr(4).data(), qsizetype(step.size() - 4));
        } else if (step == "certificate") {
            openCertificate();
        }
    }
    // The window lists what is shown in roster order, whatever order it was revealed in.
    QStringList ordered;
    for (const QString &name : rosterControls())
        if (screen_.shownRoster.contains(name))
            ordered << name;
    screen_.shownRoster = ordered;
}

void GameRules::draw() { screen_.draws.append(Draw{screen_.x, screen_.y, screen_.sx, screen_.sy}); }

void GameRules::cue(const char *player) { screen_.cues << QString::fromLatin1(player); }

// ---- The about window ----------------------------------------------------------------------

void GameRules::closeAbout()
{
    screen_.aboutWindows = 0;
    screen_.aboutTexts.clear();
}

// ---- The certificate window ----------------------------------------------------------------

void GameRules::openCertificate()
{
    CertificateScreen &c = screen_.certificate;
    c = CertificateScreen{};
    c.open = true;
    c.nameBoxShown = c.nameButtonShown = c.printShown = true;
    certificateFocus_ = CertificateControl::Txtmyname;
    c.focus = controlName(certificateFocus_);
}

CertificateControl GameRules::certificateKeys() const
{
    return shownOnCertificate(certificateFocus_) ? certificateFocus_ : CertificateControl::None;
}

bool GameRules::shownOnCertificate(CertificateControl control) const
{
    const CertificateScreen &c = screen_.certificate;
    switch (control) {
    case CertificateControl::Txtmyname: return c.nameBoxShown;
    case CertificateControl::Cmdmyname: return c.nameButtonShown;
    case CertificateControl::Cmdprintit: return c.printShown;
    case CertificateControl::Cmdexit: return c.exitShown;
    case CertificateControl::None: break;
    }
    return false;
}

void GameRules::hideOnCertificate(CertificateControl control)
{
    CertificateScreen &c = screen_.certificate;
    switch (control) {
    case CertificateControl::Txtmyname: c.nameBoxShown = false; break;
    case CertificateControl::Cmdmyname: c.nameButtonShown = false; break;
    case CertificateControl::Cmdprintit: c.printShown = false; break;
    case CertificateControl::Cmdexit: c.exitShown = false; break;
    case CertificateControl::None: break;
    }
    // A control that is hidden hands the focus on to the next one that is shown; with none shown
    // it keeps it, out of sight and out of reach of the keys, until it is shown again.
    if (certificateFocus_ == control) {
        const CertificateControl next = nextInTabOrder(certificateTabOrder, control, false,
                                                       [&](CertificateControl x) { return shownOnCertificate(x); });
        if (next != CertificateControl::None)
            certificateFocus_ = next;
    }
    c.focus = controlName(certificateKeys());
}

void GameRules::clickCertificateNameBox()
{
    if (!screen_.certificate.open || !screen_.certificate.nameBoxShown)
        return;
    certificateFocus_ = CertificateControl::Txtmyname;
    screen_.certificate.focus = controlName(certificateFocus_);
}

void GameRules::typeOnCertificate(const QString &text, const PrintOutcome &ifPrinting)
{
    for (QChar ch : text) {
        if (ended_ || !screen_.certificate.open)
            return;
        const CertificateControl focus = certificateKeys();
        if (focus == CertificateControl::Txtmyname)
            screen_.certificate.nameBox += ch;
        else if (isButton(focus) && ch == u' ')
            pressOnCertificate(focus, ifPrinting);
    }
}

void GameRules::pressEnterOnCertificate(const PrintOutcome &ifPrinting)
{
    if (!screen_.certificate.open)
        return;
    if (isButton(certificateKeys()))
        pressOnCertificate(certificateKeys(), ifPrinting);
    else if (screen_.certificate.nameButtonShown)
        putNameOn();  // the default button
}

void GameRules::pressTabOnCertificate(bool backwards)
{
    if (!screen_.certificate.open)
        return;
    certificateFocus_ = nextInTabOrder(certificateTabOrder, certificateKeys(), backwards,
                                       [&](CertificateControl x) { return shownOnCertificate(x); });
    screen_.certificate.focus = controlName(certificateFocus_);
}

void GameRules::clickCertificateButton(CertificateControl button, const PrintOutcome &ifPrinting)
{
    if (!screen_.certificate.open || !shownOnCertificate(button))
        return;
    certificateFocus_ = button;
    screen_.certificate.focus = controlName(certificateFocus_);
    pressOnCertificate(button, ifPrinting);
}

void GameRules::pressOnCertificate(CertificateControl button, const PrintOutcome &ifPrinting)
{
    switch (button) {
    case CertificateControl::Cmdmyname: putNameOn(); break;
    case CertificateControl::Cmdprintit: printCertificate(ifPrinting); break;
    case CertificateControl::Cmdexit: quit(); break;
    default: break;
    }
}

void GameRules::putNameOn()
{
    CertificateScreen &c = screen_.certificate;
    c.nameLine = c.nameBox;
    hideOnCertificate(CertificateControl::Txtmyname);
    hideOnCertificate(CertificateControl::Cmdmyname);
    for (const Rank &rank : ranks) {
        if (level_ == rank.level) {
            c.nameLine = QString::fromLatin1(rank.title) + c.nameBox;
            return;
        }
    }
}

void GameRules::printCertificate(const PrintOutcome &outcome)
{
    CertificateScreen &c = screen_.certificate;
    hideOnCertificate(CertificateControl::Cmdprintit);
    c.printNote.clear();
    ++c.printJobs;
    if (outcome.result == PrintResult::Failed) {
        // Nothing reached paper or disk: the window says so, and the player may try again.
        c.printNote = QStringLiteral("failed");
        c.printShown = true;
        c.focus = controlName(certificateKeys());
        return;
    }
    if (outcome.result == PrintResult::Saved)
        c.printNote = QStringLiteral("saved as ") + outcome.savedFile;  // the window says where
    c.exitShown = true;
    c.focus = controlName(certificateKeys());
}

void GameRules::closeCertificate()
{
    screen_.certificate = CertificateScreen{};
    certificateFocus_ = CertificateControl::None;
}

}  // namespace model
