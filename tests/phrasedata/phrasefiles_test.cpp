// Opening the phrase files and the start-up look at them, loading ranges into
// the text-to-number table, and showing the selected phrase with its translation.

#include "childprocess.h"
#include "datafilecheck.h"
#include "phrasebooktest.h"
#include "phrasefixtures.h"

#include <filesystem>

#include <gtest/gtest.h>

class PhraseFiles : public PhraseBookTest {
protected:
    void SetUp() override { WriteEmptySoundArchive(); }

    void SelectRow(int row)
    {
        w.list.selected = row;
        book.ShowPhrase();
    }
};

TEST_F(PhraseFiles, OpeningAndClosingMissingFilesAndNumbersOutsideTheBook)
{
    book.OpenDataFiles();
    EXPECT_FALSE(book.englishFile || book.frenchFile || book.LoadPhraseRange(1, 7));
    EXPECT_TRUE(book.ReadTranslation(1).text.empty() && w.messages.shown.empty());
    WriteNumberedBook(832);
    FilePtr other = OpenFile("English.dat", "rb");
    book.OpenDataFiles();
    EXPECT_TRUE(book.englishFile && book.frenchOpenedFirst && book.favoriteFileOpen && FileExists("favorite.dat"));
    for (int number : {0, -5, 833})
        EXPECT_TRUE(book.ReadTranslation(number).text.empty()) << number;
    EXPECT_EQ(book.ReadTranslation(2).text, u"Phrase 2 fr\r");
    book.LoadAllPhrases();   // the book's 831, no more
    EXPECT_TRUE(book.phraseIds.size() == 831u && book.phraseIds.contains(u"Phrase 831"));
    book.CloseDataFiles();   // its own streams, no others
    EXPECT_FALSE(book.englishFile || book.frenchFile || book.favoriteFile || book.favoriteFileOpen);
    char first = 0;
    EXPECT_TRUE(std::fread(&first, 1, 1, other.get()) == 1 && first == 'P');
    std::remove("English.dat");
    book.LoadAllPhrases();
    EXPECT_TRUE(book.phraseIds.empty());
    EXPECT_EQ(w.messages.shown, Shown{{"Can't read file"}});
}

TEST_F(PhraseFiles, RangeKeysItsOwnRecordsLaterDuplicatesWinAndOnlyABrowseFillsTheList)
{
    WriteNumberedBook(10);
    book.OpenDataFiles();
    ASSERT_TRUE(book.LoadPhraseRange(6, 7));
    EXPECT_EQ(book.phraseIds, (decltype(book.phraseIds){{u"Phrase 6", u"6"}, {u"Phrase 7", u"7"}}));
    EXPECT_EQ(w.list.Texts(), (Texts{"Phrase 6", "Phrase 7"}));
    ASSERT_TRUE(book.LoadPhraseRange(9, 12));   // the file ends at 10
    EXPECT_EQ(book.phraseIds, (decltype(book.phraseIds){{u"Phrase 9", u"9"}, {u"Phrase 10", u"10"}}));
    book.captionMode = kSearchMode;
    w.list.ClearRows();
    ASSERT_TRUE(book.LoadPhraseRange(1, 5));
    EXPECT_TRUE(w.list.rows.empty());
    EXPECT_EQ(book.phraseIds.size(), 5u);
    WriteEnglishTexts({u"Same", u"Tab\tbed\n", u"Same"});   // keys lose tabs and line ends; the later one wins
    book.OpenDataFiles();
    ASSERT_TRUE(book.LoadPhraseRange(1, 3));
    EXPECT_EQ(book.phraseIds, (decltype(book.phraseIds){{u"Same", u"3"}, {u"Tabbed", u"2"}}));
}

