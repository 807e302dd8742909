#include "make_phrasebook_related.h"

#include "categories.h"
#include "records.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <string_view>

namespace {

// Words that say nothing about what a phrase is about.
const std::set<std::string_view> kStopWords = {
    "a",      "about", "after", "again", "all",   "am",     "an",    "and",   "any",   "anyone", "are",
    "as",     "at",    "be",    "been",  "but",   "by",     "can",   "could", "did",   "do",     "does",
    "don",    "for",   "from",  "get",   "go",    "had",    "has",   "have",  "he",    "her",    "here",
    "him",    "his",   "how",   "if",    "in",    "into",   "is",    "it",    "its",   "just",   "let",
    "like",   "ll",    "may",   "me",    "more",  "much",   "must",  "my",    "need",  "no",     "not",
    "of",     "on",    "one",   "or",    "our",   "out",    "please", "re",   "shall", "she",    "should",
    "so",     "some",  "than",  "thank", "that",  "the",    "their", "them",  "then",  "there",  "these",
    "they",   "this",  "those", "to",    "too",   "up",     "us",    "ve",    "very",  "want",   "was",
    "we",     "well",  "were",  "what",  "when",  "where",  "which", "who",   "whose", "why",    "will",
    "with",   "would", "yes",   "you",   "your",
};

// Lower-case words of the English, brackets and punctuation dropped, plural
// "s" taken off longer words so that "bag" and "bags" meet.
std::set<std::string> ContentWords(const std::string& english)
{
    std::set<std::string> words;
    std::string word;
    auto finish = [&] {
        if (word.size() > 1 && !kStopWords.contains(word)) {
            if (word.size() > 3 && word.back() == 's' && word[word.size() - 2] != 's')
                word.pop_back();
            words.insert(word);
        }
        word.clear();
    };
    for (char c : english) {
        if (std::isalnum(static_cast<unsigned char>(c)))
            word.push_back(char(std::tolower(static_cast<unsigned char>(c))));
        else
            finish();
    }
    finish();
    return words;
}

// The narrowest listing range of the category table that holds the phrase:
// its subcategory, or its category's "All" for a phrase listed only there.
PhraseRange TopicOf(int number)
{
    PhraseRange best{1, kPhraseCount};
    for (const Category& category : Categories()) {
        for (const Subcategory& sub : category.subcategories) {
            const PhraseRange r = sub.phrases;
            if (r.first <= number && number <= r.last && r.last - r.first < best.last - best.first)
                best = r;
        }
    }
    return best;
}

struct PhraseFacts {
    std::set<std::string> words;
    PhraseRange topic;
    bool question;
};

// Scores are whole numbers so that the order never depends on rounding.
constexpr int kSameTopic = 30;
constexpr int kSameFamily = 40;
constexpr int kQuestionAndAnswer = 20;
constexpr int kNearbyReach = 5;         // neighbours closer than this score a little more
constexpr int kSharedWordWeight = 120;  // divided by how many phrases use the word
constexpr int kEnoughToRelate = 30;     // the same topic, or a rare word in common

class RelatedChooser {
public:
    explicit RelatedChooser(const std::vector<BookPhrase>& book) : book(book)
    {
        for (const BookPhrase& phrase : book) {
            facts.push_back({ContentWords(phrase.english), TopicOf(phrase.number), phrase.english.ends_with('?')});
            for (const std::string& word : facts.back().words)
                ++phrasesUsing[word];
        }
    }

    std::vector<int> Choose(std::size_t p) const
    {
        struct Candidate {
            int score;
            int distance;
            int number;
        };
        std::vector<Candidate> candidates;
        for (std::size_t q = 0; q < book.size(); ++q) {
            if (q == p)
                continue;
            const int score = Score(p, q);
            if (score >= kEnoughToRelate)
                candidates.push_back({score, std::abs(int(p) - int(q)), book[q].number});
        }
        std::sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
            if (a.score != b.score)
                return a.score > b.score;
            if (a.distance != b.distance)
                return a.distance < b.distance;
            return a.number < b.number;
        });
        std::vector<int> chosen;
        for (const Candidate& c : candidates) {
            if (chosen.size() == std::size_t(kMaxRelated))
                break;
            chosen.push_back(c.number);
        }
        return chosen;
    }

private:
    int Score(std::size_t p, std::size_t q) const
    {
        const PhraseFacts& a = facts[p];
        const PhraseFacts& b = facts[q];
        int score = 0;
        int shared = 0;
        for (const std::string& word : a.words) {
            if (b.words.contains(word)) {
                score += kSharedWordWeight / phrasesUsing.at(word);
                ++shared;
            }
        }
        const int distance = std::abs(int(p) - int(q));
        // Within the phrase's own topic; for a phrase listed only under its
        // category's "All", that is the whole category.
        const int other = book[q].number;
        const bool sameTopic = a.topic.first <= other && other <= a.topic.last;
        if (sameTopic) {
            score += kSameTopic + std::max(0, kNearbyReach - distance);
            if (a.question != b.question && (shared > 0 || distance <= 2))
                score += kQuestionAndAnswer;
        }
        if (book[p].familyFirst == book[q].familyFirst)
            score += kSameFamily;
        return score;
    }

    const std::vector<BookPhrase>& book;
    std::vector<PhraseFacts> facts;
    std::map<std::string, int> phrasesUsing;
};

} // namespace

std::vector<std::vector<int>> ChooseRelatedPhrases(const std::vector<BookPhrase>& book)
{
    const RelatedChooser chooser(book);
    std::vector<std::vector<int>> related;
    for (std::size_t p = 0; p < book.size(); ++p)
        related.push_back(chooser.Choose(p));
    return related;
}
