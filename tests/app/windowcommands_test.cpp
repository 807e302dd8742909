// Web pages, the about box, minimising and the one-time update hand-over.

#include "aboutdlg.h"
#include "updatechecker.h"
#include "windowfixture.h"

#include <QDesktopServices>
#include <QDir>
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
    EXPECT_EQ(catcher.opened,
              (QStringList{site + "technicalsupport.jsp", site + "reportabug.jsp", site + "checkforupdate.jsp"}));
    QWidget* about = nullptr;
    QTimer::singleShot(50, [&] {
        if ((about = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget())))
            about->close();
    });
    Click(kAboutButton);
    EXPECT_NE(about, nullptr);
    Click(kMinimiseButton);
    EXPECT_EQ(std::pair(window->isVisible(), window->isMinimized()), std::pair(true, true));
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(WindowCommands, TheUpdaterIsHandedItsFileOneSecondAfterStartAndOnlyOnce)
{
    // A stand-in updater on the search path notes each file it is given.
    const QString folder = QString::fromStdString(dir.path().string()), previousPath = qEnvironmentVariable("PATH");
    QDir().mkpath(folder + "/bin");
    QFile updater(folder + "/bin/AutoUpdate.exe");
    ASSERT_TRUE(updater.open(QIODevice::WriteOnly));
    updater.write(("#!/bin/sh\necho \"$1\" >> '" + folder + "/noted'\n").toUtf8());
    updater.close();
    updater.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    qputenv("PATH", (folder + "/bin:" + previousPath).toLocal8Bit());
    OpenWindow();
    EXPECT_FALSE(window->UpdateChecked());
    RunEventsFor(2600);
    qputenv("PATH", previousPath.toLocal8Bit());
    ASSERT_TRUE(window->UpdateChecked() && window->UpdateChecker());
    const QString handOver = window->UpdateChecker()->tempFileName;
    EXPECT_TRUE(QFileInfo(handOver).fileName().startsWith("CUAD"));
    EXPECT_EQ(QFileInfo(handOver).dir().canonicalPath(), QDir(folder + "/tmp").canonicalPath());
    QFile noted(folder + "/noted");
    ASSERT_TRUE(noted.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(noted.readAll()), handOver + "\n");
}

#include "windowcommands_test.moc"
