// Announcer: says a line to a screen reader when something changes away from the keyboard focus.
#pragma once

#include <QString>

class QWidget;

namespace toolkit {

// Whoever is told the lines a screen-reader user hears: the accessibility bus in the program,
// a listener in a test, which can then hear every line without a screen reader running.
class Announcer {
public:
    virtual ~Announcer() = default;
    virtual void announce(QWidget *window, const QString &line) = 0;
};

// Tells an assistive technology listening on the accessibility bus what just changed on `window`,
// as a sighted player would see it. Nothing shows on the screen, and without a screen reader it
// does nothing at all.
void announce(QWidget *window, const QString &line);

// Tests put their own announcer in place (not owned); nullptr puts the accessibility bus back.
// Returns the one that was in place.
Announcer *setAnnouncer(Announcer *announcer);

// A word spelt out as capitals with spaces between, so that a speech synthesiser names each
// letter rather than saying the word again.
QString spelt(const QString &word);

}  // namespace toolkit
