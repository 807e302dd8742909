#pragma once
// Running the encoders and the reference decoder the tests use when
// installed (programs.h says whether they are), a synthetic test signal, and
// a scratch folder per test.

#include "programs.h"

#include <string>
#include <vector>

int RunCommand(const std::string& command); // exit status

// A fresh, empty folder under the system's temporary folder, removed again
// when the test program ends.
std::string ScratchFolder(const char* name);

// A few seconds of tones sweeping over the band, with noise and silence:
// enough to make an encoder use long, short and mixed blocks.
void WriteTestSignal(const std::string& path, int rate, int channels, double seconds);

std::string Quote(const std::string& path);
