// The certificate and about windows as their layout tables say: every control's place, size,
// caption, font, colours, alignment, visibility and tab order, and the windows themselves.
#include <gtest/gtest.h>

#include "CertificateWindow.h"
#include "app/toolkit/Pictures.h"
#include "support/GameDriver.h"
#include "support/LayoutCheck.h"
#include "windows/frmAboutScallywise.h"

namespace {

struct WindowLook {
    QString caption;
    QSize client;  // pixels
    bool fixedSize;
    bool maxButton, minButton;
    Qt::WindowType type;
    QColor background;  // sampled where no control lies, or invalid to skip
    QPoint samplePoint;
};

void expectWindow(toolkit::Form &form, const WindowLook &look)
{
    EXPECT_EQ(form.windowTitle(), look.caption);
    EXPECT_EQ(form.clientArea()->size(), look.client);
    EXPECT_EQ(form.minimumSize() == form.maximumSize(), look.fixedSize);
    EXPECT_EQ(bool(form.windowFlags() & Qt::WindowMaximizeButtonHint), look.maxButton);
    EXPECT_EQ(bool(form.windowFlags() & Qt::WindowMinimizeButtonHint), look.minButton);
    EXPECT_TRUE(form.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(form.windowType(), look.type);
    EXPECT_FALSE(form.windowIcon().isNull());
    EXPECT_EQ(form.clientArea()->cursor().shape(), Qt::BitmapCursor);
    if (look.background.isValid()) {
        const QImage shown = form.clientArea()->grab().toImage();
        EXPECT_EQ(QColor(shown.pixel(look.samplePoint)), look.background);
    }
}

}  // namespace

TEST(CertificateLayout, EveryControlAsTheTableSays)
{
    GivenRank levels;
    CertificateWindow cert(levels, false);
    Frmreward &w = cert.w();
    layoutcheck::expectMatchesLayout(w);

    // The certificate picture, drawn unscaled from the client area's top-left corner.
    const QImage picture = toolkit::loadImage(art::certificate);
    ASSERT_EQ(picture.size(), QSize(800, 600));
    expectWindow(w, {"THANKYOU!", {794, 556}, true, false, false, Qt::Window, QColor(picture.pixel(780, 540)),
                     {780, 540}});
    EXPECT_EQ(QColor(w.clientArea()->grab().toImage().pixel(400, 520)), QColor(picture.pixel(400, 520)));

    // The labels' colours by role: window text for two, button text for two.
    EXPECT_EQ(w.Lblfirst->palette().color(QPalette::WindowText), QPalette().color(QPalette::WindowText));
    EXPECT_EQ(w.Lblfour->palette().color(QPalette::WindowText), QPalette().color(QPalette::WindowText));
    EXPECT_EQ(w.Lblsecond->palette().color(QPalette::WindowText), QPalette().color(QPalette::ButtonText));
    EXPECT_EQ(w.Lblthree->palette().color(QPalette::WindowText), QPalette().color(QPalette::ButtonText));
    EXPECT_EQ(w.Label1->palette().color(QPalette::WindowText), QColor(0x80, 0, 0));
    // The name box takes the window's font, and the focus.
    EXPECT_EQ(QFontInfo(w.Txtmyname->editor()->font()).family(), "Liberation Sans");
    EXPECT_EQ(QApplication::focusWidget(), w.Txtmyname->editor());
    // One blank entry on the menu bar.
    ASSERT_EQ(w.menuBar()->actions().size(), 1);
    EXPECT_TRUE(w.menuBar()->actions().front()->text().trimmed().isEmpty());
    EXPECT_EQ(w.Cmdexit->backColour(), QColor(0xFF, 0, 0));
}

TEST(AboutLayout, EveryControlAsTheTableSays)
{
    GameDriver game;
    frmAboutScallywise *about = frmAboutScallywise::showAbout(&game.w());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(about));
    layoutcheck::expectMatchesLayout(*about, {"lblVersion", "lblTitle"});
    expectWindow(*about,
                 {"About scallywise", {382, 237}, true, false, false, Qt::Dialog, QColor(0x00, 0xC0, 0xC0), {370, 120}});

    // The etched rule: grey over white, across the window.
    struct Rule {
        const char *name;
        QPoint from, to;
        QColor colour;
        int width;
    };
    const Rule rules[] = {
        {"Line1(1)", {6, 163}, {377, 163}, QColor(0x80, 0x80, 0x80), 1},
        {"Line1(0)", {7, 164}, {377, 164}, QColor(0xFF, 0xFF, 0xFF), 2},
    };
    const QImage shown = about->clientArea()->grab().toImage();
    for (const Rule &r : rules) {
        SCOPED_TRACE(r.name);
        auto *line = about->find<toolkit::LineShape>(r.name);
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(line->from(), r.from);
        EXPECT_EQ(line->to(), r.to);
        EXPECT_EQ(line->colour(), r.colour);
        EXPECT_EQ(line->penWidth(), r.width);
        for (int row = 0; row < r.width; ++row)
            EXPECT_EQ(QColor(shown.pixel(340, r.from.y() + row)), r.colour);
    }
    EXPECT_EQ(QColor(shown.pixel(340, 162)), QColor(0x00, 0xC0, 0xC0));
    EXPECT_EQ(QColor(shown.pixel(340, 166)), QColor(0x00, 0xC0, 0xC0));

    // The pirate's face, stretched over its image control.
    auto *face = about->find<toolkit::ImageBox>("Image1");
    ASSERT_NE(face, nullptr);
    EXPECT_FALSE(face->picture().isNull());
    EXPECT_FALSE(face->hasBorder());
    EXPECT_EQ(about->cmdOK->backColour(), QColor(0x80, 0x80, 0xFF));
    delete about;
}
