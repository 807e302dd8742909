// The user's favourites: "favorite.dat", a flat array of phrase records in the
// order they were added. Every add and remove ends with the store closed; the
// next operation reopens it. A store that cannot be written is still read, and
// every write that fails is reported and undone, so the file on disk is either
// the old store or the new one. Other copies of the program may share the
// folder: each change holds the folder's lock and works on the store as it is
// then, and a removal writes a work file no other process uses.

#include "durablefiles.h"
#include "phrasebook.h"
#include "text.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <regex>
#include <unordered_map>
#include <vector>

namespace {

constexpr const char* kFavouritesName = "favorite.dat";
// The work file of a removal is "temp-" and a unique part, ".dat".
constexpr const char* kWorkStem = "temp";
constexpr const char* kWorkExtension = ".dat";

// The text of a favourite record as stored: brackets removed, cut to the field.
std::u16string FavouriteText(const std::u16string& text)
{
    return StripBrackets(text).substr(0, PhraseRecord::kTextUnits - 1);
}

// A record's text as a row shows it once selected: the selection holds 59 units.
std::u16string SelectedForm(const std::u16string& text)
{
    return text.substr(0, PhraseBook::kSelectedTextUnits - 1);
}

std::u16string SystemReason(int error)
{
    return Utf8ToUtf16(std::strerror(error));
}

long WholeRecords(long size)
{
    return size > 0 ? size / long(PhraseRecord::kSize) : 0;
}

// Copies the bytes [from, to) of `source` to the end of `target`.
bool CopyBytes(std::FILE* source, long from, long to, std::FILE* target)
{
    if (from >= to)
        return true;
    if (std::fseek(source, from, SEEK_SET) != 0)
        return false;
    // Blocks of up to a megabyte, as a damaged store can be tens of megabytes;
    // no larger than what is copied, as a store is mostly a few records.
    std::vector<char> block(std::size_t(std::min<long>(to - from, 1 << 20)));
    for (long left = to - from; left > 0;) {
        const std::size_t part = std::size_t(std::min<long>(left, long(block.size())));
        if (std::fread(block.data(), 1, part, source) != part || std::fwrite(block.data(), 1, part, target) != part)
            return false;
        left -= long(part);
    }
    return true;
}

// Names the favourites the phrase book no longer has, the first few in full.
std::u16string LeftOutMessage(const std::vector<std::u16string>& texts)
{
    constexpr std::size_t kNamed = 10;
    const std::size_t named = std::min(texts.size(), kNamed);
    std::u16string names;
    for (std::size_t i = 0; i < named; ++i) {
        if (i > 0)
            names += i + 1 == named && texts.size() == named ? u" and " : u", ";
        names += u"\"" + texts[i] + u"\"";
    }
    if (texts.size() > named)
        names += u" and " + DecimalText(int(std::min<std::size_t>(texts.size() - named, INT_MAX))) + u" more";
    const bool one = texts.size() == 1;
    return (one ? u"The favourite " : u"The favourites ") + names +
           (one ? u" is no longer in the phrase book, so it was left out of the list; it is"
                : u" are no longer in the phrase book, so they were left out of the list; they are") +
           u" kept in \"favorite.dat\".";
}

} // namespace

std::optional<int> PhraseBook::FavouritePhrase(const PhraseRecord& record,
                                               std::unordered_map<std::u16string, int>& bookByText)
{
    // Without the English phrases nothing can be checked: the number stands.
    if (!englishFile)
        return record.phraseNumber;
    const std::u16string text = RemoveLineBreaks(record.text);
    if (FavouriteText(EnglishTextOf(record.phraseNumber)) == text)
        return record.phraseNumber;
    // Saved with another edition of the book: the phrase is looked for by its
    // text, so that neither another phrase's French nor its sound stands in.
    if (bookByText.empty()) {
        for (int number = 1; number <= kPhraseCount; ++number)
            bookByText.emplace(FavouriteText(EnglishTextOf(number)), number);
        bookByText.erase(u"");
    }
    const auto found = bookByText.find(text);
    if (found == bookByText.end())
        return std::nullopt;
    return found->second;
}

std::string PhraseBook::FavouritesPath(const char* name) const
{
    return favouritesFolder.empty() ? std::string(name) : (favouritesFolder / name).string();
}

