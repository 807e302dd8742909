// How fast the keyword search answers on the bundled phrase book: a whole
// search as the window runs it (the index ready), the word index's own part
// of it, building the index from the data files, and a search on a book a
// hundred times larger, made by repeating the bundled one with a made-up
// word of its own on every phrase (so that its vocabulary grows too).
//
//   build/bench/search-bench --benchmark_repetitions=9 --benchmark_report_aggregates_only=true

#include "bookindex.h"
#include "headlessviews.h"
#include "phrasebook.h"
#include "text.h"

#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

// Queries of every kind a traveller types: words, forms, several words,
// synonyms, typing slips, French by sight and by ear, whole sentences.
const std::u16string kQueries[] = {
    u"toilet", u"tickets", u"table for two", u"restroom", u"resturant", u"sortie", u"my son has a fever",
    u"where is toilet", u"acomodation", u"ou sont les toilette", u"pain", u"sea food", u"how many cost",
    u"laddition", u"lost passport", u"the shower is freezing cold",
};

struct Book {
    HeadlessRows rows;
    HeadlessSubcategories subcategories;
    class : public MessageBoxes {
        void ShowMessage(std::u16string_view, std::u16string_view) override {}
    } messages;
    HeadlessWindow window;
    HeadlessPlayer player;
    PhraseBook book{{rows, subcategories, messages, window, player}};
};

std::vector<MapFamily> BundledFamilies()
{
    std::vector<MapFamily> families;
    FilePtr file = OpenFile("MapEngSpec.data", "rb");
    MapRecord record;
    for (int number = 1; file && ReadMapRecord(file.get(), record);) {
        MapFamily family{number, 1, record.text};
        MapRecord covered;
        for (int k = 1; k < record.variantCount && ReadMapRecord(file.get(), covered); ++k)
            ++family.members;
        number += family.members;
        families.push_back(family);
    }
    return families;
}

void WholeSearch(benchmark::State& state)
{
    Book book;
    book.book.OpenDataFiles();
    book.book.SearchIndex();
    std::size_t next = 0;
    for (auto _ : state) {
        book.book.keywordText = kQueries[next++ % std::size(kQueries)];
        book.book.LoadAllPhrases();
        book.book.SearchPhrases();
    }
}

// The index as the first search builds it: the window has the families
// already, and the index reads the rest of the book's files itself.
void IndexBuild(benchmark::State& state)
{
    const std::vector<MapFamily> families = BundledFamilies();
    for (auto _ : state) {
        BookIndex index;
        benchmark::DoNotOptimize(index.For(families).BookWords().size());
    }
}

// The bundled book `copies` times over, each copy's phrases numbered on.
std::vector<IndexedPhrase> LargerBook(int copies)
{
    const std::vector<IndexedPhrase> bundled = ReadIndexedPhrases(BundledFamilies());
    std::vector<IndexedPhrase> book;
    for (int copy = 0; copy < copies; ++copy) {
        for (IndexedPhrase phrase : bundled) {
            phrase.number += copy * kPhraseCount;
            phrase.family += copy * kPhraseCount;
            if (copy > 0)
                phrase.english += u" Zq" + DecimalText(phrase.number) + u"x";
            book.push_back(std::move(phrase));
        }
    }
    return book;
}

void WordIndexSearch(benchmark::State& state)
{
    const int copies = int(state.range(0));
    const WordIndex index(LargerBook(copies), ReadSynonyms());
    std::size_t next = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(index.Search(kQueries[next++ % std::size(kQueries)]).size());
    state.SetLabel(std::to_string(copies * kPhraseCount) + " phrases");
}

} // namespace

BENCHMARK(WholeSearch)->Unit(benchmark::kMillisecond)->Iterations(160);
BENCHMARK(IndexBuild)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(WordIndexSearch)->Arg(1)->Arg(100)->Unit(benchmark::kMillisecond)->Iterations(160);

int main(int argc, char** argv)
{
    std::filesystem::current_path(TESSALY_DATA_DIR);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
