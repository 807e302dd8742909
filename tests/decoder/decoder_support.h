#pragma once
// What the decoder tests share: a whole stream decoded through the library,
// a comparison with reference PCM, and the programs and files the tests use.

#include "files.h"
#include "mpadecoder.h"
#include "tempdir.h"

#include <cstdint>
#include <string>
#include <vector>

const std::string kVectorDir = std::string(TESSALY_SHARED_DIR) + "/vectors/";

struct DecodedStream {
    std::vector<uint8_t> pcm; // as the decoder wrote it
    MpaFrameInfo format{};    // of the first frame
    int framesDecoded = 0;
    bool started = false;
};

// Frame after frame, the way a client steps through a stream; a refused
// frame adds no PCM.
DecodedStream DecodeStream(const std::vector<uint8_t>& stream, const MpaOptions& options = {0, 0, 24000});

struct Comparison {
    double psnrDb = 0;   // 20 log10(32768 / RMS error)
    double levelDb = 0;  // ours against the reference, by RMS
    int shiftFrames = 0; // whole frames ours was moved by to line up
    size_t comparedSamples = 0;
};

// Both sides low-passed alike at `cutoff` (a fraction of Nyquist; 1 for no
// filter) after the whole-frame alignment that fits best.
Comparison ComparePcm(const std::vector<int16_t>& ours, const std::vector<int16_t>& reference, int channels,
                      int frameSamples, double cutoff);
// Every `factor`-th sample of each channel after a low-pass at 1/factor.
std::vector<int16_t> Decimate(const std::vector<int16_t>& pcm, int channels, int factor);

std::vector<int16_t> AsSamples16(const std::vector<uint8_t>& pcm);

bool HaveProgram(const char* name);
int RunCommand(const std::string& command); // exit status
// `tessaly-tool decode` with its arguments; the exit status.
int RunDecodeTool(const std::string& arguments);
// Tones sweeping over the band, with bursts of noise: enough to make an
// encoder use long, short and mixed blocks.
void WriteTestSignal(const std::string& path, int rate, int channels, double seconds);
