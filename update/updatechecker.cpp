#include "updatechecker.h"

#include "platform/shell.h"
#include "platform/tempfiles.h"
#include "versionfile.h"
#include "versionorder.h"

#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkInformation>
#include <QNetworkReply>
#include <QUrl>
#include <cstdio>

namespace {

// A new unique file in the user's temporary folder; empty when there is no
// such folder, so that nothing lands in the current folder instead.
QString NewTemporaryFile(const QString& prefix)
{
    const QString folder = platform::TemporaryFolder();
    return folder.isEmpty() ? QString() : platform::CreateUniqueFile(folder, prefix);
}

} // namespace

CUpdateChecker::CUpdateChecker() : startProgram(platform::StartProgram) {}

CUpdateChecker::~CUpdateChecker() = default;

bool CUpdateChecker::HandOver(const QString&, const QString& folderAddress, const QString& versionFileName,
                              const QString& currentVersion)
{
    tempFileName = NewTemporaryFile(QStringLiteral("CUAD"));
    if (tempFileName.isEmpty())
        return false;
    std::FILE* file = std::fopen(QFile::encodeName(tempFileName).constData(), "wt");
    if (file == nullptr)
        return false;
    const QByteArray text = (currentVersion + u'\n' + versionFileName + u'\n' + folderAddress).toLocal8Bit();
    std::fwrite(text.constData(), 1, std::size_t(text.size()), file);
    std::fclose(file);
    // The file is meant for the updater alone: without one to read it, it
    // would only pile up in the temporary folder, one per start.
    if (!startProgram(QStringLiteral("AutoUpdate.exe"), tempFileName))
        QFile::remove(tempFileName);
    return false;
}

bool CUpdateChecker::RunProgram(const QString& path)
{
    if (!startProgram(path, QString())) {
        ReportError(QStringLiteral("Cannot execute software upgrade!"));
        return false;
    }
    return true;
}

bool CUpdateChecker::Connect(const QString& agentName)
{
    // Where the desktop can tell, a machine known to be offline is refused at
    // once; there is no dialling to try on this platform.
    if (QNetworkInformation::loadDefaultBackend()) {
        if (QNetworkInformation::instance()->reachability() == QNetworkInformation::Reachability::Disconnected) {
            ReportError(QStringLiteral("This application must connect to the Internet to be upgraded!"));
            return false;
        }
    }
    internet = std::make_unique<QNetworkAccessManager>();
    internet->setProperty("agent", agentName);
    return true;
}

bool CUpdateChecker::Disconnect()
{
    internet.reset();
    return true;
}

bool CUpdateChecker::Download(const QString& address, const QString& fileName)
{
    if (!internet) {
        ReportError(QStringLiteral("Cannot connect to upgrade URL!"));
        return false;
    }
    const QUrl url(fileName.isEmpty() ? address : address + u'/' + fileName);
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, internet->property("agent"));
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    std::unique_ptr<QNetworkReply> reply(internet->get(request));
    QEventLoop wait;
    QObject::connect(reply.get(), &QNetworkReply::finished, &wait, &QEventLoop::quit);
    wait.exec();
    if (reply->error() != QNetworkReply::NoError) {
        ReportError(QStringLiteral("Cannot connect to upgrade URL!"));
        return false;
    }
    tempFileName = NewTemporaryFile(QStringLiteral("CUA"));
    QFile file(tempFileName);
    if (tempFileName.isEmpty() || !file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        ReportError(QStringLiteral("Cannot create a temporary file!"));
        return false;
    }
    return file.write(reply->readAll()) >= 0;
}

std::optional<QByteArray> CUpdateChecker::ReadDownloadedFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ReportError(QStringLiteral("Cannot open downloaded version file!"));
        return std::nullopt;
    }
    const QByteArray content = file.readAll();
    if (content.size() != file.size()) {
        ReportError(QStringLiteral("Cannot read from downloaded version file!"));
        return std::nullopt;
    }
    return content;
}

bool CUpdateChecker::ParseVersionFile(const QString& path)
{
    const std::optional<QByteArray> content = ReadDownloadedFile(path);
    if (!content)
        return false;
    latest = Latest{};
    const std::optional<QByteArray> version = QuotedValueAfter(*content, "Version:");
    if (!version)
        return false;
    latest->version = QString::fromLocal8Bit(*version);
    const std::optional<QByteArray> name = QuotedValueAfter(*content, "Filename:");
    if (!name)
        return false;
    latest->fileName = QString::fromLocal8Bit(*name);
    return true;
}

bool CUpdateChecker::ParseSourceLink(const QString& path)
{
    const std::optional<QByteArray> content = ReadDownloadedFile(path);
    if (!content)
        return false;
    if (!latest)
        latest = Latest{};
    latest->fileName.clear();
    const std::optional<QByteArray> name = QuotedValueAfter(*content, "src=");
    if (!name)
        return false;
    latest->fileName = QString::fromLocal8Bit(*name);
    return true;
}

bool CUpdateChecker::IsNewer() const
{
    return latest && IsOlderVersion(current, latest->version);
}

std::optional<QString> CUpdateChecker::GetLatestVersion() const
{
    if (!latest)
        return std::nullopt;
    return latest->version;
}

void CUpdateChecker::ReportError(const QString& text)
{
    // The checker runs without a user watching; it keeps the reason for
    // whoever asks and shows nothing.
    lastError = text;
}
