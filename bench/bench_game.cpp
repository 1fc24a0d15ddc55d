// The cost of one judged answer through the game window's handler, on the offscreen platform.
#include <QApplication>
#include <benchmark/benchmark.h>

#include "game/Levels.h"
#include "app/toolkit/Fonts.h"
#include "game/frmScallywise.h"

namespace {

// Right then wrong, over and over: the pirate steps between 340 and 304, so no answer is a fall,
// and every answer draws him once, as in play.
void JudgedAnswer(benchmark::State &state)
{
    frmScallywise window;
    window.showForm();
    window.mnulevel_Click(*levelNamed("easy"));
    bool right = true;
    for (auto _ : state) {
        window.Txtspell->setText(right ? window.currentWord() : QStringLiteral("nope"));
        window.Cmdamiright_Click();
        right = !right;
    }
    benchmark::DoNotOptimize(window.wordIndex());
}
BENCHMARK(JudgedAnswer)->Unit(benchmark::kMicrosecond);

// The same answer judged without drawing: what the rules alone cost.
void JudgedAnswerBesideTheShip(benchmark::State &state)
{
    frmScallywise window;
    window.showForm();
    window.mnulevel_Click(*levelNamed("easy"));
    for (auto _ : state) {
        window.Txtspell->setText(QStringLiteral("nope"));
        window.Cmdamiright_Click();
    }
}
BENCHMARK(JudgedAnswerBesideTheShip)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    toolkit::pinFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
