#pragma once
// Hands work to the desktop: web pages to the user's browser, programs to the system.

#include <QString>

namespace platform {

// Opens `address` (an http address) in the user's browser, through the
// desktop's opener (xdg-open). When that cannot be started or reports that
// it failed, a message box says so and shows the address, so that the user
// can copy it into a browser.
void OpenWebAddress(const QString& address);

// Starts `program`, found by its bare name on the search path, with one
// parameter, and does not wait for it. Whether it started; callers may
// ignore it.
bool StartProgram(const QString& program, const QString& parameter);

} // namespace platform
