// tessaly-tool search: the window's keyword search, run by the same code on
// the phrase book in a folder, one line per row in the window's order, with
// how to say each row's French when the book has its pronunciation guide.

#include "datafilecheck.h"
#include "datalocation.h"
#include "guidefile.h"
#include "headlessviews.h"
#include "phrasebook.h"
#include "search.h"
#include "text.h"

#include <QCommandLineParser>
#include <QDir>
#include <cstdio>
#include <filesystem>

namespace {

const QCommandLineOption kExactOption(QStringLiteral("exact"),
                                      QStringLiteral("Exact match only: the whole list text, or the whole French, "
                                                     "is the keyword."));
const QCommandLineOption kDataOption(QStringLiteral("data"),
                                     QStringLiteral("Read the phrase book from <folder> (default: the current "
                                                    "folder, or the installed phrase book when it holds none)."),
                                     QStringLiteral("folder"));

// The rows as the list would show them.
class CollectedRows : public HeadlessRows {
public:
    int AddPhraseItem(std::unique_ptr<CItem> item) override
    {
        texts.push_back(item->displayText);
        return int(texts.size()) - 1;
    }
    void ClearRows() override { texts.clear(); }
    std::vector<std::u16string> texts;
};

class CollectedMessages : public MessageBoxes {
public:
    void ShowMessage(std::u16string_view text, std::u16string_view) override { shown.emplace_back(text); }
    std::vector<std::u16string> shown;
};

// The files without which nothing can be found or shown.
constexpr const char* kNeededFiles[] = {"English.dat", "French.dat", "MapEngSpec.data"};

int Refuse(const std::string& message)
{
    std::fprintf(stderr, "tessaly-tool search: %s\n", message.c_str());
    return 2;
}

} // namespace

void DeclareSearch(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QStringLiteral(
        "Lists the phrases the window's keyword search finds for WORDS, in the window's order: the number of\n"
        "the phrase a click on the row selects, a tab, the row's text, a tab, its French, a tab, how to say\n"
        "the French (empty without a pronunciation guide). Exit status 0 when\n"
        "rows are found, 1 when none are, 2 on a bad argument or an unreadable phrase book."));
    parser.addOption(kExactOption);
    parser.addOption(kDataOption);
    parser.addPositionalArgument(QStringLiteral("words"), QStringLiteral("The keyword, as typed."),
                                 QStringLiteral("WORDS..."));
}

int RunSearch(const QCommandLineParser& parser)
{
    const QString keyword = parser.positionalArguments().join(u' ');
    if (keyword.trimmed().isEmpty())
        return Refuse("no keyword given");
    // The window's rule: the folder asked for, else the current one when it
    // holds a phrase book, else the installed one.
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    const LocationSearch search{parser.value(kDataOption), QDir::currentPath(),
                                QString::fromStdString(executable.parent_path().string()), QString()};
    const QString folder = FindDataLocation(search).dataFolder;
    std::filesystem::current_path(folder.toStdString(), error);
    if (error)
        return Refuse("cannot enter " + folder.toStdString() + ": " + error.message());
    for (const DataFileProblem& problem : CheckDataFiles(std::filesystem::current_path()))
        for (const char* needed : kNeededFiles)
            if (problem.fileName == needed)
                return Refuse(problem.fileName + " " + Utf16ToUtf8(problem.fault) + " in " + folder.toStdString() +
                              " (--data names the phrase book's folder)");

    CollectedRows rows;
    HeadlessSubcategories subcategories;
    CollectedMessages messages;
    HeadlessWindow window;
    HeadlessPlayer player;
    PhraseBook book({rows, subcategories, messages, window, player});
    book.OpenPhraseFiles();
    book.LoadAllPhrases();
    book.keywordText = keyword.toStdU16String();
    book.exactMatch = parser.isSet(kExactOption);
    book.SearchPhrases();
    for (const std::u16string& text : rows.texts) {
        const int number = book.PhraseNumberOf(text).value_or(0);
        const std::u16string french = DropLineEnd(DropByteOrderMark(book.ReadTranslation(number).text));
        const std::optional<GuideRecord> guide = ReadPhraseGuide(std::filesystem::current_path(), number);
        std::printf("%d\t%s\t%s\t%s\n", number, Utf16ToUtf8(text).c_str(), Utf16ToUtf8(french).c_str(),
                    guide ? Utf16ToUtf8(guide->respelling).c_str() : "");
    }
    for (const std::u16string& message : messages.shown)
        std::fprintf(stderr, "%s\n", Utf16ToUtf8(message).c_str());
    if (!rows.texts.empty())
        return 0;
    return messages.shown.empty() || messages.shown.front() == u"This item can't be found" ? 1 : 2;
}
