// Feeds arbitrary bytes to the phrase readers as "English.dat", "French.dat",
// "MapEngSpec.data", "Relate.dat", "favorite.dat" and the sound archive, and
// runs every operation of the window's phrase data over them. The files live
// in memory (memoryfiles.h).
//
// Input: the seven files in that order, each a string as FuzzedDataProvider
// reads one (a backslash and another byte end it; two backslashes stand for
// one), then the search keyword and a favourite's text. From the end, byte by
// byte backwards: the view shown, the exact-match box, the phrase whose
// related phrases are listed (2 bytes), the favourite's number (4) and the
// clip looked up (2).

#include "../tests/phrasedata/fakeviews.h"
#include "categories.h"
#include "memoryfiles.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstring>
#include <span>

namespace {

constexpr const char* kInputFiles[] = {"English.dat", "French.dat", "MapEngSpec.data", "Relate.dat",
                                       "favorite.dat", "data.idx", "data.dat"};
constexpr std::size_t kMaxFileBytes = 4096;

// Takes one string off the front of `rest` exactly as
// FuzzedDataProvider::ConsumeRandomLengthString does, but a run of bytes at a
// time: its byte-by-byte loop took a quarter of every input's time.
std::string TakeString(std::span<const std::uint8_t>& rest, std::size_t maxLength)
{
    std::string taken;
    while (taken.size() < maxLength && !rest.empty()) {
        const auto* run = reinterpret_cast<const char*>(rest.data());
        const std::size_t room = std::min(rest.size(), maxLength - taken.size());
        const auto* backslash = static_cast<const char*>(std::memchr(run, '\\', room));
        const std::size_t length = backslash != nullptr ? std::size_t(backslash - run) : room;
        taken.append(run, length);
        rest = rest.subspan(length);
        if (backslash == nullptr)
            continue;
        // A backslash ends the string unless another follows (one backslash
        // of text) or nothing does (kept as text).
        const bool doubled = rest.size() >= 2 && rest[1] == '\\';
        const bool ends = rest.size() >= 2 && !doubled;
        rest = rest.subspan(std::min<std::size_t>(rest.size(), 2));
        if (ends)
            break;
        taken.push_back('\\');
    }
    return taken;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    memoryfiles::Manage({"English.dat", "French.dat", "MapEngSpec.data", "Relate.dat", "favorite.dat", "temp.dat",
                         "data.idx", "data.dat"});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::span<const std::uint8_t> rest(data, size);
    for (const char* name : kInputFiles)
        memoryfiles::Write(name, TakeString(rest, kMaxFileBytes));
    FuzzedDataProvider input(rest.data(), rest.size());

    FakeWindowSet w;
    PhraseBook& book = w.book;
    book.OpenDataFiles();
    // One view per input, each of its subcategories in turn: a category, or
    // (one past the last) the favourites.
    const std::span<const Category> categories = Categories();
    const std::size_t view = input.ConsumeIntegralInRange<std::size_t>(0, categories.size());
    book.viewCode = view < categories.size() ? categories[view].code : kFavouritesCode;
    book.FillSubcategories();
    for (int index = 0; index < int(w.subcategories.names.size()); ++index) {
        w.subcategories.Select(index);
        book.ShowSubcategory();
    }

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
    memoryfiles::Clear();
    return 0;
}
