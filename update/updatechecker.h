#pragma once
// Hands the search for a newer version to the separate updater program, and
// offers the operations such an updater needs: connecting, downloading a
// file, reading a version file and comparing versions. The main window uses
// only HandOver.

#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QNetworkAccessManager;

class CUpdateChecker {
public:
    // Starts a program by bare name with one parameter; replaceable so that
    // tests can see what would be started.
    using ProgramStarter = std::function<bool(const QString& program, const QString& parameter)>;

    CUpdateChecker();
    ~CUpdateChecker();

    // Writes the hand-over file (current version, version file name, download
    // folder; three lines, the last without a line end) as a new unique file
    // beginning with "CUAD" in the user's temporary folder, and starts
    // "AutoUpdate.exe" with its path. Always false: the program runs on.
    bool HandOver(const QString& productName, const QString& folderAddress, const QString& versionFileName,
                  const QString& currentVersion);

    bool RunProgram(const QString& path);
    bool Connect(const QString& agentName);
    bool Disconnect();
    // Saves `address` (or `address` + "/" + `fileName`) to a new unique file
    // beginning with "CUA" in the temporary folder; its path is tempFileName.
    bool Download(const QString& address, const QString& fileName = {});
    bool ParseVersionFile(const QString& path);
    bool ParseSourceLink(const QString& path);
    // True when the downloaded version is newer than the current one.
    bool IsNewer() const;
    std::optional<QString> GetLatestVersion() const;
    void ReportError(const QString& text);

    struct Latest {
        QString version;
        QString fileName;
    };

    QString current;                  // the running program's version
    std::optional<Latest> latest;     // what the last parse read
    QString tempFileName;             // the last hand-over or downloaded file
    QString lastError;                // the last text given to ReportError
    ProgramStarter startProgram;

private:
    // The downloaded version file's bytes; a failure is reported by its own message.
    std::optional<QByteArray> ReadDownloadedFile(const QString& path);

    std::unique_ptr<QNetworkAccessManager> internet;
};
