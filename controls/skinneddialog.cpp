#include "skinneddialog.h"

#include "platform/bitmaps.h"
#include "platform/windowposition.h"
#include "regionfrombitmap.h"

#include <QApplication>
#include <QMouseEvent>
#include <QShowEvent>
#include <QPainter>
#include <QWindow>

SkinnedDialog::SkinnedDialog(QWidget* parent) : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog)
{
}

bool SkinnedDialog::LoadSkin(int bitmapId)
{
    skin = platform::LoadBitmap(bitmapId);
    windowShape = WindowRegionFromBitmap(skin, Qt::black);
    if (skin.isNull())
        return false;
    // The whole picture is the window, so the window takes its size (in
    // logical pixels, whatever resolution the skin was drawn at).
    setFixedSize(skin.deviceIndependentSize().toSize());
    return true;
}

void SkinnedDialog::ApplyShape()
{
    if (windowShape)
        setMask(*windowShape);
    update();
}

void SkinnedDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (parentWidget() && !event->spontaneous())
        move(platform::CentredOn(*parentWidget(), size()));
}

void SkinnedDialog::paintEvent(QPaintEvent* event)
{
    if (skin.isNull()) {
        QDialog::paintEvent(event);
        return;
    }
    // The skin covers the whole window, every time, as the background the
    // transparent children show through.
    QPainter painter(this);
    painter.drawImage(0, 0, skin);
}

void SkinnedDialog::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QDialog::mousePressEvent(event);
        return;
    }
    pressedAt = event->globalPosition().toPoint();
    windowAtPress = pos();
    dragging = false;
    event->accept();
}

void SkinnedDialog::mouseMoveEvent(QMouseEvent* event)
{
    if (!pressedAt || !(event->buttons() & Qt::LeftButton)) {
        QDialog::mouseMoveEvent(event);
        return;
    }
    const QPoint offset = event->globalPosition().toPoint() - *pressedAt;
    if (!dragging && offset.manhattanLength() < QApplication::startDragDistance())
        return;
    if (!dragging) {
        dragging = true;
        // The window manager moves the window where it can; it then owns the
        // drag and this window sees no more of it.
        if (windowHandle() && windowHandle()->startSystemMove()) {
            pressedAt.reset();
            return;
        }
    }
    move(windowAtPress + offset);
}

void SkinnedDialog::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !pressedAt) {
        QDialog::mouseReleaseEvent(event);
        return;
    }
    const bool clicked = !dragging;
    pressedAt.reset();
    dragging = false;
    if (clicked)
        SurfaceClicked();
}
