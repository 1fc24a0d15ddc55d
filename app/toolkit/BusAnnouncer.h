// BusAnnouncer: the program's announcer, which puts each line on the accessibility bus.
#pragma once

#include "app/toolkit/Announcer.h"

namespace toolkit {

// The one place that knows how this Qt gets a line to a screen reader. Without one listening on
// the bus it does nothing.
class BusAnnouncer : public Announcer {
public:
    void announce(QWidget *window, const QString &line) override;
};

}  // namespace toolkit
