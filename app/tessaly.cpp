#include "tessaly.h"

#include "platform/sdlwaveout.h"
#include "tessalydlg.h"
#include "terminationsignals.h"

#include <QFile>

CTessalyApp::CTessalyApp(int& argc, char** argv) : QApplication(argc, argv) {}

int CTessalyApp::InitInstance()
{
    CTessalyDlg window(std::make_unique<platform::SdlWaveOut>());
    window.Book().favouritesFolder = QFile::encodeName(favouritesFolder).toStdString();
    TerminationSignals endOnSignal(window);
    window.DoModal();
    return 0;
}
