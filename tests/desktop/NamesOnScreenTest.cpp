// A child's name in any script, on a real X display and on paper: pasted into the name box and put
// on the certificate, it shows in its own letters, drawn by a face that has them where the
// certificate's own face has not; no letter is the missing-glyph box; the line still fits inside
// its label, on the screen as the X server shows it and on the page that is printed or saved.
#include <QApplication>
#include <QClipboard>
#include <QGlyphRun>
#include <QPageSize>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextLayout>
#include <algorithm>
#include <gtest/gtest.h>

#include "CertificateWindow.h"
#include "Ranks.h"
#include "app/toolkit/FittingLabel.h"
#include "support/NameLineInk.h"
#include "support/PdfPage.h"
#include "windows/DesktopPrinter.h"

namespace {

// How many of the text's glyphs the font, with the faces it falls back to, draws as the
// missing-glyph box (glyph 0 of a face): what a child would see in place of a letter.
int boxesIn(const QString &text, const QFont &font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    while (layout.createLine().isValid()) {
    }
    layout.endLayout();
    int boxes = 0;
    for (const QGlyphRun &run : layout.glyphRuns())
        boxes += int(std::count(run.glyphIndexes().cbegin(), run.glyphIndexes().cend(), 0u));
    return boxes;
}

// The certificate's client area as the X server shows it: a screenshot, not the program's drawing.
QImage onScreen(Frmreward &window)
{
    QWidget *client = window.Label1->parentWidget();
    const QPoint at = client->mapTo(&window, QPoint(0, 0));
    QTest::qWait(100);  // the server has the window's latest drawing
    return window.screen()
        ->grabWindow(window.winId(), at.x(), at.y(), client->width(), client->height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// The certificate as it goes on paper, read back from the page at the client area's size.
QImage onPaper(const Frmreward &window, const QSize &size)
{
    QTemporaryDir folder;
    QFile pdf(folder.filePath("certificate.pdf"));
    if (!pdf.open(QIODevice::WriteOnly) || !DesktopPrinter::writePdf(pdf, window.certificatePage(), QPageSize(QPageSize::A4)))
        return {};
    pdf.close();
    const QImage page = pdfpage::rasterise(pdf.fileName(), 150);
    return page.isNull() ? page : pdfpage::pictureFromPage(page, size);
}

QString placeOf(const QRect &r)
{
    return QString("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

}  // namespace

TEST(NamesOnScreen, ANameInAnyScriptShowsInItsOwnLettersOnTheScreenAndOnPaper)
{
    const struct {
        const char *script;
        QString name;
    } names[] = {
        {"Latin with accents", u"Zoë Ødegård"_qs},
        {"Vietnamese", u"Nguyễn Thị Hương"_qs},
        {"Arabic", u"محمد علي"_qs},
        {"Hebrew", u"דוד לוי"_qs},
        {"Chinese", u"王小明"_qs},
        {"Devanagari", u"अनन्या शर्मा"_qs},
        {"Cyrillic and Greek", u"Иван Αλέξης"_qs},
        {"an emoji", u"Aroha 😀"_qs},
    };
    for (const auto &n : names) {
        SCOPED_TRACE(n.script);
        GivenRank levels;
        levels.rank = rankOf(longestRankCaption());  // the least room, so the fitting matters most
        CertificateWindow cert(levels);
        Frmreward &w = cert.w();
        // Pasted, as a name in another script usually comes from a keyboard layout or a message.
        QApplication::clipboard()->setText(n.name);
        QTest::keyClick(cert.nameEditor(), Qt::Key_V, Qt::ControlModifier);
        ASSERT_EQ(w.Txtmyname->text(), n.name);
        EXPECT_EQ(boxesIn(w.Txtmyname->text(), w.Txtmyname->editor()->font()), 0) << "in the name box";
        cert.click(w.Cmdmyname);
        ASSERT_TRUE(w.Label1->text().endsWith(n.name));

        const auto fit = qobject_cast<toolkit::FittingLabel *>(w.Label1)->fit();
        for (const QString &line : fit.lines)
            EXPECT_EQ(boxesIn(line, fit.font), 0) << "on the name line: " << line.toStdString();

        const QImage screen = onScreen(w);
        const QRect shownInk = nameline::inkAround(screen, 12);
        ASSERT_FALSE(shownInk.isEmpty()) << "no name line on the screen";
        EXPECT_TRUE(nameline::place.adjusted(1, 1, -1, -1).contains(shownInk)) << "on the screen, ink " << placeOf(shownInk).toStdString();

        // On paper the same letters in the same places: every glyph reached the page, the emoji too
        // (one taken from a colour emoji face, whose glyphs are bitmaps, would be left off it).
        const QImage paper = onPaper(w, screen.size());
        ASSERT_FALSE(paper.isNull()) << "the page could not be written or read back";
        const QRect printedInk = nameline::inkAround(paper, 12, 60);
        EXPECT_TRUE(nameline::place.contains(printedInk)) << "on paper, ink " << placeOf(printedInk).toStdString();
        EXPECT_LE((printedInk.topLeft() - shownInk.topLeft()).manhattanLength(), 3)
            << "paper " << placeOf(printedInk).toStdString() << ", screen " << placeOf(shownInk).toStdString();
        EXPECT_LE((printedInk.bottomRight() - shownInk.bottomRight()).manhattanLength(), 3)
            << "paper " << placeOf(printedInk).toStdString() << ", screen " << placeOf(shownInk).toStdString();
        // As much of the line's red ink as on the screen, give or take the smoothing: no letter lost
        // or drawn as an empty box.
        const int shownRed = nameline::nameColoured(screen, nameline::place);
        const int printedRed = nameline::nameColoured(paper, nameline::place);
        EXPECT_GE(printedRed, shownRed * 9 / 10) << "paper " << printedRed << ", screen " << shownRed;
        EXPECT_LE(printedRed, shownRed * 14 / 10) << "paper " << printedRed << ", screen " << shownRed;
    }
}
