#pragma once
// The player's clock: how long a clip lasts, how many frames a time spans and
// how many PCM bytes it takes. The arithmetic (integer or single-precision,
// truncating) is part of the behaviour: it decides how many frames a block
// holds, so it is kept exactly.

#include <cstdint>

// Milliseconds of a constant-bitrate stream: (bytes / kbps) x 8, the division
// first, in integers. 0 when kbps is 0.
std::uint32_t DurationMs(std::uint32_t audioLength, std::uint16_t kbps);

// Milliseconds of the whole frames only, counted in frames of `frameSize`
// bytes (the first frame's length without padding).
std::uint32_t WholeFramesMs(std::uint32_t audioLength, std::uint16_t frameSize, std::uint16_t kbps);

// Frames that fit in `ms`: ms / frameMs in single precision, truncated.
std::uint32_t FramesIn(std::uint32_t ms, float frameMs);

// PCM bytes at `ms`, with B = rate x channels x 2 / 1000 bytes per
// millisecond: truncate(ms x B + (truncate(ms x B) mod truncate(B))).
std::uint32_t PcmBytesAt(std::uint32_t ms, std::uint16_t rate, std::uint16_t channels);
