#include "platform/messagebox.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

namespace platform {

namespace {
MessageBoxRecorder* activeRecorder = nullptr;
}

QString DefaultCaption()
{
    // applicationName() is the executable's base name unless someone set it.
    const QString path = QCoreApplication::applicationFilePath();
    if (!path.isEmpty())
        return QFileInfo(path).completeBaseName();
    return QCoreApplication::applicationName();
}

void ShowMessageBox(const QString& text, const QString& caption)
{
    const QString title = caption.isEmpty() ? DefaultCaption() : caption;
    if (activeRecorder) {
        activeRecorder->boxes.push_back({text, title});
        return;
    }
    QWidget* owner = QApplication::activeWindow();
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, owner);
    // A screen reader announces the box by its title and reads its text.
    box.setAccessibleDescription(text);
    box.exec();
    // The keyboard goes back to the window the box came from, also where no
    // window manager hands it back.
    if (owner)
        owner->activateWindow();
}

MessageBoxRecorder::MessageBoxRecorder() : previous(activeRecorder)
{
    activeRecorder = this;
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    activeRecorder = previous;
}

} // namespace platform
