#include "terminationsignals.h"

#include "platform/modalruns.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::array kSignals{SIGTERM, SIGINT};

// The pipe the handler writes to; only one set of handlers exists at a time.
int pipeEnds[2] = {-1, -1};

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

extern "C" void OnTerminationSignal(int)
{
    const int savedErrno = errno;
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
