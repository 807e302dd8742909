#pragma once
// The committed phrase-book files of data/, read once and shared by the
// content tests, with the few derived views they compare against.

#include "files.h"
#include "records.h"
#include "search.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

using RelateRow = std::array<std::uint8_t, kRelateRowBytes>;

struct ContentData {
    Bytes englishFile, frenchFile, mapFile, relateFile;
    std::vector<PhraseRecord> english;        // record n-1 is phrase n
    std::vector<TranslationRecord> french;
    std::vector<MapRecord> map;
    std::vector<RelateRow> related;
};

// The path of a file in the project's data/ folder.
std::string DataPath(const std::string& name);

// Every record the files hold (the record vectors stop at the last whole record).
const ContentData& Content();

// Phrase n's English as the window files it (line breaks and the byte-order
// mark removed), and its French as shown.
std::u16string EnglishKey(int number);
std::u16string FrenchShown(int number);
// Phrase n's map text in UTF-16.
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
