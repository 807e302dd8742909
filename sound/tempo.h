#pragma once
// Changing the tempo of a block of speech while keeping its pitch: a learner
// hears the phrase slowly in the speaker's own voice, not a lower growl.

#include <cstdint>
#include <vector>

// Tempos a block may be stretched to: 0.25 is four times as long, 4 a quarter.
inline constexpr double kMinTempo = 0.25;
inline constexpr double kMaxTempo = 4.0;

bool IsStretchableTempo(double tempo);

// `length` bytes of interleaved 16-bit little-endian PCM with `channels`
// channels at `rate` Hz, played at `tempo` times its speed (0.7: 70 %, lasting
// 1/0.7 as long) with its pitch unchanged. Whole samples of every channel only;
// a trailing partial sample is dropped. Empty for a tempo that is not
// stretchable or a format with no channels or rate.
std::vector<std::uint8_t> StretchTempo(const std::uint8_t* pcm, std::uint32_t length, std::uint16_t channels,
                                       std::uint32_t rate, double tempo);
