// One message handler for all the notes the program expects, in front of the one before it.
#include "app/toolkit/ExpectedNotes.h"

#include <vector>

namespace toolkit {
namespace {

std::vector<ExpectedNote> expectedNotes;
QtMessageHandler handlerBefore = nullptr;

void withoutExpectedNotes(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    for (const ExpectedNote expected : expectedNotes)
        if (expected(type, context, message))
            return;
    if (handlerBefore)
        handlerBefore(type, context, message);
}

}  // namespace

void dropExpectedNotes(ExpectedNote expected)
{
    if (expectedNotes.empty())
        handlerBefore = qInstallMessageHandler(withoutExpectedNotes);
    expectedNotes.push_back(expected);
}

}  // namespace toolkit
