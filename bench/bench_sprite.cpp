// Cost of drawing the pirate: one move and a whole fall, repaired or restored whole, at three screen sizes.
#include "sprite/Compositor.h"
#include "sprite/PirateWalk.h"

#include <QPainter>
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

constexpr int sheetWidth = 174, sheetHeight = 364;

struct ScreenSize {
    int width, height;
};
constexpr ScreenSize screenSizes[] = {{800, 600}, {1920, 1080}, {3840, 2160}};

// The fall as the game draws it, from its own frame table: the pirate falls from x 88, his last
// frame is held, then a new pirate stands beside the ship.
constexpr QPoint fallStart{88, PirateWalk::startY};
constexpr QPoint respawnPlace{PirateWalk::respawnX, PirateWalk::startY}, respawnFrame{0, PirateWalk::towardsEndRow};

// A walk step each way, so every call both wipes a pirate and draws one.
constexpr QPoint stepPlaces[] = {{340, 135}, {304, 135}};
constexpr QPoint stepFrames[] = {{0, 8}, {55, 278}};

struct Sheets {
    QImage sprite{sheetWidth, sheetHeight, QImage::Format_RGB32};
    QImage mask{sheetWidth, sheetHeight, QImage::Format_RGB32};

    Sheets()
    {
        // A round figure in every part of the sheets: the cost does not depend on the drawing.
        for (int y = 0; y < sheetHeight; ++y) {
            for (int x = 0; x < sheetWidth; ++x) {
                const int dx = x % 55 - 25, dy = y % 89 - 42;
                const bool pirate = dx * dx * 3 + dy * dy < 1600;
                mask.setPixel(x, y, pirate ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
                sprite.setPixel(x, y, pirate ? qRgb(200, x & 255, y & 255) : qRgb(0, 0, 0));
            }
        }
    }
};

const Sheets &sheets()
{
    static const Sheets made;
    return made;
}

QImage scene(const ScreenSize &size)
{
    QImage image(size.width, size.height, QImage::Format_RGB32);
    for (int y = 0; y < size.height; ++y) {
        auto *row = reinterpret_cast<std::uint32_t *>(image.scanLine(y));
        for (int x = 0; x < size.width; ++x)
            row[x] = qRgb(x & 255, y & 255, (x ^ y) & 255);
    }
    return image;
}

void labelWithSize(benchmark::State &state, const ScreenSize &size)
{
    state.SetLabel(std::to_string(size.width) + "x" + std::to_string(size.height));
}

void MoveItRepair(benchmark::State &state)
{
    const ScreenSize &size = screenSizes[state.range(0)];
    const QImage background = scene(size);
    QImage canvas = background.copy();
    Compositor compositor(sheets().sprite, sheets().mask);
    compositor.moveIt(canvas, background, stepPlaces[1], stepFrames[1]);
    int step = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(compositor.moveIt(canvas, background, stepPlaces[step], stepFrames[step]));
        benchmark::ClobberMemory();
        step ^= 1;
    }
    labelWithSize(state, size);
}

void MoveItFull(benchmark::State &state)
{
    const ScreenSize &size = screenSizes[state.range(0)];
    const QImage background = scene(size);
    QImage canvas = background.copy();
    Compositor compositor(sheets().sprite, sheets().mask);
    int step = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(compositor.moveItFull(canvas, background, stepPlaces[step], stepFrames[step]));
        benchmark::ClobberMemory();
        step ^= 1;
    }
    labelWithSize(state, size);
}

// The same repair done with QPainter's raster operations, to weigh it against the hand-written pass.
void MoveItRepairWithQPainter(benchmark::State &state)
{
    const ScreenSize &size = screenSizes[state.range(0)];
    const QImage background = scene(size);
    QImage canvas = background.copy();
    const QSize cellSize(Compositor::cellWidth, Compositor::cellHeight);
    int step = 0;
    for (auto _ : state) {
        const QRect previous(stepPlaces[step ^ 1], cellSize);
        QPainter painter(&canvas);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(previous.topLeft(), background, previous);
        painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        painter.drawImage(stepPlaces[step], sheets().mask, QRect(stepFrames[step], cellSize));
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.drawImage(stepPlaces[step], sheets().sprite, QRect(stepFrames[step], cellSize));
        painter.end();
        benchmark::ClobberMemory();
        step ^= 1;
    }
    labelWithSize(state, size);
}

// The floor under a whole restore: copying the canvas's bytes once, and nothing else.
void CopyCanvasBytes(benchmark::State &state)
{
    const ScreenSize &size = screenSizes[state.range(0)];
    const std::size_t bytes = std::size_t(size.width) * size.height * 4;
    const std::vector<char> from(bytes, 1);
    std::vector<char> to(bytes, 0);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes));
    labelWithSize(state, size);
}

// Every frame of a fall and the new pirate after it, back to back with no pacing.
template <QRect (Compositor::*draw)(QImage &, const QImage &, QPoint, QPoint)>
void WholeFall(benchmark::State &state)
{
    const ScreenSize &size = screenSizes[state.range(0)];
    const QImage background = scene(size);
    QImage canvas = background.copy();
    Compositor compositor(sheets().sprite, sheets().mask);
    compositor.moveIt(canvas, background, fallStart, respawnFrame);
    int framesDrawn = 0;
    for (auto _ : state) {
        QPoint place = fallStart;
        QPoint frame;
        for (const PirateWalk::FallFrames &frames : PirateWalk::fallFrames) {
            frame = QPoint(frames.sx, frames.sy);
            for (int i = 0; i < frames.count; ++i) {
                place.ry() += frames.drop;
                benchmark::DoNotOptimize((compositor.*draw)(canvas, background, place, frame));
                ++framesDrawn;
            }
        }
        for (int i = 0; i < PirateWalk::holdFrames; ++i) {
            benchmark::DoNotOptimize((compositor.*draw)(canvas, background, place, frame));
            ++framesDrawn;
        }
        benchmark::DoNotOptimize((compositor.*draw)(canvas, background, respawnPlace, respawnFrame));
        ++framesDrawn;
        benchmark::ClobberMemory();
    }
    state.counters["frame"] = benchmark::Counter(double(framesDrawn), benchmark::Counter::kIsRate
                                                                          | benchmark::Counter::kInvert);
    labelWithSize(state, size);
}

}  // namespace

BENCHMARK(MoveItRepair)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(MoveItRepairWithQPainter)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(MoveItFull)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(CopyCanvasBytes)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(WholeFall<&Compositor::moveIt>)->Name("WholeFallRepair")->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(WholeFall<&Compositor::moveItFull>)->Name("WholeFallFull")->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
