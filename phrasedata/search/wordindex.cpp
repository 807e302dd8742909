#include "wordindex.h"

#include "editdistance.h"
#include "searchwords.h"
#include "soundkeys.h"
#include "text.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <map>
#include <set>
#include <tuple>
#include <unordered_set>

namespace {

// The most words of a keyword that are looked at; a sentence rarely has more.
constexpr std::size_t kMostWords = 16;
// Prefixes and sound keys shorter than this would match almost anything.
constexpr std::size_t kShortestPrefix = 2;
constexpr std::size_t kShortestSoundWord = 3;
// The longest word taken for one syllable of a word typed by ear.
constexpr std::size_t kLongestSyllable = 4;
// A word this long may be two slips from what was meant ("restrant").
constexpr std::size_t kLongestSlip = 6;
// A sound-alike further than this many edits is no longer the word meant.
constexpr int kFarthestSoundAlike = 4;
// However its letters differ, a word that sounds the same in French is as
// near as one and a half typing slips: French typed by ear ("bocou") is spelt
// far from the book ("beaucoup").
constexpr int kFrenchSoundAlikeNearness = 3;
// A word in more than this share of the phrases is too common to stand in for a misspelling.
constexpr std::size_t kCommonCorrectionShare = 20;
constexpr std::size_t kFewestCommonPostings = 3;

std::string JoinWords(const std::vector<std::string>& words, std::size_t first, std::size_t count,
                      std::string_view separator)
{
    std::string joined;
    for (std::size_t k = first; k < first + count; ++k)
        joined += (k == first ? "" : std::string(separator)) + words[k];
    return joined;
}

// The book's own words as it writes them, lower case, each once and sorted.
std::vector<std::u16string> ShownWords(const std::vector<IndexedPhrase>& book)
{
    // The words are views into the lowered texts until the distinct ones are
    // copied out; the room is reserved so that no text moves meanwhile.
    std::vector<std::u16string> lowered;
    lowered.reserve(2 * book.size());
    std::unordered_set<std::u16string_view> distinct;
    for (const IndexedPhrase& phrase : book)
        for (const std::u16string* text : {&phrase.english, &phrase.french})
            for (std::u16string_view word : SplitShownWords(lowered.emplace_back(ToLower(*text))))
                if (word.size() > 1)
                    distinct.insert(word);
    std::vector<std::u16string> words(distinct.begin(), distinct.end());
    std::sort(words.begin(), words.end());
    return words;
}

} // namespace

WordIndex::WordIndex(const std::vector<IndexedPhrase>& book, const std::vector<SynonymLine>& synonymLines)
    : bookWords(ShownWords(book))
{
    phrases.reserve(book.size());
    std::vector<std::string> english, french, keywordWords;
    for (const IndexedPhrase& phrase : book) {
        if (familyFirst.empty() || familyFirst.back() != phrase.family)
            familyFirst.push_back(phrase.family);
        const int index = int(phrases.size());
        SplitWordsInto(phrase.english, english);
        SplitWordsInto(phrase.french, french);
        phrases.push_back({phrase.number, int(familyFirst.size()) - 1, int(english.size()), phrase.need});
        AddText(index, english, Field::English, french);
        AddText(index, french, Field::French, french);
        for (const std::string& keyword : phrase.keywords) {
            SplitWordsInto(std::string_view(keyword), keywordWords);
            AddText(index, keywordWords, keywordWords.size() > 1 ? Field::KeywordPart : Field::Keyword, french);
            if (keywordWords.size() > 1)
                wholeKeywords.Add(JoinWords(keywordWords, 0, keywordWords.size(), " "), {index, Field::WholeKeyword, false});
        }
    }
    // A word said twice in one text, or in two keywords of a phrase, is one posting.
    postings.Seal(std::uint32_t(words.size()), [](const Posting& previous, const Posting& posting) {
        return previous.phrase == posting.phrase && previous.field == posting.field;
    });
    joinedPairs.Seal(std::uint32_t(words.size()));
    wholeKeywords.Seal();
    AddSynonyms(synonymLines, IndexWordShapes());
}

