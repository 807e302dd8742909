#pragma once
// The outside programs some tests run (encoders, the reference decoder): a
// test that needs one reports itself skipped when it is not installed.

#include <string>

// True when `program` is on the PATH.
bool HaveProgram(const std::string& program);
