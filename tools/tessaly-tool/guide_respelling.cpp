#include "guide_respelling.h"

#include "guide_scheme.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace {

constexpr std::string_view kPhonemeSeparator = "\u200C";
// Marks before a phoneme: stress, pauses, word and syllable boundaries.
constexpr std::string_view kLeadingMarks = "',%=_!|;-";
// Marks after one: pauses and boundaries (a length mark ":" is stripped only
// where the name with it is not a sound of its own, as "u:" is).
constexpr std::string_view kTrailingMarks = "_!|;";

struct Sound {
    const GuideSound* sound;
    bool stressed = false;
    bool glide = false;   // a vowel said as a glide before another vowel

    bool IsVowel() const { return sound->kind == SoundKind::Vowel && !glide; }
    std::string_view Ipa() const { return glide ? sound->glideIpa : sound->ipa; }
};
using Word = std::vector<Sound>;
using Syllable = std::vector<Sound>;

std::vector<std::string_view> Split(std::string_view text, std::string_view separator)
{
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        const std::string_view part = text.substr(start, end - start);
        if (!part.empty())
            parts.push_back(part);
        if (end == std::string_view::npos)
            return parts;
        start = end + separator.size();
    }
}

// Reads one phoneme of the reading with the marks around it. False when its
// name is not in the scheme.
class ReadingParser {
public:
    bool ReadPhoneme(std::string_view chunk, Word& word, std::string& unknown)
    {
        chunk = TakeLeadingMarks(chunk);
        // A switch written after a phoneme takes effect after it.
        const std::size_t open = chunk.find('(');
        const std::string_view switchAfter = open == std::string_view::npos ? "" : chunk.substr(open);
        chunk = TakeTrailingMarks(chunk.substr(0, open));
        if (!chunk.empty() && !ReadSound(chunk, word, unknown))
            return false;
        if (!switchAfter.empty())
            TakeLanguageSwitch(switchAfter);
        return true;
    }

private:
    bool ReadSound(std::string_view chunk, Word& word, std::string& unknown)
    {
        const GuideSound* sound = FindGuideSound(language, chunk);
        for (std::string_view name = chunk; !sound && name.ends_with(':');) {
            name.remove_suffix(1);
            sound = FindGuideSound(language, name);
        }
        if (!sound) {
            unknown = std::string(chunk) + " (" + language + ")";
            return false;
        }
        Sound read{sound};
        if (sound->kind == SoundKind::Vowel) {
            read.stressed = stressPending;
            stressPending = false;
        }
        word.push_back(read);
        return true;
    }

    std::string_view TakeLeadingMarks(std::string_view chunk)
    {
        while (!chunk.empty()) {
            if (chunk.front() == '(') {
                chunk = TakeLanguageSwitch(chunk);
            } else if (kLeadingMarks.find(chunk.front()) != std::string_view::npos) {
                if (chunk.front() == '\'')
                    stressPending = true;
                chunk.remove_prefix(1);
            } else {
                break;
            }
        }
        return chunk;
    }

    static std::string_view TakeTrailingMarks(std::string_view chunk)
    {
        while (!chunk.empty() && kTrailingMarks.find(chunk.back()) != std::string_view::npos)
            chunk.remove_suffix(1);
        return chunk;
    }

    // "(en)..." switches to English; returns what follows the switch.
    std::string_view TakeLanguageSwitch(std::string_view chunk)
    {
        const std::size_t close = chunk.find(')');
        if (close == std::string_view::npos)
            return chunk.substr(1);
        language = std::string(chunk.substr(1, close - 1));
        return chunk.substr(close + 1);
    }

    std::string language = "fr";
    bool stressPending = false;
};

bool IsConsonant(const Sound& s)
{
    return !s.IsVowel() && s.sound->kind != SoundKind::Glide && !s.glide;
}

bool IsGlide(const Sound& s)
{
    return s.glide || s.sound->kind == SoundKind::Glide;
}

bool IsObstruent(const Sound& s)
{
    return s.sound->kind == SoundKind::Obstruent || s.sound->kind == SoundKind::Liaison;
}

// Consonants that may begin a syllable together in French: a stop or
// fricative before l or r ("pl", "tr"), then glides ("pj", "trw", "nj", "jw");
// "sp", "rt", "lm" fall on either side of a break.
bool StartsSyllable(std::span<const Sound> onset)
{
    std::size_t at = 0;
    if (at + 1 < onset.size() && IsObstruent(onset[at]) && onset[at + 1].sound->kind == SoundKind::Liquid)
        at += 2;
    else if (at < onset.size() && IsConsonant(onset[at]))
        ++at;
    while (at < onset.size() && IsGlide(onset[at]))
        ++at;
    return at == onset.size() && onset.size() <= 3;
}

// Each vowel with the consonants before it that can begin its syllable; the
// rest close the syllable before.
std::vector<Syllable> Syllables(const Word& word)
{
    std::vector<Syllable> syllables;
    Syllable pending;   // consonants not yet placed
    for (const Sound& sound : word) {
        if (!sound.IsVowel()) {
            pending.push_back(sound);
            continue;
        }
        std::size_t onsetStart = syllables.empty() ? 0 : pending.size();
        while (onsetStart > 0 && StartsSyllable(std::span(pending).subspan(onsetStart - 1)))
            --onsetStart;
        if (!syllables.empty())
            syllables.back().insert(syllables.back().end(), pending.begin(), pending.begin() + long(onsetStart));
        syllables.emplace_back(pending.begin() + long(onsetStart), pending.end());
        syllables.back().push_back(sound);
        pending.clear();
    }
    if (syllables.empty())
        return {pending};
    syllables.back().insert(syllables.back().end(), pending.begin(), pending.end());
    return syllables;
}