int WordIndex::Intern(const std::string& word)
{
    const auto [it, added] = wordIds.try_emplace(word, int(words.size()));
    if (added)
        words.push_back({word});
    return it->second;
}

void WordIndex::AddText(int phrase, const std::vector<std::string>& textWords, Field field,
                        const std::vector<std::string>& frenchWords)
{
    const auto frenchSense = [&](const std::string& word) {
        return field == Field::French ||
               (field != Field::English && std::find(frenchWords.begin(), frenchWords.end(), word) != frenchWords.end());
    };
    int previous = -1;
    for (const std::string& text : textWords) {
        const int id = Intern(text);
        Word& word = words[std::size_t(id)];
        const bool french = frenchSense(word.text);
        postings.Add(std::uint32_t(id), {phrase, field, french});
        word.inEnglish |= !french;
        word.inEnglishText |= field == Field::English;
        word.inFrench |= field == Field::French;
        // "wi fi" is found by "wifi", "l addition" by "laddition".
        if (previous >= 0)
            joinedPairs.Add(std::uint32_t(previous), {id, {phrase, field, field == Field::French}});
        previous = id;
    }
}

WordIndex::WordStems WordIndex::IndexWordShapes()
{
    WordStems stems{std::vector<std::string>(words.size()), std::vector<std::string>(words.size())};
    for (auto* shapes : {&englishStems, &frenchStems, &englishSounds, &frenchSounds})
        shapes->Reserve(words.size());
    for (int id = 0; id < int(words.size()); ++id) {
        const Word& word = words[std::size_t(id)];
        // Keywords mix both languages, so they get both kinds of stem and sound.
        const bool english = word.inEnglishText || !word.inFrench;
        const bool french = word.inFrench || !word.inEnglishText;
        const bool sounded = word.text.size() >= kShortestSoundWord;
        // Each word comes once, in the order of its id, so no list gets it twice.
        if (english) {
            std::string& stem = stems.english[std::size_t(id)] = englishStemmer.Stem(word.text);
            englishStems.Add(stem, id);
            if (const std::string key = sounded ? EnglishSoundKey(word.text) : ""; key.size() > 1)
                englishSounds.Add(key, id);
        }
        if (french) {
            std::string& stem = stems.french[std::size_t(id)] = frenchStemmer.Stem(word.text);
            frenchStems.Add(stem, id);
            if (const std::string key = sounded ? FrenchSoundKey(word.text) : ""; key.size() > 1)
                frenchSounds.Add(key, id);
        }
    }
    for (auto* shapes : {&englishStems, &frenchStems, &englishSounds, &frenchSounds})
        shapes->Seal();
    wordsInOrder.resize(words.size());
    for (int id = 0; id < int(words.size()); ++id)
        wordsInOrder[std::size_t(id)] = id;
    std::sort(wordsInOrder.begin(), wordsInOrder.end(),
              [this](int a, int b) { return words[std::size_t(a)].text < words[std::size_t(b)].text; });
    return stems;
}

void WordIndex::AddSynonyms(const std::vector<SynonymLine>& lines, const WordStems& bookStems)
{
    const auto stem = [this](const std::string& term, const Stemmer& stemmer, const std::vector<std::string>& known) {
        const auto found = wordIds.find(term);
        const bool isKnown = found != wordIds.end() && !known[std::size_t(found->second)].empty();
        return isKnown ? known[std::size_t(found->second)] : stemmer.Stem(term);
    };
    std::vector<std::string> termWords;
    std::vector<int> lineTerms;   // by their place in `synonymTerms`
    for (const SynonymLine& line : lines) {
        lineTerms.clear();
        for (const std::string& term : line.terms) {
            SplitWordsInto(std::string_view(term), termWords);
            if (termWords.empty())
                continue;
            const std::string key = JoinWords(termWords, 0, termWords.size(), " ");
            const auto [it, added] = synonymTermIds.try_emplace(key, int(synonymTerms.size()));
            if (added)
                synonymTerms.push_back({termWords, {}, false});
            lineTerms.push_back(it->second);
        }
        for (std::size_t from = 0; from < lineTerms.size() && !(line.oneWay && from > 0); ++from) {
            SynonymTerm& term = synonymTerms[std::size_t(lineTerms[from])];
            for (int to : lineTerms)
                if (to != lineTerms[from] && std::find(term.finds.begin(), term.finds.end(), to) == term.finds.end())
                    term.finds.push_back(to);
            if (!term.findsOthers && term.words.size() == 1) {
                synonymStems.Add(stem(term.words[0], englishStemmer, bookStems.english), term.words[0]);
                synonymStems.Add(stem(term.words[0], frenchStemmer, bookStems.french), term.words[0]);
            }
            term.findsOthers = true;
        }
    }
    synonymStems.Seal();
}

