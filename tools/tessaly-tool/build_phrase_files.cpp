// build-english and build-french: the phrase-file builders, run in the current
// directory as the program would run them.

#include "builders.h"
#include "subcommands.h"
#include "text.h"

#include <cstdio>

namespace {

class StderrMessages : public MessageBoxes {
public:
    void ShowMessage(std::u16string_view text, std::u16string_view) override
    {
        std::fprintf(stderr, "tessaly-tool: %s\n", Utf16ToUtf8(text).c_str());
    }
};

int Report(bool built, const char* source, const char* output)
{
    if (built)
        return 0;
    std::fprintf(stderr, "tessaly-tool: could not build %s from %s (missing, unreadable or larger than %zu bytes)\n",
                 output, source, kMaxSourceBytes);
    return 1;
}

} // namespace

void DeclareBuildPhraseFile(QCommandLineParser&) {}

int RunBuildEnglish(const QCommandLineParser&)
{
    StderrMessages messages;
    return Report(BuildEnglishData(messages), "English.txt", "English.dat");
}

int RunBuildFrench(const QCommandLineParser&)
{
    return Report(BuildFrenchData(), "Orlenic.txt", "French.dat");
}
