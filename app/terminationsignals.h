#pragma once
// Ends the program on SIGTERM and SIGINT (a logout, `kill`, Ctrl+C in the
// terminal) from whatever it is doing: every window and box in a modal run
// closes, none opens after, and everything is torn down in order. The
// handler only writes to a pipe; the event loop running at the time, the
// window's or a box's, watches the pipe's other end. A signal that comes
// before any loop runs is acted on when the first one starts.

#include <QObject>

class QSocketNotifier;

class TerminationSignals : public QObject {
public:
    // Handles the two signals from now on.
    TerminationSignals();
    // Gives the signals back their default action.
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

private:
    void Drain();

    QSocketNotifier* notifier = nullptr;
};
