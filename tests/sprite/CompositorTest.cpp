// Pixel tests of the compositor on small made-up sheets and a busy background.
#include "sprite/Compositor.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <random>
#include <string>

namespace {

constexpr int sheetWidth = 174, sheetHeight = 364;
constexpr int columns[] = {0, 55, 115};
constexpr int rows[] = {8, 97, 186, 278};
constexpr QPoint blankFrame{55, 97};  // the one cell of the made-up sheets with no pirate in it
constexpr QRgb opaque = 0xFF000000;

bool insideAnyCell(int x, int y)
{
    for (int column : columns)
        for (int row : rows)
            if (x >= column && x < column + Compositor::cellWidth && y >= row && y < row + Compositor::cellHeight)
                return true;
    return false;
}

// Sheets that keep to the rules of real ones (mask black or white, sprite black wherever the
// mask is white, some pirate pixels black in both) but have a figure in every pixel between the
// cells, so any drawing outside a cell shows. The blank cell is empty.
struct Sheets {
    QImage sprite{sheetWidth, sheetHeight, QImage::Format_RGB32};
    QImage mask{sheetWidth, sheetHeight, QImage::Format_RGB32};

    Sheets()
    {
        std::mt19937 random(7);
        const QRect blank(blankFrame, QSize(Compositor::cellWidth, Compositor::cellHeight));
        for (int y = 0; y < sheetHeight; ++y) {
            for (int x = 0; x < sheetWidth; ++x) {
                const std::uint32_t roll = random();
                const bool pirate = !blank.contains(x, y) && (!insideAnyCell(x, y) || roll % 3 != 0);
                const bool blackInBoth = roll % 11 == 0;
                mask.setPixel(x, y, pirate ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
                sprite.setPixel(x, y, pirate && !blackInBoth ? opaque | (roll >> 8) : qRgb(0, 0, 0));
            }
        }
    }
};

QImage busyBackground(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb((x * 37 + y * 11) & 255, (x * y) & 255, (x ^ (y * 3)) & 255));
    return image;
}

// The picture by definition: the scene restored wherever canvas and background overlap, then
// for each pixel of the cell that lands there and comes from inside the sheets, the canvas ANDed
// with the mask and XORed with the sprite.
QImage definedPicture(const QImage &canvasBefore, const QImage &background, const Sheets &sheets, QPoint place,
                      QPoint frame)
{
    QImage picture = canvasBefore.copy();
    const QRect shared = picture.rect() & background.rect();
    for (int y = shared.top(); y <= shared.bottom(); ++y)
        for (int x = shared.left(); x <= shared.right(); ++x)
            picture.setPixel(x, y, background.pixel(x, y));
    for (int dy = 0; dy < Compositor::cellHeight; ++dy) {
        for (int dx = 0; dx < Compositor::cellWidth; ++dx) {
            const std::int64_t x = std::int64_t(place.x()) + dx, y = std::int64_t(place.y()) + dy;
            const std::int64_t u = std::int64_t(frame.x()) + dx, v = std::int64_t(frame.y()) + dy;
            if (x < shared.left() || x > shared.right() || y < shared.top() || y > shared.bottom())
                continue;
            if (u < 0 || u >= sheetWidth || v < 0 || v >= sheetHeight)
                continue;
            const QRgb under = picture.pixel(int(x), int(y));
            const QRgb result = (under & sheets.mask.pixel(int(u), int(v))) ^ sheets.sprite.pixel(int(u), int(v));
            picture.setPixel(int(x), int(y), opaque | result);
        }
    }
    return picture;
}

// Empty when the two pictures agree in every bit of every pixel, alpha included.
std::string differenceBetween(const QImage &actual, const QImage &expected)
{
    if (actual.size() != expected.size())
        return "sizes differ";
    for (int y = 0; y < actual.height(); ++y) {
        const auto *a = reinterpret_cast<const std::uint32_t *>(actual.constScanLine(y));
        const auto *e = reinterpret_cast<const std::uint32_t *>(expected.constScanLine(y));
        for (int x = 0; x < actual.width(); ++x)
            if (a[x] != e[x])
                return "first difference at (" + std::to_string(x) + ", " + std::to_string(y) + "): "
                    + QString::number(a[x], 16).toStdString() + " instead of " + QString::number(e[x], 16).toStdString();
    }
    return {};
}

// The rectangle holding every pixel that differs between two pictures of one size.
QRect changedArea(const QImage &before, const QImage &after)
{
    QRect changed;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y))
                changed |= QRect(x, y, 1, 1);
    return changed;
}

QRect cellAt(QPoint place)
{
    return QRect(place, QSize(Compositor::cellWidth, Compositor::cellHeight));
}

