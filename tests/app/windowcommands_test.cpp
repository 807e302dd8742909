// Web pages, the about box, minimising and the one-time update hand-over.

#include "aboutdlg.h"
#include "updatechecker.h"
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

class WindowCommands : public WindowFixture {};

TEST_F(WindowCommands, WebButtonsOpenPagesTheAboutBoxClosesAndTheWindowMinimises)
{
    OpenWindow(true);
    UrlCatcher catcher;
    for (int button : {kSupportButton, kBugReportButton, kNewVersionButton})
        Click(button);
    const QString site = "http://www.lexavant.example/Lexavant_French/";
    EXPECT_EQ(catcher.opened, (QStringList{site + "technicalsupport.jsp", site + "reportabug.jsp",
                                           site + "checkforupdate.jsp"}));
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
    Click(kMinimiseButton);
    EXPECT_TRUE(window->isMinimized());
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(WindowCommands, TheUpdaterIsHandedItsFileOneSecondAfterStartAndOnlyOnce)
{
    // A stand-in updater on the search path notes each file it is given.
    const QString folder = QString::fromStdString(dir.path().string());
    QDir().mkpath(folder + "/bin");
    QFile updater(folder + "/bin/AutoUpdate.exe");
    ASSERT_TRUE(updater.open(QIODevice::WriteOnly));
    updater.write(("#!/bin/sh\necho \"$1\" >> '" + folder + "/noted'\n").toUtf8());
    updater.close();
    updater.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    const QByteArray previousPath = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(folder + "/bin:") + previousPath);

    OpenWindow();
    EXPECT_FALSE(window->UpdateChecked());
    RunEventsFor(2600);
    qputenv("PATH", previousPath);
    ASSERT_TRUE(window->UpdateChecked() && window->UpdateChecker());
    const QString handOver = window->UpdateChecker()->tempFileName;
    EXPECT_EQ(QDir(folder + "/tmp").entryInfoList({"CUAD*"}, QDir::Files).value(0).canonicalFilePath(),
              QFileInfo(handOver).canonicalFilePath());
    QFile noted(folder + "/noted");
    ASSERT_TRUE(noted.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(noted.readAll()), handOver + "\n");
}

#include "windowcommands_test.moc"
