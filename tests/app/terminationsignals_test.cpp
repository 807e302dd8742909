// SIGTERM and SIGINT close the window as the user would, and once the window
// is gone the signals end the program as usual.

#include "terminationsignals.h"
#include "windowfixture.h"

#include <QDialog>
#include <QTimer>
#include <csignal>

TEST(TerminationSignals, EachSignalClosesTheWindowAndThenGetsItsDefaultActionBack)
{
    TestApp();
    for (const int signal : {SIGTERM, SIGINT}) {
        QDialog window;
        std::optional<TerminationSignals> endOnSignal(std::in_place, window);
        QTimer::singleShot(0, [signal] { std::raise(signal); });
        // Should the signal go unnoticed, the run ends after five seconds as accepted, and the test fails.
        QTimer::singleShot(5000, &window, &QDialog::accept);
        EXPECT_EQ(std::pair(window.exec(), window.isVisible()), std::pair(int(QDialog::Rejected), false)) << signal;
        endOnSignal.reset();
        struct sigaction action {};
        sigaction(signal, nullptr, &action);
        EXPECT_EQ(action.sa_handler, SIG_DFL) << signal;
    }
}