const WordIndex::SynonymTerm* WordIndex::FindingTerm(const std::string& text) const
{
    const auto found = synonymTermIds.find(text);
    const SynonymTerm* term = found == synonymTermIds.end() ? nullptr : &synonymTerms[std::size_t(found->second)];
    return term && term->findsOthers ? term : nullptr;
}

// One search: the best kind of match of every phrase for every word of the keyword.
class WordIndex::Query {
public:
    Query(const WordIndex& index, std::vector<std::string> keywordWords, bool lastWordGrowing)
        : index(index), query(std::move(keywordWords)), kinds(index.phrases.size() * query.size(), kNoMatch)
    {
        ChooseLanguages();
        for (std::size_t i = 0; i < query.size(); ++i)
            Expand(i, query[i], kSameWord, Reach{true, true, lastWordGrowing && i + 1 == query.size()});
        MatchAcrossWords();
        MatchSyllables();
    }

    std::vector<int> Ranked() const { return RankPhrases(kinds, query.size(), index.phrases, index.familyFirst.size()); }
    std::vector<std::uint8_t> TakeKinds() { return std::move(kinds); }

private:
    // What may be tried for a word besides itself and its forms.
    struct Reach {
        bool synonyms;
        bool fuzzy;
        bool prefix;
    };
    enum class Language { English, French };

    void ChooseLanguages();
    bool Expand(std::size_t slot, const std::string& word, std::uint8_t floor, Reach reach);
    void Correct(std::size_t slot, const std::string& word);
    void MatchAcrossWords();
    void MatchSyllables();
    void MarkTerm(std::size_t slot, const std::vector<std::string>& term, std::uint8_t kind);
    void MarkWord(std::size_t slot, int id, std::uint8_t kind);
    void Mark(std::size_t slot, const Posting& posting, std::uint8_t kind);
    std::vector<int> PhrasesHolding(const std::string& word) const;

    const WordIndex& index;
    std::vector<std::string> query;
    std::vector<std::uint8_t> kinds;          // phrase * query.size() + slot
    std::vector<bool> ambiguous;              // a word of both languages' texts
    std::vector<Language> readAs;
};

void WordIndex::Query::ChooseLanguages()
{
    // A word both languages write ("pain", "car") is read in the language of
    // the rest of the keyword, and alone in English.
    std::vector<int> english(query.size()), french(query.size());
    for (std::size_t i = 0; i < query.size(); ++i) {
        const auto found = index.wordIds.find(query[i]);
        const Word* word = found == index.wordIds.end() ? nullptr : &index.words[std::size_t(found->second)];
        ambiguous.push_back(word && word->inEnglish && word->inFrench);
        english[i] = word && word->inEnglishText && !word->inFrench;
        french[i] = word && word->inFrench && !word->inEnglishText;
    }
    for (std::size_t i = 0; i < query.size(); ++i) {
        int englishOthers = 0, frenchOthers = 0;
        for (std::size_t k = 0; k < query.size(); ++k) {
            englishOthers += k != i ? english[k] : 0;
            frenchOthers += k != i ? french[k] : 0;
        }
        readAs.push_back(frenchOthers > englishOthers ? Language::French : Language::English);
    }
}

