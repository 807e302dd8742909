// Tessaly, a talking phrase book for travellers.
//
//   tessaly [--data FOLDER]
//
// The phrase book's files are opened by their bare names, so the program makes
// the folder datalocation.h chooses its current folder before the window opens.

#include "datalocation.h"
#include "singleinstance.h"
#include "sitepages.h"
#include "terminationsignals.h"
#include "tessaly.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

namespace {

const QCommandLineOption kDataOption(QStringLiteral("data"),
                                     QStringLiteral("Read the phrase book from <folder> (\"English.dat\", "
                                                    "\"French.dat\" and the other data files)."),
                                     QStringLiteral("folder"));

void DescribeOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QStringLiteral(
        "A talking phrase book for travellers in France.\n\n"
        "The phrase book is read from the --data folder, else from the current folder\n"
        "when it holds the phrase files, else from the installed one, ../share/tessaly\n"
        "from the program's folder. Favourites are kept beside the phrase book when\n"
        "that folder can be written and is not the installed one, else in\n"
        "$XDG_DATA_HOME/tessaly (~/.local/share/tessaly)."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(kDataOption);
}

// --help and --version need no window, so they are answered before the window
// system is reached: they work without a display.
void AnswerWithoutDisplay(int argc, char** argv, QCommandLineParser& parser)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const bool asked = parser.parse(arguments) && (parser.isSet(QStringLiteral("help")) ||
                                                   parser.isSet(QStringLiteral("help-all")) ||
                                                   parser.isSet(QStringLiteral("version")));
    if (!asked)
        return;
    QCoreApplication core(argc, argv);
    parser.process(core);  // prints the text and ends the program
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("tessaly"));
    QCoreApplication::setApplicationVersion(kCurrentVersion);
    // Ties the window to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.lexavant.tessaly"));
    QCommandLineParser parser;
    DescribeOptions(parser);
    AnswerWithoutDisplay(argc, argv, parser);

    CTessalyApp app(argc, argv);
    // From here on SIGTERM and SIGINT end the program in order, at whatever
    // point of the start-up they come.
    TerminationSignals endOnSignal;
    parser.process(app);
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "tessaly: unexpected argument '%s' (try --help)\n",
                     qPrintable(parser.positionalArguments().constFirst()));
        return 2;
    }
    const QString dataOption = parser.value(kDataOption);
    if (!dataOption.isEmpty() && !HoldsPhraseFiles(dataOption)) {
        std::fprintf(stderr, "tessaly: %s holds no phrase book (English.dat and French.dat)\n",
                     qPrintable(QDir::toNativeSeparators(dataOption)));
        return 2;
    }
    const DataLocation location = FindDataLocation(LocationSearch::ForThisProcess(dataOption));
    if (!QDir::setCurrent(location.dataFolder)) {
        std::fprintf(stderr, "tessaly: cannot enter %s\n", qPrintable(location.dataFolder));
        return 1;
    }
    SingleInstance instance(location.dataFolder);
    if (instance.HandOverToRunningCopy())
        return 0;
    app.SetFavouritesFolder(location.favouritesFolder);
    return app.InitInstance();
}
