// Memory over a long session: 1,000 pirates pushed off the board in one process through the game
// window's buttons and keys, the certificate named and closed, the about window opened and closed
// on the way; current memory, peak memory and the heap in use are read at 12 falls and onwards.
#include <QApplication>
#include <QFile>
#include <QTest>
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <vector>

#include "support/ActiveWindow.h"
#include "app/toolkit/Fonts.h"
#include "app/toolkit/Program.h"
#include "game/frmScallywise.h"
#include "windows/Frmreward.h"
#include "windows/frmAboutScallywise.h"

namespace {

// Falls after which memory is read; SCALLYWISE_BENCH_FALLS lengthens the session by thousands.
std::vector<int> checkpoints()
{
    std::vector<int> falls = {12, 100, 250, 500, 1000};
    const int last = qEnvironmentVariableIntValue("SCALLYWISE_BENCH_FALLS");
    for (int f = 2000; f <= last; f += 1000)
        falls.push_back(f);
    return falls;
}

struct Memory {
    double rssKiB = 0, peakKiB = 0, heapKiB = 0;
};

double statusField(const QByteArray &status, const char *field)
{
    for (const QByteArray &line : status.split('\n'))
        if (line.startsWith(field))
            return line.mid(qsizetype(qstrlen(field))).trimmed().split(' ').value(0).toDouble();
    return 0;
}

Memory measure()
{
    QFile file(QStringLiteral("/proc/self/status"));
    file.open(QIODevice::ReadOnly);
    const QByteArray status = file.readAll();
    return {statusField(status, "VmRSS:"), statusField(status, "VmHWM:"), double(mallinfo2().uordblks) / 1024};
}

// What the event loop does between two inputs: windows closed with a click are freed.
void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// One turn as a child plays it: look at the word, hide it, type the answer, press Enter.
void answer(frmScallywise &window, bool right)
{
    QTest::mouseClick(window.Cmdnextword, Qt::LeftButton);
    const QString word = window.Txtspell->text();
    QTest::mouseClick(window.Cmdclear, Qt::LeftButton);
    QTest::keyClicks(window.Txtspell->editor(), right ? word : word + QLatin1Char('x'));
    QTest::keyClick(window.Txtspell->editor(), Qt::Key_Return);
    settle();
}

void aboutAndBack(frmScallywise &window)
{
    window.mnuabout->trigger();
    if (frmAboutScallywise *about = frmAboutScallywise::loaded())
        QTest::mouseClick(about->cmdOK, Qt::LeftButton);
    settle();
}

void nameAndCloseCertificate(frmScallywise &window)
{
    Frmreward *certificate = window.certificate();
    if (!certificate)
        return;
    QTest::keyClicks(certificate->Txtmyname->editor(), QStringLiteral("Sam"));
    QTest::keyClick(certificate->Txtmyname->editor(), Qt::Key_Return);
    certificate->close();
    settle();
}

void ThousandFalls(benchmark::State &state)
{
    for (auto _ : state) {
        frmScallywise window;
        window.setFallPaced(false);
        window.showForm();
        testsupport::makeActive(&window);
        QTest::keyClick(window.Txtspell->editor(), Qt::Key_E, Qt::ControlModifier);
        settle();
        const Memory atStart = measure();
        state.counters["start_rss_KiB"] = atStart.rssKiB;
        state.counters["start_heap_KiB"] = atStart.heapKiB;

        int turn = 0;
        for (int checkpoint : checkpoints()) {
            while (window.pirate().pirateCount < checkpoint) {
                const int fallen = window.pirate().pirateCount;
                // Every fifth answer is wrong and walks the pirate back, as children's answers do.
                answer(window, ++turn % 5 != 0);
                if (window.pirate().pirateCount != fallen) {
                    nameAndCloseCertificate(window);
                    if (window.pirate().pirateCount % 10 == 0)
                        aboutAndBack(window);
                }
            }
            const Memory m = measure();
            const std::string at = std::to_string(checkpoint);
            state.counters["rss_KiB_at_" + at] = m.rssKiB;
            state.counters["peak_KiB_at_" + at] = m.peakKiB;
            state.counters["heap_KiB_at_" + at] = m.heapKiB;
        }
        state.counters["answers"] = turn;
    }
}
BENCHMARK(ThousandFalls)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    toolkit::pinFonts();
    toolkit::setProgramEnder([] {});  // nothing here ends the program before the session does
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
