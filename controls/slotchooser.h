#pragma once
// The drop-down list of a slot's alternatives that the phrase list opens over
// the clicked word. It tells a choice apart from a drop-down closed without one.

#include <QComboBox>

class SlotChooser : public QComboBox {
    Q_OBJECT
public:
    explicit SlotChooser(QWidget* parent = nullptr);

    void showPopup() override;
    void hidePopup() override;

signals:
    // The user picked an entry (possibly the one already selected).
    void Chosen();
    // The drop-down closed without a pick (Escape, a click elsewhere).
    void Cancelled();

private:
    bool choosing = false;
};
