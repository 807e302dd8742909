// Play, keyword search, related phrases and the favourites flows.

#include "mylistbox.h"
#include "resources/controlids.h"
#include "soundplayer.h"
#include "windowfixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <functional>
#include <QTest>

using namespace resources;

using Boxed = std::vector<std::pair<QString, QString>>;

TEST_F(WindowTest, EnterSearchesOnlyWhenTheInputChanged)
{
    OpenWindow();
    window->show();
    Click(kSearchModeButton);
    auto* edit = qobject_cast<QLineEdit*>(window->Control(kKeywordBox));
    edit->setFocus();
    QTest::keyClicks(edit, "phrase 12");
    EXPECT_TRUE(window->SearchDirty());
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->SearchDirty());
    // Phrase 12 and 120 to 129.
    ASSERT_EQ(window->PhraseList()->count(), 11);
    EXPECT_EQ(RowText(0), "Phrase 12");
    EXPECT_EQ(window->Book().selectedPhrase, 12);
    EXPECT_EQ(window->Book().translationText, u"Phrase 12 fr");

    // Enter again with nothing changed does not search.
    window->PhraseList()->ClearRows();
    QTest::keyClick(window.get(), Qt::Key_Return);
    EXPECT_EQ(window->PhraseList()->count(), 0);

    // Ticking "Exact match only" counts as a change.
    Click(kExactMatchBox);
    EXPECT_TRUE(window->SearchDirty());
    QTest::keyClick(window.get(), Qt::Key_Enter);
    ASSERT_EQ(window->PhraseList()->count(), 1);
    EXPECT_EQ(RowText(0), "Phrase 12");
    EXPECT_TRUE(window->isVisible());
}

TEST_F(WindowTest, SearchFindsFamiliesByTheirFirstRecordAndReportsMisses)
{
    OpenWindow();
    Click(kSearchModeButton);
    auto* edit = qobject_cast<QLineEdit*>(window->Control(kKeywordBox));
    edit->setText("three");
    Click(kRunSearchButton);
    ASSERT_EQ(window->PhraseList()->count(), 1);
    EXPECT_EQ(RowText(0), "Phrase [two]");
    EXPECT_EQ(window->Book().selectedPhrase, 2);

    edit->setText("no such words");
    Click(kRunSearchButton);
    EXPECT_EQ(window->PhraseList()->count(), 0);
    EXPECT_EQ(Boxes(), (Boxed{{"This item can't be found", "Lexavant_French"}}));
}

TEST_F(WindowTest, AViewWithoutASelectedPhraseShowsSpeaksAndRelatesNothing)
{
    if (!TestClip())
        GTEST_SKIP() << "sox and lame are needed to make a clip";
    OpenWindow();
    auto* edit = qobject_cast<QLineEdit*>(window->Control(kKeywordBox));
    // Each way to a view with nothing selected, from phrase 2 on screen with its clip loaded.
    const std::vector<std::pair<const char*, std::function<void()>>> emptied = {
        {"search without results", [&] { edit->setText("no such words"); Click(kRunSearchButton); }},
        {"selection cleared", [&] { window->PhraseList()->setCurrentRow(-1); }},
    };
    for (const auto& [what, empty] : emptied) {
        SCOPED_TRACE(what);
        Click(kSearchModeButton);
        edit->setText("three");
        Click(kRunSearchButton);
        ASSERT_EQ(window->Book().loadedPhrase, 2);
        boxes->Clear();
        empty();
        EXPECT_TRUE(window->Book().translationText.empty());
        EXPECT_EQ(qobject_cast<QLabel*>(window->Control(kTranslationText))->text(), "");
        EXPECT_EQ(window->Player().CurrentState(), CSoundPlayer::kClosed);
        Click(kPlayButton);
        EXPECT_TRUE(device->Written().empty());
        Click(kRelatedButton);
        EXPECT_EQ(window->Book().captionMode, kSearchMode);
        EXPECT_EQ(window->PhraseList()->count(), what == emptied[0].first ? 0 : 1);
        EXPECT_LE(Boxes().size(), 1u);   // only the search's own "This item can't be found"
    }
}

