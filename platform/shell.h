#pragma once
// Hands work to the desktop: web pages to the user's browser, programs to the system.
// Neither result is checked by the callers; both are returned for those who care.

#include <QString>

namespace platform {

// Opens `address` (an http address) in the user's browser.
bool OpenWebAddress(const QString& address);

// Starts `program`, found by its bare name on the search path, with one
// parameter, and does not wait for it.
bool StartProgram(const QString& program, const QString& parameter);

} // namespace platform
