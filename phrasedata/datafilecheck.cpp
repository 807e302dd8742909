#include "datafilecheck.h"

#include "cfile.h"
#include "guidefile.h"
#include "records.h"
#include "search.h"
#include "searchdata.h"
#include "soundarchive.h"
#include "text.h"

#include <cerrno>
#include <cstring>
#include <optional>

namespace {

// Every file holds one fixed-size record per phrase, except the clips, which
// are checked against the header and the index, and the search's own text
// files, checked line by line.
struct DataFile {
    const char* name;
    std::size_t recordSize;   // 0 for "data.dat" and the search's text files
    const char16_t* whenMissing;
    const char16_t* whenDamaged;
    std::vector<std::u16string> coveredMessages;
    bool searchText = false;
};

const DataFile kDataFiles[] = {
    {"English.dat", PhraseRecord::kSize, u"no phrase can be listed, translated or spoken",
     u"phrases it does not hold are not found, and their translations and sounds cannot be shown",
     {u"This phrase not found", u"Can't read file"}},
    {"French.dat", TranslationRecord::kSize, u"translations cannot be shown",
     u"translations it does not hold cannot be shown", {}},
    {"MapEngSpec.data", MapRecord::kSize, u"the phrase lists and the keyword search stay empty",
     u"phrases it does not hold are missing from the lists and the keyword search",
     {u"Can't read Map file", u"Can't read data file"}},
    {"Relate.dat", std::size_t(kRelateRowBytes), u"related phrases cannot be listed",
     u"related phrases cannot be listed for the phrases it does not hold", {u"No related phrase(s) found!"}},
    // The related-phrase lookup starts from the phrase whose sound was loaded.
    {"data.idx", SoundIndexEntry::kSize, u"no phrase can be spoken, nor its related phrases listed",
     u"phrases it does not hold cannot be spoken", {}},
    {"data.dat", 0, u"no phrase can be spoken, nor its related phrases listed",
     u"phrases whose sounds lie outside it cannot be spoken",
     {u"Can't find sound file!", u"This file is not in right format!"}},
    // Optional: the program works without them.
    {kGuideFileName, GuideRecord::kSize, u"no pronunciation guide is shown", u"no pronunciation guide is shown", {}},
    {kSynonymsFile, 0, u"the keyword search finds no synonyms", u"the keyword search leaves its damaged lines out",
     {}, true},
    {kKeywordsFile, 0, u"the keyword search finds phrases by their own words only",
     u"the keyword search leaves its damaged lines out", {}, true},
};

constexpr long kExpectedRecords = kPhraseCount;

std::u16string Number(long value)
{
    return Utf8ToUtf16(std::to_string(value));
}

// How many of the index's clips do not lie inside "data.dat".
long ClipsOutside(const std::filesystem::path& folder, long clipsSize)
{
    FilePtr index = OpenFile((folder / "data.idx").c_str(), "rb");
    if (!index)
        return 0;
    long outside = 0;
    std::uint8_t bytes[SoundIndexEntry::kSize];
    for (long i = 0; i < kExpectedRecords && std::fread(bytes, 1, sizeof bytes, index.get()) == sizeof bytes; ++i) {
        const SoundIndexEntry entry = SoundIndexEntry::Decode(bytes);
        const std::uint64_t end = std::uint64_t(entry.offset) + SoundArchiveHeader::kSize + entry.length;
        if (entry.length == 0 || end > std::uint64_t(clipsSize))
            ++outside;
    }
    return outside;
}

// What is wrong with a file that opened, if anything.
std::optional<std::u16string> Damage(const DataFile& file, const std::filesystem::path& folder, std::FILE* stream)
{
    const long size = FileSize(stream);
    if (size < 0)
        return u"cannot be read (" + Utf8ToUtf16(std::strerror(errno)) + u")";
    if (file.searchText) {
        const auto bytes = ReadWholeFile((folder / file.name).string());
        if (!bytes)
            return u"cannot be read (" + Utf8ToUtf16(std::strerror(errno)) + u")";
        const std::optional<std::string> fault =
            SearchDataFault(file.name, std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()),
                            kPhraseCount);
        if (!fault)
            return std::nullopt;
        return u"is damaged (" + Utf8ToUtf16(*fault) + u")";
    }
    if (file.recordSize != 0) {
        const long expected = kExpectedRecords * long(file.recordSize);
        if (size == expected)
            return std::nullopt;
        const std::u16string torn = size % long(file.recordSize) != 0 ? u", its last record torn" : u"";
        return u"is damaged (" + Number(size) + u" bytes where " + Number(expected) + u" are expected" + torn + u")";
    }
    std::uint8_t header[SoundArchiveHeader::kSize];
    if (!ReadAt(stream, 0, header, sizeof header) || !SoundArchiveHeader::IsValid(header))
        return u"is damaged (its header is not that of a sound archive)";
    const long outside = ClipsOutside(folder, size);
    if (outside == 0)
        return std::nullopt;
    return u"is damaged (" + Number(outside) + u" of its sounds lie past its end of " + Number(size) + u" bytes)";
}

} // namespace

std::vector<DataFileProblem> CheckDataFiles(const std::filesystem::path& folder)
{
    std::vector<DataFileProblem> problems;
    for (const DataFile& file : kDataFiles) {
        const std::filesystem::path path = folder / file.name;
        std::error_code error;
        const std::filesystem::file_status status = std::filesystem::status(path, error);
        FilePtr stream;
        std::optional<std::u16string> fault;
        if (!std::filesystem::exists(status)) {
            fault = u"is missing";
        } else if (!std::filesystem::is_regular_file(status)) {
            fault = u"is not a file";
        } else if (stream = OpenFile(path.c_str(), "rb"); !stream) {
            fault = u"cannot be read (" + Utf8ToUtf16(std::strerror(errno)) + u")";
        } else {
            fault = Damage(file, folder, stream.get());
        }
        if (!fault)
            continue;
        const bool damaged = stream != nullptr;
        problems.push_back({file.name, *fault, damaged ? file.whenDamaged : file.whenMissing, file.coveredMessages});
    }
    return problems;
}

std::u16string DataFilesNotice(const std::vector<DataFileProblem>& problems, const std::filesystem::path& folder)
{
    std::u16string text = u"Some of the phrase book's files cannot be used. They were looked for in the folder \"" +
                          Utf8ToUtf16(folder.string()) + u"\".\n";
    for (const DataFileProblem& problem : problems)
        text += u"\n\"" + Utf8ToUtf16(problem.fileName) + u"\" " + problem.fault + u": " + problem.consequence + u".";
    text += u"\n\nThe program opens with the files it has.";
    return text;
}
