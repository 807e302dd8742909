#pragma once
// A display server of the caller's own (Xvfb) with a real window manager
// (openbox) on it, for tests of what a desktop does to windows: placing,
// framing, moving and closing them. While it runs, this process and its
// children reach it through DISPLAY.

#include <filesystem>
#include <optional>
#include <string>
#include <sys/types.h>

class PrivateDesktop {
public:
    PrivateDesktop();
    ~PrivateDesktop();
    PrivateDesktop(const PrivateDesktop&) = delete;
    PrivateDesktop& operator=(const PrivateDesktop&) = delete;

    bool Running() const { return manager > 0; }
    const std::string& Failure() const { return failure; } // why it is not running

private:
    // Starts a server and its manager; on failure neither runs. Each attempt
    // begins at other display numbers.
    void Start(int attempt);

    std::filesystem::path folder;
    pid_t server = -1;
    pid_t manager = -1;
    std::string display;
    std::string failure;
    std::optional<std::string> previousDisplay;
};
