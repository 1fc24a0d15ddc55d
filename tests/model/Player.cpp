// Drives the real windows with QTest clicks and keys, and reads them back for the rules model.
#include "model/Player.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTextEdit>

#include "support/ActiveWindow.h"
#include "windows/frmAboutScallywise.h"

namespace model {
namespace {

constexpr Qt::Key levelKeys[] = {Qt::Key_E, Qt::Key_M, Qt::Key_H, Qt::Key_D};

QList<frmAboutScallywise *> aboutWindows()
{
    QList<frmAboutScallywise *> shown;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *about = qobject_cast<frmAboutScallywise *>(w); about && about->isVisible())
            shown << about;
    return shown;
}

// The key a keyboard sends for a character; Latin-1 characters have keys of their own.
Qt::Key keyFor(QChar c)
{
    if (c == u' ')
        return Qt::Key_Space;
    if (c.unicode() < 0x100)
        return Qt::Key(c.toUpper().unicode());
    return Qt::Key_unknown;
}

// The control that has the window's focus, by its layout name; "none" if nothing has it.
QString focusName(const toolkit::Form &form, const QWidget *focus, std::initializer_list<const char *> textBoxes)
{
    // A control that was hidden while it had the focus may keep it, yet a player cannot see it.
    if (!focus || !focus->isVisibleTo(&form))
        return QStringLiteral("none");
    for (const char *name : textBoxes)
        if (const auto *box = form.find<toolkit::TextBox>(name); box && box->editor() == focus)
            return QString::fromLatin1(name);
    if (!focus->objectName().isEmpty() && form.control(focus->objectName().toStdString()) == focus)
        return focus->objectName();
    return QStringLiteral("something else: %1 \"%2\"").arg(QLatin1String(focus->metaObject()->className()),
                                                             focus->objectName());
}

// The note a certificate shows about its printing: any label beyond the certificate's wording.
QString printNote(const Frmreward &certificate, const QString &savedFile)
{
    static const QStringList wording = {"Lblfirst", "Lblsecond", "Label1", "Lblthree", "Lblfour"};
    QString says;
    for (const QLabel *label : certificate.findChildren<QLabel *>())
        if (!wording.contains(label->objectName()) && label->isVisibleTo(&certificate))
            says += label->text();
    if (says.isEmpty())
        return {};
    if (!savedFile.isEmpty() && says.contains(savedFile))
        return QStringLiteral("saved as ") + savedFile;
    return QStringLiteral("failed");
}

bool shown(const toolkit::Form &form, const char *name)
{
    const QWidget *w = form.control(name);
    return w && w->isVisibleTo(&form);
}

}  // namespace

CertificatePrinter::Outcome ScriptedPrinter::print(const CertificatePage &)
{
    ++jobs;
    switch (next.result) {
    case PrintResult::Printed: return {Outcome::Kind::Printed, {}};
    case PrintResult::Saved:
        savedFile = next.savedFile;
        return {Outcome::Kind::Saved, savedFile};
    case PrintResult::Failed: break;
    }
    return {Outcome::Kind::Failed, {}};
}

Player::Player(const int &programEnds) : programEnds_(programEnds), game_(std::make_unique<frmScallywise>())
{
    game_->setFallPaced(false);
    QObject::connect(game_.get(), &frmScallywise::pirateDrawn, game_.get(), [this](QPoint place, QPoint frame) {
        draws_.append(Draw{place.x(), place.y(), frame.x(), frame.y()});
    });
    QObject::connect(game_.get(), &frmScallywise::cueRun, game_.get(),
                     [this](const QString &player) { cues_ << player; });
    game_->showForm();
    testsupport::makeActive(game_.get());
    settle();
}

