#pragma once
// The window manager's close (its close button, Alt+F4, a logout) asks a
// window to close. Qt turns that request away while a modal box blocks the
// window, so the program would stay until someone answers the box.

class QWidget;

namespace platform {

// From now on, the window manager's request to close `window` ends every
// modal run (EndModalRuns), whatever box is open over it.
void EndOnCloseRequest(QWidget& window);

} // namespace platform
