#pragma once
// Running the speech and encoding programs of the pipeline.

#include <string>
#include <vector>

// Runs `command` (its first word is looked up on PATH) with no input and its
// output and error messages written to `logPath`, and waits for it. Returns
// its exit status, or -1 when it could not be started or did not exit.
int RunProgram(const std::vector<std::string>& command, const std::string& logPath);
