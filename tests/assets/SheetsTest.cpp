// The sprite and mask sheets agree pixel for pixel and hold the twelve cells the pirate is drawn from.
#include "app/toolkit/Pictures.h"

#include <QImage>
#include <algorithm>
#include <QRect>
#include <QString>
#include <gtest/gtest.h>

namespace {

constexpr int columns[] = {0, 55, 115};
constexpr int rows[] = {8, 97, 186, 278};
constexpr int cellWidth = 50;
constexpr int cellHeight = 84;
constexpr QRgb black = qRgb(0, 0, 0);
constexpr QRgb white = qRgb(255, 255, 255);

QImage load(std::string_view resource)
{
    return QImage(QString::fromLatin1(resource.data(), qsizetype(resource.size()))).convertToFormat(QImage::Format_RGB32);
}

QRect cell(int column, int row) { return {column, row, cellWidth, cellHeight}; }

class Sheets : public ::testing::Test {
protected:
    void SetUp() override
    {
        sprite = load(art::spriteSheet);
        mask = load(art::maskSheet);
        scene = load(art::seaScene);
        ASSERT_EQ(sprite.size(), QSize(174, 364));
        ASSERT_EQ(mask.size(), QSize(174, 364));
    }
    bool pirateAt(int x, int y) const { return mask.pixel(x, y) == black; }
    // The lowest row of the cell with any of the pirate in it, counted from the cell's top; -1 if none.
    int lowestRow(const QRect &c) const
    {
        for (int y = c.height() - 1; y >= 0; --y)
            for (int x = 0; x < c.width(); ++x)
                if (pirateAt(c.x() + x, c.y() + y))
                    return y;
        return -1;
    }
    QImage sprite, mask, scene;
};

// The mask is black and white only, and wherever it is white the sprite is black.
TEST_F(Sheets, MaskIsTwoColouredAndSpriteIsBlackOutsideThePirate)
{
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x) {
            const QRgb m = mask.pixel(x, y);
            ASSERT_TRUE(m == black || m == white) << x << "," << y;
            if (m == white) {
                ASSERT_EQ(sprite.pixel(x, y), black) << x << "," << y;
            }
        }
}

// Every cell shows a figure of some size.
TEST_F(Sheets, EveryCellHoldsAFigure)
{
    for (int row : rows)
        for (int column : columns) {
            const QRect c = cell(column, row);
            int count = 0;
            for (int y = c.top(); y <= c.bottom(); ++y)
                for (int x = c.left(); x <= c.right(); ++x)
                    count += pirateAt(x, y);
            EXPECT_GE(count, 120) << "cell " << column << "," << row;
        }
}

// Outside the cells the mask is white, but for the few pixels that are never drawn: hat tips up to
// 3 px above the first row, feet up to 2 px below the last, raised hands up to 5 px right of row 97.
TEST_F(Sheets, NothingOfThePirateLiesOutsideTheCellsBeyondTheAllowance)
{
    std::vector<QRect> allowed;
    for (int column : columns) {
        for (int row : rows)
            allowed.push_back(cell(column, row));
        allowed.emplace_back(column, rows[0] - 3, cellWidth, 3);
        allowed.emplace_back(column, rows[3] + cellHeight, cellWidth, 2);
        allowed.emplace_back(column + cellWidth, rows[1], 5, cellHeight);
    }
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x) {
            if (!pirateAt(x, y))
                continue;
            const bool inside = std::any_of(allowed.begin(), allowed.end(), [&](const QRect &r) { return r.contains(x, y); });
            ASSERT_TRUE(inside) << x << "," << y;
        }
}

// A walking pirate's boots end in his cell's last or last but one row.
TEST_F(Sheets, WalkingFeetReachTheCellsLastTwoRows)
{
    for (int row : {rows[0], rows[3]})
        for (int column : columns) {
            const int lowest = lowestRow(cell(column, row));
            EXPECT_TRUE(lowest == cellHeight - 1 || lowest == cellHeight - 2) << "cell " << column << "," << row << ": " << lowest;
        }
}

// Drawn at y 135 on the walking places over the board, the soles rest on the board's wood.
TEST_F(Sheets, WalkingPirateStandsOnTheBoard)
{
    constexpr QRgb woodColours[] = {qRgb(0x8B, 0x5A, 0x2B), qRgb(0x6B, 0x42, 0x20), qRgb(0xA0, 0x70, 0x3A)};
    for (int place : {340, 304, 268, 232, 196, 160, 124, 344, 308, 272, 236, 200, 164, 128})
        for (int row : {rows[0], rows[3]})
            for (int column : columns) {
                const QRect c = cell(column, row);
                const int sole = lowestRow(c);
                int onWood = 0;
                for (int x = 0; x < cellWidth; ++x)
                    if (pirateAt(c.x() + x, c.y() + sole)) {
                        const QRgb below = scene.pixel(place + x, 135 + sole);
                        onWood += std::count(std::begin(woodColours), std::end(woodColours), below);
                    }
                EXPECT_GE(onWood, 4) << "place " << place << ", cell " << column << "," << row;
            }
}

// The first falling cell's splash reaches both sides of the cell.
TEST_F(Sheets, SplashTouchesBothEdgesOfTheFirstFallingCell)
{
    const QRect c = cell(columns[0], rows[1]);
    bool left = false;
    bool right = false;
    for (int y = c.top(); y <= c.bottom(); ++y) {
        left |= pirateAt(c.left(), y);
        right |= pirateAt(c.right(), y);
    }
    EXPECT_TRUE(left);
    EXPECT_TRUE(right);
}

}  // namespace
