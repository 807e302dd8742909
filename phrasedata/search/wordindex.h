#pragma once
// The word index behind the keyword search. It knows every word of every
// phrase (English, French and the phrase's search keywords), their stems and
// sound keys, the pairs of neighbouring words written together, and the
// traveller's synonyms, and answers a keyword with the phrases that best
// match it, one per family, best first.
//
// A phrase matches a word of the keyword, from best to worst: by the same
// word; by a word form (same stem, or two words written as one); by a synonym
// or one of its keywords; by a word that sounds the same or is one typing
// slip away (only for words the book does not know); by a longer word the
// last word typed begins. Rows that match more of the keyword come first, a
// word counting for more the rarer it is in the book; a word that a large
// part of the book holds ("the", "de") alone never brings a row.

#include "groupedvalues.h"
#include "ranking.h"
#include "searchdata.h"
#include "stemmer.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct IndexedPhrase {
    int number = 0;                     // the phrase number a click on its row selects
    int family = 0;                     // the number of its family's first phrase
    std::u16string english;
    std::u16string french;
    std::vector<std::string> keywords;  // UTF-8
    int need = 0;                       // how much a traveller needs it, 0 to 3
};

class WordIndex {
public:
    WordIndex(const std::vector<IndexedPhrase>& phrases, const std::vector<SynonymLine>& synonyms);

    // The phrase numbers that answer `keyword`, one per family, best first.
    std::vector<int> Search(std::u16string_view keyword) const;

    // The book's own English and French words as it writes them, sorted, for
    // completing what the user types.
    const std::vector<std::u16string>& BookWords() const { return bookWords; }

    // How a phrase matched each word of the last search (kNoMatch where it
    // did not), for tests and for explaining an order.
    std::vector<MatchKind> LastMatches(int phraseNumber) const;

private:
    // A keyword typed whole, its words side by side ("car hire"), is a closer
    // match than its words found apart.
    // KeywordPart: a word of a keyword of several words.
    enum class Field : std::uint8_t { English, French, Keyword, KeywordPart, WholeKeyword };
    struct Posting {
        std::int32_t phrase;   // index into `phrases`
        Field field;
        // The word is read as French here: in the French, or a keyword the phrase's French also holds.
        bool frenchSense;
    };
    struct Word {
        std::string text;
        bool inEnglish = false;      // in an English text, or a keyword its phrase's French lacks
        bool inFrench = false;       // in a French text
        bool inEnglishText = false;
    };
    class Query;

    void AddText(int phrase, const std::vector<std::string>& words, Field field,
                 const std::vector<std::string>& frenchWords);
    int Intern(const std::string& word);
    std::span<const Posting> PostingsOf(int id) const { return postings.Of(std::uint32_t(id)); }
    // Each word's stems by its id, empty where a language does not apply;
    // kept while building, since most one-word synonym terms are the book's words.
    struct WordStems {
        std::vector<std::string> english, french;
    };
    WordStems IndexWordShapes();
    void AddSynonyms(const std::vector<SynonymLine>& lines, const WordStems& bookStems);

    std::vector<IndexedSlot> phrases;
    std::vector<int> familyFirst;   // per family, its first phrase number
    std::vector<Word> words;
    std::unordered_map<std::string, int> wordIds;
    GroupedValues<Posting> postings;   // by word id
    std::vector<int> wordsInOrder;   // word ids sorted by text, for prefixes
    // A stem or sound key to the ids of the words that have it.
    KeyedGroups<std::string, int> englishStems, frenchStems, englishSounds, frenchSounds;
    // Neighbouring words, by the first one's id: the id of the word after it, and where.
    GroupedValues<std::pair<int, Posting>> joinedPairs;
    // A keyword of several words (joined by single spaces) to the phrases it belongs to.
    KeyedGroups<std::string, Posting> wholeKeywords;
    // A term of the synonym lines, kept once however many lines hold it.
    struct SynonymTerm {
        std::vector<std::string> words;
        std::vector<int> finds;      // the terms it finds, by their place in `synonymTerms`
        bool findsOthers = false;    // a term of a two-way line, or the first of a one-way line
    };
    std::vector<SynonymTerm> synonymTerms;
    // A term, its words joined by single spaces, to its place in `synonymTerms`.
    std::unordered_map<std::string, int> synonymTermIds;
    // The term `text` when it finds other terms, else none.
    const SynonymTerm* FindingTerm(const std::string& text) const;
    // The stem of a one-word synonym term to the term.
    KeyedGroups<std::string, std::string> synonymStems;
    std::vector<std::u16string> bookWords;
    Stemmer englishStemmer{"english"};
    Stemmer frenchStemmer{"french"};

    mutable std::vector<std::uint8_t> lastKinds;
    mutable std::size_t lastWordCount = 0;
};
