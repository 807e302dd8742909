#include "platform/shell.h"

#include "platform/messagebox.h"

#include <QCoreApplication>
#include <QProcess>

namespace platform {

namespace {

void SayWebAddressNotOpened(const QString& address)
{
    ShowMessageBox(QStringLiteral("The web page could not be opened: no web browser could be started on this "
                                  "computer.\n\nIts address is:\n%1\n\nYou can copy the address from here and "
                                  "open it in a browser later or on another device.")
                       .arg(address));
}

} // namespace

void OpenWebAddress(const QString& address)
{
    // The opener ends once the browser has the page (or at once, failing);
    // its answer comes back later, through the event loop.
    auto* opener = new QProcess(QCoreApplication::instance());
    opener->setProgram(QStringLiteral("xdg-open"));
    opener->setArguments({address});
    opener->setStandardOutputFile(QProcess::nullDevice());
    opener->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(opener, &QProcess::errorOccurred, opener, [opener, address](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        opener->deleteLater();
        SayWebAddressNotOpened(address);
    });
    QObject::connect(opener, &QProcess::finished, opener, [opener, address](int code, QProcess::ExitStatus status) {
        opener->deleteLater();
        if (status != QProcess::NormalExit || code != 0)
            SayWebAddressNotOpened(address);
    });
    opener->start();
}

bool StartProgram(const QString& program, const QString& parameter)
{
    return QProcess::startDetached(program, {parameter});
}

} // namespace platform
