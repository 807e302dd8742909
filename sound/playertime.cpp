// The player's time conversions.

#include "playertime.h"

std::uint32_t DurationMs(std::uint32_t audioLength, std::uint16_t kbps)
{
    return kbps == 0 ? 0 : audioLength / kbps * 8;
}

std::uint32_t WholeFramesMs(std::uint32_t audioLength, std::uint16_t frameSize, std::uint16_t kbps)
{
    if (frameSize == 0 || kbps == 0)
        return 0;
    return audioLength / frameSize * frameSize / kbps * 8;
}

std::uint32_t FramesIn(std::uint32_t ms, float frameMs)
{
    if (frameMs <= 0)
        return 0;
    return std::uint32_t(float(ms) / frameMs);
}

std::uint32_t PcmBytesAt(std::uint32_t ms, std::uint16_t rate, std::uint16_t channels)
{
    if (ms == 0)
        return 0;
    const double perMs = double(rate) * channels * 2 / 1000.0;
    const std::uint64_t whole = std::uint64_t(ms * perMs);
    const std::uint64_t wholePerMs = std::uint64_t(perMs);
    const std::uint64_t nudge = wholePerMs == 0 ? 0 : whole % wholePerMs;
    return std::uint32_t(ms * perMs + double(nudge));
}
