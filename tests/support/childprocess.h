#pragma once
// Runs a piece of a test in a child process, for what must not touch the test
// program itself: a lower file-size limit, or an unprivileged user (tests run
// as root in CI, and root ignores file permissions).

#include <functional>
#include <string>

enum class ChildUser { Same, Unprivileged };

// The text `body` returned in a forked child, which is first user and group
// "nobody" without supplementary groups when this process is root and `user`
// is Unprivileged; a child that cannot drop its rights or fails says so. With
// a `fileSizeLimit`, files grow to that many bytes at most, as on a full disk:
// a write past it fails rather than ending the child.
std::string RunInChild(ChildUser user, const std::function<std::string()>& body, long fileSizeLimit = 0);