void WordIndex::Query::Mark(std::size_t slot, const Posting& posting, std::uint8_t kind)
{
    // A keyword comes after the phrase's own words, for a corrected word too;
    // another form of a keyword ("department" for "departs"), or a word of a
    // longer keyword ("pain" in "chest pain"), is no nearer than a synonym.
    if (posting.field == Field::Keyword || posting.field == Field::KeywordPart) {
        const bool whole = posting.field == Field::Keyword && kind == kSameWord;
        kind = kind >= kSoundOrTypo ? std::max<std::uint8_t>(kind, kCorrectedForm)
                                    : whole ? std::uint8_t(kKeyword) : std::max<std::uint8_t>(kind, kSynonym);
    }
    // The other language's sense of a word both write comes after every match in the sense it is read in.
    if (ambiguous[slot] && kind <= kWordForm && posting.frenchSense != (readAs[slot] == Language::French))
        kind = kSoundOrTypo;
    std::uint8_t& best = kinds[std::size_t(posting.phrase) * query.size() + slot];
    best = std::min(best, kind);
}

void WordIndex::Query::MarkWord(std::size_t slot, int id, std::uint8_t kind)
{
    for (const Posting& posting : index.PostingsOf(id))
        Mark(slot, posting, kind);
}

// Marks the word, its forms, the pairs written as it, its synonyms and, for
// the last word, the longer words it begins; true when the book knows it.
bool WordIndex::Query::Expand(std::size_t slot, const std::string& word, std::uint8_t floor, Reach reach)
{
    bool known = false;
    if (const auto found = index.wordIds.find(word); found != index.wordIds.end()) {
        MarkWord(slot, found->second, floor);
        known = true;
    }
    const bool corrected = floor >= kSoundOrTypo;
    const std::uint8_t formKind = corrected ? std::uint8_t(kCorrectedForm) : std::max<std::uint8_t>(floor, kWordForm);
    const std::string englishStem = index.englishStemmer.Stem(word);
    const std::string frenchStem = index.frenchStemmer.Stem(word);
    for (const auto& [stems, stem] : {std::pair{&index.englishStems, &englishStem}, std::pair{&index.frenchStems, &frenchStem}}) {
        for (int id : stems->Find(*stem)) {
            MarkWord(slot, id, formKind);
            known = true;
        }
    }
    for (std::size_t split = 1; split < word.size(); ++split) {
        const auto first = index.wordIds.find(word.substr(0, split));
        const auto second = index.wordIds.find(word.substr(split));
        if (first == index.wordIds.end() || second == index.wordIds.end())
            continue;
        for (const auto& [next, posting] : index.joinedPairs.Of(std::uint32_t(first->second))) {
            if (next == second->second) {
                Mark(slot, posting, formKind);
                known = true;
            }
        }
    }
    if (reach.synonyms) {
        std::vector<std::string> terms{word};
        for (const std::string* stem : {&englishStem, &frenchStem})
            for (const std::string& term : index.synonymStems.Find(*stem))
                terms.push_back(term);
        const std::uint8_t synonymKind = corrected ? std::uint8_t(kCorrectedSynonym) : std::max<std::uint8_t>(floor, kSynonym);
        for (const std::string& term : terms) {
            if (const SynonymTerm* synonym = index.FindingTerm(term)) {
                for (int target : synonym->finds)
                    MarkTerm(slot, index.synonymTerms[std::size_t(target)].words, synonymKind);
                known = true;
            }
        }
    }
    if (reach.prefix && word.size() >= kShortestPrefix) {
        const auto first = std::lower_bound(index.wordsInOrder.begin(), index.wordsInOrder.end(), word,
                                            [this](int id, const std::string& w) { return index.words[std::size_t(id)].text < w; });
        for (auto it = first; it != index.wordsInOrder.end() && index.words[std::size_t(*it)].text.starts_with(word); ++it)
            if (index.words[std::size_t(*it)].text != word)
                MarkWord(slot, *it, std::max<std::uint8_t>(floor, kInsideLongerWord));
    }
    if (!known && reach.fuzzy)
        Correct(slot, word);
    return known;
}

