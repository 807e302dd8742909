// tessaly-tool: the command-line side of the phrase book.

#include "subcommands.h"
#include "tessalyversion.h"

#include <QFile>
#include <QStringList>

#include <cstdio>
#include <string_view>

namespace {

const Subcommand kSubcommands[] = {
    {"build-english", "English.txt -> English.dat, in the current directory", DeclareBuildPhraseFile, RunBuildEnglish, 0},
    {"build-french", "Orlenic.txt -> French.dat, in the current directory", DeclareBuildPhraseFile,
     RunBuildFrench, 0},
    {"clip", "a phrase's clip as the play button (or, with --tempo, slow play) sounds it", DeclareClip, RunClip, 2},
    {"decode", "every frame of an MPEG audio file into a WAV file", DeclareDecode, RunDecode, 2},
    {"make-phrasebook", "every data file from the phrase book's source", DeclareMakePhrasebook, RunMakePhrasebook, 2},
    {"search", "the phrases the window's keyword search lists, in its order", DeclareSearch, RunSearch},
    {"sheet", "the printed phrase sheet as a PDF file", DeclareSheet, RunSheet, 1},
};

// The command being run, for RefuseArgument.
const Subcommand* running = nullptr;

void PrintCommands(std::FILE* to)
{
    std::fprintf(to, "usage: tessaly-tool COMMAND [OPTIONS] [ARGUMENTS]\n"
                     "       tessaly-tool --help | --version\n\ncommands:\n");
    for (const Subcommand& s : kSubcommands)
        std::fprintf(to, "  %-16s %s\n", s.name, s.summary);
    std::fprintf(to, "\n'tessaly-tool COMMAND --help' describes a command's options and arguments.\n");
}

QString CommandHelp(const QCommandLineParser& parser)
{
    // Arguments are parsed before any application object exists (a command
    // may need a kind of its own), so Qt names the program by a placeholder.
    QString help = parser.helpText();
    help.replace(QStringLiteral("<executable_name>"), QStringLiteral("tessaly-tool ") + QString::fromUtf8(running->name));
    return help;
}

int CheckPositionals(const QCommandLineParser& parser)
{
    const QStringList given = parser.positionalArguments();
    if (running->positionals < 0 || given.size() == running->positionals)
        return 0;
    if (given.size() > running->positionals)
        return RefuseArgument(parser, QStringLiteral("unexpected argument '%1'").arg(given[running->positionals]));
    return RefuseArgument(parser, QStringLiteral("missing arguments: it takes %1, was given %2")
                                      .arg(running->positionals)
                                      .arg(given.size()));
}

} // namespace

int RefuseArgument(const QCommandLineParser& parser, const QString& message)
{
    std::fprintf(stderr, "tessaly-tool %s: %s\n\n%s", running->name, qPrintable(message), qPrintable(CommandHelp(parser)));
    return 2;
}

std::string PathArgument(const QCommandLineParser& parser, int index)
{
    return QFile::encodeName(parser.positionalArguments().at(index)).toStdString();
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        PrintCommands(stderr);
        return 2;
    }
    const std::string_view first = argv[1];
    if (first == "-h" || first == "--help") {
        PrintCommands(stdout);
        return 0;
    }
    if (first == "-v" || first == "--version") {
        std::printf("tessaly-tool %s\n", TESSALY_VERSION);
        return 0;
    }
    for (const Subcommand& command : kSubcommands) {
        if (first != command.name)
            continue;
        running = &command;
        QCommandLineParser parser;
        parser.setApplicationDescription(QString::fromUtf8(command.summary));
        const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help."));
        parser.addOption(help);
        command.declare(parser);
        QStringList words;
        for (int i = 1; i < argc; ++i)
            words << QString::fromLocal8Bit(argv[i]);
        if (!parser.parse(words))
            return RefuseArgument(parser, parser.errorText());
        if (parser.isSet(help)) {
            std::printf("%s", qPrintable(CommandHelp(parser)));
            return 0;
        }
        if (const int refused = CheckPositionals(parser))
            return refused;
        return command.run(parser);
    }
    std::fprintf(stderr, "tessaly-tool: unknown command '%s'\n\n", argv[1]);
    PrintCommands(stderr);
    return 2;
}
