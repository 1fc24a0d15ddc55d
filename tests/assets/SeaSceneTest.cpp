// The sea scene's board, bow and sea lie exactly where the pirate's walk and fall expect them.
#include "app/toolkit/Pictures.h"

#include <QImage>
#include <algorithm>
#include <QString>
#include <gtest/gtest.h>

namespace {

constexpr QRgb teal = qRgb(0x00, 0x80, 0x80);
constexpr QRgb waveCyan = qRgb(0x00, 0xFF, 0xFF);
constexpr QRgb skyBlue = qRgb(0x00, 0x80, 0xFF);
constexpr QRgb woodColours[] = {qRgb(0x8B, 0x5A, 0x2B), qRgb(0x6B, 0x42, 0x20), qRgb(0xA0, 0x70, 0x3A)};

bool isWood(QRgb c) { return std::find(std::begin(woodColours), std::end(woodColours), qRgb(qRed(c), qGreen(c), qBlue(c))) != std::end(woodColours); }
bool isSea(QRgb c)
{
    const QRgb rgb = qRgb(qRed(c), qGreen(c), qBlue(c));
    return rgb == teal || rgb == waveCyan;
}

class SeaScene : public ::testing::Test {
protected:
    void SetUp() override
    {
        scene = QImage(QString::fromLatin1(art::seaScene.data(), qsizetype(art::seaScene.size())))
                    .convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(scene.size(), QSize(735, 456));
    }
    QRgb at(int x, int y) const { return scene.pixel(x, y); }
    QImage scene;
};

// Rows 216 to 226 are wood from x 114 (x 113 on the two lowest rows) to x 385, and no further out.
TEST_F(SeaScene, BoardIsElevenRowsOfWoodFromItsOuterEndToTheShip)
{
    for (int y = 216; y <= 226; ++y) {
        const int outerEnd = y >= 225 ? 113 : 114;
        for (int x = outerEnd; x <= 385; ++x)
            ASSERT_TRUE(isWood(at(x, y))) << x << "," << y;
        for (int x = 0; x < outerEnd; ++x)
            ASSERT_FALSE(isWood(at(x, y))) << x << "," << y << " lies beyond the board's end";
    }
}

// Just above and just below the board, left of the bow, there is no board: the pirate stands on row 216.
TEST_F(SeaScene, RowsAboveAndBelowTheBoardAreNotBoard)
{
    for (int x = 0; x < 240; ++x) {
        EXPECT_FALSE(isWood(at(x, 215))) << x;
        EXPECT_FALSE(isWood(at(x, 227))) << x;
    }
}

// The sea begins at y 296 at the left edge, y 297 below the board's end and y 298 towards the ship,
// and everything from the surface down is sea.
TEST_F(SeaScene, SeaSurfaceFallsFrom296To298TowardsTheShip)
{
    struct SurfaceCase {
        int fromX;
        int toX;
        int surface;
    };
    constexpr SurfaceCase cases[] = {{0, 0, 296}, {88, 138, 297}, {200, 239, 298}};
    for (const SurfaceCase &c : cases)
        for (int x = c.fromX; x <= c.toX; ++x) {
            EXPECT_FALSE(isSea(at(x, c.surface - 1))) << x;
            EXPECT_TRUE(isSea(at(x, c.surface))) << x;
        }
    int previous = 296;
    int cyan = 0;
    for (int x = 0; x < 240; ++x) {
        int surface = 0;
        while (surface < 456 && !isSea(at(x, surface)))
            ++surface;
        ASSERT_GE(surface, previous) << x;
        ASSERT_LE(surface, 298) << x;
        previous = surface;
        for (int y = surface; y < 456; ++y) {
            ASSERT_TRUE(isSea(at(x, y))) << x << "," << y;
            cyan += qRgb(qRed(at(x, y)), qGreen(at(x, y)), qBlue(at(x, y))) == waveCyan;
        }
    }
    EXPECT_GT(cyan, 100) << "the sea has wave lines";
}

// The bow's edge runs straight from (240, 227) to (269, 296): left of it is sky, at it the ship.
TEST_F(SeaScene, BowEdgeRunsFrom240_227To269_296)
{
    for (int y = 228; y <= 296; ++y) {
        const int expected = int(std::lround(240 + (y - 227) * 29.0 / 69.0));
        // Sky just left of the bow; at x 200 the sea only begins at y 298.
        const QRgb sky = at(200, y);
        int x = 200;
        while (x < 400 && at(x, y) == sky)
            ++x;
        EXPECT_NEAR(x, expected, 1) << "row " << y;
    }
}

// The sky is the scene's blue, lightening only near the horizon.
TEST_F(SeaScene, SkyIsBlue)
{
    for (int y = 70; y < 140; ++y)
        EXPECT_EQ(at(5, y), skyBlue) << y;
    const QRgb horizon = at(5, 290);
    EXPECT_GT(qRed(horizon), 0x20);
    EXPECT_EQ(qBlue(horizon), 0xFF);
}

}  // namespace
