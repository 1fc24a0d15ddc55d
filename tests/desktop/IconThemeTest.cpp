// The desktop icons made from the 32 x 32 pirate face stay crisp pixel art at every size, and the
// scalable icon draws the very same pixels.
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QSvgRenderer>
#include <gtest/gtest.h>

namespace {

QString buildDir() { return qEnvironmentVariable("SCALLYWISE_BUILD_DIR"); }

QImage art()
{
    return QImage(buildDir() + "/art/icons/pirateface.ico").convertToFormat(QImage::Format_ARGB32);
}

QImage themeIcon(int size)
{
    return QImage(QStringLiteral("%1/packaging/hicolor/%2x%2/apps/%3.png")
                      .arg(buildDir())
                      .arg(size)
                      .arg(QStringLiteral(SCALLYWISE_APP_ID)))
        .convertToFormat(QImage::Format_ARGB32);
}

QString firstDifference(const QImage &a, const QImage &b, int tolerance = 0)
{
    if (a.size() != b.size())
        return QStringLiteral("sizes differ");
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (qAbs(qRed(p) - qRed(q)) > tolerance || qAbs(qGreen(p) - qGreen(q)) > tolerance
                || qAbs(qBlue(p) - qBlue(q)) > tolerance || qAbs(qAlpha(p) - qAlpha(q)) > tolerance)
                return QStringLiteral("at %1,%2: %3 against %4").arg(x).arg(y).arg(p, 8, 16).arg(q, 8, 16);
        }
    return {};
}

TEST(IconTheme, WholeMultiplesOfTheArtRepeatEachPixelAsASquareBlock)
{
    const QImage face = art();
    ASSERT_EQ(face.size(), QSize(32, 32));
    for (int size : {32, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const QImage icon = themeIcon(size);
        ASSERT_EQ(icon.size(), QSize(size, size));
        const int block = size / 32;
        QImage expected(size, size, QImage::Format_ARGB32);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                expected.setPixel(x, y, face.pixel(x / block, y / block));
        EXPECT_EQ(firstDifference(icon, expected), QString());
    }
}

TEST(IconTheme, SizesBetweenTakeOnlyTheArtsOwnColours)
{
    const QImage face = art();
    QSet<QRgb> palette;
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x)
            palette.insert(face.pixel(x, y));
    for (int size : {24, 48}) {
        SCOPED_TRACE(size);
        const QImage icon = themeIcon(size);
        ASSERT_EQ(icon.size(), QSize(size, size));
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                ASSERT_TRUE(palette.contains(icon.pixel(x, y))) << "a blended colour at " << x << "," << y;
    }
}

TEST(IconTheme, HalfSizeIsTheMeanOfEachTwoByTwoBlock)
{
    const QImage face = art();
    const QImage icon = themeIcon(16);
    ASSERT_EQ(icon.size(), QSize(16, 16));
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            int alpha = 0, red = 0;
            for (int dy = 0; dy < 2; ++dy)
                for (int dx = 0; dx < 2; ++dx) {
                    const QRgb p = face.pixel(2 * x + dx, 2 * y + dy);
                    alpha += qAlpha(p);
                    red += qRed(p) * qAlpha(p);
                }
            const QRgb got = icon.pixel(x, y);
            EXPECT_NEAR(qAlpha(got), alpha / 4, 1) << x << "," << y;
            if (alpha > 0) {
                EXPECT_NEAR(qRed(got), red / alpha, 1) << x << "," << y;
            }
        }
}

TEST(IconTheme, TheScalableIconDrawsTheSamePixelsAtAnySize)
{
    QSvgRenderer svg(QStringLiteral("%1/packaging/hicolor/scalable/apps/%2.svg")
                         .arg(buildDir(), QStringLiteral(SCALLYWISE_APP_ID)));
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.defaultSize(), QSize(32, 32));
    for (int size : {32, 64, 256}) {
        SCOPED_TRACE(size);
        QImage drawn(size, size, QImage::Format_ARGB32);
        drawn.fill(Qt::transparent);
        QPainter p(&drawn);
        svg.render(&p);
        p.end();
        EXPECT_EQ(firstDifference(drawn, themeIcon(size), 1), QString());
    }
}

}  // namespace
