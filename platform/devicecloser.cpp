#include "devicecloser.h"

#include <utility>

namespace platform {

DeviceCloser::DeviceCloser(CloseFunction close) : close(std::move(close)), worker([this] { Run(); }) {}

DeviceCloser::~DeviceCloser()
{
    {
        std::lock_guard lock(mutex);
        ending = true;
    }
    handedOver.notify_one();
    worker.join();
}

void DeviceCloser::Close(std::uint32_t device)
{
    {
        std::lock_guard lock(mutex);
        pending.push_back(device);
    }
    handedOver.notify_one();
}

bool DeviceCloser::WaitUntilDone()
{
    std::unique_lock lock(mutex);
    const bool busy = !pending.empty() || closing;
    closed.wait(lock, [this] { return pending.empty() && !closing; });
    return busy;
}

void DeviceCloser::Run()
{
    std::unique_lock lock(mutex);
    for (;;) {
        handedOver.wait(lock, [this] { return ending || !pending.empty(); });
        if (pending.empty())
            return; // ending, and nothing left to close
        std::vector<std::uint32_t> devices;
        devices.swap(pending);
        closing = true;
        lock.unlock();
        for (const std::uint32_t device : devices)
            close(device);
        lock.lock();
        closing = false;
        closed.notify_all();
    }
}

} // namespace platform
