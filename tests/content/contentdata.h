#pragma once
// The committed phrase-book files of data/, read once for the content tests,
// the views of them the tests compare against, and the window over them.

#include "fakeviews.h"
#include "tempdir.h"
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

inline std::string DataPath(const std::string& name) { return std::string(TESSALY_DATA_DIR) + "/" + name; }

// Phrase n's English as the window files it, its French as shown and its map text.
std::u16string EnglishKey(int number);
std::u16string FrenchShown(int number);
std::u16string MapText(int number);

// A text's alternative group: "Take [bus|train] 3" is "Take ", {"bus", "train"}, " 3";
// nothing when the text holds no "[".
struct GroupedText { std::u16string before; std::vector<std::u16string> alternatives; std::u16string after; };
std::optional<GroupedText> GroupOf(const std::u16string& text);

// The largest 16-bit sample; speech peaks above a tenth of full scale, silence or noise does not.
int Peak(const std::vector<std::uint8_t>& pcm);
constexpr int kSpeechPeak = 3277;

// The phrases a listing from `first` to `last` shows, a family by its first.
std::vector<int> ListedPhrases(int first, int last);

// The window's phrase data with fakes for its views, in a fresh current folder linked to the committed files, where
// it also makes its favourites file; selecting the first row is left to the tests.
struct ContentWindow : FakeWindowSet {
    explicit ContentWindow(ClipPlayer* clipPlayer = nullptr);
    ScopedTempDir dir;
};
