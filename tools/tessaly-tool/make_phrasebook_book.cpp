#include "make_phrasebook_book.h"

#include "categories.h"
#include "codepage.h"
#include "make_phrasebook_french.h"
#include "make_phrasebook_group.h"
#include "records.h"
#include "text.h"

#include <map>
#include <optional>

namespace {

// Each field keeps one unit for its terminator. Record 1 of each phrase file
// also holds the source's byte-order mark, and a French record keeps its
// line's carriage return, which the reader drops as the text's last
// character whatever it is: both take room in the field.
constexpr std::size_t kEnglishUnits = PhraseRecord::kTextUnits - 1;
constexpr std::size_t kFrenchUnits = TranslationRecord::kTextUnits - 1;
constexpr std::size_t kMapBytes = MapRecord::kTextBytes - 1;

std::size_t ByteOrderMarkUnits(int number)
{
    return number == 1 ? 1 : 0;
}

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

std::string EnglishCharacterFault(const std::string& english)
{
    for (char c : english) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte > 0x7E)
            return "the English must be plain printable ASCII";
    }
    return {};
}

void CheckLengths(const BookPhrase& phrase, SourceFaults& faults)
{
    const std::size_t englishUnits = phrase.english.size() + ByteOrderMarkUnits(phrase.number);
    if (englishUnits > kEnglishUnits)
        faults.push_back({phrase.line, "the English " + Quoted(phrase.english) + " is " +
                                           std::to_string(phrase.english.size()) + " characters; " +
                                           std::to_string(kEnglishUnits - ByteOrderMarkUnits(phrase.number)) +
                                           " fit"});
    // The carriage return is the one more unit.
    const std::size_t frenchUnits = phrase.french.size() + ByteOrderMarkUnits(phrase.number) + 1;
    if (frenchUnits > kFrenchUnits)
        faults.push_back({phrase.line, "the French is " + std::to_string(phrase.french.size()) + " characters; " +
                                           std::to_string(kFrenchUnits - 1 - ByteOrderMarkUnits(phrase.number)) +
                                           " fit"});
    if (phrase.mapText.size() > kMapBytes)
        faults.push_back({phrase.line, "the alternative group makes the list text " +
                                           std::to_string(phrase.mapText.size()) + " bytes; " +
                                           std::to_string(kMapBytes) + " fit"});
    if (!Utf16ToWindows1252(Utf8ToUtf16(phrase.mapText)))
        faults.push_back({phrase.line, "the list text has characters outside Windows-1252"});
}

// Families are placed by the category table: a family is listed whole from
// its first phrase, so one that ran across the start or end of any listing
// range would be listed in the wrong place or hide phrases of the next range.
void CheckFamilyPlace(const BookPhrase& first, SourceFaults& faults)
{
    const int last = first.number + first.variantCount - 1;
    if (last > kPhraseCount) {
        faults.push_back({first.line, "the family of phrase " + std::to_string(first.number) +
                                          " runs past phrase " + std::to_string(kPhraseCount)});
        return;
    }
    for (const Category& category : Categories()) {
        for (const Subcategory& sub : category.subcategories) {
            const PhraseRange r = sub.phrases;
            const bool crossesStart = first.number < r.first && last >= r.first;
            const bool crossesEnd = first.number <= r.last && last > r.last;
            if (crossesStart || crossesEnd)
                faults.push_back({first.line, "the family of phrases " + std::to_string(first.number) + "-" +
                                                  std::to_string(last) + " crosses the " +
                                                  (crossesStart ? "start" : "end") + " of " +
                                                  Utf16ToUtf8(category.buttonLabel) + " / " +
                                                  Utf16ToUtf8(sub.name) + " (" + std::to_string(r.first) + "-" +
                                                  std::to_string(r.last) + ")"});
        }
    }
}

// The family a line opens or continues.
struct OpenFamily {
    AlternativeGroup group;
    int firstNumber = 0;
    int firstLine = 0;
    std::size_t nextMember = 1;
};

BookPhrase MakePhrase(const SourceLine& line, std::optional<OpenFamily>& family, SourceFaults& faults)
{
    BookPhrase phrase{line.number, line.line, line.english, line.english, 1, line.number, {}, line.french};

    const FrenchText french = ConvertFrench(line.french);
    phrase.french = french.shown;
    if (!french.fault.empty())
        faults.push_back({line.line, french.fault});

    if (std::string fault = EnglishCharacterFault(line.english); !fault.empty())
        faults.push_back({line.line, fault});
    std::string groupFault;
    const std::optional<AlternativeGroup> group = FindGroup(line.english, groupFault);
    if (!groupFault.empty())
        faults.push_back({line.line, groupFault});

    if (family) {
        const std::string expected = family->group.WithAlternative(family->nextMember);
        if (line.english != expected)
            faults.push_back({line.line, "alternative " + std::to_string(family->nextMember + 1) +
                                             " of the family of phrase " + std::to_string(family->firstNumber) +
                                             " (line " + std::to_string(family->firstLine) + ") must read " +
                                             Quoted(expected)});
        phrase.familyFirst = family->firstNumber;
        if (++family->nextMember == family->group.alternatives.size())
            family.reset();
        return phrase;
    }
    if (!group)
        return phrase;
    if (group->alternatives.size() == 1) {
        faults.push_back({line.line, "a single bracketed alternative outside a family"});
        return phrase;
    }
    phrase.english = group->WithAlternative(0);
    phrase.variantCount = int(group->alternatives.size());
    family = OpenFamily{*group, line.number, line.line};
    return phrase;
}

void CheckUnique(const std::vector<BookPhrase>& book, SourceFaults& faults)
{
    // The window files every phrase under its text and a keyword search loads
    // them all at once, so two texts that differ only in case or brackets
    // would send one of them to the other's translation.
    std::map<std::string, const BookPhrase*> seen;
    for (const BookPhrase& phrase : book) {
        const std::string key = Utf16ToUtf8(ToLower(StripBrackets(Utf8ToUtf16(phrase.english))));
        const auto [it, inserted] = seen.emplace(key, &phrase);
        if (!inserted)
            faults.push_back({phrase.line, "the English " + Quoted(phrase.english) + " is already phrase " +
                                               std::to_string(it->second->number) + " (line " +
                                               std::to_string(it->second->line) + "), ignoring case and brackets"});
    }
}

} // namespace

std::vector<BookPhrase> MakeBook(const std::vector<SourceLine>& lines, SourceFaults& faults)
{
    std::vector<BookPhrase> book;
    std::optional<OpenFamily> family;
    for (const SourceLine& line : lines) {
        book.push_back(MakePhrase(line, family, faults));
        CheckLengths(book.back(), faults);
        if (book.back().variantCount > 1)
            CheckFamilyPlace(book.back(), faults);
    }
    if (family)
        faults.push_back({family->firstLine, "the family of phrase " + std::to_string(family->firstNumber) +
                                                 " has " + std::to_string(family->group.alternatives.size()) +
                                                 " alternatives but the book ends after " +
                                                 std::to_string(family->nextMember) + " of them"});
    CheckUnique(book, faults);
    return book;
}
