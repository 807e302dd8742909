#pragma once
// The application: makes the main window, runs it until it closes, and ends.

#include <QApplication>

class CTessalyApp : public QApplication {
    Q_OBJECT
public:
    CTessalyApp(int& argc, char** argv);

    // Runs the main window modally; the program ends when it closes.
    int InitInstance();
};
