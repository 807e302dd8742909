#include "platform/shell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace platform {

bool OpenWebAddress(const QString& address)
{
    return QDesktopServices::openUrl(QUrl(address, QUrl::StrictMode));
}

bool StartProgram(const QString& program, const QString& parameter)
{
    return QProcess::startDetached(program, {parameter});
}

} // namespace platform
