#include "tessaly.h"

#include "platform/closerequests.h"
#include "platform/messagebox.h"
#include "platform/sdlwaveout.h"
#include "platform/windowposition.h"
#include "tessalydlg.h"

#include <QFile>

CTessalyApp::CTessalyApp(int& argc, char** argv) : QApplication(argc, argv) {}

int CTessalyApp::InitInstance()
{
    CTessalyDlg window(std::make_unique<platform::SdlWaveOut>());
    window.Book().favouritesFolder = QFile::encodeName(favouritesFolder).toStdString();
    platform::FollowShownPosition(window);
    platform::EndOnCloseRequest(window);
    platform::SetBoxOwner(&window);
    window.DoModal();
    return 0;
}
