// The game window: turns and scoring, and the wiring of the pirate, the roster and the sounds.
#include "game/frmScallywise.h"

#include <QCloseEvent>
#include <QPointer>
#include <thread>

#include "app/toolkit/Announcer.h"
#include "app/toolkit/Program.h"
#include "game/GameLayout.h"
#include "game/Levels.h"
#include "roster/CrewRoster.h"
#include "windows/Frmreward.h"
#include "windows/frmAboutScallywise.h"

namespace {

constexpr auto framePeriod = std::chrono::milliseconds(40);

const QString chooseALevel = QStringLiteral("Choose a level");
const QString pressNewWord = QStringLiteral("press NEW-WORD");
const QString typeTheAnswer = QStringLiteral("Type the answer!");
const QString yes = QStringLiteral("YES!");
const QString oops = QStringLiteral("OOPS!");

}  // namespace

frmScallywise::frmScallywise(QWidget *parent) : toolkit::Form(gamelayout::layout, parent)
{
    Txtspell = find<toolkit::TextBox>("Txtspell");
    Txtscore = find<toolkit::TextBox>("Txtscore");
    Cmdnextword = find<toolkit::CommandButton>("Cmdnextword");
    Cmdclear = find<toolkit::CommandButton>("Cmdclear");
    Cmdamiright = find<toolkit::CommandButton>("Cmdamiright");
    Cmdquit = find<toolkit::CommandButton>("Cmdquit");
    mnuabout = menuItem("mnuabout");
    Picsprite = find<toolkit::PictureBox>("Picsprite");
    Picmask = find<toolkit::PictureBox>("Picmask");
    players_.resize(roster::cues.size());
    for (const roster::CueClip &c : roster::cues)
        players_.at(size_t(c.cue)) = makePlayer(c);
    compositor_ = std::make_unique<Compositor>(Picsprite->image(), Picmask->image());

    connect(Cmdnextword, &QPushButton::clicked, this, &frmScallywise::Cmdnextword_Click);
    connect(Cmdclear, &QPushButton::clicked, this, &frmScallywise::Cmdclear_Click);
    connect(Cmdamiright, &QPushButton::clicked, this, &frmScallywise::Cmdamiright_Click);
    connect(Cmdquit, &QPushButton::clicked, this, &frmScallywise::Cmdquit_Click);
    for (const Level &level : levels)
        connect(levelItem(level), &QAction::triggered, this, [this, &level] { mnulevel_Click(level); });
    connect(mnuabout, &QAction::triggered, this, &frmScallywise::mnuabout_Click);

    pirate_.setHooks({
        .moveIt = [this] { MoveIt(); },
        .frameShown = [this] { paceFrame(); },
        .faces = [this] { faces(); },
    });

    Form_Load();
}

frmScallywise::~frmScallywise()
{
    delete certificate_;  // it ends with the game
}

MMControl *frmScallywise::makePlayer(const roster::CueClip &c)
{
    // A player has nothing to show, so it is no control of the layout: the cue's row is all it needs.
    auto *made = new MMControl(QStringLiteral("waveaudio"), QString::fromUtf8(c.clip.data(), qsizetype(c.clip.size())), this);
    made->setObjectName(QString::fromUtf8(c.player.data(), qsizetype(c.player.size())));
    return made;
}

MMControl *frmScallywise::player(roster::Cue cue) const { return players_.at(size_t(cue)); }

void frmScallywise::Form_Load()
{
    // The window is not on the screen yet: the pirate lands on the canvas and shows with it.
    pirate_.load();
    wordIndex_ = 0;
    scoreCounter_ = 1;
    cue(roster::Cue::Must);
    Txtspell->setText(chooseALevel);
    Cmdnextword->setEnabled(false);
}

QAction *frmScallywise::levelItem(const Level &level) const { return menuItem(level.menuItem); }

const Level *frmScallywise::checkedLevel() const
{
    for (const Level &level : levels)
        if (levelItem(level)->isChecked())
            return &level;
    return nullptr;
}

std::string_view frmScallywise::rankTitle() const
{
    const Level *level = checkedLevel();
    return level ? level->rank : std::string_view();
}

void frmScallywise::mnulevel_Click(const Level &level)
{
    Cmdnextword->setEnabled(true);
    for (const Level &l : levels)
        levelItem(l)->setChecked(&l == &level);
    Txtspell->setText(pressNewWord);
    const QString caption = QString::fromUtf8(level.caption.data(), qsizetype(level.caption.size()));
    toolkit::announce(this, QStringLiteral("Level %1. %2").arg(caption, pressNewWord));
    // The word index carries over: a level chosen later starts its list at the current index.
    currentList_ = level.first;
}

void frmScallywise::mnuabout_Click() { frmAboutScallywise::showAbout(this); }

void frmScallywise::levelnew(const Level &level)
{
    currentList_ = level.second;
    wordIndex_ = 0;
}

QString frmScallywise::currentWord() const
{
    if (wordIndex_ < 0 || size_t(wordIndex_) >= currentList_.size())
        return {};
    const std::string_view word = currentList_[size_t(wordIndex_)];
    return QString::fromLatin1(word.data(), qsizetype(word.size()));
}

