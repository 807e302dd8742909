#pragma once
// Ends the program on SIGTERM and SIGINT (a logout, `kill`, Ctrl+C in the
// terminal) the way closing its window by hand does: the window closes, its
// modal run returns, and everything is torn down in order. The handler only
// writes to a pipe; the window is closed from the event loop, which watches
// the pipe's other end.

#include <QObject>

class QSocketNotifier;
class QWidget;

class TerminationSignals : public QObject {
public:
    // Handles the two signals from now on, by closing `window`.
    explicit TerminationSignals(QWidget& window);
    // Gives the signals back their default action: a second signal during
    // the shutdown ends the program at once.
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

private:
    void Drain();

    QWidget& window;
    QSocketNotifier* notifier = nullptr;
};
