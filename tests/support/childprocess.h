#pragma once
// Runs a piece of a test in a child process, for what must not touch the test
// program itself: a lower file-size limit, or an unprivileged user. Tests run
// as root in CI, and root ignores file permissions, so a test of a read-only
// file or folder runs its code as "nobody" for the denial to be real.

#include <functional>
#include <string>

enum class ChildUser { Same, Unprivileged };

// Runs `body` in a forked child and returns the text it returned. When this
// process is root and `user` is Unprivileged, the child first becomes the user
// and group "nobody" with no supplementary groups. A child that fails to
// drop its rights or ends abnormally returns a text saying so.
std::string RunInChild(ChildUser user, const std::function<std::string()>& body);
