#include "soundkeys.h"

#include <algorithm>
#include <array>
#include <span>
#include <vector>

namespace {

bool IsVowel(char c)
{
    return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u';
}

bool IsOneOf(char c, std::string_view set)
{
    return c != '\0' && set.find(c) != std::string_view::npos;
}

// The ASCII letters of a folded word; a word with other letters has no key.
std::string Letters(std::string_view word)
{
    std::string letters;
    for (char c : word) {
        if (c < 'a' || c > 'z')
            return {};
        letters += c;
    }
    return letters;
}

std::string WithoutRepeats(const std::string& key)
{
    std::string out;
    for (char c : key)
        if (out.empty() || out.back() != c)
            out += c;
    return out;
}

} // namespace

std::string EnglishSoundKey(std::string_view foldedWord)
{
    const std::string w = Letters(foldedWord);
    if (w.empty())
        return {};
    const auto at = [&w](std::size_t k) { return k < w.size() ? w[k] : '\0'; };
    std::string key;
    std::size_t i = 0;
    // Initial pairs whose first letter is not heard.
    for (std::string_view silent : {"gn", "kn", "pn", "wr", "ps", "ae"})
        if (w.starts_with(silent))
            i = 1;
    if (w[0] == 'x') {
        key = "s";
        i = 1;
    } else if (w.starts_with("wh")) {
        key = "w";
        i = 2;
    }
    for (; i < w.size(); ++i) {
        const char c = w[i];
        const char previous = i > 0 ? w[i - 1] : '\0';
        const char next = at(i + 1);
        if (c != 'c' && c == previous)
            continue;
        switch (c) {
        case 'a': case 'e': case 'i': case 'o': case 'u':
            if (i == 0)
                key += 'a';
            break;
        case 'b':
            if (!(previous == 'm' && i + 1 == w.size()))
                key += 'p';
            break;
        case 'c':
            if (next == 'i' && at(i + 2) == 'a') {
                key += 'x';
            } else if (next == 'h') {
                key += previous == 's' ? 'k' : 'x';
                ++i;
            } else if (IsOneOf(next, "eiy")) {
                if (previous != 's')
                    key += 's';
            } else {
                key += 'k';
            }
            break;
        case 'd':
            if (next == 'g' && IsOneOf(at(i + 2), "eiy")) {
                key += 'j';
                ++i;
            } else {
                key += 't';
            }
            break;
        case 'g':
            if (next == 'h') {
                // "ghost" and "spaghetti" sound it; "night" does not; "laugh" says f.
                if (i == 0 || IsVowel(at(i + 2)))
                    key += 'k';
                else if (i + 2 == w.size() && (w.ends_with("ough") || w.ends_with("augh")) && !w.ends_with("hough"))
                    key += 'f';
                ++i;
            } else if (next == 'n' && (i + 2 == w.size() || (i + 4 == w.size() && w.ends_with("ned")))) {
            } else if (IsOneOf(next, "eiy")) {
                key += 'j';
            } else {
                key += 'k';
            }
            break;
        case 'h':
            if (IsVowel(next) && !IsOneOf(previous, "csptgr"))
                key += 'h';
            break;
        case 'k':
            if (previous != 'c')
                key += 'k';
            break;
        case 'p':
            if (next == 'h') {
                key += 'f';
                ++i;
            } else {
                key += 'p';
            }
            break;
        case 'q':
            key += 'k';
            break;
        case 's':
            if (next == 'h') {
                key += 'x';
                ++i;
            } else if (next == 'i' && IsOneOf(at(i + 2), "oa")) {
                key += 'x';
            } else if (next == 'c' && at(i + 2) == 'h') {
                key += "sk";
                i += 2;
            } else {
                key += 's';
            }
            break;
        case 't':
            if (next == 'i' && IsOneOf(at(i + 2), "oa")) {
                key += 'x';
            } else if (next == 'h') {
                key += '0';
                ++i;
            } else if (!(next == 'c' && at(i + 2) == 'h')) {
                key += 't';
            }
            break;
        case 'v':
            key += 'f';
            break;
        case 'w': case 'y':
            if (IsVowel(next))
                key += c;
            break;
        case 'x':
            key += "ks";
            break;
        case 'z':
            key += 's';
            break;
        default:   // f, j, l, m, n, r
            key += c;
        }
    }
    return WithoutRepeats(key);
}