// A word the book does not know: the book's words and one-word synonym terms
// nearest to it stand in for it. Near means a typing slip away (one edit, or
// one more for a long word) or sounding the same; nearest counts the edits,
// a same sound half an edit closer (a French one never further than one and
// a half edits), so that "luggae" finds "luggage" rather
// than every short word that merely sounds like it. Words that much of the
// book holds ("not", "the") never stand in: they would bring no row.
void WordIndex::Query::Correct(std::size_t slot, const std::string& word)
{
    const int allowance = TypoAllowance(word.size());
    const int reach = allowance + (word.size() >= kLongestSlip ? 1 : 0);
    // Words that sound like it in English, and in French (read as French,
    // or as French spelt the English way).
    std::set<std::string> soundAlikes[2];
    if (word.size() >= kShortestSoundWord) {
        const std::tuple<const KeyedGroups<std::string, int>*, std::string, int> keys[] = {
            {&index.englishSounds, EnglishSoundKey(word), 0},
            {&index.frenchSounds, FrenchSoundKey(word), 1},
            {&index.frenchSounds, FrenchSoundKeyAsHeard(word), 1}};
        for (const auto& [sounds, key, language] : keys) {
            if (key.size() < 2)
                continue;
            for (int id : sounds->Find(key))
                soundAlikes[language].insert(index.words[std::size_t(id)].text);
        }
    }
    std::map<std::string, int> nearness;   // in half edits, smaller is nearer
    const auto consider = [&](const std::string& candidate, bool common) {
        const bool frenchAlike = soundAlikes[1].contains(candidate);
        const bool soundsAlike = frenchAlike || soundAlikes[0].contains(candidate);
        const int edits = EditDistance(word, candidate, soundsAlike ? kFarthestSoundAlike : reach);
        // French typed by ear spells its commonest words too ("voo" for "vous").
        if ((common && !frenchAlike) || (!soundsAlike && edits > reach))
            return;
        const int halfEdits = 2 * edits - (soundsAlike ? 1 : 0);
        nearness[candidate] = frenchAlike ? std::min(halfEdits, kFrenchSoundAlikeNearness) : halfEdits;
    };
    const std::size_t commonPostings = std::max(kFewestCommonPostings, index.phrases.size() / kCommonCorrectionShare);
    if (reach > 0 || !soundAlikes[0].empty() || !soundAlikes[1].empty())
        for (int id = 0; id < int(index.words.size()); ++id) {
            const std::string& candidate = index.words[std::size_t(id)].text;
            if (soundAlikes[0].contains(candidate) || soundAlikes[1].contains(candidate) || std::abs(int(candidate.size()) - int(word.size())) <= reach)
                consider(candidate, index.PostingsOf(id).size() > commonPostings);
        }
    for (const SynonymTerm& term : index.synonymTerms)
        if (term.findsOthers && term.words.size() == 1 && !index.wordIds.contains(term.words[0]))
            consider(term.words[0], false);
    int nearest = std::numeric_limits<int>::max();
    for (const auto& [candidate, score] : nearness)
        nearest = std::min(nearest, score);
    for (const auto& [candidate, score] : nearness)
        if (score == nearest)
            Expand(slot, candidate, kSoundOrTypo, Reach{true, false, false});
}

void WordIndex::Query::MatchAcrossWords()
{
    for (std::size_t i = 0; i + 1 < query.size(); ++i) {
        // Two words typed for one the book writes whole: "sea food", "check in".
        const std::string joined = query[i] + query[i + 1];
        if (index.wordIds.contains(joined))
            for (std::size_t slot : {i, i + 1})
                Expand(slot, joined, kWordForm, Reach{true, false, false});
        // Synonym terms and keywords of several words: "ticket machine", "car hire".
        for (std::size_t count = 2; count <= 3 && i + count <= query.size(); ++count) {
            const std::string term = JoinWords(query, i, count, " ");
            for (std::size_t slot = i; slot < i + count; ++slot)
                for (const Posting& posting : index.wholeKeywords.Find(term))
                    Mark(slot, posting, kWordForm);
            const SynonymTerm* synonym = index.FindingTerm(term);
            if (!synonym)
                continue;
            for (std::size_t slot = i; slot < i + count; ++slot)
                for (int target : synonym->finds)
                    MarkTerm(slot, index.synonymTerms[std::size_t(target)].words, kSynonym);
        }
    }
}

