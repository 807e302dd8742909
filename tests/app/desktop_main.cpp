// The tests on a real desktop share one private display server and window
// manager, started before anything reaches the window system.

#include "desktop.h"

#include <QByteArray>
#include <gtest/gtest.h>
#include <optional>

namespace {
std::optional<PrivateDesktop> desktop;
}

const PrivateDesktop& Desktop()
{
    return *desktop;
}

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    // Listing the tests needs no desktop.
    if (testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    desktop.emplace();
    // The windows of this process go to that display through X11, whatever the caller chose.
    qputenv("QT_QPA_PLATFORM", "xcb");
    const int result = RUN_ALL_TESTS();
    desktop.reset();
    return result;
}
