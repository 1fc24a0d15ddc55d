// Text in a system colour over a window's artwork reads in a dark colour scheme: on every window,
// on the screen and on the certificate's paper, when the scheme changes while a window is open,
// and without a pixel of change in the default scheme.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <ostream>
#include <vector>

#include "CertificateWindow.h"
#include "Ranks.h"
#include "app/TitleLayout.h"
#include "app/toolkit/Contrast.h"
#include "app/toolkit/Form.h"
#include "app/toolkit/Pictures.h"
#include "game/GameLayout.h"
#include "windows/AboutLayout.h"
#include "windows/RewardLayout.h"

namespace {

using namespace toolkit;

struct Scheme {
    const char *name;
    QRgb windowText, buttonText, window, base;
};

void PrintTo(const Scheme &s, std::ostream *out) { *out << s.name; }

// Dark schemes as their colour files give them: qt6ct's darker.conf, GTK's Adwaita dark, KDE's
// Breeze Dark; and a sepia one whose dark brown text reads on the parchment as it is.
constexpr Scheme schemes[] = {
    {"qt6ctDarker", 0xFFFFFFFF, 0xFFFFFFFF, 0xFF222020, 0xFF3D3D3D},
    {"AdwaitaDark", 0xFFEEEEEC, 0xFFEEEEEC, 0xFF353535, 0xFF2D2D2D},
    {"BreezeDark", 0xFFFCFCFC, 0xFFFCFCFC, 0xFF202326, 0xFF141618},
    {"Sepia", 0xFF3B2A14, 0xFF2E2010, 0xFFF3E9D2, 0xFFFFFBF0},
};

// The certificate's wording, each in the window's or the buttons' text colour by role.
constexpr std::string_view wording[] = {"Lblfirst", "Lblsecond", "Lblthree", "Lblfour"};

QPalette paletteOf(const Scheme &s)
{
    QPalette p = QApplication::palette();
    p.setColor(QPalette::WindowText, QColor::fromRgb(s.windowText));
    p.setColor(QPalette::Text, QColor::fromRgb(s.windowText));
    p.setColor(QPalette::ButtonText, QColor::fromRgb(s.buttonText));
    p.setColor(QPalette::Window, QColor::fromRgb(s.window));
    p.setColor(QPalette::Button, QColor::fromRgb(s.window));
    p.setColor(QPalette::Base, QColor::fromRgb(s.base));
    return p;
}

// The application's palette for one test, and the one before it back afterwards.
class SchemeOnApp {
public:
    explicit SchemeOnApp(const QPalette &scheme) { QApplication::setPalette(scheme); }
    ~SchemeOnApp() { QApplication::setPalette(before_); }

private:
    QPalette before_ = QApplication::palette();
};

bool differs(QRgb a, QRgb b, int tolerance = 24)
{
    return std::abs(qRed(a) - qRed(b)) > tolerance || std::abs(qGreen(a) - qGreen(b)) > tolerance
           || std::abs(qBlue(a) - qBlue(b)) > tolerance;
}

// A label as it reads in a picture of the window: its ink is the colour most of the pixels that
// differ from the bare artwork have (the middles of the strokes, not their smoothed edges), read
// against the artwork's pixel of middle luminance under the label.
struct Reading {
    QColor ink, backdrop;
    int inkPixels = 0;
    double contrast() const { return contrastRatio(ink, backdrop); }
};

Reading readLabel(const QImage &shown, const QImage &bare, const QRect &place)
{
    std::vector<std::pair<double, QRgb>> art;
    std::map<QRgb, int> ink;
    const QRect inside = place & bare.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QRgb under = bare.pixel(x, y) | 0xFF000000u, over = shown.pixel(x, y) | 0xFF000000u;
            art.emplace_back(relativeLuminance(QColor::fromRgb(under)), under);
            if (differs(over, under))
                ++ink[over];
        }
    Reading r;
    if (art.empty() || ink.empty())
        return r;
    std::nth_element(art.begin(), art.begin() + qsizetype(art.size() / 2), art.end());
    r.backdrop = QColor::fromRgb(art[art.size() / 2].second);
    const auto most = std::max_element(ink.begin(), ink.end(), [](auto &a, auto &b) { return a.second < b.second; });
    r.ink = QColor::fromRgb(most->first);
    for (auto &[colour, count] : ink)
        r.inkPixels += count;
    return r;
}

QPalette::ColorRole roleOf(const ControlSpec &c)
{
    return c.foreColour.role == Colour::Role::ButtonText ? QPalette::ButtonText : QPalette::WindowText;
}

bool inRoleColourOverArt(const ControlSpec &c)
{
    return c.kind == ControlKind::Label && c.has(Transparent) && c.foreColour.role != Colour::Role::Rgb;
}