std::string Spell(const Syllable& syllable)
{
    std::string text;
    for (std::size_t i = 0; i < syllable.size(); ++i) {
        const Sound& s = syllable[i];
        const bool closed = i + 1 < syllable.size() && syllable[i + 1].sound->spelling != "r";
        if (s.glide)
            text += s.sound->glideSpelling;
        else if (closed && !s.sound->closedSpelling.empty())
            text += s.sound->closedSpelling;
        else
            text += s.sound->spelling;
    }
    return text;
}

std::string Ipa(const Syllable& syllable)
{
    std::string text;
    for (const Sound& s : syllable)
        text += s.Ipa();
    return text;
}

// The syllable that carries the word's stress: the last one espeak-ng
// stresses, and only in a word of more than one syllable.
std::ptrdiff_t StressedSyllable(const std::vector<Syllable>& syllables)
{
    if (syllables.size() < 2)
        return -1;
    for (std::ptrdiff_t i = std::ptrdiff_t(syllables.size()) - 1; i >= 0; --i)
        if (std::any_of(syllables[std::size_t(i)].begin(), syllables[std::size_t(i)].end(),
                        [](const Sound& s) { return s.IsVowel() && s.stressed; }))
            return i;
    return -1;
}

void MarkGlides(Word& word)
{
    for (std::size_t i = 0; i + 1 < word.size(); ++i)
        if (!word[i].sound->glideIpa.empty() && word[i + 1].sound->kind == SoundKind::Vowel)
            word[i].glide = true;
}

bool HasVowel(const Word& word)
{
    return std::any_of(word.begin(), word.end(), [](const Sound& s) { return s.IsVowel(); });
}

bool IsNasalVowel(const Sound& s)
{
    return s.IsVowel() && s.sound->ipa.ends_with("\u0303");
}

// The consonants at the end of `word` that are sounded with the next word: a
// liaison consonant, and the n after a nasal vowel, which the voice writes as
// a plain n ("un ami", "en euros").
Word::iterator LiaisonStart(Word& word)
{
    auto start = word.end();
    while (start != word.begin() && std::prev(start)->sound->kind == SoundKind::Liaison)
        --start;
    if (start == word.end() && word.size() >= 2 && word.back().sound->phoneme == "n" &&
        IsNasalVowel(word[word.size() - 2]))
        --start;
    return start;
}

bool StartsWithVowel(const Word& word)
{
    return !word.empty() && (word.front().IsVowel() || word.front().sound->kind == SoundKind::Glide);
}

// A liaison ends a word in the reading but is sounded with the next one; a
// word without a vowel (a lone consonant the voice kept apart) leans on the
// next word, or on the one before at the end of a clause.
void JoinSounds(std::vector<Word>& words)
{
    for (std::size_t i = 0; i + 1 < words.size(); ++i) {
        Word& word = words[i];
        if (!StartsWithVowel(words[i + 1]))
            continue;
        const auto liaison = LiaisonStart(word);
        words[i + 1].insert(words[i + 1].begin(), liaison, word.end());
        word.erase(liaison, word.end());
    }
    for (std::size_t i = 0; i < words.size();) {
        if (HasVowel(words[i]) || words.size() == 1) {
            ++i;
            continue;
        }
        if (i + 1 < words.size())
            words[i + 1].insert(words[i + 1].begin(), words[i].begin(), words[i].end());
        else
            words[i - 1].insert(words[i - 1].end(), words[i].begin(), words[i].end());
        words.erase(words.begin() + long(i));
    }
}

void Append(std::string& text, std::string_view separator, const std::string& part)
{
    if (part.empty())
        return;
    if (!text.empty())
        text += separator;
    text += part;
}

PhraseGuideText GuideForClause(std::vector<Word> words)
{
    JoinSounds(words);
    PhraseGuideText clause;
    for (Word& word : words) {
        MarkGlides(word);
        const std::vector<Syllable> syllables = Syllables(word);
        const std::ptrdiff_t stressed = StressedSyllable(syllables);
        std::string respelling;
        std::string ipa;
        for (std::size_t i = 0; i < syllables.size(); ++i) {
            std::string spelled = Spell(syllables[i]);
            if (std::ptrdiff_t(i) == stressed) {
                std::transform(spelled.begin(), spelled.end(), spelled.begin(),
                               [](unsigned char c) { return char(std::toupper(c)); });
                ipa += "ˈ";
            }
            Append(respelling, "-", spelled);
            ipa += Ipa(syllables[i]);
        }
        Append(clause.respelling, " ", respelling);
        Append(clause.ipa, " ", ipa);
    }
    return clause;
}

} // namespace

bool RespellReading(std::string_view reading, PhraseGuideText& guide, std::string& unknown)
{
    guide = {};
    ReadingParser parser;
    for (std::string_view line : Split(reading, "\n")) {
        std::vector<Word> words;
        for (std::string_view spoken : Split(line, " ")) {
            Word word;
            for (std::string_view chunk : Split(spoken, kPhonemeSeparator))
                if (!parser.ReadPhoneme(chunk, word, unknown))
                    return false;
            if (!word.empty())
                words.push_back(std::move(word));
        }
        const PhraseGuideText clause = GuideForClause(std::move(words));
        Append(guide.respelling, ", ", clause.respelling);
        Append(guide.ipa, " | ", clause.ipa);
    }
    return true;
}
