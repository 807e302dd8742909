// tessaly-tool: the command-line side of the phrase book.

#include "subcommands.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <cstring>

namespace {

struct Subcommand {
    const char* name;
    const char* usage;
    int (*run)(const Arguments&);
};

// Runs a command declared for a QCommandLineParser on the words after its name.
int RunParsed(const char* name, void (*declare)(QCommandLineParser&), int (*run)(const QCommandLineParser&),
              const Arguments& args)
{
    QCommandLineParser parser;
    parser.addHelpOption();
    declare(parser);
    QStringList words{QString::fromUtf8(name)};
    for (const std::string& arg : args)
        words << QString::fromLocal8Bit(arg.c_str());
    const bool parsed = parser.parse(words);
    if (parsed && parser.isSet("help")) {
        std::printf("%s", qPrintable(parser.helpText()));
        return 0;
    }
    if (!parsed || parser.positionalArguments().size() != 1) {
        const QString message = parsed ? QStringLiteral("one output file is needed") : parser.errorText();
        std::fprintf(stderr, "tessaly-tool %s: %s\n%s", name, qPrintable(message), qPrintable(parser.helpText()));
        return 2;
    }
    return run(parser);
}

int RunSheetCommand(const Arguments& args)
{
    return RunParsed("sheet", DeclareSheet, RunSheet, args);
}

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
    {"sheet", "sheet [--data FOLDER] [--favourites FILE] OUT.pdf: the printed phrase sheet as a PDF file",
     RunSheetCommand},
    {"search", "search [--exact] [--data FOLDER] WORDS...: the phrases the window's keyword search lists",
     [](const Arguments& args) { return RunDeclared("search", DeclareSearch, RunSearch, args); }},
    {"make-phrasebook", "make-phrasebook          SOURCE OUTDIR [--no-clips]: every data file from the phrase book's source "
                        "(--no-clips: without the spoken clips and the pronunciation guide)",
     RunMakePhrasebook},
};

void PrintUsage(std::FILE* to)
{
    std::fprintf(to, "usage: tessaly-tool COMMAND [ARGUMENTS]\n"
                     "       tessaly-tool --help | --version\n\ncommands:\n");
    for (const Subcommand& s : subcommands)
        std::fprintf(to, "  %s\n", s.usage);
}

bool IsOption(const char* argument, const char* shortName, const char* longName)
{
    return std::strcmp(argument, shortName) == 0 || std::strcmp(argument, longName) == 0;
}

} // namespace

int RunDeclared(const char* name, void (*declare)(QCommandLineParser&), int (*run)(const QCommandLineParser&),
                const Arguments& args)
{
    // The help text names the program after the application's first argument.
    std::string program = std::string("tessaly-tool ") + name;
    int argc = 1;
    char* argv[] = {program.data(), nullptr};
    const QCoreApplication application(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption help(QStringLiteral("help"), QStringLiteral("Shows this help."));
    parser.addOption(help);
    declare(parser);
    QStringList arguments{QStringLiteral("tessaly-tool ") + QString::fromLatin1(name)};
    for (const std::string& arg : args)
        arguments << QString::fromLocal8Bit(arg.c_str());
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "tessaly-tool %s: %s\n%s", name, qPrintable(parser.errorText()), qPrintable(parser.helpText()));
        return 2;
    }
    if (parser.isSet(help)) {
        std::printf("%s", qPrintable(parser.helpText()));
        return 0;
    }
    return run(parser);
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        PrintUsage(stderr);
        return 2;
    }
    if (IsOption(argv[1], "-h", "--help")) {
        PrintUsage(stdout);
        return 0;
    }
    if (IsOption(argv[1], "-v", "--version")) {
        std::printf("tessaly-tool %s\n", TESSALY_VERSION);
        return 0;
    }
    for (const Subcommand& s : subcommands) {
        if (std::strcmp(argv[1], s.name) == 0)
            return s.run(Arguments(argv + 2, argv + argc));
    }
    std::fprintf(stderr, "tessaly-tool: unknown command '%s'\n", argv[1]);
    PrintUsage(stderr);
    return 2;
}
