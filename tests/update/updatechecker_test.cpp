// The hand-over to the updater and the checker's file operations.

#include "tempdir.h"
#include "updatechecker.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <gtest/gtest.h>
#include <optional>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class UpdateChecker : public ::testing::Test {
protected:
    ScopedTempDir dir;
    // An unset TMPDIR is restored as unset: an empty one names no folder.
    std::optional<QByteArray> previousTmp =
        qEnvironmentVariableIsSet("TMPDIR") ? std::optional(qgetenv("TMPDIR")) : std::nullopt;
    std::vector<std::pair<QString, QString>> started;   // program, parameter
    CUpdateChecker checker;

    void SetUp() override
    {
        qputenv("TMPDIR", QFile::encodeName(QString::fromStdString(dir.path().string())));
        checker.startProgram = [this](const QString& program, const QString& parameter) {
            started.push_back({program, parameter});
            return true;
        };
    }
    void TearDown() override
    {
        if (previousTmp)
            qputenv("TMPDIR", *previousTmp);
        else
            qunsetenv("TMPDIR");
    }
};

} // namespace

TEST_F(UpdateChecker, HandOverWritesThreeLinesAndStartsTheUpdater)
{
    const QString folder = "http://www.lexavant.example/SoftwareDownload/Lexavant_French";
    EXPECT_FALSE(checker.HandOver("Lexavant_French", folder, "version.dat", "1.5.2"));
    const QFileInfo file(checker.tempFileName);
    EXPECT_TRUE(file.exists());
    EXPECT_TRUE(file.fileName().startsWith("CUAD"));
    EXPECT_EQ(QDir(file.absolutePath()).canonicalPath(),
              QDir(QString::fromStdString(dir.path().string())).canonicalPath());
    EXPECT_EQ(ReadAll(checker.tempFileName), "1.5.2\nversion.dat\n" + folder.toLatin1());
    EXPECT_EQ(started, (std::vector<std::pair<QString, QString>>{{"AutoUpdate.exe", checker.tempFileName}}));

    // Another hand-over gets a file of its own.
    const QString first = checker.tempFileName;
    checker.HandOver("Lexavant_French", folder, "version.dat", "1.5.2");
    EXPECT_NE(checker.tempFileName, first);
    EXPECT_EQ(ReadAll(first), ReadAll(checker.tempFileName));
}

TEST_F(UpdateChecker, NoTemporaryFolderNoUpdater)
{
    qputenv("TMPDIR", "/nonexistent/tessaly");
    EXPECT_FALSE(checker.HandOver("Lexavant_French", "http://x", "version.dat", "1.5.2"));
    EXPECT_TRUE(started.empty());
}

TEST_F(UpdateChecker, ParsesAVersionFileAndComparesVersions)
{
    checker.current = "0.1";
    EXPECT_FALSE(checker.IsNewer());   // nothing parsed yet
    EXPECT_EQ(checker.GetLatestVersion(), std::nullopt);

    WriteAll("version.dat", "Version: \"1.10\"\nFilename: \"tessaly-1.10.exe\"\n");
    checker.current = "1.9";
    ASSERT_TRUE(checker.ParseVersionFile("version.dat"));
    EXPECT_EQ(checker.GetLatestVersion(), QString("1.10"));
    EXPECT_EQ(checker.latest->fileName, "tessaly-1.10.exe");
    EXPECT_TRUE(checker.IsNewer());
    checker.current = "1.10";
    EXPECT_FALSE(checker.IsNewer());

    WriteAll("version.dat", "Version: \"2.0\"\n");
    EXPECT_FALSE(checker.ParseVersionFile("version.dat"));
    EXPECT_EQ(checker.GetLatestVersion(), QString("2.0"));

    EXPECT_FALSE(checker.ParseVersionFile("missing.dat"));
    EXPECT_EQ(checker.lastError, "Cannot open downloaded version file!");

    WriteAll("page.html", "<script src=\"update.js\"></script>");
    EXPECT_TRUE(checker.ParseSourceLink("page.html"));
    EXPECT_EQ(checker.latest->fileName, "update.js");
    WriteAll("page.html", "<p>nothing</p>");
    EXPECT_FALSE(checker.ParseSourceLink("page.html"));
}

TEST_F(UpdateChecker, DownloadSavesTheResourceToANewFile)
{
    int argc = 0;
    QCoreApplication app(argc, nullptr);
    const QString folder = QString::fromStdString(dir.path().string());
    WriteAll(folder + "/remote.dat", QByteArray(5000, 'r'));
    EXPECT_FALSE(checker.Download(QUrl::fromLocalFile(folder).toString(), "remote.dat"));
    EXPECT_EQ(checker.lastError, "Cannot connect to upgrade URL!");

    ASSERT_TRUE(checker.Connect("Lexavant_French"));
    ASSERT_TRUE(checker.Download(QUrl::fromLocalFile(folder).toString(), "remote.dat"));
    EXPECT_TRUE(QFileInfo(checker.tempFileName).fileName().startsWith("CUA"));
    EXPECT_EQ(ReadAll(checker.tempFileName), QByteArray(5000, 'r'));
    EXPECT_FALSE(checker.Download(QUrl::fromLocalFile(folder + "/absent.dat").toString()));
    EXPECT_TRUE(checker.Disconnect());
}
