// Turns the event loop until a condition holds or the time is up, and says whether it holds.
// (QtTest's QTRY_ macros report nothing to GoogleTest when they time out.)
#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <chrono>

template <typename Condition>
bool waitUntil(Condition condition, std::chrono::milliseconds timeout = std::chrono::seconds(5))
{
    const QDeadlineTimer deadline(timeout);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents();
        QThread::msleep(2);
    }
    return true;
}
