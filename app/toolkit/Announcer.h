// Announcer: says a line to a screen reader when something changes away from the keyboard focus.
#pragma once

#include <QString>

class QWidget;

namespace toolkit {

// Tells an assistive technology listening on the accessibility bus what just changed on `window`,
// as a sighted player would see it. Nothing shows on the screen, and without a screen reader it
// does nothing at all.
void announce(QWidget *window, const QString &line);

// A word spelt out as capitals with spaces between, so that a speech synthesiser names each
// letter rather than saying the word again.
QString spelt(const QString &word);

}  // namespace toolkit
