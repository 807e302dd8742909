#pragma once
// Decoding a whole stream in memory through the library, frame after frame,
// the way a client steps through it.

#include "mpadecoder.h"

#include <cstdint>
#include <vector>

struct DecodedStream {
    std::vector<uint8_t> pcm;  // as the decoder wrote it
    MpaFrameInfo format{};     // of the first frame
    int framesDecoded = 0;
    int framesRefused = 0;
    bool started = false;
};

DecodedStream DecodeStream(const std::vector<uint8_t>& stream, const MpaOptions& options = {0, 0, 24000});

std::vector<int16_t> AsSamples16(const std::vector<uint8_t>& pcm);
std::vector<uint8_t> ReadBytes(const char* path);
