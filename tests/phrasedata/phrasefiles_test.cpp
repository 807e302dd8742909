// Opening the phrase files, loading ranges into the text-to-number table, and
// showing the selected phrase with its translation.

#include "fakeviews.h"
#include "phrasefixtures.h"

#include <gtest/gtest.h>

using Texts = std::vector<std::string>;

class PhraseFiles : public PhraseBookTest {
protected:

    void SetUp() override { WriteEmptySoundArchive(); }

    void SelectRow(int row)
    {
        w.list.selected = row;
        book.ShowPhrase();
    }
};

TEST_F(PhraseFiles, OpeningCreatesTheFavouritesStoreAndMissingFilesSayNothing)
{
    book.OpenDataFiles();
    EXPECT_FALSE(book.englishFile);
    EXPECT_FALSE(book.frenchFile);
    EXPECT_FALSE(book.LoadPhraseRange(1, 7));
    EXPECT_EQ(w.list.clears, 0);
    EXPECT_TRUE(book.ReadTranslation(1).text.empty());
    EXPECT_TRUE(w.messages.shown.empty());

    WriteNumberedBook(2);
    book.OpenDataFiles();
    EXPECT_TRUE(book.englishFile);
    EXPECT_TRUE(book.frenchOpenedFirst);
    EXPECT_TRUE(book.favoriteFileOpen);
    EXPECT_TRUE(FileExists("favorite.dat"));
    // Translations outside the file are empty.
    for (int number : {0, -5, 3})
        EXPECT_TRUE(book.ReadTranslation(number).text.empty()) << number;
    EXPECT_EQ(book.ReadTranslation(2).text, u"Phrase 2 fr\r");
}

TEST_F(PhraseFiles, RangeReadsExactlyItsRecordsAndOnlyABrowseFillsTheList)
{
    WriteNumberedBook(10);
    book.OpenDataFiles();
    ASSERT_TRUE(book.LoadPhraseRange(6, 7));
    EXPECT_EQ(book.phraseIds, (decltype(book.phraseIds){{u"Phrase 6", u"6"}, {u"Phrase 7", u"7"}}));
    EXPECT_EQ(w.list.Texts(), (Texts{"Phrase 6", "Phrase 7"}));
    EXPECT_EQ(w.window.refreshes, 1);

    ASSERT_TRUE(book.LoadPhraseRange(9, 12));   // the file ends at 10
    EXPECT_EQ(book.phraseIds.size(), 2u);
    EXPECT_EQ(book.phraseIds.at(u"Phrase 10"), u"10");

    book.captionMode = kSearchMode;
    w.list.ClearRows();
    w.list.AddPlainRow(u"kept");
    ASSERT_TRUE(book.LoadPhraseRange(1, 5));
    EXPECT_EQ(w.list.Texts(), Texts{"kept"});
    EXPECT_EQ(book.phraseIds.size(), 5u);
}

TEST_F(PhraseFiles, KeysAreCleanedAndTheLaterDuplicateWins)
{
    WriteEnglish({{u"\uFEFFHello", 1}, {u"Thank you\r", 2}, {u"Tab\tbed\n", 3}, {u"Same", 4}, {u"Same", 5}});
    WriteMap({{"Hello"}, {"Thank you"}, {"Tabbed"}, {"Same"}, {"Same"}});
    book.OpenDataFiles();
    ASSERT_TRUE(book.LoadPhraseRange(1, 5));
    EXPECT_EQ(book.phraseIds, (decltype(book.phraseIds){
                                  {u"Hello", u"1"}, {u"Thank you", u"2"}, {u"Tabbed", u"3"}, {u"Same", u"5"}}));
}

TEST_F(PhraseFiles, LoadAllReadsTheFirst831)
{
    std::vector<std::u16string> texts;
    for (int n = 1; n <= 840; ++n)
        texts.push_back(NumberedText(n));
    WriteEnglishTexts(texts);
    book.LoadAllPhrases();
    EXPECT_EQ(book.phraseIds.size(), 831u);
    EXPECT_TRUE(book.phraseIds.contains(u"Phrase 831"));

    std::remove("English.dat");
    book.LoadAllPhrases();
    EXPECT_TRUE(book.phraseIds.empty());
    EXPECT_EQ(w.messages.shown, (std::vector<ShownMessage>{{"Can't read file", "Lexavant_French"}}));
}

TEST_F(PhraseFiles, ShowingAPhraseFindsItsNumberAndTranslation)
{
    for (const std::u16string mark : {u"\uFEFF", u""}) {
        WriteEnglish({{mark + u"Hello", 1}, {u"Goodbye\r", 2}, {u"Thanks", 3}});
        WriteMap({{"Hello"}, {"Goodbye"}, {"Thanks"}});
        WriteFrench({mark + u"Bonjour\r", u"Au revoir\r", u"Merci"});
        book.OpenDataFiles();
        book.LoadPhraseRange(1, 3);
        SelectRow(0);
        EXPECT_EQ(book.selectedText, u"Hello");
        EXPECT_EQ(book.selectedPhrase, 1);
        EXPECT_EQ(book.translationText, u"Bonjour");
        EXPECT_EQ(book.translation.text, mark + u"Bonjour\r");
    }
    SelectRow(1);
    EXPECT_EQ(book.selectedPhrase, 2);
    EXPECT_EQ(book.translationText, u"Au revoir");
    // A translation without a line end keeps its last letter.
    SelectRow(2);
    EXPECT_EQ(book.translationText, u"Merci");
    EXPECT_TRUE(w.messages.shown.empty());
}

TEST_F(PhraseFiles, UnknownOverlongOrMissingRowsChangeNothing)
{
    WriteNumberedBook(2);
    book.OpenDataFiles();
    book.ShowPhrase();   // no rows
    book.LoadPhraseRange(1, 2);
    w.list.selected = -1;
    book.ShowPhrase();
    EXPECT_TRUE(w.messages.shown.empty());
    EXPECT_TRUE(w.player.calls.empty());

    SelectRow(1);
    ASSERT_EQ(book.selectedPhrase, 2);
    w.list.AddPlainRow(u"Not a phrase");
    SelectRow(2);
    EXPECT_EQ(w.messages.shown, (std::vector<ShownMessage>{{"This phrase not found", "Lexavant_French"}}));
    EXPECT_EQ(book.selectedPhrase, 2);
    EXPECT_EQ(book.translationText, u"Phrase 2 fr");

    // A row longer than the selection buffer is cut, not copied whole.
    const std::u16string longText(300, u'x');
    book.phraseIds.emplace(longText, DecimalText(1));
    w.list.AddPlainRow(longText);
    SelectRow(3);
    EXPECT_EQ(book.selectedText.size(), 59u);
    EXPECT_EQ(w.messages.shown.size(), 2u);
}

TEST_F(PhraseFiles, ClosingReleasesOnlyItsOwnStreams)
{
    WriteNumberedBook(1);
    FilePtr other = OpenFile("English.dat", "rb");
    book.OpenDataFiles();
    book.CloseDataFiles();
    EXPECT_FALSE(book.englishFile);
    EXPECT_FALSE(book.frenchFile);
    EXPECT_FALSE(book.favoriteFile);
    EXPECT_FALSE(book.favoriteFileOpen);
    std::uint8_t first[2];
    EXPECT_EQ(std::fread(first, 1, 2, other.get()), 2u);
    EXPECT_EQ(first[0], 'P');
}