// A window of a layout on the screen, its picture taken with and without its labels in a role
// colour over the artwork.
class Shown {
public:
    explicit Shown(const Layout &layout) : form_(std::make_unique<Form>(layout))
    {
        form_->showForm();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
    }
    Form &form() { return *form_; }
    std::vector<const ControlSpec *> roleLabels() const
    {
        std::vector<const ControlSpec *> labels;
        for (const ControlSpec &c : form_->layout().controls)
            if (inRoleColourOverArt(c) && form_->control(c.name)->isVisibleTo(form_.get()))
                labels.push_back(&c);
        return labels;
    }
    QImage grab() { return form_->clientArea()->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    QImage grabBare()
    {
        const auto labels = roleLabels();
        for (const ControlSpec *c : labels)
            form_->control(c->name)->hide();
        QImage bare = grab();
        for (const ControlSpec *c : labels)
            form_->control(c->name)->show();
        return bare;
    }
    Reading read(const ControlSpec &c, const QImage &shown, const QImage &bare)
    {
        return readLabel(shown, bare, form_->control(c.name)->geometry());
    }

private:
    std::unique_ptr<Form> form_;
};

struct NamedLayout {
    const char *name;
    const Layout &layout;
};
const NamedLayout windows[] = {
    {"title", titlelayout::layout},
    {"game", gamelayout::layout},
    {"certificate", rewardlayout::layout},
    {"about", aboutlayout::layout},
};

// Every label in a role colour over the artwork reads; where the scheme's own colour reads
// against what lies under it, it is the scheme's colour, to the pixel.
void expectReadable(Shown &window, const QPalette &scheme, const char *where)
{
    const QImage shown = window.grab(), bare = window.grabBare();
    for (const ControlSpec *c : window.roleLabels()) {
        const Reading r = window.read(*c, shown, bare);
        SCOPED_TRACE(std::string(where) + " " + std::string(c->name));
        ASSERT_GT(r.inkPixels, 50) << "the label shows its text";
        EXPECT_GE(r.contrast(), readableContrast)
            << "ink " << r.ink.name().toStdString() << " on " << r.backdrop.name().toStdString();
        const QColor own = scheme.color(roleOf(*c));
        if (contrastRatio(own, r.backdrop) >= readableContrast) {
            EXPECT_EQ(r.ink.name(), own.name()) << "the scheme's colour reads, so it stays";
        }
    }
}

class TextOverArtInScheme : public ::testing::TestWithParam<Scheme> {};

}  // namespace

TEST_P(TextOverArtInScheme, EveryWindowsTextOverItsArtworkReads)
{
    SchemeOnApp scheme(paletteOf(GetParam()));
    for (const NamedLayout &w : windows) {
        Shown window(w.layout);
        expectReadable(window, QApplication::palette(), w.name);
    }
}

TEST_P(TextOverArtInScheme, TheCertificatesWordingReadsOnScreenAndOnPaper)
{
    SchemeOnApp scheme(paletteOf(GetParam()));
    const QPalette theme = QApplication::palette();
    GivenRank rank;
    rank.rank = "Captain ";
    CertificateWindow cert(rank);
    Frmreward &w = cert.w();
    const QImage bare = toolkit::loadImage(art::certificate).convertToFormat(QImage::Format_RGB32);
    cert.typeName("Jo");
    cert.click(w.Cmdmyname);
    const QImage onScreen = w.certificateImage().convertToFormat(QImage::Format_RGB32);
    cert.click(w.Cmdprintit);
    ASSERT_EQ(cert.printer->printed.size(), 1u);
    const QImage onPaper = cert.printer->printed.front().convertToFormat(QImage::Format_RGB32);
    for (std::string_view name : wording) {
        const QRect place = w.control(name)->geometry();
        for (const auto &[where, picture] : {std::pair{"screen", onScreen}, std::pair{"paper", onPaper}}) {
            const Reading r = readLabel(picture, bare, place);
            SCOPED_TRACE(std::string(name) + " on " + where);
            ASSERT_GT(r.inkPixels, 50);
            EXPECT_GE(r.contrast(), readableContrast)
                << "ink " << r.ink.name().toStdString() << " on " << r.backdrop.name().toStdString();
        }
    }
    // The controls keep the scheme's colours.
    EXPECT_EQ(w.Cmdexit->palette().color(QPalette::ButtonText), theme.color(QPalette::ButtonText));
    EXPECT_EQ(w.Txtmyname->single()->palette().color(QPalette::Text), theme.color(QPalette::Text));
}

INSTANTIATE_TEST_SUITE_P(DarkAndOtherSchemes, TextOverArtInScheme, ::testing::ValuesIn(schemes),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(TextOverArt, TheDefaultSchemesColoursStayAsTheyAre)
{
    const QPalette theme = QApplication::palette();
    Shown window(rewardlayout::layout);
    const QImage shown = window.grab(), bare = window.grabBare();
    int checked = 0;
    for (std::string_view name : wording) {
        const ControlSpec *c = window.form().specOf(name);
        ASSERT_TRUE(c && inRoleColourOverArt(*c)) << name;
        SCOPED_TRACE(std::string(name));
        const QColor own = theme.color(roleOf(*c));
        EXPECT_EQ(window.form().control(name)->palette().color(QPalette::WindowText), own);
        EXPECT_EQ(window.read(*c, shown, bare).ink.name(), own.name());
        ++checked;
    }
    EXPECT_EQ(checked, 4);
}

TEST(TextOverArt, FollowsASchemeChangedWhileTheWindowIsOpen)
{
    const QPalette light = QApplication::palette();
    Shown window(rewardlayout::layout);
    const ControlSpec &first = *window.form().specOf("Lblfirst");
    auto inkNow = [&] {
        const QImage bare = window.grabBare();
        return window.read(first, window.grab(), bare);
    };
    const QColor before = inkNow().ink;
    {
        SchemeOnApp dark(paletteOf(schemes[0]));
        QTRY_VERIFY_WITH_TIMEOUT(inkNow().inkPixels > 50 && inkNow().contrast() >= readableContrast, 10000);
        expectReadable(window, QApplication::palette(), "certificate, dark at run time");
        // A scheme whose colour reads is taken up as it changes.
        SchemeOnApp sepia(paletteOf(schemes[3]));
        QTRY_COMPARE_WITH_TIMEOUT(inkNow().ink.name(), QColor::fromRgb(schemes[3].windowText).name(), 10000);
    }
    QTRY_COMPARE_WITH_TIMEOUT(inkNow().ink.name(), before.name(), 10000);
    EXPECT_EQ(QApplication::palette().color(QPalette::WindowText), light.color(QPalette::WindowText));
}
