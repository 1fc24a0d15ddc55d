// Tab and Shift+Tab on every window: from each control that can take the focus, Tab reaches the
// next in the window's tab order and Shift+Tab the one before it, hidden and disabled controls
// skipped, so that Shift+Tab retraces Tab exactly.
#include <QApplication>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

#include "CertificateWindow.h"
#include "app/Frmfirst.h"
#include "support/GameDriver.h"
#include "windows/frmAboutScallywise.h"

namespace {

QString nameOf(const QWidget *w)
{
    if (!w)
        return QStringLiteral("nothing");
    // A text box's editor is named by its box.
    return w->objectName().isEmpty() && w->parentWidget() ? w->parentWidget()->objectName() : w->objectName();
}

// The order Tab visits, one control after another, round to the first again; Shift+Tab visits the
// same controls the other way round.
void expectTabOrderBothWays(QWidget *window, const std::vector<QWidget *> &order)
{
    const size_t n = order.size();
    for (size_t i = 0; i < n; ++i) {
        QWidget *const next = order[(i + 1) % n];
        QWidget *const previous = order[(i + n - 1) % n];
        order[i]->setFocus(Qt::OtherFocusReason);
        ASSERT_EQ(window->focusWidget(), order[i]) << nameOf(order[i]).toStdString();
        QTest::keyClick(order[i], Qt::Key_Tab);
        EXPECT_EQ(window->focusWidget(), next)
            << "Tab from " << nameOf(order[i]).toStdString() << " went to " << nameOf(window->focusWidget()).toStdString();
        order[i]->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(order[i], Qt::Key_Tab, Qt::ShiftModifier);
        EXPECT_EQ(window->focusWidget(), previous) << "Shift+Tab from " << nameOf(order[i]).toStdString()
                                                   << " went to " << nameOf(window->focusWidget()).toStdString();
    }
}

}  // namespace

TEST(TabOrder, TheGameWindowBothWaysWithNewWordDisabledAndEnabled)
{
    GameDriver game;
    frmScallywise &w = game.w();
    QWidget *const answer = w.Txtspell->editor();
    QWidget *const score = w.Txtscore->editor();
    {
        SCOPED_TRACE("NEW WORD disabled");
        expectTabOrderBothWays(&w, {answer, w.Cmdquit, w.Cmdclear, score, w.Cmdamiright});
    }
    game.chooseLevel("easy");
    {
        SCOPED_TRACE("NEW WORD enabled");
        expectTabOrderBothWays(&w, {answer, w.Cmdquit, w.Cmdclear, score, w.Cmdnextword, w.Cmdamiright});
    }
    game.newWord();  // the answer box is disabled while the word shows
    {
        SCOPED_TRACE("answer box disabled");
        expectTabOrderBothWays(&w, {w.Cmdquit, w.Cmdclear, score, w.Cmdnextword, w.Cmdamiright});
    }
}

TEST(TabOrder, TheCertificateBothWaysAsItsButtonsComeAndGo)
{
    GivenRank levels;
    CertificateWindow cert(levels);
    Frmreward &w = cert.w();
    QWidget *const name = w.Txtmyname->editor();
    {
        SCOPED_TRACE("at start");
        expectTabOrderBothWays(&w, {name, w.Cmdmyname, w.Cmdprintit});
    }
    w.Cmdprintit_Click();
    {
        SCOPED_TRACE("printed: the exit button instead of the print button");
        expectTabOrderBothWays(&w, {name, w.Cmdmyname, w.Cmdexit});
    }
    w.Cmdmyname_Click();
    {
        SCOPED_TRACE("named and printed: the exit button alone");
        expectTabOrderBothWays(&w, {w.Cmdexit});
    }
}

TEST(TabOrder, TheTitleAndAboutWindowsKeepTheFocusOnTheirOneButton)
{
    const auto previousEnder = toolkit::setProgramEnder([] {});
    {
        Frmfirst title;
        title.showForm();
        expectTabOrderBothWays(&title, {title.Cmdokay});
    }
    {
        GameDriver game;
        frmAboutScallywise *about = frmAboutScallywise::showAbout(&game.w());
        ASSERT_NE(about, nullptr);
        expectTabOrderBothWays(about, {about->cmdOK});
    }
    toolkit::setProgramEnder(previousEnder);
}
