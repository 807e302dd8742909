// tessaly-tool: the command-line side of the phrase book.

#include "subcommands.h"

#include <cstdio>
#include <cstring>

namespace {

struct Subcommand {
    const char* name;
    const char* usage;
    int (*run)(const Arguments&);
};

const Subcommand subcommands[] = {
    {"build-english", "build-english            English.txt -> English.dat, in the current directory",
     RunBuildEnglish},
    {"build-french", "build-french             Orlenic.txt -> French.dat, in the current directory",
     RunBuildFrench},
    {"clip", "clip NUMBER OUTPUT.wav [--tempo T]: phrase NUMBER's clip as the play button sounds it, "
             "or with --tempo as slow play does (T = 0.7 there), from the archive in the current directory",
     RunClip},
    {"decode", "decode INPUT OUTPUT.wav [--rate full|half|quarter] [--channels both|mix|left|right] [--bits 16|8]: every frame of an MPEG audio file",
     RunDecode},
    {"make-phrasebook", "make-phrasebook          SOURCE OUTDIR [--no-clips]: every data file from the phrase book's source",
     RunMakePhrasebook},
};

int PrintUsage()
{
    std::fprintf(stderr, "usage: tessaly-tool COMMAND [ARGUMENTS]\n\ncommands:\n");
    for (const Subcommand& s : subcommands)
        std::fprintf(stderr, "  %s\n", s.usage);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return PrintUsage();
    for (const Subcommand& s : subcommands) {
        if (std::strcmp(argv[1], s.name) == 0)
            return s.run(Arguments(argv + 2, argv + argc));
    }
    std::fprintf(stderr, "tessaly-tool: unknown command '%s'\n", argv[1]);
    return PrintUsage();
}
