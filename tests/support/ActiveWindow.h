// Makes a window the active one, as a person's click on it does, on every Qt the game builds with.
#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>

namespace testsupport {

// Qt 6.5 replaced QApplication::setActiveWindow, which makes a window active on the spot, with
// QWidget::activateWindow, which asks the platform; its answer is waited for here, so that either
// way the window is active on return (if the platform lets it be).
inline void makeActive(QWidget *window)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    window->activateWindow();
    // Whether it became active is for the caller's own checks (most wait for it as a test step).
    static_cast<void>(QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }, 1000));
#else
    QApplication::setActiveWindow(window);
#endif
}

}  // namespace testsupport
