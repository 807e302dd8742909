#include "tempdir.h"

#include <cstdlib>
#include <string>

ScopedTempDir::ScopedTempDir() : previous(std::filesystem::current_path())
{
    std::string pattern = (std::filesystem::temp_directory_path() / "tessaly-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        std::abort();
    dir = pattern;
    std::filesystem::current_path(dir);
}

ScopedTempDir::~ScopedTempDir()
{
    std::filesystem::current_path(previous);
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
}
