#pragma once
// One thread of its own for every call into the sound library, which does
// not guard its device table against calls from two threads. Callers hand
// work over and go on: closing a device waits until the sound server has
// drained it (seconds under PulseAudio), which the window's thread must
// never do.

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <map>
#include <mutex>
#include <thread>

namespace platform {

class SoundThread {
public:
    using Task = std::function<void()>;
    using Clock = std::chrono::steady_clock;

    SoundThread();
    // Runs every task still handed over (delayed ones at once), then ends.
    ~SoundThread();
    SoundThread(const SoundThread&) = delete;
    SoundThread& operator=(const SoundThread&) = delete;

    // Returns at once; tasks run one at a time, in the order handed over.
    void Post(Task task);
    // Runs `task` once `delay` has passed and no posted task is waiting;
    // tasks posted meanwhile do not wait for it.
    void PostAfter(std::chrono::milliseconds delay, Task task);
    // Runs `function` after everything posted before it and gives its result.
    // Waits: for tests, tools and calls known to be quick. Never from a task.
    template <class Function>
    auto Call(Function function) -> decltype(function())
    {
        std::packaged_task<decltype(function())()> task(std::move(function));
        auto result = task.get_future();
        Post([&task] { task(); });
        return result.get();
    }

private:
    void Run();

    std::mutex mutex;
    std::condition_variable wake;
    std::deque<Task> tasks;
    std::multimap<Clock::time_point, Task> delayed;
    bool ending = false;
    std::thread worker; // last: starts once everything above exists
};

} // namespace platform