Player::~Player()
{
    // The program has ended: every window goes.
    for (frmAboutScallywise *about : aboutWindows())
        delete about;
    game_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QWidget *Player::window(Window w) const
{
    switch (w) {
    case Window::Game: return game_.get();
    case Window::About: {
        const auto about = aboutWindows();
        return about.isEmpty() ? nullptr : about.front();
    }
    case Window::Certificate: return game_->certificate();
    }
    return nullptr;
}

void Player::activate(Window w)
{
    QWidget *target = window(w);
    if (!target)
        return;
    testsupport::makeActive(target);
}

QWidget *Player::keyTarget(Window w)
{
    QWidget *target = window(w);
    if (QApplication::activeWindow() != target)
        testsupport::makeActive(target);  // a window just shown that the platform left inactive
    QWidget *focus = QApplication::focusWidget();
    return focus && focus->window() == target ? focus : target;
}

void Player::moveToEnd(QWidget *editor)
{
    if (qobject_cast<QTextEdit *>(editor))
        QTest::keyClick(editor, Qt::Key_End, Qt::ControlModifier);
    else if (qobject_cast<QLineEdit *>(editor))
        QTest::keyClick(editor, Qt::Key_End);
}

void Player::typeInto(Window w, const QString &text)
{
    moveToEnd(keyTarget(w));
    const int ends = programEnds_;
    for (QChar c : text) {
        if (programEnds_ != ends || !window(w))
            return;  // a space pressed Quit or the exit button: the program is over
        QTest::sendKeyEvent(QTest::Click, keyTarget(w), keyFor(c), QString(c), Qt::NoModifier);
    }
}

void Player::key(Window w, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(keyTarget(w), key, modifiers);
}

void Player::waitForAccessKeyClicks()
{
    // An access key presses its button for a moment, as a click does, and clicks it on release.
    for (QPushButton *b : {game_->Cmdnextword, game_->Cmdclear, game_->Cmdquit})
        for (int i = 0; i < 400 && b->isDown(); ++i)
            QTest::qWait(5);
}

void Player::beginInput()
{
    draws_.clear();
    cues_.clear();
}

void Player::apply(const Action &a)
{
    frmScallywise &g = *game_;
    Frmreward *c = g.certificate();
    if (printer_ && windowOf(a.act) == Window::Certificate)
        printer_->next = a.printing;
    switch (a.act) {
    case Act::ClickNewWord: QTest::mouseClick(g.Cmdnextword, Qt::LeftButton); break;
    case Act::ClickClear: QTest::mouseClick(g.Cmdclear, Qt::LeftButton); break;
    case Act::ClickAmIRight: QTest::mouseClick(g.Cmdamiright, Qt::LeftButton); break;
    case Act::ClickQuit: QTest::mouseClick(g.Cmdquit, Qt::LeftButton); break;
    case Act::ClickAnswerBox: QTest::mouseClick(g.Txtspell->multi()->viewport(), Qt::LeftButton); break;
    case Act::ClickScoreBox: QTest::mouseClick(g.Txtscore->editor(), Qt::LeftButton); break;
    case Act::Type: typeInto(Window::Game, a.text); break;
    case Act::Paste: {
        QWidget *target = keyTarget(Window::Game);
        moveToEnd(target);
        QApplication::clipboard()->setText(a.text);
        QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
        break;
    }
    case Act::Enter: key(Window::Game, Qt::Key_Return); break;
    case Act::CtrlEnter: {
        QWidget *target = keyTarget(Window::Game);
        moveToEnd(target);
        QTest::keyClick(target, Qt::Key_Return, Qt::ControlModifier);
        break;
    }
    case Act::Space: {
        QWidget *target = keyTarget(Window::Game);
        moveToEnd(target);
        QTest::keyClick(target, Qt::Key_Space);
        break;
    }
    case Act::Tab: key(Window::Game, Qt::Key_Tab); break;
    case Act::Backtab: key(Window::Game, Qt::Key_Backtab, Qt::ShiftModifier); break;
    case Act::LevelShortcut: key(Window::Game, levelKeys[int(a.level)], Qt::ControlModifier); break;
    case Act::LevelMenu: g.menuItem(levelItemName(a.level).toStdString())->trigger(); break;
    case Act::About: g.mnuabout->trigger(); break;
    case Act::Alt:
        key(Window::Game, Qt::Key(a.letter.unicode()), Qt::AltModifier);
        waitForAccessKeyClicks();
        break;
    case Act::AboutOk:
        if (auto *about = window(Window::About))
            QTest::mouseClick(about->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
        break;
    case Act::AboutEnter: key(Window::About, Qt::Key_Return); break;
    case Act::AboutEsc: key(Window::About, Qt::Key_Escape); break;
    case Act::AboutCloseBox:
        if (auto *about = window(Window::About))
            about->close();
        break;
    case Act::CertificateClickNameBox:
        QTest::mouseClick(c->find<toolkit::TextBox>("Txtmyname")->editor(), Qt::LeftButton);
        break;
    case Act::CertificateType: typeInto(Window::Certificate, a.text); break;
    case Act::CertificateEnter: key(Window::Certificate, Qt::Key_Return); break;
    case Act::CertificateTab: key(Window::Certificate, Qt::Key_Tab); break;
    case Act::CertificateBacktab: key(Window::Certificate, Qt::Key_Backtab, Qt::ShiftModifier); break;
    case Act::CertificateClickName: QTest::mouseClick(c->control("Cmdmyname"), Qt::LeftButton); break;
    case Act::CertificateClickPrint: QTest::mouseClick(c->control("Cmdprintit"), Qt::LeftButton); break;
    case Act::CertificateClickExit: QTest::mouseClick(c->control("Cmdexit"), Qt::LeftButton); break;
    case Act::CertificateCloseBox: c->close(); break;
    case Act::CertificateBlankMenu: c->menuItem("mnuput")->trigger(); break;
    }
    settle();
}

void Player::settle()
{
    // What the event loop does between two inputs: windows closed with a click are unloaded.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    fitPrinter();
}

void Player::fitPrinter()
{
    Frmreward *c = game_->certificate();
    if (c == certificate_)
        return;
    certificate_ = c;
    printer_ = nullptr;
    if (c) {
        auto printer = std::make_unique<ScriptedPrinter>();
        printer_ = printer.get();
        c->setPrinter(std::move(printer));
    }
}

Screen Player::read() const
{
    const frmScallywise &g = *game_;
    Screen s;
    s.answer = g.Txtspell->text();
    s.answerEnabled = g.Txtspell->isEnabled();
    s.newWordEnabled = g.Cmdnextword->isEnabled();
    s.score = g.Txtscore->text();
    s.list = g.currentList().data();
    s.wordIndex = g.wordIndex();
    s.scoreCounter = g.scoreCounter();
    // Every item the menu offers, so that a check mark on one the rules do not know shows too.
    for (const QString &item : levelItemsOffered())
        if (g.menuItem(item.toStdString())->isChecked())
            s.checkedLevels << item;
    const PirateWalk &p = g.pirate();
    s.x = p.x;
    s.y = p.y;
    s.sx = p.sx;
    s.sy = p.sy;
    s.phase = p.phase;
    s.pirateCount = p.pirateCount;
    for (const QString &name : rosterControls())
        if (shown(g, name.toLatin1().constData()))
            s.shownRoster << name;
    s.focus = focusName(g, g.focusWidget(), {"Txtspell", "Txtscore"});
    s.draws = draws_;
    s.cues = cues_;
    s.programEnds = programEnds_;
    const QList<frmAboutScallywise *> about = aboutWindows();
    s.aboutWindows = int(about.size());
    if (about.size() == 1) {
        const auto *version = about.front()->findChild<QLabel *>(QStringLiteral("lblVersion"));
        const auto *title = about.front()->findChild<QLabel *>(QStringLiteral("lblTitle"));
        s.aboutTexts = QStringList{about.front()->windowTitle(), version ? version->text() : QString(),
                                   title ? title->text() : QString()}
                           .join(QStringLiteral(" | "));
    }

    const Frmreward *c = g.certificate();
    if (c && c->isVisible()) {
        CertificateScreen &cs = s.certificate;
        cs.open = true;
        cs.nameBox = c->find<toolkit::TextBox>("Txtmyname")->text();
        cs.nameBoxShown = shown(*c, "Txtmyname");
        cs.nameButtonShown = shown(*c, "Cmdmyname");
        cs.nameLine = c->find<QLabel>("Label1")->text();
        cs.printShown = shown(*c, "Cmdprintit");
        cs.exitShown = shown(*c, "Cmdexit");
        cs.printNote = printNote(*c, printer_ ? printer_->savedFile : QString());
        cs.focus = focusName(*c, c->focusWidget(), {"Txtmyname"});
        cs.printJobs = printer_ ? printer_->jobs : -1;
    }
    return s;
}

QStringList Player::levelItemsOffered() const
{
    QStringList items;
    if (const auto *menu = game_->menuBar()->findChild<QMenu *>(QStringLiteral("mnulevel")))
        for (const QAction *item : menu->actions())
            items << item->objectName();
    return items;
}

}  // namespace model
