#pragma once
// One running copy of the program per user and phrase-book folder. The
// first copy listens on a local socket; a copy started after it asks the
// first to come to the front and ends, so that two windows never edit the
// same favourites. A socket left by a copy that crashed is taken over.

#include <QObject>
#include <QString>

class QLocalServer;

class SingleInstance : public QObject {
public:
    // For the phrase book in `dataFolder`.
    explicit SingleInstance(const QString& dataFolder);

    // Asks a copy already running for this folder to come to the front;
    // true when it was reached, and this copy should end. Otherwise this
    // copy becomes the one that answers later starts.
    bool HandOverToRunningCopy();

    // The socket's path: in the user's runtime folder, named after the folder.
    const QString& SocketPath() const { return socketPath; }

private:
    bool AskRunningCopy() const;
    void Listen();

    QString socketPath;
    QLocalServer* server = nullptr;
};
