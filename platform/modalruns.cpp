#include "platform/modalruns.h"

#include <QApplication>
#include <QDialog>

namespace platform {

namespace {
bool ended = false;
}

void EndModalRuns()
{
    ended = true;
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QDialog*>(window); dialog && dialog->isVisible())
            dialog->reject();
    // Leaves every event loop the window thread is running, however deeply
    // nested, and makes any loop started later return at once.
    QCoreApplication::exit(0);
}

bool ModalRunsEnded()
{
    return ended;
}

} // namespace platform
