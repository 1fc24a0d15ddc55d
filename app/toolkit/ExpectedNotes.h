// Keeping off standard error what Qt says of a choice the program made on purpose.
#pragma once

#include <QString>
#include <QtGlobal>

namespace toolkit {

// Whether a message of Qt's is one the program expects, having brought it about itself.
using ExpectedNote = bool (*)(QtMsgType type, const QMessageLogContext &context, const QString &message);

// From now on the messages `expected` recognises are dropped: they are no fault, and a child's
// parent has no use for them. Every other message goes on to the handler installed before.
// To be called before the application object exists, while the program has one thread.
void dropExpectedNotes(ExpectedNote expected);

}  // namespace toolkit
