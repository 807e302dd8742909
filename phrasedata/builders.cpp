#include "builders.h"

#include "cfile.h"
#include "phrasebook.h"
#include "records.h"
#include "workfile.h"

#include <new>
#include <optional>
#include <string>

namespace {

enum class SourceError { None, Unreadable, TooLarge, OutOfMemory };

// The whole source as UTF-16 code units (an odd last byte is ignored).
SourceError ReadSource(std::FILE* file, std::u16string& units)
{
    const long size = FileSize(file);
    if (size < 0)
        return SourceError::Unreadable;
    if (std::size_t(size) > kMaxSourceBytes)
        return SourceError::TooLarge;
    std::string bytes;
    try {
        bytes.resize(std::size_t(size));
        units.resize(std::size_t(size) / 2);
    } catch (const std::bad_alloc&) {
        return SourceError::OutOfMemory;
    }
    if (std::fread(bytes.data(), 1, bytes.size(), file) != bytes.size())
        return SourceError::Unreadable;
    for (std::size_t i = 0; i < units.size(); ++i)
        units[i] = char16_t(static_cast<unsigned char>(bytes[2 * i]) | static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    return SourceError::None;
}

// The line that starts at `position`, without its LF; moves past the LF.
std::u16string NextLine(const std::u16string& source, std::size_t& position)
{
    if (position >= source.size())
        return {};
    std::size_t end = source.find(u'\n', position);
    if (end == std::u16string::npos)
        end = source.size();
    std::u16string line = source.substr(position, end - position);
    position = end + 1;
    return line;
}

template <typename Record>
bool WriteRecord(std::FILE* file, const Record& record)
{
    const auto bytes = record.Encode();
    return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
}

} // namespace

bool BuildEnglishData(MessageBoxes& messages)
{
    FilePtr source = OpenFile("English.txt", "rb");
    if (!source)
        return false;
    // The source is read before the output is created, so that a source that
    // cannot be read leaves the old output as it was.
    std::u16string units;
    switch (ReadSource(source.get(), units)) {
    case SourceError::None:
        break;
    case SourceError::OutOfMemory:
        messages.ShowMessage(u"Not enough memory", kDefaultCaption);
        return false;
    default:
        return false;
    }
    WorkFile output("English.dat");
    if (!output.Open())
        return false;
    std::size_t position = 0;
    bool written = true;
    for (int number = 1; number <= kPhraseCount; ++number) {
        PhraseRecord record;
        record.text = NextLine(units, position);
        std::erase(record.text, u'\t');
        record.phraseNumber = number;
        written = WriteRecord(output.Stream(), record) && written;
    }
    return written && output.Commit();
}

bool BuildFrenchData()
{
    FilePtr source = OpenFile("Orlenic.txt", "rb");
    if (!source)
        return false;
    std::u16string units;
    if (ReadSource(source.get(), units) != SourceError::None)
        return false;
    WorkFile output("French.dat");
    if (!output.Open())
        return false;
    std::size_t position = 0;
    bool written = true;
    for (int number = 1; number <= kPhraseCount && position < units.size(); ++number)
        written = WriteRecord(output.Stream(), TranslationRecord{NextLine(units, position)}) && written;
    return written && output.Commit();
}
