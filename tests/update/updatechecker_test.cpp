// Ordering versions, reading the values of a version file, the hand-over to
// the updater and the checker's file operations.

#include "platform/shell.h"
#include "tempdir.h"
#include "updatechecker.h"
#include "versionfile.h"
#include "versionorder.h"

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
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

class UpdateChecker : public ::testing::Test {
protected:
    ScopedTempDir dir;
    const QString folder = QString::fromStdString(dir.path().string());
    // An unset TMPDIR is restored as unset: an empty one names no folder.
    const std::optional<QByteArray> previousTmp =
        qEnvironmentVariableIsSet("TMPDIR") ? std::optional(qgetenv("TMPDIR")) : std::nullopt;
    QStringList started;   // program and parameter
    CUpdateChecker checker;

    void SetUp() override
    {
        qputenv("TMPDIR", QFile::encodeName(folder));
        checker.startProgram = [this](const QString& program, const QString& parameter) {
            started << program << parameter;
            return true;
        };
    }
    void TearDown() override { previousTmp ? qputenv("TMPDIR", *previousTmp) : qunsetenv("TMPDIR"); }
};

} // namespace

TEST(VersionOrder, DottedNumbersCompareAsNumbersAndLettersWithoutCase)
{
    const char* ordered[][2] = {{"1.5.2", "1.5.3"}, {"1.9", "1.10"}, {"1.5.2", "1.5.2a"}, {"1.5.2a", "1.5.2B"},
        {"9", "10.0"}, {"1.5.2", "2"},
        {"1.99999999999999999999998", "1.99999999999999999999999"}};   // digits beyond a number order by text
    for (const auto& [older, newer] : ordered)
        EXPECT_TRUE(IsOlderVersion(older, newer) && !IsOlderVersion(newer, older)) << older << " < " << newer;
    const char* equal[][2] = {{"1.5.2A", "1.5.2a"}, {"1.5", "1.5.0"}, {"1.5.2", " 1.5.2 "}, {"", ""}};
    for (const auto& [a, b] : equal)
        EXPECT_FALSE(IsOlderVersion(a, b) || IsOlderVersion(b, a)) << a << " = " << b;
}

TEST(VersionFile, QuotedValueAfterAKeyword)
{
    const QByteArray file = "Filename: \"setup-1.6.exe\"\r\nVersion: \"1.6\"\r\n";
    const struct { QByteArray text; const char* keyword; std::optional<QByteArray> value; } cases[] = {
        {file, "Version:", "1.6"}, {file, "Filename:", "setup-1.6.exe"}, {file, "version:", std::nullopt},
        {"Version:= = \"2\"", "Version:", "2"}, {"Version: none", "Version:", std::nullopt},
        {"Version: \"2.0 and no end", "Version:", "2.0 and no end"}, {"Version: \"\"", "Version:", ""},
        {"Version: \"" + QByteArray(300, 'v') + "\"", "Version:", QByteArray(259, 'v')},   // held to its buffer
    };
    for (const auto& c : cases)
        EXPECT_EQ(QuotedValueAfter(c.text, c.keyword), c.value) << c.text.left(40).toStdString();
}

TEST_F(UpdateChecker, HandOverWritesAFreshFileOfThreeLinesAndStartsTheUpdater)
{
    const QString address = "http://www.lexavant.example/SoftwareDownload/Lexavant_French";
    EXPECT_FALSE(checker.HandOver("Lexavant_French", address, "version.dat", "1.5.2"));
    const QString first = checker.tempFileName;
    EXPECT_TRUE(QFileInfo(first).canonicalFilePath().startsWith(QDir(folder).canonicalPath() + "/CUAD"));
    EXPECT_EQ(ReadAll(first), "1.5.2\nversion.dat\n" + address.toLatin1());
    EXPECT_EQ(started, QStringList({"AutoUpdate.exe", first}));
    checker.HandOver("Lexavant_French", address, "version.dat", "1.5.2");   // another hand-over, another file
    EXPECT_NE(checker.tempFileName, first);

    qputenv("TMPDIR", "/nonexistent/tessaly");   // no temporary folder: no updater
    EXPECT_FALSE(checker.HandOver("Lexavant_French", address, "version.dat", "1.5.2"));
    EXPECT_EQ(started.size(), 4u);
}

TEST_F(UpdateChecker, TheHandOverFileStaysOnlyWhenTheUpdaterStarted)
{
    const QByteArray previousPath = qgetenv("PATH");   // the real starter, on a path with and then without an updater
    qputenv("PATH", QFile::encodeName(folder));
    checker.startProgram = platform::StartProgram;
    for (bool installed : {false, true}) {
        if (installed) {
            WriteAll(folder + "/AutoUpdate.exe", "#!/bin/sh\nexit 0\n");
            QFile::setPermissions(folder + "/AutoUpdate.exe", QFile::ReadOwner | QFile::ExeOwner);
        }
        EXPECT_FALSE(checker.HandOver("Lexavant_French", "http://x", "version.dat", "1.5.2"));
        EXPECT_EQ(QFileInfo::exists(checker.tempFileName), installed) << installed;
        EXPECT_EQ(QDir(folder).entryList({"CUAD*"}, QDir::Files).size(), installed ? 1 : 0) << installed;
    }
    qputenv("PATH", previousPath);
}

TEST_F(UpdateChecker, ParsesAVersionFileAndComparesVersions)
{
    checker.current = "1.9";
    EXPECT_FALSE(checker.IsNewer());   // nothing parsed yet
    WriteAll("version.dat", "Version: \"1.10\"\nFilename: \"tessaly-1.10.exe\"\n");
    ASSERT_TRUE(checker.ParseVersionFile("version.dat"));
    EXPECT_EQ(checker.latest->fileName, "tessaly-1.10.exe");
    EXPECT_TRUE(checker.IsNewer());
    WriteAll("version.dat", "Version: \"2.0\"\n");
    EXPECT_FALSE(checker.ParseVersionFile("version.dat"));
    EXPECT_EQ(checker.GetLatestVersion(), QString("2.0"));
    EXPECT_FALSE(checker.ParseVersionFile("missing.dat"));
    EXPECT_EQ(checker.lastError, "Cannot open downloaded version file!");
    WriteAll("page.html", "<script src=\"update.js\"></script>");
    EXPECT_TRUE(checker.ParseSourceLink("page.html") && checker.latest->fileName == "update.js");
}

TEST_F(UpdateChecker, DownloadSavesTheResourceToANewFile)
{
    int argc = 0;
    QCoreApplication app(argc, nullptr);
    const QString address = QUrl::fromLocalFile(folder).toString();
    WriteAll(folder + "/remote.dat", QByteArray(5000, 'r'));
    EXPECT_FALSE(checker.Download(address, "remote.dat") || checker.lastError != "Cannot connect to upgrade URL!");
    ASSERT_TRUE(checker.Connect("Lexavant_French"));
    ASSERT_TRUE(checker.Download(address, "remote.dat"));
    EXPECT_TRUE(QFileInfo(checker.tempFileName).fileName().startsWith("CUA"));
    EXPECT_EQ(ReadAll(checker.tempFileName), QByteArray(5000, 'r'));
    EXPECT_FALSE(checker.Download(address + "/absent.dat"));
}
