// Keeping the libraries' informational notes off standard error, which the game keeps for its own faults.
#include "app/QuietNotes.h"

#include <QLoggingCategory>

namespace display {

void quietInformationalNotes()
{
    QLoggingCategory::setFilterRules(QStringLiteral("qt.multimedia.ffmpeg.info=false"));
}

}  // namespace display