TEST_F(WindowTest, SearchButtonOutsideSearchModeDoesNothing)
{
    OpenWindow();
    Click(kRunSearchButton);
    QTest::keyClick(window.get(), Qt::Key_Return);
    EXPECT_EQ(window->PhraseList()->count(), 169);
    EXPECT_FALSE(window->SearchDirty());
}

TEST_F(WindowTest, RelatedPhrasesOfTheShownPhrase)
{
    OpenWindow();
    window->show();
    Click(kRelatedButton);
    EXPECT_EQ(window->Book().captionMode, kRelatedMode);
    EXPECT_EQ(window->Book().viewCode, 0);
    auto* edit = qobject_cast<QLineEdit*>(window->Control(kKeywordBox));
    EXPECT_EQ(edit->text(), "Phrase 1");
    EXPECT_FALSE(edit->isEnabled());
    EXPECT_TRUE(edit->isVisible());
    EXPECT_FALSE(window->Control(kSubcategoryBox)->isVisible());
    EXPECT_EQ(CaptionText(kFirstCaption), "Your phrase:");
    EXPECT_EQ(CaptionText(kSecondCaption), "Related phrases:");
    ASSERT_EQ(window->PhraseList()->count(), 2);
    EXPECT_EQ(RowText(0), "Phrase 5");
    EXPECT_EQ(RowText(1), "Phrase 9");
    EXPECT_EQ(window->Book().selectedPhrase, 5);
    EXPECT_EQ(window->Book().translationText, u"Phrase 5 fr");
    EXPECT_TRUE(Boxes().empty());

    // Phrase 5 has no related phrases: the view stays as it is.
    if (TestClip()) {
        EXPECT_EQ(window->Book().loadedPhrase, 5);
        Click(kRelatedButton);
        EXPECT_EQ(Boxes(), (Boxed{{"No related phrase(s) found!", platform::DefaultCaption()}}));
        EXPECT_EQ(window->Book().captionMode, kRelatedMode);
        EXPECT_EQ(window->PhraseList()->count(), 2);
    }
}

TEST_F(WindowTest, RelatedPhrasesKeywordLosesItsBrackets)
{
    if (!TestClip())
        GTEST_SKIP() << "the related lookup starts from a loaded clip; sox and lame make one";
    OpenWindow();
    window->PhraseList()->setCurrentRow(1);   // Phrase [two]
    Click(kRelatedButton);
    EXPECT_EQ(qobject_cast<QLineEdit*>(window->Control(kKeywordBox))->text(), "Phrase two");
    ASSERT_EQ(window->PhraseList()->count(), 1);
    EXPECT_EQ(RowText(0), "Phrase 1");
}

TEST_F(WindowTest, RelatedPhrasesBeforeAnyClipDoNothing)
{
    std::remove("data.idx");   // no clip is ever loaded
    OpenWindow();
    EXPECT_EQ(window->Book().loadedPhrase, -1);
    ASSERT_EQ(Boxes().size(), 1u);   // the start-up notice of the missing index
    Click(kRelatedButton);
    EXPECT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(window->Book().captionMode, kBrowseMode);
    EXPECT_FALSE(window->Control(kKeywordBox)->isEnabled());
    EXPECT_EQ(window->PhraseList()->count(), 169);
}

