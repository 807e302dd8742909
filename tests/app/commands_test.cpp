// Play, keyword search, related phrases and the favourites.

#include "soundplayer.h"
#include "windowfixture.h"

#include <QTest>
#include <functional>

using namespace resources;

class Commands : public WindowFixture {};

TEST_F(Commands, SearchRunsOnEnterOnlyAfterAChangeAndAnEmptyViewSpeaksAndRelatesNothing)
{
    SKIP_WITHOUT_CLIP();
    OpenWindow(true);
    Click(kRunSearchButton);   // outside search mode: nothing
    EXPECT_EQ(RowCount(), 169);
    const struct {
        std::function<void()> act;
        QStringList rows;
        QString french;
        bool nothingSelected;
    } steps[] = {
        {[&] { Search("three"); }, {"Phrase [two]"}, "Phrase 2 fr", false},
        {[&] { Keyword()->clear(); QTest::keyClicks(Keyword(), "phrase 12"); QTest::keyClick(Keyword(), Qt::Key_Return); },
         {"Phrase 12", "Phrase 120", "Phrase 121", "Phrase 122", "Phrase 123"}, "Phrase 12 fr", false},
        {[&] { window->PhraseList()->ClearRows(); QTest::keyClick(window.get(), Qt::Key_Return); }, {}, "", false},
        {[&] { Click(kExactMatchBox); QTest::keyClick(window.get(), Qt::Key_Enter); }, {"Phrase 12"}, "Phrase 12 fr", false},
        {[&] { window->PhraseList()->setCurrentRow(-1); }, {"Phrase 12"}, "", true},
        {[&] { Search("no such words"); }, {}, "", true},
    };
    for (const auto& step : steps) {
        step.act();
        EXPECT_EQ(Rows(), step.rows);
        EXPECT_EQ(std::pair(Translation(), CaptionText(kTranslationText)), std::pair(step.french, step.french));
        if (!step.nothingSelected)
            continue;
        EXPECT_EQ(window->Player().CurrentState(), CSoundPlayer::kClosed);
        Click(kPlayButton);
        Click(kRelatedButton);
        EXPECT_EQ(std::pair(Plays(), window->Book().captionMode), std::pair(std::size_t(0), int(kSearchMode)));
    }
    EXPECT_EQ(Boxes(), (Boxed{{"This item can't be found", "Lexavant_French"}}));
}

TEST_F(Commands, RelatedPhrasesFollowTheShownPhraseWithoutItsBrackets)
{
    SKIP_WITHOUT_CLIP();
    OpenWindow();
    window->PhraseList()->setCurrentRow(1);
    Click(kRelatedButton);
    EXPECT_EQ(Keyword()->text(), "Phrase two");
    EXPECT_EQ(Rows(), QStringList{"Phrase 1"});
    Click(kRelatedButton);
    EXPECT_EQ(Rows(), (QStringList{"Phrase 5", "Phrase 9"}));
    // Phrase 5 has no related phrases: the view stays as it is.
    Click(kRelatedButton);
    EXPECT_EQ(Boxes(), (Boxed{{"No related phrase(s) found!", platform::DefaultCaption()}}));
    EXPECT_EQ(Rows(), (QStringList{"Phrase 5", "Phrase 9"}));
}

TEST_F(Commands, AddingAndRemovingFavourites)
{
    OpenWindow();
    const QString added = "One item has just added to your favorite category";
    const QString removed = "One item has just removed from your favorite category";
    const QStringList basic = {"Phrase 1", "Phrase [two]", "Phrase 5", "Phrase 6", "Phrase 7"};
    const struct {
        std::function<void()> act;
        Boxed said;
        QStringList rows;
        QString french;
        QString tip;
    } steps[] = {
        {[&] { Click(kFavouritesViewButton); }, {{"No favorite phrase!", platform::DefaultCaption()}}, basic, "Phrase 1 fr", "Add to Favorite"},
        {[&] { Click(kFavouriteToggleButton); window->PhraseList()->setCurrentRow(1); Click(kFavouriteToggleButton);
               Click(kFavouriteToggleButton); },
         {{added, "Lexavant_French"}, {added, "Lexavant_French"},
          {"This item has already existed in favorite category!", "Lexavant_French"}},
         basic, "Phrase 2 fr", "Add to Favorite"},
        {[&] { Click(kFavouritesViewButton); }, {}, {"Phrase 1", "Phrase two"}, "Phrase 1 fr", "Remove from Favorite"},
        {[&] { Click(kFavouriteToggleButton); }, {{removed, "Lexavant_French"}}, {"Phrase two"}, "Phrase 2 fr", "Remove from Favorite"},
        {[&] { Click(kFavouriteToggleButton); }, {{removed, "Lexavant_French"}}, {}, "", "Remove from Favorite"},
        {[&] { Click(kFavouriteToggleButton); }, {}, {}, "", "Remove from Favorite"},
        {[&] { Click(kBasicButton); }, {}, basic, "Phrase 1 fr", "Add to Favorite"},
    };
    std::vector<std::size_t> storeSizes;
    for (const auto& step : steps) {
        boxes->Clear();
        step.act();
        EXPECT_EQ(Boxes(), step.said);
        EXPECT_EQ(Rows(), step.rows);
        EXPECT_EQ(Translation(), step.french);
        EXPECT_EQ(TipOf(kFavouriteToggleButton), step.tip);
        EXPECT_EQ(Subcategory()->isEnabled(), step.tip == "Add to Favorite");
        storeSizes.push_back(ReadFile("favorite.dat").size());
    }
    EXPECT_EQ(storeSizes, (std::vector<std::size_t>{0, 248, 248, 124, 0, 0, 0}));
}

TEST_F(Commands, PlayNeedsAPhraseOnScreenAndPlaysSlowlyByItsButtonOrShiftWithAPlayKey)
{
    SKIP_WITHOUT_CLIP();
    OpenWindow(true);
    Click(kSearchModeButton);   // empties the list
    Click(kPlayButton);
    EXPECT_EQ(Plays(), 0u);
    Click(kBasicButton);
    EXPECT_EQ(TipOf(kSlowPlayButton), "Play slowly");
    // Under the play button, clear of it and of the translation.
    const QRect slow = window->Control(kSlowPlayButton)->geometry();
    EXPECT_EQ(slow.size(), QSize(24, 24));
    EXPECT_FALSE(slow.intersects(window->Control(kPlayButton)->geometry()) ||
                 slow.intersects(window->Control(kTranslationText)->geometry()));

    CMyListBox* list = window->PhraseList();
    Click(kPlayButton);
    emit list->itemDoubleClicked(list->item(0));
    Click(kSlowPlayButton);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClick(list, Qt::Key_Space, Qt::ShiftModifier);
    QTest::keyClick(list, Qt::Key_Enter, Qt::ShiftModifier | Qt::KeypadModifier);
    const auto& written = device->Written();
    ASSERT_EQ(written.size(), 6u);
    EXPECT_EQ(written[1], written[0]);   // played again from the same decoded block
    EXPECT_NEAR(double(written[2].size()) * 0.7 / double(written[0].size()), 1.0, 0.03);
    for (std::size_t i = 3; i < written.size(); ++i)
        EXPECT_EQ(written[i], written[2]) << i;
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(window->Player().CurrentState(), CSoundPlayer::kPlaying);
    // Another phrase stops it.
    list->setCurrentRow(1);
    EXPECT_EQ(window->Player().CurrentState(), CSoundPlayer::kOpen);
    EXPECT_EQ(written.size(), 6u);
}
