#pragma once
// The start-up look at the phrase book's files: which of them are missing,
// unreadable or damaged, and what will not work because of it, so that the
// user is told once, by name, rather than by blank panels and silence.

#include <filesystem>
#include <string>
#include <vector>

struct DataFileProblem {
    std::string fileName;                        // for example "English.dat"
    std::u16string fault;                        // "is missing", "is damaged (...)"
    std::u16string consequence;                  // what will not work
    std::vector<std::u16string> coveredMessages; // later messages this one already explains
};

// Checks every phrase and sound file in `folder`; empty when all are sound.
std::vector<DataFileProblem> CheckDataFiles(const std::filesystem::path& folder);

// The one message that names every problem, the folder and what will not work.
std::u16string DataFilesNotice(const std::vector<DataFileProblem>& problems, const std::filesystem::path& folder);
