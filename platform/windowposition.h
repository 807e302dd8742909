#pragma once
// Where a top-level window really stands on the screen. A window manager
// that frames a window places the frame after Qt has asked the X server
// where the window is; when the manager then has no reason to tell the
// window (it stands where it asked to be), Qt keeps the early answer, the
// screen's corner, until the window is first moved. Popups, boxes and the
// accessibility extents placed from that are off the window.

#include <QPoint>
#include <QSize>
#include <optional>

class QWidget;

namespace platform {

// Where the window system shows the top-left corner of `window`, in Qt's
// coordinates; nothing when it cannot say (not X11, not yet shown).
std::optional<QPoint> ShownPosition(const QWidget& window);

// Brings Qt's idea of the window's position to where it is shown; true
// when the two differed.
bool CorrectPosition(QWidget& window);

// Corrects the window's position each time the window system maps, frames
// or moves it, for as long as the window lives.
void FollowShownPosition(QWidget& window);

} // namespace platform

namespace platform {

// Where a box of `size` stands centred on `owner`. Qt's own placing of a
// dialog guesses the frame of the window manager (by as much as 40 pixels),
// so boxes are placed with this as they are shown, before they are mapped.
QPoint CentredOn(const QWidget& owner, QSize size);

} // namespace platform
