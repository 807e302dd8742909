// The start-up look at the phrase book's files: every missing, unreadable or
// damaged file is named with what will not work, in one message.

#include "childprocess.h"
#include "datafilecheck.h"
#include "phrasefixtures.h"
#include "records.h"
#include "tempdir.h"
#include "text.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A whole, sound phrase book of 831 phrases, each with a 10-byte clip.
void WriteWholeBook()
{
    WriteNumberedBook(831);
    WriteRelated({});
    Bytes index(831 * 8), clips{'q', 'o', 'r', 'v', 'a', 'm', 'u', 'l', 0x36, 0x08, 0, 0};
    for (int i = 0; i < 831; ++i) {
        WriteLE32(index.data() + 8 * i, std::uint32_t(10 * i));
        WriteLE32(index.data() + 8 * i + 4, 10);
    }
    clips.resize(clips.size() + 8310, 0x55);
    WriteFile("data.idx", index);
    WriteFile("data.dat", clips);
}

void Cut(const std::string& name, std::size_t size)
{
    Bytes bytes = ReadFile(name);
    bytes.resize(size);
    WriteFile(name, bytes);
}

std::string Lines(const std::vector<DataFileProblem>& problems)
{
    std::string text;
    for (const DataFileProblem& problem : problems)
        text += problem.fileName + " " + Utf16ToUtf8(problem.fault) + ": " + Utf16ToUtf8(problem.consequence) + "\n";
    return text;
}

} // namespace

TEST(DataFileCheck, NamesEveryDamagedOrMissingFileAndWhatWillNotWork)
{
    ScopedTempDir dir;
    struct Case {
        const char* what;
        std::function<void()> damage;
        std::string expected;
    };
    const Case cases[] = {
        {"whole", [] {}, ""},
        {"English cut short", [] { Cut("English.dat", 51522); },
         "English.dat is damaged (51522 bytes where 103044 are expected, its last record torn): phrases it does not "
         "hold are not found, and their translations and sounds cannot be shown\n"},
        {"French missing, map a record short", [] { std::remove("French.dat"); Cut("MapEngSpec.data", 830 * 178); },
         "French.dat is missing: translations cannot be shown\n"
         "MapEngSpec.data is damaged (147740 bytes where 147918 are expected): phrases it does not hold are missing "
         "from the lists and the keyword search\n"},
        {"related table too long, index empty",
         [] {
             Bytes related = ReadFile("Relate.dat");
             related.push_back(0);
             WriteFile("Relate.dat", related);
             WriteFile("data.idx", {});
         },
         "Relate.dat is damaged (86425 bytes where 86424 are expected, its last record torn): related phrases cannot "
         "be listed for the phrases it does not hold\n"
         "data.idx is damaged (0 bytes where 6648 are expected): phrases it does not hold cannot be spoken\n"},
        {"clips cut short", [] { Cut("data.dat", 12 + 8305); },
         "data.dat is damaged (1 of its sounds lie past its end of 8317 bytes): phrases whose sounds lie outside it "
         "cannot be spoken\n"},
        {"sound header wrong, English a folder",
         [] {
             Bytes clips = ReadFile("data.dat");
             clips[8] = 0x35;   // version 2101
             WriteFile("data.dat", clips);
             std::remove("English.dat");
             std::filesystem::create_directory("English.dat");
         },
         "English.dat is not a file: no phrase can be listed, translated or spoken\n"
         "data.dat is damaged (its header is not that of a sound archive): phrases whose sounds lie outside it cannot "
         "be spoken\n"},
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all("English.dat");
        WriteWholeBook();
        c.damage();
        EXPECT_EQ(Lines(CheckDataFiles(dir.path())), c.expected) << c.what;
    }

    // A file the user may not read, checked as a user that really is denied.
    std::filesystem::remove_all("English.dat");
    WriteWholeBook();
    std::filesystem::permissions(dir.path(), std::filesystem::perms(0755));
    std::filesystem::permissions("data.idx", std::filesystem::perms::none);
    const std::string unreadable =
        RunInChild(ChildUser::Unprivileged, [&] { return Lines(CheckDataFiles(dir.path())); });
    EXPECT_EQ(unreadable, "data.idx cannot be read (Permission denied): no phrase can be spoken, nor its related phrases "
                          "listed\n");

    // One message holds them all, with the folder they were looked for in.
    std::remove("French.dat");
    std::remove("data.dat");
    const std::string notice = Utf16ToUtf8(DataFilesNotice(CheckDataFiles(dir.path()), dir.path()));
    EXPECT_EQ(notice, "Some of the phrase book's files cannot be used. They were looked for in the folder \"" +
                          dir.path().string() +
                          "\".\n\n\"French.dat\" is missing: translations cannot be shown.\n"
                          "\"data.dat\" is missing: no phrase can be spoken, nor its related phrases listed.\n\n"
                          "The program opens with the files it has.");
}