namespace {

// French spellings and the sound each stands for, longest first. `nasal`
// rows apply only before a consonant or at the end of the word (so "ami" and
// "une" keep their vowel). "oo" and "ay" are how an English reader spells
// French heard by ear ("voo" for "vous", "anglay" for "anglais").
struct FrenchSpelling {
    std::string_view letters;
    std::string_view sound;
    bool nasal = false;
};

constexpr std::array kFrenchSpellings = {
    FrenchSpelling{"eaux", "o"}, FrenchSpelling{"tion", "sjo"}, FrenchSpelling{"ille", "ij"},
    FrenchSpelling{"eau", "o"},  FrenchSpelling{"aux", "o"},    FrenchSpelling{"oeu", "e"},
    FrenchSpelling{"ain", "I", true}, FrenchSpelling{"ein", "I", true}, FrenchSpelling{"oin", "wI", true},
    FrenchSpelling{"sch", "x"},  FrenchSpelling{"au", "o"},     FrenchSpelling{"oi", "wa"},
    FrenchSpelling{"oy", "wa"},  FrenchSpelling{"ou", "u"},     FrenchSpelling{"ai", "e"},
    FrenchSpelling{"ei", "e"},   FrenchSpelling{"eu", "e"},     FrenchSpelling{"an", "A", true},
    FrenchSpelling{"am", "A", true}, FrenchSpelling{"en", "A", true}, FrenchSpelling{"em", "A", true},
    FrenchSpelling{"on", "O", true}, FrenchSpelling{"om", "O", true}, FrenchSpelling{"in", "I", true},
    FrenchSpelling{"im", "I", true}, FrenchSpelling{"un", "I", true}, FrenchSpelling{"um", "I", true},
    FrenchSpelling{"ch", "x"},   FrenchSpelling{"ph", "f"},     FrenchSpelling{"th", "t"},
    FrenchSpelling{"gn", "n"},   FrenchSpelling{"qu", "k"},     FrenchSpelling{"ck", "k"},
    FrenchSpelling{"ss", "s"},   FrenchSpelling{"ll", "l"},     FrenchSpelling{"oo", "u"},
    FrenchSpelling{"ay", "e"},
};

// The rows above that begin with `letter`, in the same order: a word is only
// compared with the rows that can match where it stands, which keeps the key
// cheap enough to take for every word of the book.
std::span<const FrenchSpelling* const> FrenchSpellingsFrom(char letter)
{
    static const auto byLetter = [] {
        std::array<std::vector<const FrenchSpelling*>, 26> rows;
        for (const FrenchSpelling& spelling : kFrenchSpellings)
            rows[std::size_t(spelling.letters[0] - 'a')].push_back(&spelling);
        return rows;
    }();
    if (letter < 'a' || letter > 'z')
        return {};
    return byLetter[std::size_t(letter - 'a')];
}

} // namespace

std::string FrenchSoundKey(std::string_view foldedWord)
{
    std::string w = Letters(foldedWord);
    if (w.empty())
        return {};
    // Endings that are heard as a plain "é".
    for (std::string_view ending : {"er", "ez", "et"})
        if (w.size() > 3 && w.ends_with(ending))
            w.replace(w.size() - 2, 2, "E");
    const auto at = [&w](std::size_t k) { return k < w.size() ? w[k] : '\0'; };
    std::string key;
    std::size_t i = 0;
    while (i < w.size()) {
        const FrenchSpelling* found = nullptr;
        const std::string_view rest = std::string_view(w).substr(i);
        for (const FrenchSpelling* spelling : FrenchSpellingsFrom(w[i])) {
            if (!rest.starts_with(spelling->letters))
                continue;
            const char after = at(i + spelling->letters.size());
            if (spelling->nasal && (IsVowel(after) || after == 'y' || after == 'n' || after == 'm'))
                continue;
            found = spelling;
            break;
        }
        if (found) {
            key += found->sound;
            i += found->letters.size();
            continue;
        }
        const char c = w[i];
        const char next = at(i + 1);
        const bool betweenVowels = i > 0 && IsVowel(w[i - 1]) && IsVowel(next);
        switch (c) {
        case 'c': key += IsOneOf(next, "eiy") ? 's' : 'k'; break;
        case 'g': key += IsOneOf(next, "eiy") ? 'j' : 'g'; break;
        case 's': key += betweenVowels ? 'z' : 's'; break;
        case 'h': break;
        case 'y': key += 'i'; break;
        case 'w': key += 'v'; break;
        case 'q': key += 'k'; break;
        case 'x': key += i + 1 == w.size() ? "" : "ks"; break;
        default: key += c;
        }
        ++i;
    }
    // A final "e" is not heard, nor are most final consonants before it.
    while (key.size() > 1 && IsOneOf(key.back(), "stdpxz"))
        key.pop_back();
    if (key.size() > 1 && key.back() == 'e')
        key.pop_back();
    return WithoutRepeats(key);
}

std::string FrenchSoundKeyAsHeard(std::string_view foldedWord)
{
    // English spellings of French sounds, and the French spelling of each.
    static constexpr std::pair<std::string_view, std::string_view> kHeard[] = {
        {"wee", "ui"}, {"wa", "oi"}, {"ee", "i"}, {"zh", "j"}, {"sh", "ch"}, {"ew", "u"}, {"uh", "e"}, {"ah", "a"}, {"oh", "o"},
    };
    std::string respelt;
    for (std::size_t i = 0; i < foldedWord.size();) {
        const auto heard = std::find_if(std::begin(kHeard), std::end(kHeard),
                                        [&](const auto& row) { return foldedWord.substr(i).starts_with(row.first); });
        respelt += heard == std::end(kHeard) ? foldedWord.substr(i, 1) : heard->second;
        i += heard == std::end(kHeard) ? 1 : heard->first.size();
    }
    // A final "ay" is as often the "é" of "-ez" and "-er" ("poovay" for
    // "pouvez") as the "è" of "-ais", which the plain key reads.
    if (respelt.size() > 3 && respelt.ends_with("ay"))
        respelt.replace(respelt.size() - 2, 2, "ez");
    return FrenchSoundKey(respelt);
}