TEST_F(WindowTest, AddingAndRemovingFavourites)
{
    OpenWindow();
    EXPECT_EQ(TipOf(kFavouriteToggleButton), "Add to Favorite");
    Click(kFavouriteToggleButton);
    window->PhraseList()->setCurrentRow(1);   // Phrase [two]
    Click(kFavouriteToggleButton);
    Click(kFavouriteToggleButton);
    EXPECT_EQ(Boxes(), (Boxed{{"One item has just added to your favorite category", "Lexavant_French"},
                              {"One item has just added to your favorite category", "Lexavant_French"},
                              {"This item has already existed in favorite category!", "Lexavant_French"}}));
    EXPECT_EQ(ReadFile("favorite.dat").size(), 2u * 124);

    boxes->Clear();
    Click(kFavouritesViewButton);
    EXPECT_EQ(window->Book().viewCode, 1100);
    EXPECT_FALSE(window->Control(kSubcategoryBox)->isEnabled());
    EXPECT_EQ(TipOf(kFavouriteToggleButton), "Remove from Favorite");
    ASSERT_EQ(window->PhraseList()->count(), 2);
    EXPECT_EQ(RowText(0), "Phrase 1");
    EXPECT_EQ(RowText(1), "Phrase two");
    EXPECT_EQ(window->Book().translationText, u"Phrase 1 fr");

    // Removing one of two lists the other.
    Click(kFavouriteToggleButton);
    EXPECT_EQ(Boxes(), (Boxed{{"One item has just removed from your favorite category", "Lexavant_French"}}));
    ASSERT_EQ(window->PhraseList()->count(), 1);
    EXPECT_EQ(RowText(0), "Phrase two");
    EXPECT_EQ(window->Book().selectedPhrase, 2);

    // Removing the last leaves the view empty with no translation.
    Click(kFavouriteToggleButton);
    EXPECT_EQ(window->PhraseList()->count(), 0);
    EXPECT_TRUE(window->Book().translationText.empty());
    EXPECT_EQ(window->Book().viewCode, 1100);
    EXPECT_EQ(ReadFile("favorite.dat").size(), 0u);

    // An empty list: the button does nothing.
    boxes->Clear();
    Click(kFavouriteToggleButton);
    EXPECT_TRUE(Boxes().empty());

    // Leaving the view restores the adding tip.
    Click(kBasicButton);
    EXPECT_EQ(TipOf(kFavouriteToggleButton), "Add to Favorite");
    EXPECT_TRUE(window->Control(kSubcategoryBox)->isEnabled());
}

TEST_F(WindowTest, PlayNeedsAPhraseOnScreen)
{
    if (!TestClip())
        GTEST_SKIP() << "sox and lame are needed to make a clip";
    OpenWindow();
    Click(kSearchModeButton);   // empties the list
    Click(kPlayButton);
    EXPECT_TRUE(device->Written().empty());

    Click(kTravelButton);
    Click(kPlayButton);
    ASSERT_EQ(device->Written().size(), 1u);
    // A double click plays it again, from the same decoded block.
    emit window->PhraseList()->itemDoubleClicked(window->PhraseList()->item(0));
    ASSERT_EQ(device->Written().size(), 2u);
    EXPECT_EQ(device->Written()[0], device->Written()[1]);
}

TEST_F(WindowTest, PlaySlowlyByItsButtonOrShiftWithAPlayKeyInTheList)
{
    if (!TestClip())
        GTEST_SKIP() << "sox and lame are needed to make a clip";
    OpenWindow();
    window->show();
    QApplication::setActiveWindow(window.get());
    EXPECT_EQ(TipOf(kSlowPlayButton), "Play slowly");
    // Under the play button, clear of it and of the translation.
    const QRect slow = window->Control(kSlowPlayButton)->geometry();
    EXPECT_EQ(slow.size(), QSize(24, 24));
    for (int neighbour : {kPlayButton, kTranslationText})
        EXPECT_FALSE(slow.intersects(window->Control(neighbour)->geometry())) << neighbour;

    Click(kPlayButton);
    Click(kSlowPlayButton);
    CMyListBox* list = window->PhraseList();
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClick(list, Qt::Key_Space, Qt::ShiftModifier);
    QTest::keyClick(list, Qt::Key_Enter, Qt::ShiftModifier | Qt::KeypadModifier);
    const auto& written = device->Written();
    ASSERT_EQ(written.size(), 5u);
    EXPECT_NEAR(double(written[1].size()) * 0.7 / double(written[0].size()), 1.0, 0.03);
    for (std::size_t i = 2; i < written.size(); ++i)
        EXPECT_EQ(written[i], written[1]) << i;
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(window->Player().CurrentState(), CSoundPlayer::kPlaying);

    // Another phrase stops it.
    list->setCurrentRow(1);
    EXPECT_EQ(window->Player().CurrentState(), CSoundPlayer::kOpen);
    EXPECT_EQ(written.size(), 5u);
}
