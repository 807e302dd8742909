// The user's favourites: "favorite.dat", a flat array of phrase records in the
// order they were added. Every add and remove ends with the store closed; the
// next operation reopens it.

#include "phrasebook.h"
#include "text.h"

#include <array>
#include <cstdio>
#include <system_error>

namespace {

constexpr const char* kFavouritesName = "favorite.dat";
constexpr const char* kWorkName = "temp.dat";

// The text of a favourite record as stored: brackets removed, cut to the field.
std::u16string FavouriteText(const std::u16string& text)
{
    return StripBrackets(text).substr(0, PhraseRecord::kTextUnits - 1);
}

} // namespace

std::string PhraseBook::FavouritesPath(const char* name) const
{
    return favouritesFolder.empty() ? std::string(name) : (favouritesFolder / name).string();
}

bool PhraseBook::EnsureFavouritesOpen()
{
    if (!favoriteFileOpen) {
        favoriteFile.reset();
        if (!favouritesFolder.empty()) {
            // A failure shows as the store failing to open, just below.
            std::error_code ignored;
            std::filesystem::create_directories(favouritesFolder, ignored);
        }
        favoriteFile = OpenFile(FavouritesPath(kFavouritesName).c_str(), "a+b");
    }
    if (!favoriteFile)
        return false;
    favoriteFileOpen = true;
    return true;
}

bool PhraseBook::AddFavourite()
{
    if (!EnsureFavouritesOpen())
        return false;
    PhraseRecord added;
    added.text = FavouriteText(selectedText);
    added.phraseNumber = selectedPhrase;

    std::FILE* file = favoriteFile.get();
    std::fflush(file);
    std::fseek(file, 0, SEEK_SET);
    PhraseRecord stored;
    bool duplicate = false;
    while (!duplicate && ReadPhraseRecord(file, stored))
        duplicate = stored.text == added.text;
    if (duplicate) {
        favoriteFile.reset();
        favoriteFileOpen = false;
        ShowMessage(u"This item has already existed in favorite category!");
        return false;
    }
    // A store whose size is not a whole number of records (a write cut short)
    // gets its tail padded with zeros, so that the new record starts on a
    // record boundary and every earlier record stays readable.
    const long size = FileSize(file);
    const std::size_t tail = size > 0 ? std::size_t(size) % PhraseRecord::kSize : 0;
    const std::array<std::uint8_t, PhraseRecord::kSize> zeros{};
    const auto bytes = added.Encode();
    std::fflush(file);
    const bool padded = tail == 0 || std::fwrite(zeros.data(), 1, zeros.size() - tail, file) == zeros.size() - tail;
    const bool written = padded && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool flushed = std::fflush(file) == 0;
    favoriteFile.reset();
    favoriteFileOpen = false;
    return written && flushed;
}

bool PhraseBook::RemoveFavourite()
{
    const std::string workPath = FavouritesPath(kWorkName);
    const std::string storePath = FavouritesPath(kFavouritesName);
    FilePtr work = OpenFile(workPath.c_str(), "wb");
    if (!work)
        return false;
    if (!EnsureFavouritesOpen())
        return false;
    std::FILE* file = favoriteFile.get();
    std::fflush(file);
    const long size = FileSize(file);
    const long count = size > 0 ? size / long(PhraseRecord::kSize) : 0;
    favoriteCount = int(count);

    bool copied = true;
    bool removed = false;
    std::array<std::uint8_t, PhraseRecord::kSize> bytes;
    for (long i = 0; i < count && std::fread(bytes.data(), 1, bytes.size(), file) == bytes.size(); ++i) {
        if (!removed && PhraseRecord::Decode(bytes.data()).text == selectedText) {
            removed = true;
            continue;
        }
        copied = copied && std::fwrite(bytes.data(), 1, bytes.size(), work.get()) == bytes.size();
    }
    copied = std::fflush(work.get()) == 0 && copied;
    work.reset();
    favoriteFile.reset();
    favoriteFileOpen = false;

    // The work file replaces the store in one step, so that a failure at any
    // point leaves either the old store or the new one, never neither.
    if (!copied || std::rename(workPath.c_str(), storePath.c_str()) != 0) {
        std::remove(workPath.c_str());
        return false;
    }
    return true;
}

void PhraseBook::ListFavourites()
{
    phraseIds.clear();
    views.list.ClearRows();
    if (!EnsureFavouritesOpen())
        return;
    std::FILE* file = favoriteFile.get();
    std::fflush(file);
    const long size = FileSize(file);
    const long count = size > 0 ? size / long(PhraseRecord::kSize) : 0;
    PhraseRecord record;
    for (long i = 0; i < count && ReadPhraseRecord(file, record); ++i) {
        phraseIds[RemoveLineBreaks(record.text)] = DecimalText(record.phraseNumber);
        views.list.AddPlainRow(record.text);
    }
    favoriteButtonAdds = false;
    views.window.SelectFirstRow();
}
