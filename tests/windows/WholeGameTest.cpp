// A whole game played with the keyboard alone, from the title window to the printed certificate.
#include <QApplication>
#include <QDir>
#include <QTest>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/ActiveWindow.h"
#include "game/Levels.h"
#include "app/Frmfirst.h"
#include "app/toolkit/Program.h"
#include "game/frmScallywise.h"
#include "support/ScopedEnv.h"
#include "windows/Frmreward.h"
#include "support/WaitUntil.h"

namespace {

QWidget *focused() { return QApplication::focusWidget(); }

// Keys go where a keyboard sends them: the focused control, or the active window if none has the focus.
QWidget *keyTarget() { return focused() ? focused() : QApplication::activeWindow(); }

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    ASSERT_NE(keyTarget(), nullptr) << "pressing " << QKeySequence(key | modifiers).toString().toStdString();
    QTest::keyClick(keyTarget(), key, modifiers);
}

// Counts the program's endings instead of ending it, for as long as it lives.
struct CountedEnding {
    int ends = 0;
    std::function<void()> previous = toolkit::setProgramEnder([this] { ++ends; });
    ~CountedEnding() { toolkit::setProgramEnder(std::move(previous)); }
};

}  // namespace

TEST(WholeGame, FromTheTitleToThePrintedCertificateByKeysAlone)
{
    // No printer here: the certificate is saved in this test's own documents folder.
    QTemporaryDir home;
    const ScopedEnv homeForTheTest("HOME", home.path().toUtf8());
    ASSERT_TRUE(QDir(home.path()).mkdir("Documents"));
    CountedEnding ending;

    Frmfirst title;
    title.showForm();
    testsupport::makeActive(&title);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&title));
    press(Qt::Key_Return);
    frmScallywise *game = title.game();
    ASSERT_NE(game, nullptr);
    game->setFallPaced(false);  // the fall's 40 ms frames only slow the test down
    testsupport::makeActive(game);
    ASSERT_TRUE(QTest::qWaitForWindowActive(game));

    press(Qt::Key_E, Qt::ControlModifier);
    ASSERT_TRUE(game->levelItem(*levelNamed("easy"))->isChecked());
    int answers = 0;
    while (!game->certificate() && answers < 200) {
        press(Qt::Key_N, Qt::AltModifier);
        ASSERT_TRUE(waitUntil([&] { return game->Txtspell->text() == game->currentWord(); }));
        const QString word = game->currentWord();
        press(Qt::Key_C, Qt::AltModifier);
        ASSERT_TRUE(waitUntil([&] { return game->Txtspell->isEnabled() && game->Txtspell->text().isEmpty(); }));
        QTest::keyClicks(keyTarget(), word);
        press(Qt::Key_Return);
        ASSERT_EQ(game->Txtspell->text(), "YES!") << "answer " << answers << ": " << word.toStdString();
        ++answers;
    }
    EXPECT_EQ(answers, 96);
    EXPECT_EQ(game->pirate().pirateCount, 12);

    Frmreward *certificate = game->certificate();
    ASSERT_NE(certificate, nullptr);
    testsupport::makeActive(certificate);
    ASSERT_TRUE(QTest::qWaitForWindowActive(certificate));
    ASSERT_EQ(focused(), certificate->Txtmyname->editor());
    QTest::keyClicks(keyTarget(), "Grace");
    press(Qt::Key_Return);
    EXPECT_EQ(certificate->Label1->text(), "Captain Grace");
    for (int tabs = 0; focused() != certificate->Cmdprintit && tabs < 5; ++tabs)
        press(Qt::Key_Tab);
    ASSERT_EQ(focused(), certificate->Cmdprintit);
    press(Qt::Key_Return);

    const QString saved = QDir(home.path()).filePath("Documents/Scallywise certificate.pdf");
    EXPECT_TRUE(QFileInfo(saved).size() > 0);
    EXPECT_TRUE(certificate->Lblprintnote->text().contains(saved));
    ASSERT_TRUE(certificate->Cmdexit->isVisible());
    for (int tabs = 0; focused() != certificate->Cmdexit && tabs < 5; ++tabs)
        press(Qt::Key_Tab);
    press(Qt::Key_Return);
    EXPECT_EQ(ending.ends, 1);
}
