#include "slotchooser.h"

SlotChooser::SlotChooser(QWidget* parent) : QComboBox(parent)
{
    connect(this, &QComboBox::activated, this, [this] {
        choosing = false;
        emit Chosen();
    });
}

void SlotChooser::showPopup()
{
    choosing = true;
    QComboBox::showPopup();
}

void SlotChooser::hidePopup()
{
    QComboBox::hidePopup();
    // A pick is reported only after the list has closed, so whether this was
    // a cancel is known once the events of the close have been handled.
    QMetaObject::invokeMethod(this, [this] {
        if (choosing) {
            choosing = false;
            emit Cancelled();
        }
    }, Qt::QueuedConnection);
}
