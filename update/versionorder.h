#pragma once
// Ordering version texts such as "1.5.2", "1.10" or "2.0b".

#include <QString>

// True when `current` is an older version than `latest`. Dotted parts are
// compared one by one as numbers, so 1.10 is newer than 1.9; letters after a
// part's digits are compared as text without regard to case, after the
// numbers, so 1.5.2a is newer than 1.5.2. A missing part counts as 0.
bool IsOlderVersion(const QString& current, const QString& latest);
