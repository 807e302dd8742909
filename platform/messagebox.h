#pragma once
// Modal message boxes with one OK button, and the recorder tests put in their place.

#include <QString>
#include <functional>
#include <vector>

class QWidget;

namespace platform {

// The title a box gets when it is given no caption: the program's name, which
// is its executable's file name without extension.
QString DefaultCaption();

// The window boxes are centred on when no window of the program is active;
// a box shown while it is still hidden shows it first.
void SetBoxOwner(QWidget* window);

// Shows `text` in a modal box with one OK button and waits for it to close.
// An empty caption means DefaultCaption(). The text can be selected and
// copied (an address the program could not open, a file name).
void ShowMessageBox(const QString& text, const QString& caption = {});

// While one exists, message boxes are recorded instead of shown, so that a
// test never waits for a button press. Recorders nest; the newest one records.
class MessageBoxRecorder {
public:
    struct Shown {
        QString text;
        QString caption; // as the box would show it (never empty)
    };

    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    const std::vector<Shown>& Boxes() const { return boxes; }
    void Clear() { boxes.clear(); }

private:
    friend void ShowMessageBox(const QString&, const QString&);
    std::vector<Shown> boxes;
    MessageBoxRecorder* previous;
};

} // namespace platform