class CompositorTest : public ::testing::Test {
protected:
    Sheets sheets;
    Compositor compositor{sheets.sprite, sheets.mask};
    QImage background = busyBackground({200, 160});
    QImage canvas = background.copy();

    QImage expectedAfter(const QImage &before, QPoint place, QPoint frame) const
    {
        return definedPicture(before, background, sheets, place, frame);
    }
};

// Places and frames across the canvas and sheets, including cells that cross an edge.
struct Draw {
    QPoint place, frame;
};
constexpr Draw drawsOnTheCanvas[] = {
    {{20, 30}, {0, 8}},   {{75, 40}, {55, 8}},  {{140, 70}, {115, 8}}, {{10, 60}, {0, 97}},
    {{100, 0}, {115, 97}}, {{60, 76}, {0, 186}}, {{150, 76}, {115, 278}}, {{33, 17}, {3, 5}},
};

TEST_F(CompositorTest, CellIsTheMaskAndedThenTheSpriteXoredOverTheScene)
{
    for (const Draw &draw : drawsOnTheCanvas) {
        const QImage before = canvas.copy();
        compositor.moveIt(canvas, background, draw.place, draw.frame);
        EXPECT_EQ(differenceBetween(canvas, expectedAfter(before, draw.place, draw.frame)), "")
            << "place " << draw.place.x() << "," << draw.place.y();
        EXPECT_NE(differenceBetween(canvas, background), "") << "the pirate was not drawn";
    }
}

// The hand-written transfer must match what Qt's own raster operations make of the same cell.
TEST_F(CompositorTest, MatchesQPaintersRasterOperations)
{
    for (const Draw &draw : drawsOnTheCanvas) {
        QImage painted = background.copy();
        QPainter painter(&painted);
        const QRect cell(draw.frame, QSize(Compositor::cellWidth, Compositor::cellHeight));
        painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        painter.drawImage(draw.place, sheets.mask, cell);
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.drawImage(draw.place, sheets.sprite, cell);
        painter.end();

        compositor.moveIt(canvas, background, draw.place, draw.frame);
        EXPECT_EQ(differenceBetween(canvas, painted), "") << "place " << draw.place.x() << "," << draw.place.y();
    }
}

TEST_F(CompositorTest, BlankCellLeavesTheSceneUntouchedAndWipesTheLastPirate)
{
    compositor.moveIt(canvas, background, {40, 40}, {0, 8});
    compositor.moveIt(canvas, background, {60, 50}, blankFrame);
    EXPECT_EQ(differenceBetween(canvas, background), "");
}

TEST_F(CompositorTest, SameCallTwiceLeavesTheSamePicture)
{
    compositor.moveIt(canvas, background, {70, 30}, {55, 278});
    const QImage once = canvas.copy();
    const QRect changed = compositor.moveIt(canvas, background, {70, 30}, {55, 278});
    EXPECT_EQ(differenceBetween(canvas, once), "");
    EXPECT_EQ(changed, cellAt({70, 30}));
}

// Drawing on the sheets' edges or off them, or far off the canvas, clips: no crash, no write
// beyond the canvas (the sanitizer build watches), and the picture the definition gives.
TEST_F(CompositorTest, ClipsPlacesAndFramesAtAndBeyondEveryEdge)
{
    constexpr Draw edgeDraws[] = {
        {{-20, 30}, {0, 8}},          {{170, 30}, {55, 8}},          {{60, -50}, {115, 97}},
        {{60, 130}, {0, 278}},        {{-49, -83}, {115, 278}},      {{199, 159}, {0, 8}},
        {{-50, 10}, {0, 8}},          {{200, 10}, {0, 8}},           {{10, 160}, {0, 8}},
        {{INT_MIN, INT_MIN}, {0, 8}}, {{INT_MAX, INT_MAX}, {0, 8}},  {{INT_MAX - 20, 10}, {0, 8}},
        {{30, 30}, {150, 320}},       {{30, 30}, {-30, -40}},        {{30, 30}, {INT_MAX, INT_MIN}},
        {{30, 30}, {INT_MIN, 300}},   {{-32768, 32767}, {-32768, 32767}},
    };
    for (const Draw &draw : edgeDraws) {
        const QImage before = canvas.copy();
        const QRect changed = compositor.moveIt(canvas, background, draw.place, draw.frame);
        EXPECT_EQ(differenceBetween(canvas, expectedAfter(before, draw.place, draw.frame)), "")
            << "place " << draw.place.x() << "," << draw.place.y() << " frame " << draw.frame.x() << ","
            << draw.frame.y();
        EXPECT_TRUE(canvas.rect().contains(changed) || changed.isEmpty());
    }
}