void frmScallywise::Cmdnextword_Click()
{
    Txtspell->setText(currentWord());
    Txtspell->setEnabled(false);  // the word can be read but not edited
    toolkit::announce(this, QStringLiteral("%1. %2").arg(currentWord(), toolkit::spelt(currentWord())));
}

void frmScallywise::Cmdclear_Click()
{
    Txtspell->setEnabled(true);
    Txtspell->setText(QString());
    Txtspell->setFocus(Qt::OtherFocusReason);
}

void frmScallywise::Cmdamiright_Click()
{
    if (!Txtspell->isEnabled()) {
        Txtspell->setText(typeTheAnswer);
        toolkit::announce(this, typeTheAnswer);
        return;
    }
    if (currentList_.empty()) {
        // No level yet, so there is no word to judge against: ask for a level and change nothing.
        Txtspell->setText(chooseALevel);
        toolkit::announce(this, chooseALevel);
        return;
    }

    // White space at either end is invisible in the box, so a child cannot see why it would be
    // wrong: only what lies between the first and the last visible character is judged.
    if (QString::compare(currentWord(), Txtspell->text().trimmed(), Qt::CaseInsensitive) == 0) {
        Txtspell->setText(yes);
        Txtscore->setText(QString::number(scoreCounter_));
        toolkit::announce(this, QStringLiteral("%1 Score %2").arg(yes, Txtscore->text()));
        pirateleft();
    } else {
        Txtspell->setText(oops);
        toolkit::announce(this, oops);
        if (pirate_.standsBesideShip())
            ++wordIndex_;
        else
            pirateright();
    }

    // Choosing a level unchecks the others, so at most one item is checked and at most one
    // list is loaded, whatever order the items were tested in.
    const Level *level = checkedLevel();
    if (level && size_t(wordIndex_) >= currentList_.size())
        levelnew(*level);
}

void frmScallywise::Cmdquit_Click() { toolkit::endProgram(); }

void frmScallywise::pirateleft()
{
    ++wordIndex_;
    ++scoreCounter_;
    nextFrame_ = std::chrono::steady_clock::now();
    pirate_.pirateleft();
}

void frmScallywise::pirateright()
{
    ++wordIndex_;
    pirate_.pirateright();
}

void frmScallywise::MoveIt()
{
    const QRect changed = compositor_->moveIt(canvas(), background(), QPoint(pirate_.x, pirate_.y),
                                              QPoint(pirate_.sx, pirate_.sy));
    refresh(changed);
    emit pirateDrawn(QPoint(pirate_.x, pirate_.y), QPoint(pirate_.sx, pirate_.sy));
}

void frmScallywise::paceFrame()
{
    if (!fallPaced_)
        return;
    // A monotonic clock, so the fall takes the same time on any machine and across clock changes.
    // Input that arrives meanwhile waits in the queue and is handled once the fall is over.
    nextFrame_ += framePeriod;
    std::this_thread::sleep_until(nextFrame_);
}

void frmScallywise::faces()
{
    const int count = pirate_.pirateCount;
    if (count < 1 || size_t(count) > roster::crew.size())
        return;  // the roster is full: later pirates fall unsung
    const roster::Pirate &fallen = roster::crew[size_t(count - 1)];
    control(fallen.face)->show();
    control(fallen.name)->show();
    for (int run = 1; run <= fallen.runs; ++run) {
        if (run == fallen.runs && !fallen.ship.empty())
            control(fallen.ship)->show();
        cue(fallen.cue);
    }
    // Told once the ship is on show, so that no one hears of a ship the screen does not have yet.
    // The fall that earns the certificate is told by the certificate as it opens: said here, it
    // would be cut off by the new window taking the keyboard.
    if (fallen.earnsCertificate)
        showCertificate(fallLine(fallen));
    else
        toolkit::announce(this, fallLine(fallen));
}

QString frmScallywise::fallLine(const roster::Pirate &fallen) const
{
    const int count = pirate_.pirateCount;
    const auto *name = qobject_cast<QLabel *>(control(fallen.name));
    QString line = QStringLiteral("%1 fell. %2 %3 fallen.")
                       .arg(name ? name->text() : QString(), QString::number(count),
                            count == 1 ? QStringLiteral("pirate has") : QStringLiteral("pirates have"));
    if (!fallen.ship.empty())
        line += QStringLiteral(" A ship joins the fleet.");
    return line;
}

Frmreward *frmScallywise::certificate() const { return certificate_; }

void frmScallywise::showCertificate(const QString &fall)
{
    // Made once, after the twelfth pirate; once the player closes it, nothing brings it back.
    certificate_ = new Frmreward(*this);
    certificate_->tellFirst(fall);
    certificate_->showForm();
}

void frmScallywise::cue(roster::Cue cue)
{
    MMControl *player = this->player(cue);
    emit cueRun(player->objectName());
    player->setCommand(QStringLiteral("open"));
    player->setCommand(QStringLiteral("play"));
    player->setCommand(QStringLiteral("prev"));
}

void frmScallywise::closeEvent(QCloseEvent *event)
{
    // Closing the game window ends the program, as Quit does: a hidden title window alone would
    // leave an invisible program running that nothing could end.
    event->accept();
    toolkit::endProgram();
}
