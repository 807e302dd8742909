#include "programs.h"

#include <cstdlib>

bool HaveProgram(const std::string& program)
{
    return std::system(("command -v " + program + " > /dev/null 2>&1").c_str()) == 0;
}
