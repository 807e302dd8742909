#pragma once
// The way out of the program from wherever it stands: every window and box
// open in a modal run, one inside another, is ended, and none opens after.

namespace platform {

// Ends every modal run now going and makes each later one return at once;
// message boxes are no longer shown. For a program that must end now (a
// signal, the window manager closing a window a box blocks).
void EndModalRuns();

// Whether EndModalRuns has been called.
bool ModalRunsEnded();

} // namespace platform
