#pragma once
// The one QApplication the widget tests need, made on first use and kept for
// the whole run (the tests run on the offscreen platform).

#include <QApplication>
#include <QElapsedTimer>

inline QApplication& TestApp()
{
    static int argc = 1;
    static char name[] = "tessaly-tests";
    static char* argv[] = {name, nullptr};
    static auto* app = new QApplication(argc, argv);
    return *app;
}

// Handles events for `milliseconds`, so timers due in that time fire.
inline void RunEventsFor(int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}