FilePtr PhraseBook::OpenFavourites()
{
    favoritesReadOnly = false;
    FilePtr file = OpenFile(FavouritesPath(kFavouritesName).c_str(), "a+b");
    if (file)
        return file;
    // A folder or file the user may not write: the saved favourites are still
    // listed, and a change says why it cannot be kept.
    favoritesWriteError = SystemReason(errno);
    std::error_code error;
    if (!std::filesystem::is_regular_file(FavouritesPath(kFavouritesName), error))
        return nullptr;
    file = OpenFile(FavouritesPath(kFavouritesName).c_str(), "rb");
    favoritesReadOnly = file != nullptr;
    return file;
}

void PhraseBook::MakeFavouritesFolder() const
{
    // The user's own favourites folder is made on first use, never at start.
    // A failure shows as the store failing to open.
    if (!favouritesFolder.empty()) {
        std::error_code ignored;
        std::filesystem::create_directories(favouritesFolder, ignored);
    }
}

bool PhraseBook::EnsureFavouritesOpen()
{
    if (!favoriteFileOpen) {
        favoriteFile.reset();
        MakeFavouritesFolder();
        favoriteFile = OpenFavourites();
    }
    if (!favoriteFile)
        return false;
    favoriteFileOpen = true;
    return true;
}

void PhraseBook::CloseFavourites()
{
    favoriteFile.reset();
    favoriteFileOpen = false;
}

FolderLock PhraseBook::LockFavourites()
{
    // The open store may be one another process has since replaced, so the
    // change reopens it once it alone may change the folder.
    CloseFavourites();
    MakeFavouritesFolder();
    return FolderLock(favouritesFolder);
}

std::string PhraseBook::FavouritesFolderName() const
{
    std::error_code error;
    const std::filesystem::path folder =
        favouritesFolder.empty() ? std::filesystem::current_path(error) : std::filesystem::absolute(favouritesFolder, error);
    return folder.string();
}

bool PhraseBook::ReportFavouritesNotSaved(const char* fileName, const std::u16string& reason)
{
    const std::u16string path = Utf8ToUtf16(std::filesystem::absolute(fileName).string());
    ShowMessage(u"Your favourites cannot be saved in this folder: \"" + path + u"\" could not be written (" +
                reason + u"). Your favourites are unchanged.");
    return false;
}

bool PhraseBook::AddFavourite()
{
    const FolderLock lock = LockFavourites();
    if (!EnsureFavouritesOpen())
        return ReportFavouritesNotSaved(FavouritesPath(kFavouritesName).c_str(), favoritesWriteError);
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
        CloseFavourites();
        ShowMessage(u"This item has already existed in favorite category!");
        return false;
    }
    if (favoritesReadOnly) {
        CloseFavourites();
        return ReportFavouritesNotSaved(FavouritesPath(kFavouritesName).c_str(), favoritesWriteError);
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
    const bool flushed = written && FlushToDisk(file);
    const int error = errno;
    CloseFavourites();
    if (flushed)
        return true;
    // Whatever part of the record reached the disk is cut off again.
    std::error_code ignored;
    if (size >= 0)
        std::filesystem::resize_file(FavouritesPath(kFavouritesName), std::uintmax_t(size), ignored);
    return ReportFavouritesNotSaved(FavouritesPath(kFavouritesName).c_str(), SystemReason(error));
}

long PhraseBook::FavouriteToRemove(std::FILE* file, long count)
{
    // The selected row of the favourites list is the record of the same
    // index; its text confirms it. Otherwise the first record with the text.
    // Rows skip the favourites left out of the list, so a row is mapped to its record.
    const int row = views.list.SelectedRow();
    const long index = row >= 0 && std::size_t(row) < favouriteRecordOfRow.size() ? favouriteRecordOfRow[std::size_t(row)] : row;
    PhraseRecord record;
    if (index >= 0 && index < count && std::fseek(file, index * long(PhraseRecord::kSize), SEEK_SET) == 0 &&
        ReadPhraseRecord(file, record) && SelectedForm(record.text) == selectedText)
        return index;
    if (std::fseek(file, 0, SEEK_SET) != 0)
        return -1;
    for (long i = 0; i < count && ReadPhraseRecord(file, record); ++i)
        if (SelectedForm(record.text) == selectedText)
            return i;
    return -1;
}

