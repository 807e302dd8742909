// Web pages, the about box, minimising and the one-time update hand-over.

#include "aboutdlg.h"
#include "updatechecker.h"
#include "resources/controlids.h"
#include "windowfixture.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <QUrl>

using namespace resources;

namespace {

// Receives the addresses the window asks the desktop to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    UrlCatcher() { QDesktopServices::setUrlHandler("http", this, "Open"); }
    ~UrlCatcher() override { QDesktopServices::unsetUrlHandler("http"); }
    QStringList opened;
public slots:
    void Open(const QUrl& url) { opened << url.toString(); }
};

} // namespace

TEST_F(WindowTest, WebButtonsOpenTheMakersPages)
{
    OpenWindow();
    UrlCatcher catcher;
    Click(kSupportButton);
    Click(kBugReportButton);
    Click(kNewVersionButton);
    EXPECT_EQ(catcher.opened, (QStringList{"http://www.lexavant.example/Lexavant_French/technicalsupport.jsp",
                                           "http://www.lexavant.example/Lexavant_French/reportabug.jsp",
                                           "http://www.lexavant.example/Lexavant_French/checkforupdate.jsp"}));
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(WindowTest, TheAboutBoxRunsModallyAndCloses)
{
    OpenWindow();
    window->show();
    bool sawAbout = false;
    QTimer::singleShot(50, [&] {
        auto* about = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget());
        sawAbout = about != nullptr;
        if (about)
            about->accept();
    });
    Click(kAboutButton);
    EXPECT_TRUE(sawAbout);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(WindowTest, MinimiseButton)
{
    OpenWindow();
    window->show();
    Click(kMinimiseButton);
    EXPECT_TRUE(window->isMinimized());
}

TEST_F(WindowTest, HandOverOneSecondAfterStartOnce)
{
    // A stand-in updater on the search path notes the parameter it was given.
    const QString bin = QString::fromStdString((dir.path() / "bin").string());
    QDir().mkpath(bin);
    const QString noted = QString::fromStdString((dir.path() / "updater-parameter").string());
    QFile updater(bin + "/AutoUpdate.exe");
    ASSERT_TRUE(updater.open(QIODevice::WriteOnly));
    updater.write(("#!/bin/sh\nprintf '%s' \"$1\" > '" + noted + "'\n").toUtf8());
    updater.close();
    updater.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray previousPath = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin) + ":" + previousPath);

    OpenWindow();
    EXPECT_FALSE(window->UpdateChecked());
    RunEventsFor(1400);
    ASSERT_TRUE(window->UpdateChecked());
    ASSERT_NE(window->UpdateChecker(), nullptr);
    const QString handOver = window->UpdateChecker()->tempFileName;
    const QFileInfo info(handOver);
    EXPECT_TRUE(info.fileName().startsWith("CUAD"));
    EXPECT_EQ(QDir(info.absolutePath()).canonicalPath(),
              QDir(QString::fromStdString((dir.path() / "tmp").string())).canonicalPath());
    QFile file(handOver);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "1.5.2\nversion.dat\nhttp://www.lexavant.example/SoftwareDownload/Lexavant_French");

    // The updater was started with the file's path; the window runs on.
    for (int i = 0; i < 100 && !QFile::exists(noted); ++i)
        RunEventsFor(20);
    QFile parameter(noted);
    ASSERT_TRUE(parameter.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(parameter.readAll()), handOver);

    // Only once per run.
    RunEventsFor(1200);
    EXPECT_EQ(QDir(QString::fromStdString((dir.path() / "tmp").string())).entryList({"CUAD*"}, QDir::Files).size(), 1);
    qputenv("PATH", previousPath);
}

#include "windowcommands_test.moc"
