// The form toolkit on a small window of its own: keys, events, transparency, lines and images.
#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "support/ActiveWindow.h"
#include "support/WaitUntil.h"

#include "app/toolkit/Form.h"

namespace {

using namespace toolkit;

constexpr ControlSpec controls[] = {
    {.name = "Txtline", .kind = ControlKind::TextBox, .left = 150, .top = 150, .width = 1500, .height = 300,
     .tabIndex = 1},
    {.name = "Cmdok", .kind = ControlKind::CommandButton, .left = 150, .top = 600, .width = 1200, .height = 450,
     .caption = "OK", .flags = DefaultButton, .tabIndex = 2},
    {.name = "Cmdcancel", .kind = ControlKind::CommandButton, .left = 1500, .top = 600, .width = 1200,
     .height = 450, .caption = "Cancel", .flags = CancelButton, .tabIndex = 3},
    {.name = "Cmdlocked", .kind = ControlKind::CommandButton, .left = 3000, .top = 600, .width = 1200,
     .height = 450, .caption = "&Locked", .flags = Disabled, .tabIndex = 4},
    {.name = "Lblclear", .kind = ControlKind::Label, .left = 150, .top = 1500, .width = 900, .height = 900,
     .caption = "YOUR SCORE", .font = {"MS Serif", 12, true}, .foreColour = rgb(0xFFFFFF), .align = Align::Centre,
     .flags = Transparent},
    {.name = "Line1", .kind = ControlKind::Line, .left = 1500, .top = 2400, .foreColour = rgb(0x808080),
     .lineRight = 3000, .lineBottom = 2400, .lineWidth = 1},
    {.name = "Line2", .kind = ControlKind::Line, .left = 1500, .top = 2415, .foreColour = rgb(0xFFFFFF),
     .lineRight = 3000, .lineBottom = 2415, .lineWidth = 2},
};

const Layout layout{
    .form = {.name = "frmTest", .caption = "test", .border = Border::FixedDialog, .clientLeft = 1500,
             .clientTop = 1200, .clientWidth = 4800, .clientHeight = 3600, .backColour = rgb(0x00C0C0)},
    .controls = controls,
    .menus = {},
};

class Toolkit : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.showForm();
        testsupport::makeActive(&form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    Form form{layout};
    CommandButton *ok = form.find<CommandButton>("Cmdok");
    CommandButton *cancel = form.find<CommandButton>("Cmdcancel");
    CommandButton *locked = form.find<CommandButton>("Cmdlocked");
    QSignalSpy okClicks{ok, &QPushButton::clicked};
    QSignalSpy cancelClicks{cancel, &QPushButton::clicked};
    QSignalSpy lockedClicks{locked, &QPushButton::clicked};
};

}  // namespace

TEST_F(Toolkit, TheClientAreaHasItsExactSizeAndPlaceAndTheFirstControlHasTheFocus)
{
    EXPECT_EQ(form.clientArea()->size(), QSize(320, 240));
    EXPECT_EQ(form.clientArea()->mapToGlobal(QPoint(0, 0)), QPoint(100, 80));
    auto *box = form.find<TextBox>("Txtline");
    EXPECT_EQ(box->editor()->geometry(), QRect(QPoint(0, 0), box->size()));  // the edit field fills its control
    EXPECT_EQ(px(4800), 320);
    EXPECT_EQ(QApplication::focusWidget(), form.find<TextBox>("Txtline")->editor());
}

TEST_F(Toolkit, EnterAndEscPressTheDefaultAndCancelButtons)
{
    QWidget *line = form.find<TextBox>("Txtline")->editor();
    QTest::keyClick(line, Qt::Key_Return);
    QTest::keyClick(line, Qt::Key_Escape);
    QTest::keyClick(cancel, Qt::Key_Return);  // a focused button takes Enter itself
    EXPECT_EQ(okClicks.count(), 1);
    EXPECT_EQ(cancelClicks.count(), 2);
}

TEST_F(Toolkit, AButtonHiddenWithTheFocusPressesNothing)
{
    ok->setFocus();
    ok->hide();
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space})
        QTest::keyClick(ok, key);
    EXPECT_EQ(okClicks.count(), 0);
}

TEST_F(Toolkit, DisabledControlsRaiseNoEvents)
{
    QTest::mouseClick(locked, Qt::LeftButton);
    QTest::keyClick(form.find<TextBox>("Txtline")->editor(), Qt::Key_L, Qt::AltModifier);
    QTest::qWait(200);
    EXPECT_EQ(lockedClicks.count(), 0);
    EXPECT_EQ(form.find<TextBox>("Txtline")->text(), "");  // nor does Alt+L type an "l"
    locked->setEnabled(true);
    QTest::keyClick(form.find<TextBox>("Txtline")->editor(), Qt::Key_L, Qt::AltModifier);
    EXPECT_TRUE(waitUntil([&] { return lockedClicks.count() == 1; }));
}

TEST_F(Toolkit, TransparentLabelsWrapAtSpacesOverTheBackground)
{
    auto *label = form.find<QLabel>("Lblclear");
    EXPECT_TRUE(label->wordWrap());
    const QFontMetrics metrics(label->font());
    EXPECT_GT(metrics.horizontalAdvance("YOUR SCORE"), label->width());  // so it breaks into two lines
    EXPECT_LE(metrics.horizontalAdvance("SCORE"), label->width());
    const QImage shown = form.clientArea()->grab().toImage();
    // A corner of the label that no letter reaches shows the window's colour through it.
    EXPECT_EQ(QColor(shown.pixel(label->geometry().bottomLeft() - QPoint(-1, 1))), QColor(0x00C0C0));
}

TEST_F(Toolkit, LinesAreDrawnOnTheirRowsWithTheirWidths)
{
    const QImage shown = form.clientArea()->grab().toImage();
    EXPECT_EQ(QColor(shown.pixel(150, 160)), QColor(0x808080));
    EXPECT_EQ(QColor(shown.pixel(150, 161)), QColor(0xFFFFFF));
    EXPECT_EQ(QColor(shown.pixel(150, 162)), QColor(0xFFFFFF));
    EXPECT_EQ(QColor(shown.pixel(150, 163)), QColor(0x00C0C0));
    EXPECT_EQ(QColor(shown.pixel(150, 159)), QColor(0x00C0C0));
}
