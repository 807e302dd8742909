#include "platform/messagebox.h"

#include "platform/modalruns.h"
#include "platform/windowposition.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QWindow>

namespace platform {

namespace {

MessageBoxRecorder* activeRecorder = nullptr;
QPointer<QWidget> boxOwner;

// How long a box waits for its hidden owner to appear, placed by the window manager.
constexpr int kOwnerShownWithinMs = 2000;

// Makes sure the box's owner is on screen where Qt believes it is, as the
// box is centred on it.
void PlaceOwner(QWidget& owner)
{
    if (!owner.isVisible()) {
        owner.show();
        QElapsedTimer waited;
        waited.start();
        while (!owner.windowHandle()->isExposed() && !ModalRunsEnded() && waited.elapsed() < kOwnerShownWithinMs)
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents, 50);
    }
    CorrectPosition(owner);
}

// A box that opens centred on the window it belongs to.
class OwnedBox : public QMessageBox {
public:
    OwnedBox(const QString& title, const QString& text, QWidget* owner)
        : QMessageBox(QMessageBox::NoIcon, title, text, QMessageBox::Ok, owner)
    {
    }

protected:
    void showEvent(QShowEvent* event) override
    {
        QMessageBox::showEvent(event);   // sizes the box
        if (parentWidget())
            move(CentredOn(*parentWidget(), size()));
    }
};

} // namespace

void SetBoxOwner(QWidget* window)
{
    boxOwner = window;
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
    if (ModalRunsEnded())
        return;
    QWidget* owner = QApplication::activeWindow();
    if (!owner)
        owner = boxOwner;
    if (owner)
        PlaceOwner(*owner);
    if (ModalRunsEnded())
        return;
    OwnedBox box(title, text, owner);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
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
