// Ending the program at once.
#include "app/toolkit/Program.h"

#include <QApplication>
#include <QWidget>

namespace toolkit {
namespace {

void endForReal()
{
    // Hiding raises no close event, so no window gets a say; then the event loop ends.
    for (QWidget *w : QApplication::topLevelWidgets())
        w->hide();
    QCoreApplication::exit(0);
}

std::function<void()> &ender()
{
    static std::function<void()> current = endForReal;
    return current;
}

}  // namespace

void endProgram() { ender()(); }

std::function<void()> setProgramEnder(std::function<void()> replacement)
{
    auto previous = std::move(ender());
    ender() = replacement ? std::move(replacement) : std::function<void()>(endForReal);
    return previous;
}

}  // namespace toolkit
