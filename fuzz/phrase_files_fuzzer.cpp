// Feeds arbitrary bytes to the phrase readers as "English.dat", "French.dat",
// "MapEngSpec.data", "Relate.dat", "favorite.dat" and the sound archive, and
// runs every operation of the window's phrase data over them.

#include "../tests/phrasedata/fakeviews.h"
#include "categories.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

void WriteBytes(const char* name, const std::string& bytes)
{
    if (std::FILE* file = std::fopen(name, "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
}

void EnterScratchDirectory()
{
    static bool entered = false;
    if (entered)
        return;
    std::string pattern = (std::filesystem::temp_directory_path() / "tessaly-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr || chdir(pattern.c_str()) != 0)
        std::abort();
    entered = true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    EnterScratchDirectory();
    FuzzedDataProvider input(data, size);
    const char* names[] = {"English.dat", "French.dat", "MapEngSpec.data", "Relate.dat", "favorite.dat",
                           "data.idx", "data.dat"};
    for (const char* name : names)
        WriteBytes(name, input.ConsumeRandomLengthString(4096));
    std::remove("temp.dat");

    FakeWindowSet w;
    PhraseBook& book = w.book;
    book.OpenDataFiles();
    for (const Category& category : Categories()) {
        book.viewCode = category.code;
        book.FillSubcategories();
        for (int index = 0; index < int(category.subcategories.size()); ++index) {
            w.subcategories.Select(index);
            book.ShowSubcategory();
        }
    }
    book.viewCode = kFavouritesCode;
    book.FillSubcategories();
    book.ShowSubcategory();

    const std::string keyword = input.ConsumeRandomLengthString(600);
    w.window.keywordControl.assign(keyword.begin(), keyword.end());
    w.window.exactMatchControl = input.ConsumeBool();
    book.captionMode = kSearchMode;
    book.LoadAllPhrases();
    book.SearchPhrases();

    book.loadedPhrase = input.ConsumeIntegralInRange(-2, 900);
    book.FindRelatedPhrases();
    for (int row = 0; row < w.list.RowCount(); ++row) {
        w.list.selected = row;
        book.ShowPhrase();
    }

    const std::string text = input.ConsumeRandomLengthString(200);
    book.selectedText.assign(text.begin(), text.end());
    book.selectedPhrase = input.ConsumeIntegral<int>();
    book.AddFavourite();
    book.ListFavourites();
    book.RemoveFavourite();
    book.LoadPhraseClip(input.ConsumeIntegralInRange(-1, 2000));
    return 0;
}
