#pragma once
// The committed phrase-book files of data/, read once and shared by the
// content tests, the few derived views they compare against, and the
// window's phrase data over those files.

#include "fakeviews.h"
#include "phrasefixtures.h"
#include "records.h"
#include "search.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

using RelateRow = std::array<std::uint8_t, kRelateRowBytes>;

// Every whole record the files hold; record n-1 is phrase n.
struct ContentData {
    std::vector<PhraseRecord> english;
    std::vector<TranslationRecord> french;
    std::vector<MapRecord> map;
    std::vector<RelateRow> related;
};
const ContentData& Content();

// The path of a file in the project's data/ folder.
std::string DataPath(const std::string& name);

// Phrase n's English as the window files it (line breaks and the byte-order
// mark removed), its French as shown, and its map text in UTF-16.
std::u16string EnglishKey(int number);
std::u16string FrenchShown(int number);
std::u16string MapText(int number);

// A map text's alternative group: "Take [bus|train] 3" is "Take " + "[" ...
struct GroupedText {
    std::u16string before;
    std::vector<std::u16string> alternatives;
    std::u16string after;

    std::u16string WithAlternative(std::size_t i) const { return before + u"[" + alternatives[i] + u"]" + after; }
};
// Nothing when the text holds no "[".
std::optional<GroupedText> GroupOf(const std::u16string& text);

// The largest magnitude among 16-bit little-endian samples. Speech peaks
// well above a tenth of full scale (kSpeechPeak); silence or noise does not.
int Peak(const std::vector<std::uint8_t>& pcm);
constexpr int kSpeechPeak = 3277;

// The phrase numbers a listing from `first` to `last` shows, one per row: a
// family's first phrase stands for its whole family.
std::vector<int> ListedPhrases(int first, int last);

// The window's phrase data with fakes for its views, in a fresh current
// directory that links to the committed files (the window opens them there
// and makes its own favourites file there). The content tests drive the
// operations the window runs and read what the user would see.
struct ContentWindow {
    // Clips go to `clipPlayer` when one is given, else to `player`.
    explicit ContentWindow(ClipPlayer* clipPlayer = nullptr);

    // Selects a row and shows it; the phrase number the window found.
    int ShowRow(int row);

    ScopedTempDir dir;
    FakeList list;
    FakeSubcategories subcategories;
    FakeMessages messages;
    FakeWindow hooks;
    FakePlayer player;
    PhraseBook book;
};
