#pragma once
// The one QApplication the widget tests need, made on first use and kept for
// the whole run (the tests run on the offscreen platform).

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QWidget>

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

// Sends a press, move or release of `button` at `at` in `target`.
inline void SendMouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(at), target->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

inline void Click(QWidget* target, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    SendMouse(target, QEvent::MouseButtonPress, at, button);
    SendMouse(target, QEvent::MouseButtonRelease, at, button);
}