// Any walk of moves leaves exactly one pirate on the scene, the repair gives the picture of a
// whole restore, and the rectangle it reports holds every pixel that changed.
TEST_F(CompositorTest, RepairAfterAnyMovesEqualsWholeRestoreWithNoTrail)
{
    Compositor wholeRestorer(sheets.sprite, sheets.mask);
    QImage restoredWhole = background.copy();
    compositor.moveIt(canvas, background, {0, 0}, {0, 8});
    std::mt19937 random(2024);
    auto within = [&random](int low, int high) { return low + int(random() % std::uint32_t(high - low + 1)); };
    QPoint lastPlace(0, 0);
    for (int move = 0; move < 300; ++move) {
        const QPoint place(within(-60, 210), within(-90, 170));
        const QPoint frame = move % 4 == 0 ? QPoint(within(-10, 180), within(-10, 370))
                                           : QPoint(columns[within(0, 2)], rows[within(0, 3)]);
        const QImage before = canvas.copy();
        const QRect reported = compositor.moveIt(canvas, background, place, frame);
        wholeRestorer.moveItFull(restoredWhole, background, place, frame);

        ASSERT_EQ(differenceBetween(canvas, definedPicture(background, background, sheets, place, frame)), "")
            << "move " << move;
        ASSERT_EQ(differenceBetween(canvas, restoredWhole), "") << "move " << move;
        EXPECT_EQ(reported, (cellAt(lastPlace) & canvas.rect()) | (cellAt(place) & canvas.rect())) << "move " << move;
        EXPECT_TRUE(reported.contains(changedArea(before, canvas)) || changedArea(before, canvas).isEmpty());
        lastPlace = place;
    }
}

// Only the compositor's own drawing is repaired cheaply; a canvas painted over, replaced, or
// not yet drawn on is restored whole.
TEST_F(CompositorTest, CanvasItDoesNotKnowIsRestoredWhole)
{
    QImage fresh(background.size(), QImage::Format_RGB32);
    fresh.fill(Qt::magenta);
    EXPECT_EQ(compositor.moveIt(fresh, background, {30, 30}, {0, 8}), fresh.rect());
    EXPECT_EQ(differenceBetween(fresh, expectedAfter(background, {30, 30}, {0, 8})), "");

    fresh.fill(Qt::green);
    compositor.forgetCanvas();
    EXPECT_EQ(compositor.moveIt(fresh, background, {50, 30}, {0, 8}), fresh.rect());
    EXPECT_EQ(differenceBetween(fresh, expectedAfter(background, {50, 30}, {0, 8})), "");

    QImage larger = busyBackground({240, 180});
    QImage largerCanvas(larger.size(), QImage::Format_RGB32);
    largerCanvas.fill(Qt::magenta);
    EXPECT_EQ(compositor.moveIt(largerCanvas, larger, {50, 30}, {0, 8}), largerCanvas.rect());
    EXPECT_EQ(differenceBetween(largerCanvas, definedPicture(larger, larger, sheets, {50, 30}, {0, 8})), "");
}

// When canvas and background differ in size, the pirate lives in the area both cover and the
// rest of the canvas is never touched.
TEST_F(CompositorTest, CanvasAndBackgroundOfDifferentSizesShareOnlyTheirOverlap)
{
    const QSize canvasSizes[] = {{120, 100}, {260, 220}, {120, 220}};
    for (QSize size : canvasSizes) {
        QImage odd(size, QImage::Format_RGB32);
        odd.fill(Qt::magenta);
        Compositor own(sheets.sprite, sheets.mask);
        for (QPoint place : {QPoint(100, 80), QPoint(170, 130), QPoint(-10, 90), QPoint(10, 10)}) {
            const QImage before = odd.copy();
            const QRect changed = own.moveIt(odd, background, place, {0, 8});
            EXPECT_EQ(differenceBetween(odd, definedPicture(before, background, sheets, place, {0, 8})), "")
                << size.width() << "x" << size.height() << " at " << place.x() << "," << place.y();
            EXPECT_TRUE((odd.rect() & background.rect()).contains(changed) || changed.isEmpty());
        }
    }
}

// Drawing into the scene itself would make every later restore bring a pirate back.
TEST_F(CompositorTest, BackgroundPassedAsTheCanvasIsLeftAlone)
{
    const QImage scene = background.copy();
    EXPECT_TRUE(compositor.moveIt(background, background, {30, 30}, {0, 8}).isEmpty());
    EXPECT_TRUE(compositor.moveItFull(background, background, {30, 30}, {0, 8}).isEmpty());
    EXPECT_EQ(differenceBetween(background, scene), "");
}

TEST_F(CompositorTest, MissingSheetsDrawNothing)
{
    Compositor withoutSheets{QImage(), QImage()};
    canvas.fill(Qt::magenta);
    withoutSheets.moveIt(canvas, background, {30, 30}, {0, 8});
    EXPECT_EQ(differenceBetween(canvas, background), "");
}

}  // namespace
