#pragma once
// The user's temporary folder and new files in it.

#include <QString>

namespace platform {

// The user's temporary folder, without a trailing separator.
QString TemporaryFolder();

// Creates a new, empty file in `folder` whose name begins with `prefix` and
// returns its path; the name is unique and the file is created atomically, so
// two callers never get the same file. An empty string when it can't be made.
QString CreateUniqueFile(const QString& folder, const QString& prefix);

} // namespace platform
