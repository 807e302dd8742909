#include "singleinstance.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QWidget>

namespace {

const QByteArray kShowRequest = "show\n";
constexpr int kAnswerWithinMs = 2000;

// Brings every window of the program to the front, the open box (if any)
// on top, and gives it the keyboard.
void BringToFront()
{
    QWidget* modal = QApplication::activeModalWidget();
    QWidget* focusTarget = modal;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || window == modal || window->windowType() == Qt::ToolTip)
            continue;
        if (window->isMinimized())
            window->showNormal();
        window->raise();
        if (!focusTarget)
            focusTarget = window;
    }
    if (modal)
        modal->raise();
    if (focusTarget)
        focusTarget->activateWindow();
}

} // namespace

SingleInstance::SingleInstance(const QString& dataFolder)
{
    const QString folder = QFileInfo(dataFolder).canonicalFilePath();
    const QByteArray key = QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    // The runtime folder belongs to the user alone, so the name need not say whose it is.
    QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        runtime = QDir::tempPath();
    socketPath = runtime + QStringLiteral("/tessaly-") + QString::fromLatin1(key) + QStringLiteral(".socket");
}

bool SingleInstance::HandOverToRunningCopy()
{
    // Two copies started together agree on which one runs.
    QLockFile lock(socketPath + QStringLiteral(".lock"));
    lock.tryLock(kAnswerWithinMs);
    if (AskRunningCopy())
        return true;
    Listen();
    return false;
}

bool SingleInstance::AskRunningCopy() const
{
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(kAnswerWithinMs))
        return false;
    socket.write(kShowRequest);
    return socket.waitForBytesWritten(kAnswerWithinMs);
}

void SingleInstance::Listen()
{
    // No copy answered, so a socket left here belongs to one that crashed.
    QLocalServer::removeServer(socketPath);
    server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(socketPath))
        return; // the program runs on alone, as it always could
    connect(server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* caller = server->nextPendingConnection()) {
            connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
            connect(caller, &QLocalSocket::readyRead, caller, [caller] {
                if (caller->readAll().contains(kShowRequest))
                    BringToFront();
            });
        }
    });
}
