// sheet: the printed phrase sheet written as a PDF file without a window:
// the favourites of a store, or with none, every phrase of the book.

#include "phrasesheet.h"
#include "records.h"
#include "sheetphrases.h"
#include "subcommands.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QPdfWriter>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <numeric>

namespace {

int Fail(const QString& message)
{
    std::fprintf(stderr, "tessaly-tool sheet: %s\n", qPrintable(message));
    return 1;
}

// The sheet is drawn with fonts, which need a GUI application, on no screen;
// main makes no application object, so this command makes its own.
std::unique_ptr<QGuiApplication> StartGui()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "tessaly-tool";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

void DeclareSheet(QCommandLineParser& parser)
{
    parser.addOption({"data", "The phrase book's folder (default: the current folder).", "FOLDER", "."});
    parser.addOption({"favourites", "The favourites to print (default: \"favorite.dat\" in the data folder; "
                                    "every phrase when there are none).",
                      "FILE"});
    parser.addPositionalArgument("OUT.pdf", "The PDF file to write.");
}

int RunSheet(const QCommandLineParser& parser)
{
    const std::unique_ptr<QGuiApplication> gui = StartGui();
    const std::filesystem::path data = parser.value("data").toStdString();
    if (!std::filesystem::is_regular_file(data / "English.dat"))
        return Fail(QStringLiteral("no phrase book in \"%1\" (English.dat is missing)").arg(parser.value("data")));
    const std::filesystem::path favourites =
        parser.isSet("favourites") ? std::filesystem::path(parser.value("favourites").toStdString())
                                   : data / "favorite.dat";
    if (parser.isSet("favourites") && !std::filesystem::is_regular_file(favourites))
        return Fail(QStringLiteral("cannot read \"%1\"").arg(parser.value("favourites")));
    std::vector<int> numbers = FavouritePhraseNumbers(favourites);
    if (numbers.empty()) {
        numbers.resize(kPhraseCount);
        std::iota(numbers.begin(), numbers.end(), 1);
    }
    const QString out = parser.positionalArguments().value(0);
    QPdfWriter writer(out);
    writer.setPageSize(LocalPaperSize());
    SetSheetMargins(writer);
    writer.setTitle(QStringLiteral("French phrases"));
    writer.setCreator(QStringLiteral("tessaly-tool"));
    const std::vector<SheetBlockPlace> places = PaintPhraseSheet(writer, GatherSheetPhrases(data, numbers));
    if (places.empty())
        return Fail(QStringLiteral("cannot write \"%1\"").arg(out));
    std::printf("wrote %s: %d page(s)\n", qPrintable(out), places.back().page + 1);
    return 0;
}
