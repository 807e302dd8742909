#include "soundthread.h"

#include <utility>

namespace platform {

SoundThread::SoundThread() : worker([this] { Run(); }) {}

SoundThread::~SoundThread()
{
    {
        std::lock_guard lock(mutex);
        ending = true;
    }
    wake.notify_one();
    worker.join();
}

void SoundThread::Post(Task task)
{
    {
        std::lock_guard lock(mutex);
        tasks.push_back(std::move(task));
    }
    wake.notify_one();
}

void SoundThread::PostAfter(std::chrono::milliseconds delay, Task task)
{
    {
        std::lock_guard lock(mutex);
        delayed.emplace(Clock::now() + delay, std::move(task));
    }
    wake.notify_one();
}

void SoundThread::Run()
{
    std::unique_lock lock(mutex);
    for (;;) {
        Task task;
        if (!tasks.empty()) {
            task = std::move(tasks.front());
            tasks.pop_front();
        } else if (!delayed.empty() && (ending || delayed.begin()->first <= Clock::now())) {
            task = std::move(delayed.begin()->second);
            delayed.erase(delayed.begin());
        } else if (ending) {
            return;
        } else if (delayed.empty()) {
            wake.wait(lock);
            continue;
        } else {
            wake.wait_until(lock, delayed.begin()->first);
            continue;
        }
        lock.unlock();
        task();
        lock.lock();
    }
}

} // namespace platform
