// The sound thread runs what it is handed in order, on one thread other than
// the caller's; handing work over never waits, not even for a task that
// blocks (as closing a device under a sound server does), and a delayed task
// holds up nothing handed over after it.

#include "soundthread.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <set>
#include <string>
#include <thread>

using namespace std::chrono_literals;

TEST(SoundThread, RunsTasksInOrderOnOneThreadWithoutMakingTheCallerWait)
{
    std::mutex mutex;
    std::condition_variable drained;
    bool serverDrained = false;
    std::string ran;
    std::set<std::thread::id> threads;
    const auto record = [&](char task) {
        std::lock_guard lock(mutex);
        ran += task;
        threads.insert(std::this_thread::get_id());
    };
    {
        platform::SoundThread thread;
        const auto start = std::chrono::steady_clock::now();
        thread.PostAfter(60s, [&] { record('z'); }); // not due before the end: run then, last
        thread.PostAfter(1ms, [&] { record('d'); });
        // A task that blocks like a close under a sound server (until the test
        // says so; a caller made to wait gives up after five seconds and fails).
        thread.Post([&] {
            std::unique_lock lock(mutex);
            drained.wait_for(lock, 5s, [&] { return serverDrained; });
        });
        thread.Post([&] { record('a'); });
        thread.Post([&] { record('b'); });
        EXPECT_LT(std::chrono::steady_clock::now() - start, 4s) << "the caller waited for a task";
        {
            std::lock_guard lock(mutex);
            EXPECT_EQ(ran, "");
            serverDrained = true;
        }
        drained.notify_all();
        EXPECT_EQ(thread.Call([&] { record('c'); return 42; }), 42);
        std::lock_guard lock(mutex);
        EXPECT_EQ(ran.substr(0, 3), "abc") << "the delayed task held up a later one";
    }
    EXPECT_EQ(ran.size(), 5u);
    EXPECT_EQ(ran.back(), 'z') << "a delayed task was dropped at the end";
    EXPECT_EQ(threads.size(), 1u);
    EXPECT_EQ(threads.count(std::this_thread::get_id()), 0u);
}
