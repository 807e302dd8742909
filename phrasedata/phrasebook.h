#pragma once
// The main window's phrase data: its open files, its text-to-number table, the
// selected phrase and its translation, and the operations that read, search
// and write the phrase files. It reaches the screen only through the views of
// windowviews.h, so it runs and is tested without a display.

#include "bookindex.h"
#include "cfile.h"
#include "records.h"
#include "windowviews.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class FolderLock;

constexpr std::u16string_view kProgramCaption = u"Lexavant_French";
// An empty caption: the message box shows the program's default title.
constexpr std::u16string_view kDefaultCaption = u"";

enum CaptionMode : int {
    kBrowseMode = 30000,
    kSearchMode = 30001,
    kRelatedMode = 30002,
};

struct WindowViews {
    PhraseListRows& list;
    SubcategoryBox& subcategories;
    MessageBoxes& messages;
    WindowHooks& window;
    ClipPlayer& player;
};

class PhraseBook {
public:
    explicit PhraseBook(WindowViews views);
    ~PhraseBook();
    PhraseBook(const PhraseBook&) = delete;
    PhraseBook& operator=(const PhraseBook&) = delete;

    // The phrase text files and the favourites store, made when missing.
    void OpenDataFiles();
    // The phrase text files alone, for a reader of the book that keeps no
    // favourites and must not make a store beside it.
    void OpenPhraseFiles();
    // Closes the streams this object opened, and only those.
    void CloseDataFiles();
    bool LoadPhraseRange(int first, int last);
    void LoadAllPhrases();
    void ShowPhrase();
    TranslationRecord ReadTranslation(int number);
    // No phrase is shown: the translation is empty, the player holds no clip
    // and the related-phrase lookup has nothing to start from.
    void ForgetSelectedPhrase();

    // Category map.
    void FillSubcategories();
    void ShowSubcategory();
    void LoadMapRange(int first, int last);
    void FitListWidth();

    // Keyword search and related phrases. With "Exact match only", the
    // phrases whose list text is the keyword, then those whose French is it
    // (without case or accents). Otherwise the phrases that match the words
    // of the keyword, best first (bookindex.h), then any other whose list
    // text or French holds the keyword as it was typed. Each family is one
    // row, showing the member that matched.
    void SearchPhrases();
    // The word index of the book in the current folder, built on first use.
    const WordIndex& SearchIndex();
    bool FindRelatedPhrases();
    void AddPhraseByNumber(int first, int last);

    // Favourites store.
    bool EnsureFavouritesOpen();
    bool AddFavourite();
    bool RemoveFavourite();
    void ListFavourites();
    // At start: removes the work files a crash or an older copy of the program
    // left in the favourites folder ("temp.dat", "temp-k3J9aQ.dat"), once no
    // copy is changing the favourites; every other file stays.
    void RemoveLeftoverWorkFiles();

    // Sound archive.
    void LoadPhraseClip(int number);

    // Shows a message about a file at most once per run: a damaged or missing
    // file would otherwise say the same thing on every selection. The failure
    // is known by its text, or by `failure` where the text varies.
    void ShowFailureOnce(std::u16string_view text, std::u16string_view caption = kProgramCaption,
                         std::u16string_view failure = {});
    // Counts the message as shown, when the user has already been told.
    void MarkFailureShown(std::u16string_view text);

    // Where the favourites store's file `name` is kept.
    std::string FavouritesPath(const char* name) const;

    // The phrase number filed under a row's text, if any.
    std::optional<int> PhraseNumberOf(const std::u16string& rowText) const;

    // The window's data fields.
    FilePtr englishFile;
    FilePtr frenchFile;
    bool frenchOpenedFirst = false;
    FilePtr favoriteFile;
    bool favoriteFileOpen = false;
    // The store could only be opened for reading, and the system's reason.
    bool favoritesReadOnly = false;
    std::u16string favoritesWriteError;
    int loadedPhrase = -1;
    int favoriteCount = 0;
    int captionMode = kBrowseMode;
    bool favoriteButtonAdds = true;
    std::unordered_map<std::u16string, std::u16string> phraseIds;
    int viewCode = 100;
    TranslationRecord translation;
    std::u16string selectedText;   // at most kSelectedTextUnits - 1 units
    int selectedPhrase = 0;
    std::u16string translationText;
    std::u16string keywordText;    // at most kKeywordUnits - 1 units
    bool exactMatch = false;
    // The last related-phrase lookup failed because "Relate.dat" could not be read.
    bool relatedTableUnreadable = false;

    // Where "favorite.dat" and the work files of its removals are kept; empty for
    // the current folder, beside the phrase files. A folder given here is
    // made the first time the favourites are used.
    std::filesystem::path favouritesFolder;
    // The record of "favorite.dat" behind each row of the favourites list.
    std::vector<long> favouriteRecordOfRow;

    static constexpr std::size_t kSelectedTextUnits = 60;
    static constexpr std::size_t kKeywordUnits = 512;
    // The most favourites listed: far more distinct phrase texts than the
    // phrase book holds, and few enough for the list to stay quick.
    static constexpr long kFavouritesListed = 4000;

private:
    // A row of search results: a family, and the member it shows.
    struct SearchRow {
        const MapFamily* family;
        int member;
    };
    // `frenchOf` gives a member's French folded for comparison.
    std::vector<SearchRow> SubstringRows(const std::vector<MapFamily>& families,
                                         const std::function<std::u16string(int)>& frenchOf);
    std::vector<SearchRow> WordRows(const std::vector<MapFamily>& families, const std::vector<SearchRow>& substringRows);
    void AddSearchRow(const SearchRow& row);
    // The English text of a phrase as the rows and phraseIds hold it.
    std::u16string EnglishTextOf(int number);

    void StorePhraseId(const PhraseRecord& record);
    void ShowMessage(std::u16string_view text, std::u16string_view caption = kProgramCaption);
    FilePtr OpenFavourites();
    void MakeFavouritesFolder() const;
    void CloseFavourites();
    // Closes the store and holds the favourites folder's lock, for one change.
    FolderLock LockFavourites();
    // The favourites folder's absolute name, for messages.
    std::string FavouritesFolderName() const;
    long FavouriteToRemove(std::FILE* file, long count);
    // The phrase a saved favourite stands for in this book: the one at its
    // number when the texts agree, else the one with its text, else nothing.
    // `bookByText` is filled on first need.
    std::optional<int> FavouritePhrase(const PhraseRecord& record,
                                       std::unordered_map<std::u16string, int>& bookByText);
    bool ReportFavouritesNotSaved(const char* fileName, const std::u16string& reason);
    // Reads a phrase's clip from the archive; its length, or 0 when there is none.
    std::uint32_t ReadClip(int number, std::unique_ptr<std::uint8_t[]>& clip);

    WindowViews views;
    std::set<std::u16string, std::less<>> shownFailures;
    BookIndex bookIndex;
};
