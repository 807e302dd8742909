// Opening the phrase files, loading ranges into the text-to-number table, and
// showing the selected phrase with its translation.

#include "fakeviews.h"
#include "phrasefixtures.h"

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

TEST_F(PhraseFiles, UnknownOverlongOrMissingRowsChangeNothing)
{
    WriteNumberedBook(2);
    WriteFrench({u"Phrase 1 fr\r", u"Phrase 2 fr"});   // no line end: the last letter stays
    book.OpenDataFiles();
    book.ShowPhrase();   // no rows
    book.LoadPhraseRange(1, 2);
    SelectRow(-1);
    EXPECT_TRUE(w.messages.shown.empty() && w.player.opens == 0);
    SelectRow(1);
    ASSERT_EQ(book.selectedPhrase, 2);
    w.list.AddPlainRow(u"Not a phrase");
    SelectRow(2);
    EXPECT_EQ(w.messages.shown, Shown{{"This phrase not found"}});
    EXPECT_EQ(book.selectedPhrase, 2);
    EXPECT_EQ(book.translationText, u"Phrase 2 fr");
    // A row longer than the selection buffer is cut, not copied whole.
    book.phraseIds.emplace(std::u16string(300, u'x'), DecimalText(1));
    w.list.AddPlainRow(std::u16string(300, u'x'));
    SelectRow(3);
    EXPECT_EQ(book.selectedText.size(), 59u);
    EXPECT_EQ(w.messages.shown.size(), 2u);
}
