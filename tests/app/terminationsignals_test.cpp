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
        SCOPED_TRACE(signal);
        QDialog window;
        int result = -1;
        {
            TerminationSignals endOnSignal(window);
            QTimer::singleShot(0, [signal] { std::raise(signal); });
            // Should the signal go unnoticed, the run ends after five seconds
            // as accepted, and the test fails instead of waiting.
            QTimer::singleShot(5000, &window, &QDialog::accept);
            result = window.exec();
        }
        EXPECT_EQ(std::pair(result, window.isVisible()), std::pair(int(QDialog::Rejected), false));
        struct sigaction action {};
        sigaction(signal, nullptr, &action);
        EXPECT_EQ(action.sa_handler, SIG_DFL);
    }
}
