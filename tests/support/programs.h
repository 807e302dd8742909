#pragma once
// The outside programs some tests run (encoders, the reference decoder): a
// test that needs one reports itself skipped when it is not installed.

#include <cstdlib>
#include <string>

inline bool HaveProgram(const std::string& program)
{
    return std::system(("command -v " + program + " > /dev/null 2>&1").c_str()) == 0;
}