// French typed by ear often comes a syllable at a time: "kom bee en" for
// "combien", "ser vees" for "service". Two or three short words side by side,
// one of them unknown to the book, are read together as one French word by
// its sound.
void WordIndex::Query::MatchSyllables()
{
    const auto isSyllable = [](const std::string& word) { return word.size() <= kLongestSyllable; };
    for (std::size_t i = 0; i + 1 < query.size(); ++i) {
        std::string joined = query[i];
        bool unknown = !index.wordIds.contains(query[i]);
        for (std::size_t end = i + 1; end < std::min(query.size(), i + 3) && isSyllable(query[end - 1]) && isSyllable(query[end]); ++end) {
            joined += query[end];
            unknown = unknown || !index.wordIds.contains(query[end]);
            if (!unknown)
                continue;
            std::set<int> alike;
            for (const std::string& key : {FrenchSoundKey(joined), FrenchSoundKeyAsHeard(joined)})
                if (key.size() > 1)
                    for (int id : index.frenchSounds.Find(key))
                        alike.insert(id);
            for (int id : alike)
                for (std::size_t slot = i; slot <= end; ++slot)
                    MarkWord(slot, id, kSoundOrTypo);
        }
    }
}

std::vector<int> WordIndex::Query::PhrasesHolding(const std::string& word) const
{
    std::vector<int> held;
    std::vector<int> ids;
    if (const auto found = index.wordIds.find(word); found != index.wordIds.end())
        ids.push_back(found->second);
    for (const auto& [stems, stemmer] : {std::pair{&index.englishStems, &index.englishStemmer},
                                         std::pair{&index.frenchStems, &index.frenchStemmer}})
        for (int id : stems->Find(stemmer->Stem(word)))
            ids.push_back(id);
    for (int id : ids)
        for (const Posting& posting : index.PostingsOf(id))
            held.push_back(posting.phrase);
    std::sort(held.begin(), held.end());
    held.erase(std::unique(held.begin(), held.end()), held.end());
    return held;
}

void WordIndex::Query::MarkTerm(std::size_t slot, const std::vector<std::string>& term, std::uint8_t kind)
{
    if (term.size() == 1) {
        Expand(slot, term[0], kind, Reach{false, false, false});
        return;
    }
    // A term of several words matches a phrase that holds them all.
    std::vector<int> held = PhrasesHolding(term[0]);
    for (std::size_t k = 1; k < term.size() && !held.empty(); ++k) {
        const std::vector<int> next = PhrasesHolding(term[k]);
        std::vector<int> both;
        std::set_intersection(held.begin(), held.end(), next.begin(), next.end(), std::back_inserter(both));
        held = std::move(both);
    }
    for (int phrase : held)
        Mark(slot, Posting{phrase, Field::Keyword, false}, kind);
}

std::vector<int> WordIndex::Search(std::u16string_view keyword) const
{
    std::vector<std::string> query = SplitWords(keyword);
    if (query.size() > kMostWords)
        query.resize(kMostWords);
    lastWordCount = query.size();
    if (query.empty()) {
        lastKinds.clear();
        return {};
    }
    Query search(*this, std::move(query), EndsInsideWord(keyword));
    std::vector<int> ranked = search.Ranked();
    lastKinds = search.TakeKinds();
    return ranked;
}

std::vector<MatchKind> WordIndex::LastMatches(int phraseNumber) const
{
    std::vector<MatchKind> matches;
    for (std::size_t p = 0; p < phrases.size(); ++p)
        if (phrases[p].number == phraseNumber && lastKinds.size() >= (p + 1) * lastWordCount)
            for (std::size_t i = 0; i < lastWordCount; ++i)
                matches.push_back(MatchKind(lastKinds[p * lastWordCount + i]));
    return matches;
}