bool PhraseBook::RemoveFavourite()
{
    const FolderLock lock = LockFavourites();
    if (EnsureFavouritesOpen() && favoritesReadOnly) {
        CloseFavourites();
        return ReportFavouritesNotSaved(FavouritesPath(kFavouritesName).c_str(), favoritesWriteError);
    }
    WorkFile work = CreateWorkFile(favouritesFolder, kWorkStem, kWorkExtension);
    if (!work.file) {
        const std::u16string reason = SystemReason(errno);
        CloseFavourites();
        return ReportFavouritesNotSaved(FavouritesFolderName().c_str(), reason);
    }
    if (!EnsureFavouritesOpen()) {
        work.file.reset();
        std::remove(work.path.c_str());
        return ReportFavouritesNotSaved(FavouritesPath(kFavouritesName).c_str(), favoritesWriteError);
    }
    std::FILE* file = favoriteFile.get();
    std::fflush(file);
    const long count = WholeRecords(FileSize(file));
    favoriteCount = int(std::min<long>(count, INT_MAX));

    const long removed = FavouriteToRemove(file, count);
    const long recordSize = long(PhraseRecord::kSize);
    const bool copied = removed >= 0 && CopyBytes(file, 0, removed * recordSize, work.file.get()) &&
                        CopyBytes(file, (removed + 1) * recordSize, count * recordSize, work.file.get());
    // The work file is made readable by its creator only; the store it
    // replaces keeps the permissions it had.
    CopyPermissions(file, work.file.get());
    const bool flushed = copied && FlushToDisk(work.file.get());
    const int error = errno;
    work.file.reset();
    CloseFavourites();

    if (removed < 0) {
        std::remove(work.path.c_str());
        ShowMessage(u"The selected phrase was not found in \"favorite.dat\", so nothing was removed.");
        return false;
    }
    if (!flushed) {
        std::remove(work.path.c_str());
        return ReportFavouritesNotSaved(work.path.c_str(), SystemReason(error));
    }
    // The work file replaces the store in one step, so that a failure at any
    // point leaves either the old store or the new one, never neither.
    if (std::rename(work.path.c_str(), FavouritesPath(kFavouritesName).c_str()) != 0) {
        const std::u16string reason = SystemReason(errno);
        std::remove(work.path.c_str());
        return ReportFavouritesNotSaved(FavouritesPath(kFavouritesName).c_str(), reason);
    }
    // The change is made; a folder that cannot be flushed is flushed by the
    // system later.
    FlushFolderToDisk(favouritesFolder);
    return true;
}

void PhraseBook::RemoveLeftoverWorkFiles()
{
    // Under the lock no change is under way, so any work file is a leftover.
    const FolderLock lock(favouritesFolder);
    if (!lock.Held())
        return;
    const std::regex leftover(std::string(kWorkStem) + "(-[A-Za-z0-9]{6})?\\" + kWorkExtension);
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(FavouritesFolderName(), error))
        if (entry.is_regular_file(error) && !entry.is_symlink(error) &&
            std::regex_match(entry.path().filename().string(), leftover))
            std::filesystem::remove(entry.path(), error);
}

void PhraseBook::ListFavourites()
{
    phraseIds.clear();
    views.list.ClearRows();
    if (!EnsureFavouritesOpen())
        return;
    std::FILE* file = favoriteFile.get();
    std::fflush(file);
    const long count = WholeRecords(FileSize(file));
    // Favourites are distinct phrase texts, so a store far larger than the
    // phrase book is damaged: the window lists what a user could have saved.
    const long listed = std::min<long>(count, kFavouritesListed);
    PhraseRecord record;
    std::unordered_map<std::u16string, int> bookByText;
    std::vector<std::u16string> leftOut;
    favouriteRecordOfRow.clear();
    for (long i = 0; i < listed && ReadPhraseRecord(file, record); ++i) {
        const std::optional<int> number = FavouritePhrase(record, bookByText);
        if (!number) {
            leftOut.push_back(record.text);
            continue;
        }
        phraseIds[RemoveLineBreaks(record.text)] = DecimalText(*number);
        views.list.AddPlainRow(record.text);
        favouriteRecordOfRow.push_back(i);
    }
    if (!leftOut.empty())
        ShowFailureOnce(LeftOutMessage(leftOut), kProgramCaption, u"favourites left out");
    // Said once, however the count changes as rows are removed.
    if (listed < count)
        ShowFailureOnce(u"\"favorite.dat\" holds " + DecimalText(int(std::min<long>(count, INT_MAX))) +
                            u" records, far more than the phrase book has phrases, so it is damaged. Only the first " +
                            DecimalText(int(kFavouritesListed)) +
                            u" are listed; the rest was left out of the list and is kept in the file.",
                        kProgramCaption, u"favorite.dat listed in part");
    favoriteButtonAdds = false;
    views.window.SelectFirstRow();
}
