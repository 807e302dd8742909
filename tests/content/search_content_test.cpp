// The keyword search over the bundled phrase book: the traveller queries of
// tests/search/traveller-queries.txt, the rows of the plain substring rule,
// and `tessaly-tool search`. (Exact mode: the list texts in content_window_test,
// the French in categorymap_test.)

#include "contentdata.h"

#include "guidefile.h"
#include "processes.h"
#include "searchdata.h"
#include "text.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// The phrase numbers a click on each row selects, in the window's order.
std::vector<int> Search(ContentWindow& window, const std::u16string& keyword)
{
    window.book.LoadAllPhrases();
    window.Search(keyword);
    std::vector<int> numbers;
    for (const FakeRow& row : window.list.rows)
        numbers.push_back(window.book.PhraseNumberOf(row.text).value_or(0));
    return numbers;
}

struct QueryRow {
    int line;
    std::string query;
    std::vector<int> expected;
    int rank;
};

std::vector<QueryRow> TravellerQueries()
{
    std::map<std::string, int> english;   // each phrase's English as the source writes it, as the map holds it
    for (int n = 1; n <= 831; ++n)
        english[Utf16ToUtf8(MapText(n))] = n;
    std::vector<QueryRow> rows;
    const std::string text = ReadText(DataPath("../tests/search/traveller-queries.txt"));
    for (const TextLine& line : ContentLines(text)) {
        const std::string row(line.text);
        const std::size_t first = row.find(" | "), last = row.rfind(" | ");
        if (first == std::string::npos || first == last) {
            ADD_FAILURE() << "line " << line.number << ": expected \"query | English | rank\"";
            continue;
        }
        QueryRow parsed{line.number, row.substr(0, first), {}, std::atoi(row.c_str() + last + 3)};
        std::string phrases = row.substr(first + 3, last - first - 3);
        for (std::size_t bar; !phrases.empty(); phrases.erase(0, bar == std::string::npos ? bar : bar + 4)) {
            bar = phrases.find(" || ");
            const std::string phrase = phrases.substr(0, bar);
            if (const auto found = english.find(phrase); found != english.end())
                parsed.expected.push_back(found->second);
            else
                ADD_FAILURE() << "line " << line.number << ": \"" << phrase << "\" is no phrase's English";
        }
        EXPECT_TRUE(parsed.rank == 1 || parsed.rank == 5) << "line " << line.number << ": rank 1 or 5";
        rows.push_back(std::move(parsed));
    }
    return rows;
}

std::string FirstRows(ContentWindow& window, std::size_t rows)
{
    std::string shown;
    for (std::size_t row = 0; row < std::min(rows, window.list.rows.size()); ++row)
        shown += "\n    " + Utf16ToUtf8(window.list.rows[row].text);
    return shown;
}

CommandRun RunTool(const std::string& arguments) { return RunShell(std::string(TESSALY_TOOL) + " search " + arguments); }

} // namespace

TEST(SearchContent, TravellerQueriesBringTheirPhraseToTheTop)
{
    ContentWindow window;
    const std::vector<QueryRow> queries = TravellerQueries();
    ASSERT_FALSE(queries.empty());
    int inPlace = 0;
    for (const QueryRow& query : queries) {
        const std::vector<int> rows = Search(window, Utf8ToUtf16(query.query));
        const std::size_t look = std::min<std::size_t>(rows.size(), std::size_t(query.rank));
        const bool found = std::find_first_of(rows.begin(), rows.begin() + std::ptrdiff_t(look), query.expected.begin(),
                                              query.expected.end()) != rows.begin() + std::ptrdiff_t(look);
        inPlace += found;
        EXPECT_TRUE(found) << "line " << query.line << ": \"" << query.query << "\" must bring its phrase into the first "
                           << query.rank << " rows; it shows:" << FirstRows(window, 5);
    }
    std::printf("%d of %zu traveller queries in place\n", inPlace, queries.size());
}

TEST(SearchContent, EveryRowOfThePlainSubstringRuleStillAppears)
{
    ContentWindow window;
    std::vector<std::u16string> keywords = {u"ar", u"bus", u"car", u"gare", u"our", u"e ", u"de", u"ticket",
                                            u"[", u"la gare", u"s'il", u"\u00E9t\u00E9"};
    for (const QueryRow& query : TravellerQueries())
        keywords.push_back(Utf8ToUtf16(query.query));
    for (const std::u16string& keyword : keywords) {
        std::vector<int> families;
        for (int number : Search(window, keyword))
            families.push_back(ListedPhrases(1, number).back());   // the first of its family
        for (int first : ListedPhrases(1, 831)) {
            bool holds = ToLower(MapText(first)).find(ToLower(keyword)) != std::u16string::npos;
            for (int member = first; member < first + std::max<int>(1, Content().map[std::size_t(first - 1)].variantCount);
                 ++member)
                holds = holds || FoldForSearch(FrenchShown(member)).find(FoldForSearch(keyword)) != std::u16string::npos;
            EXPECT_TRUE(!holds || std::find(families.begin(), families.end(), first) != families.end())
                << Utf16ToUtf8(keyword) << " misses phrase " << first;
        }
    }
}

TEST(SearchContent, TheToolListsTheWindowsRowsAndSaysWhenThereAreNone)
{
    ContentWindow window;
    const std::string data = "--data " + std::string(TESSALY_DATA_DIR);
    for (const char* keyword : {"bus", "double room", "sil vous plait", "CAF\xC3\x89"}) {
        std::string expected;
        for (int number : Search(window, Utf8ToUtf16(keyword)))
            expected += std::to_string(number) + "\t" + Utf16ToUtf8(EnglishKey(number)) + "\t" +
                        Utf16ToUtf8(FrenchShown(number)) + "\t" +
                        Utf16ToUtf8(ReadPhraseGuide(TESSALY_DATA_DIR, number).value().respelling) + "\n";
        const CommandRun run = RunTool(data + " '" + keyword + "'");
        EXPECT_EQ(std::pair(run.status, run.out), std::pair(0, expected)) << keyword << "\n" << run.errors;
    }
    std::filesystem::create_directory("empty");
    const struct { std::string arguments; int status; std::string error; } failures[] = {
        {data + " zzqxj", 1, "This item can't be found\n"},
        {data + " --exact toilet", 1, "This item can't be found\n"},
        {data, 2, "tessaly-tool search: no keyword given\n"},
        {"--data /nonexistent/folder bus", 2, "cannot enter /nonexistent/folder"},
        {"--data empty bus", 2, "English.dat is missing"},
    };
    for (const auto& f : failures) {
        const CommandRun run = RunTool(f.arguments);
        EXPECT_EQ(run.status, f.status) << f.arguments;
        EXPECT_NE(run.errors.find(f.error), std::string::npos) << f.arguments << ": " << run.errors;
        EXPECT_EQ(run.out, "") << f.arguments;
    }
}
