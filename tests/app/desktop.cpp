// The tests on a real desktop share one private display server and window
// manager, started before the first test reaches the window system (listing
// the tests starts none).

#include "desktopwindows.h"

#include <QByteArray>
#include <gtest/gtest.h>
#include <optional>

namespace {

std::optional<PrivateDesktop> desktop;

struct DesktopEnvironment : testing::Environment {
    void SetUp() override
    {
        desktop.emplace();
        // The windows of this process go to that display through X11, whatever the caller chose.
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    void TearDown() override { desktop.reset(); }
};

testing::Environment* const environment = testing::AddGlobalTestEnvironment(new DesktopEnvironment);

} // namespace

const PrivateDesktop& Desktop()
{
    return *desktop;
}
