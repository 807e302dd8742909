// Devices are closed on the closer's own thread: handing one over never
// waits for the close, and nothing handed over is left open at the end.

#include "devicecloser.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

using namespace std::chrono_literals;

TEST(DeviceCloser, ClosesOffTheCallersThreadWithoutMakingItWait)
{
    std::mutex mutex;
    std::condition_variable drained;
    bool serverDrained = false;
    std::vector<std::uint32_t> closed;
    std::vector<bool> onCallersThread;
    {
        // A close that, like SDL's under a sound server, blocks until the
        // server has drained the device (here: until the test says so; a
        // caller made to wait gives up after five seconds and fails).
        platform::DeviceCloser closer([&, caller = std::this_thread::get_id()](std::uint32_t device) {
            std::unique_lock lock(mutex);
            drained.wait_for(lock, 5s, [&] { return serverDrained; });
            closed.push_back(device);
            onCallersThread.push_back(std::this_thread::get_id() == caller);
        });
        const auto start = std::chrono::steady_clock::now();
        for (std::uint32_t device : {3u, 7u, 9u})
            closer.Close(device);
        EXPECT_LT(std::chrono::steady_clock::now() - start, 4s) << "the caller waited for a close";
        {
            std::lock_guard lock(mutex);
            EXPECT_TRUE(closed.empty());
            serverDrained = true;
        }
        drained.notify_all();
        closer.Close(11); // handed over last: closed before the closer goes
    }
    EXPECT_EQ(closed, (std::vector<std::uint32_t>{3, 7, 9, 11}));
    EXPECT_EQ(onCallersThread, std::vector<bool>(4, false));
}
