#pragma once
// A plain PCM WAVE file (RIFF, a 16-byte format chunk, one data chunk) of a
// block in a device's format: how tools hand a played block to other programs.

#include "waveout.h"

#include <cstdint>
#include <optional>
#include <vector>

// The most PCM bytes a WAVE file holds: its RIFF length field counts the
// 36 bytes of header after it and the data in 32 bits.
inline constexpr std::uint64_t kMostWaveDataBytes = 0xFFFFFFFFu - 36;

// The 44-byte header of a file with `length` bytes of PCM, or nothing when
// that is more than a WAVE file can hold.
std::optional<std::vector<std::uint8_t>> PcmWaveHeader(const platform::WaveFormat& format, std::uint64_t length);

// The whole file: header and PCM; empty when the PCM is too long for one.
std::vector<std::uint8_t> PcmWaveFile(const platform::WaveFormat& format, const std::uint8_t* pcm,
                                      std::uint32_t length);
