#include "make_phrasebook_files.h"

#include "builders.h"
#include "codepage.h"
#include "make_phrasebook_related.h"
#include "records.h"
#include "search.h"
#include "text.h"
#include "workfile.h"


namespace {

// UTF-16LE with a byte-order mark, every line ended by CR LF: the form the
// builders read, whose conventions the phrase readers undo.
std::string Utf16Lines(const std::vector<std::u16string>& lines)
{
    std::string bytes;
    auto put = [&bytes](char16_t unit) {
        bytes.push_back(char(unit & 0xFF));
        bytes.push_back(char(unit >> 8));
    };
    put(u'\uFEFF');
    for (const std::u16string& line : lines) {
        for (char16_t unit : line)
            put(unit);
        put(u'\r');
        put(u'\n');
    }
    return bytes;
}

class ErrorText : public MessageBoxes {
public:
    explicit ErrorText(std::string& error) : error(error) {}
    void ShowMessage(std::u16string_view text, std::u16string_view) override { error = Utf16ToUtf8(text); }

private:
    std::string& error;
};

} // namespace

bool WriteTextSources(const std::vector<BookPhrase>& book, std::string& error)
{
    std::vector<std::u16string> english;
    std::vector<std::u16string> french;
    for (const BookPhrase& phrase : book) {
        english.push_back(Utf8ToUtf16(phrase.english));
        french.push_back(phrase.french);
    }
    for (const auto& [name, lines] : {std::pair{"English.txt", &english}, std::pair{"Orlenic.txt", &french}}) {
        if (!WriteWholeFile(name, Utf16Lines(*lines))) {
            error = std::string("cannot write ") + name;
            return false;
        }
    }
    return true;
}

bool RunBuilders(std::string& error)
{
    ErrorText messages(error);
    if (!BuildEnglishData(messages)) {
        error = "English.txt -> English.dat failed" + (error.empty() ? std::string() : ": " + error);
        return false;
    }
    if (!BuildFrenchData()) {
        error = "Orlenic.txt -> French.dat failed";
        return false;
    }
    return true;
}

bool WriteCategoryMap(const std::vector<BookPhrase>& book, std::string& error)
{
    std::string bytes;
    for (const BookPhrase& phrase : book) {
        MapRecord record;
        // The book has been checked: every map text has a Windows-1252 form.
        record.text = Utf16ToWindows1252(Utf8ToUtf16(phrase.mapText)).value_or(std::string());
        record.variantCount = std::int16_t(phrase.variantCount);
        const auto encoded = record.Encode();
        bytes.append(encoded.begin(), encoded.end());
    }
    if (!WriteWholeFile("MapEngSpec.data", bytes)) {
        error = "cannot write MapEngSpec.data";
        return false;
    }
    return true;
}

bool WriteRelatedTable(const std::vector<std::vector<int>>& related, std::string& error)
{
    std::string bytes(related.size() * kRelateRowBytes, '\0');
    for (std::size_t row = 0; row < related.size(); ++row) {
        // The window lists a phrase's related phrases only when there are some.
        if (related[row].empty() || related[row].size() > std::size_t(kMaxRelated)) {
            error = "phrase " + std::to_string(row + 1) + " has " + std::to_string(related[row].size()) +
                    " related phrases; it needs 1 to " + std::to_string(kMaxRelated);
            return false;
        }
        for (int number : related[row]) {
            const int bit = number - 1;
            // Phrase numbers 1 to 831 only: the row's spare last bit stays clear.
            if (number < 1 || number > kPhraseCount || std::size_t(number) == row + 1) {
                error = "phrase " + std::to_string(row + 1) + " cannot be related to phrase " + std::to_string(number);
                return false;
            }
            bytes[row * kRelateRowBytes + std::size_t(bit / 8)] |= char(0x80 >> (bit % 8));
        }
    }
    if (!WriteWholeFile("Relate.dat", bytes)) {
        error = "cannot write Relate.dat";
        return false;
    }
    return true;
}
