// The mouse pointer over each window: the parrot over the four windows' client areas and over the
// title window's OK button; the normal arrow over every other control and over the menu bars; a
// text box keeps the I-beam that marks where text goes.
#include <QApplication>
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>

#include "CertificateWindow.h"
#include "app/Frmfirst.h"
#include "app/toolkit/Pictures.h"
#include "support/GameDriver.h"
#include "windows/frmAboutScallywise.h"

namespace {

using toolkit::ControlKind;

bool showsParrot(const QWidget *w)
{
    const QCursor shown = w->cursor();
    return shown.shape() == Qt::BitmapCursor
           && shown.pixmap().toImage() == toolkit::parrotCursor().pixmap().toImage()
           && shown.hotSpot() == art::parrotHotSpot;
}

// Every control of the window's layout, and the window itself, shows the pointer it should.
void expectPointers(const toolkit::Form &form, std::string_view parrotControl = {})
{
    SCOPED_TRACE(form.objectName().toStdString());
    EXPECT_TRUE(showsParrot(form.clientArea())) << "the client area";
    if (form.menuWidget() && form.menuWidget()->isVisibleTo(&form)) {
        EXPECT_EQ(form.menuWidget()->cursor().shape(), Qt::ArrowCursor) << "the menu bar";
    }
    for (const toolkit::ControlSpec &c : form.layout().controls) {
        // Lines let the mouse through to the window; picture boxes never show.
        if (c.kind == ControlKind::Line || c.kind == ControlKind::PictureBox)
            continue;
        const std::string name(c.name);
        const QWidget *control = form.control(c.name);
        ASSERT_NE(control, nullptr) << name;
        if (c.name == parrotControl) {
            EXPECT_TRUE(showsParrot(control)) << name;
        } else if (const auto *box = qobject_cast<const toolkit::TextBox *>(control)) {
            EXPECT_EQ(box->cursor().shape(), Qt::ArrowCursor) << name << "'s frame";
            const QWidget *typedInto = box->multi() ? box->multi()->viewport() : static_cast<QWidget *>(box->single());
            EXPECT_EQ(typedInto->cursor().shape(), Qt::IBeamCursor) << name;
        } else {
            EXPECT_EQ(control->cursor().shape(), Qt::ArrowCursor) << name;
        }
    }
}

}  // namespace

TEST(Pointer, TheParrotOverTheWindowsAndTheOkButtonTheArrowOverEveryOtherControl)
{
    const auto previousEnder = toolkit::setProgramEnder([] {});
    {
        Frmfirst title;
        expectPointers(title, "Cmdokay");
    }
    {
        GameDriver game;
        expectPointers(game.w());
        game.fallPirates(12);  // the whole roster shows, and the certificate opens
        expectPointers(game.w());
        ASSERT_NE(game.w().certificate(), nullptr);
        expectPointers(*game.w().certificate());
        expectPointers(*frmAboutScallywise::showAbout(&game.w()));
    }
    toolkit::setProgramEnder(previousEnder);
}
