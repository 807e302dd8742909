#pragma once
// What the decoder tests share: a stream decoded frame by frame, the
// conformance streams, and the programs and files the tests use.

#include "files.h"
#include "mpadecoder.h"
#include "programs.h"
#include "tempdir.h"

#include <cstdint>
#include <string>
#include <vector>

const std::string kVectorDir = std::string(TESSALY_SHARED_DIR) + "/vectors/";

struct DecodedStream {
    std::vector<uint8_t> pcm;
    MpaFrameInfo format{}; // of the first frame
    int framesDecoded = 0;
    bool started = false;
};

MpaFrameJob FrameJob(const uint8_t* frame, int32_t length, uint8_t* output, int32_t outputSize);
// The way a client steps through a stream; a refused frame adds no PCM.
DecodedStream DecodeStream(const std::vector<uint8_t>& stream, const MpaOptions& options = {0, 0, 24000});

// A conformance stream, or nothing when it or its reference PCM is missing.
std::vector<uint8_t> VectorStream(const std::string& name);
#define SKIP_WITHOUT(stream)                                                                                           \
    if ((stream).empty())                                                                                              \
    GTEST_SKIP() << "no conformance streams in " << kVectorDir

// A sweep, a tone and bursts of noise: long, short and mixed blocks.
void WriteTestSignal(const std::string& path, int rate, int channels, double seconds);
