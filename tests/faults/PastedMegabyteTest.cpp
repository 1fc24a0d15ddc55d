// A megabyte pasted into the certificate's name box (the score box's is a bad-input test of the
// game): the name goes on, the certificate prints, and the game plays on.
#include <QClipboard>
#include <gtest/gtest.h>

#include "support/ActiveWindow.h"
#include "StillPlays.h"
#include "windows/Frmreward.h"

namespace {

// Prints nothing and keeps the picture it is given.
struct KeepingPrinter : CertificatePrinter {
    QImage printed;
    Outcome print(const CertificatePage &certificate) override
    {
        printed = certificate.image();
        return {Outcome::Kind::Printed, {}};
    }
};

}  // namespace

TEST(PastedMegabyte, IntoTheNameBoxTheNameGoesOnAndTheCertificatePrints)
{
    const QString megabytes[] = {
        QString(1 << 20, QChar(u'a')),                                      // one endless word
        QStringLiteral("Sam ").repeated((1 << 20) / 4),                     // words to wrap
        QStringLiteral("Sam\n").repeated((1 << 20) / 4),                    // lines
    };
    for (const QString &pasted : megabytes) {
        GameDriver game;
        game.fallPirates(12);
        Frmreward *certificate = game.w().certificate();
        ASSERT_NE(certificate, nullptr);
        auto printer = std::make_unique<KeepingPrinter>();
        KeepingPrinter *kept = printer.get();
        certificate->setPrinter(std::move(printer));

        testsupport::makeActive(certificate);
        QApplication::clipboard()->setText(pasted);
        QTest::keyClick(certificate->Txtmyname->editor(), Qt::Key_V, Qt::ControlModifier);
        const QString name = certificate->Txtmyname->text();
        EXPECT_FALSE(name.isEmpty());
        QTest::keyClick(certificate->Txtmyname->editor(), Qt::Key_Return);
        const std::string_view rank = game.w().rankTitle();  // the checked level's
        EXPECT_FALSE(rank.empty());
        EXPECT_EQ(certificate->Label1->text(), QString::fromUtf8(rank.data(), qsizetype(rank.size())) + name);

        QTest::mouseClick(certificate->Cmdprintit, Qt::LeftButton);
        EXPECT_EQ(kept->printed.size(), certificate->clientArea()->size());
        EXPECT_TRUE(certificate->Cmdexit->isVisible());

        expectTheGameStillPlays(game);
    }
}