TEST_F(PhraseFiles, UnknownOverlongOrMissingRowsShowAndSpeakNothingAndSayItOnce)
{
    WriteNumberedBook(2);
    WriteFrench({u"Phrase 1 fr\r", u"Phrase 2 fr"});   // no line end: the last letter stays
    book.OpenDataFiles();
    book.ShowPhrase();   // no rows
    book.LoadPhraseRange(1, 2);
    SelectRow(-1);
    EXPECT_TRUE(w.messages.shown.empty() && w.player.opens == 0 && w.player.closes == 2);
    w.list.AddPlainRow(u"Not a phrase");
    w.list.AddPlainRow(u"Nor this");
    for (int row : {2, 3}) {   // neither the translation nor the clip of phrase 2 passes for such a row
        SelectRow(1);
        ASSERT_EQ(book.translationText, u"Phrase 2 fr");
        const int closes = w.player.closes;
        SelectRow(row);
        EXPECT_TRUE(book.selectedPhrase == 0 && book.translationText.empty() && book.loadedPhrase == -1) << row;
        EXPECT_EQ(w.player.closes, closes + 1) << row;
    }
    EXPECT_EQ(w.messages.shown, Shown{{"This phrase not found"}});
    // A row longer than the selection buffer is cut, not copied whole.
    book.phraseIds.emplace(std::u16string(300, u'x'), DecimalText(1));
    w.list.AddPlainRow(std::u16string(300, u'x'));
    SelectRow(4);
    EXPECT_EQ(book.selectedText.size(), 59u);
    EXPECT_EQ(w.messages.shown.size(), 1u);
}

namespace {

std::string ProblemLines(const std::filesystem::path& folder)
{
    std::string text;
    for (const DataFileProblem& problem : CheckDataFiles(folder))
        text += problem.fileName + " " + Utf16ToUtf8(problem.fault) + ": " + Utf16ToUtf8(problem.consequence) + "\n";
    return text;
}

} // namespace

TEST(DataFileCheck, NamesEveryDamagedOrUnreadableFileAndWhatWillNotWork)
{
    ScopedTempDir dir;
    const auto whole = [] {   // each phrase with a 10-byte clip
        std::filesystem::remove_all("English.dat");
        WriteNumberedBook(831);
        WriteRelated({});
        WriteSoundArchive(std::vector<Bytes>(831, Bytes(10, 0x55)));
        WriteSearchData({"toilet, loo", "cab > taxi"}, {"531|shower, douche froide"});
    };
    whole();
    EXPECT_EQ(ProblemLines(dir.path()), "");
    std::filesystem::resize_file("MapEngSpec.data", 830 * 178);
    std::filesystem::resize_file("Relate.dat", 86425);
    std::filesystem::resize_file("data.dat", 12 + 8305);
    WriteSearchData({}, {"# comment", "531|shower", "832|beyond the book"});
    std::filesystem::remove("Synonyms.dat");
    EXPECT_EQ(ProblemLines(dir.path()),
              "MapEngSpec.data is damaged (147740 bytes where 147918 are expected): phrases it does not hold are "
              "missing from the lists and the keyword search\nRelate.dat is damaged (86425 bytes where 86424 are "
              "expected, its last record torn): related phrases cannot be listed for the phrases it does not hold\n"
              "data.dat is damaged (1 of its sounds lie past its end of 8317 bytes): phrases whose sounds lie outside "
              "it cannot be spoken\nSynonyms.dat is missing: the keyword search finds no synonyms\nKeywords.dat is "
              "damaged (line 3: expected \"NUMBER|keyword,keyword\" with a phrase number from 1 to 831): the keyword "
              "search leaves its damaged lines out\n");
    whole();
    std::filesystem::remove("English.dat");
    std::filesystem::create_directory("English.dat");
    WriteSoundArchive({}, {}, 2101);   // no clips, and an older version's header
    EXPECT_EQ(ProblemLines(dir.path()),
              "English.dat is not a file: no phrase can be listed, translated or spoken\ndata.idx is damaged (0 bytes "
              "where 6648 are expected): phrases it does not hold cannot be spoken\ndata.dat is damaged (its header "
              "is not that of a sound archive): phrases whose sounds lie outside it cannot be spoken\n");
    whole();   // a file the user may not read, checked as a user that really is denied
    std::filesystem::permissions(dir.path(), std::filesystem::perms(0755));
    std::filesystem::permissions("data.idx", std::filesystem::perms::none);
    EXPECT_EQ(RunInChild(ChildUser::Unprivileged, [&] { return ProblemLines(dir.path()); }),
              "data.idx cannot be read (Permission denied): no phrase can be spoken, nor its related phrases listed\n");
}
