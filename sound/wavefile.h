#pragma once
// A plain PCM WAVE file (RIFF, a 16-byte format chunk, one data chunk) of a
// block in a device's format: how tools hand a played block to other programs.

#include "waveout.h"

#include <cstdint>
#include <vector>

std::vector<std::uint8_t> PcmWaveFile(const platform::WaveFormat& format, const std::uint8_t* pcm,
                                      std::uint32_t length);
