// Thousands of random inputs to the real game, certificate and about windows, each followed by a
// comparison with what the rules say must happen; the first difference fails the test with the
// seed and the inputs that led to it. SCALLYWISE_MODEL_SEED and SCALLYWISE_MODEL_ACTIONS choose
// the run (README.md).
#include <QDir>
#include <QFile>
#include <QTextStream>
#include <gtest/gtest.h>
#include <map>

#include "app/toolkit/Program.h"
#include "model/Actions.h"
#include "model/GameRules.h"
#include "model/Player.h"

using namespace model;

namespace {

constexpr std::uint64_t defaultSeed = 20261210;
constexpr long defaultActions = 5000;
constexpr int inputsShownOnFailure = 60;

std::uint64_t fromEnvironment(const char *name, std::uint64_t otherwise)
{
    bool ok = false;
    const std::uint64_t value = qEnvironmentVariable(name).toULongLong(&ok);
    return ok ? value : otherwise;
}

struct Tally {
    long games = 0, falls = 0, certificates = 0, namesPutOn = 0, printJobs = 0, aboutOpened = 0;
    int mostPirates = 0;
    std::map<QString, long> levelChoices;  // by LEVEL item
};

QStringList knownLevelItems()
{
    QStringList items;
    for (model::Level level : knownLevels)
        items << levelItemName(level);
    return items;
}

// Everything a failure needs to be replayed and understood, also written to a file in full.
std::string failureReport(std::uint64_t seed, long input, const QStringList &differences, const QStringList &log)
{
    const QString path = QDir::temp().filePath(QStringLiteral("scallywise-model-%1.log").arg(seed));
    if (QFile file(path); file.open(QIODevice::WriteOnly | QIODevice::Text))
        QTextStream(&file) << log.join(u'\n') << u'\n';
    QString report;
    QTextStream out(&report);
    out << "The window differs from the rules after input " << input << " (seed " << seed << "):\n";
    for (const QString &d : differences)
        out << "  " << d << '\n';
    out << "Inputs of this game";
    if (log.size() > inputsShownOnFailure)
        out << " (the last " << inputsShownOnFailure << " of " << log.size() << "; all in " << path << ")";
    out << ":\n";
    for (qsizetype i = std::max<qsizetype>(0, log.size() - inputsShownOnFailure); i < log.size(); ++i)
        out << "  " << log[i] << '\n';
    out << "Replay: SCALLYWISE_MODEL_SEED=" << seed << " SCALLYWISE_MODEL_ACTIONS=" << input << " test_model\n";
    return report.toStdString();
}

}  // namespace

TEST(RandomPlay, TheWindowsDoWhatTheRulesSay)
{
    const std::uint64_t seed = fromEnvironment("SCALLYWISE_MODEL_SEED", defaultSeed);
    const long inputs = long(fromEnvironment("SCALLYWISE_MODEL_ACTIONS", defaultActions));
    int programEnds = 0;
    auto previousEnder = toolkit::setProgramEnder([&programEnds] { ++programEnds; });

    ActionPicker picker(seed);
    GameRules rules;
    std::unique_ptr<Player> player;
    Window active = Window::Game;
    bool activeKnown = false;  // after a window closes, which one has the keys is the platform's affair
    QStringList log;
    Tally tally;

    long n = 1;
    for (; n <= inputs; ++n) {
        if (!player) {
            // The program starts again, as a child who quit starts it again.
            player = std::make_unique<Player>(programEnds);
            rules.start();
            active = Window::Game;
            activeKnown = true;
            log = {QStringLiteral("(the game window opens)")};
            ++tally.games;
            // A level the rules do not know would never be chosen here, and one they know that
            // the program lacks could not be: either way the run would not test what the game offers.
            ASSERT_EQ(player->levelItemsOffered().join(u' ').toStdString(), knownLevelItems().join(u' ').toStdString())
                << "the LEVEL menu offers other levels than the rules know";
        }
        const Action action = picker.next(rules);
        log << QStringLiteral("%1. %2").arg(n).arg(describe(action));

        const Screen before = rules.screen();
        rules.beginInput();
        player->beginInput();
        const Window target = windowOf(action.act);
        if (!activeKnown || active != target) {
            rules.activate(target);
            player->activate(target);
            active = target;
            activeKnown = true;
        }
        if (action.act == Act::LevelShortcut || action.act == Act::LevelMenu)
            ++tally.levelChoices[levelItemName(action.level)];
        applyTo(rules, action);
        player->apply(action);

        const QStringList differences = model::differences(rules.screen(), player->read());
        if (!differences.isEmpty()) {
            ADD_FAILURE() << failureReport(seed, n, differences, log);
            break;
        }

        const Screen &after = rules.screen();
        tally.falls += after.pirateCount - before.pirateCount;
        tally.mostPirates = std::max(tally.mostPirates, after.pirateCount);
        tally.certificates += !before.certificate.open && after.certificate.open;
        tally.namesPutOn +=
            before.certificate.nameButtonShown && after.certificate.open && !after.certificate.nameButtonShown;
        tally.printJobs += std::max(0, after.certificate.printJobs - before.certificate.printJobs);
        tally.aboutOpened += before.aboutWindows == 0 && after.aboutWindows > 0;
        // Which window has the keys now: one just opened, or none known after one closed.
        if (action.act == Act::About)
            active = Window::About;
        else if (!before.certificate.open && after.certificate.open)
            active = Window::Certificate;
        else if ((before.aboutWindows > after.aboutWindows) || (before.certificate.open && !after.certificate.open))
            activeKnown = false;
        if (rules.ended())
            player.reset();
    }
    player.reset();
    toolkit::setProgramEnder(std::move(previousEnder));
    for (const QString &item : knownLevelItems())
        EXPECT_GT(tally.levelChoices[item], 0) << item.toStdString() << " was never chosen";

    std::printf("seed %llu, %ld inputs: %ld games, %ld pirates fell (at most %d in one game), %ld certificates, "
                "%ld names put on, %ld printed, about opened %ld times, the program ended %d times\n",
                static_cast<unsigned long long>(seed), std::min(n, inputs), tally.games, tally.falls, tally.mostPirates,
                tally.certificates, tally.namesPutOn, tally.printJobs, tally.aboutOpened, programEnds);
}
