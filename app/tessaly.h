#pragma once
// The application: makes the main window, runs it until it closes, and ends.

#include <QApplication>
#include <QString>

class CTessalyApp : public QApplication {
    Q_OBJECT
public:
    CTessalyApp(int& argc, char** argv);

    // Where the window keeps the favourites; the current folder when not set.
    void SetFavouritesFolder(const QString& folder) { favouritesFolder = folder; }

    // Runs the main window modally; the program ends when it closes.
    int InitInstance();

private:
    QString favouritesFolder;
};
