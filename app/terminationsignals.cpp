#include "terminationsignals.h"

#include "platform/modalruns.h"

#include <QSocketNotifier>

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::array kSignals{SIGTERM, SIGINT};

// The pipe the handler writes to; only one set of handlers exists at a time.
int pipeEnds[2] = {-1, -1};

// Set by the first signal. Signals sent to the process may reach two threads
// at once, each running the handler before either has restored the default
// action, so the handler itself tells a second signal from the first.
std::atomic_flag signalled = ATOMIC_FLAG_INIT;

void SetAction(void (*handler)(int))
{
    struct sigaction action {};
    action.sa_handler = handler;
    // Each signal waits while the handler runs for the other, so that the
    // second one meets the default action the first one's handler restored.
    sigemptyset(&action.sa_mask);
    for (const int signal : kSignals)
        sigaddset(&action.sa_mask, signal);
    action.sa_flags = SA_RESTART;
    for (const int signal : kSignals)
        sigaction(signal, &action, nullptr);
}

extern "C" void OnTerminationSignal(int signal)
{
    const int savedErrno = errno;
    if (signalled.test_and_set()) {
        // Blocked while this handler runs, the signal meets the default
        // action as soon as it returns.
        SetAction(SIG_DFL);
        raise(signal);
        errno = savedErrno;
        return;
    }
    // The first signal asks for an orderly end; a second one, of either
    // kind, ends the program at once (sigaction is safe in a handler).
    SetAction(SIG_DFL);
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(pipeEnds[1], &byte, 1);
    errno = savedErrno;
}

} // namespace

TerminationSignals::TerminationSignals()
{
    if (pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0)
        return; // the signals keep their default action, which ends the program
    notifier = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] { Drain(); });
    signalled.clear();
    SetAction(OnTerminationSignal);
}

TerminationSignals::~TerminationSignals()
{
    if (notifier == nullptr)
        return;
    SetAction(SIG_DFL);
    delete notifier;
    for (int& end : pipeEnds) {
        close(end);
        end = -1;
    }
}

void TerminationSignals::Drain()
{
    char bytes[16];
    while (read(pipeEnds[0], bytes, sizeof bytes) > 0) {
    }
    platform::EndModalRuns();
}
