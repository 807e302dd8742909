// Keyword search (a family's row shows the member that matched, the keyword
// box completes the book's own words), the favourites and playing.

#include "phrasefixtures.h"
#include "soundplayer.h"
#include "windowfixture.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QTest>
#include <functional>

using namespace resources;

class Commands : public WindowFixture {};

TEST_F(Commands, SearchShowsTheMemberThatMatchedRunsOnEnterOnlyAfterAChangeAndAnEmptyViewSpeaksAndRelatesNothing)
{
    SKIP_WITHOUT_CLIP();
    OpenWindow(true);
    Click(kRunSearchButton);   // outside search mode: nothing
    EXPECT_EQ(RowCount(), 169);
    auto enter = [&](Qt::Key key) { QTest::keyClick(window.get(), key); };
    const struct { std::function<void()> act; QStringList rows; QString french; bool unselected = false; } steps[] = {
        {[&] { Click(kSearchModeButton); Keyword()->setText("three"); Click(kRunSearchButton); }, {"Phrase [three]"},
         "Phrase 3 fr"},
        // A family's row shows the member that matched, and a click on it selects that phrase.
        {[&] { Keyword()->setText("four"); enter(Qt::Key_Return); }, {"Phrase [four]"}, "Phrase 4 fr"},
        // A word every phrase holds brings no row; only the list text holds "[two|three".
        {[&] { Keyword()->setText("Phrase three"); enter(Qt::Key_Return); }, {"Phrase [three]"}, "Phrase 3 fr"},
        {[&] { Keyword()->setText("phrase [two|three"); enter(Qt::Key_Return); }, {"Phrase [two]"}, "Phrase 2 fr"},
        {[&] { Keyword()->setText("phrase 12"); enter(Qt::Key_Return); },
         {"Phrase 12", "Phrase 120", "Phrase 121", "Phrase 122", "Phrase 123"}, "Phrase 12 fr"},
        {[&] { window->PhraseList()->ClearRows(); enter(Qt::Key_Return); }, {}, ""},   // nothing changed
        {[&] { Click(kExactMatchBox); enter(Qt::Key_Enter); }, {"Phrase 12"}, "Phrase 12 fr"},
        {[&] { window->PhraseList()->setCurrentRow(-1); }, {"Phrase 12"}, "", true},
        {[&] { Keyword()->setText("no such words"); Click(kRunSearchButton); }, {}, "", true},
    };
    for (const auto& step : steps) {
        step.act();
        EXPECT_EQ(Rows(), step.rows);
        EXPECT_EQ(std::pair(Translation(), CaptionText(kTranslationText)), std::pair(step.french, step.french));
        if (step.unselected) {
            Click(kPlayButton);
            Click(kRelatedButton);
            EXPECT_EQ(std::pair(Plays(), window->Book().captionMode), std::pair(std::size_t(0), int(kSearchMode)));
        }
    }
    EXPECT_EQ(Boxes(), (Boxed{{"This item can't be found", "Lexavant_French"}}));
}

TEST_F(Commands, TheKeywordBoxCompletesTheBooksWordsWithoutCaseOrAccents)
{
    std::vector<std::u16string> french;
    for (int n = 1; n <= 831; ++n)
        french.push_back(NumberedText(n) + u" fr\r");
    french[0] = u"Un caf\u00E9 cr\u00E8me\r";
    WriteFrench(french);
    OpenWindow(true);
    Click(kSearchModeButton);
    QCompleter* completer = Keyword()->completer();
    ASSERT_NE(completer, nullptr);
    const struct { const char* typed; QStringList offered; QString taken; } cases[] = {
        {"CAFE", {"caf\u00E9"}, "caf\u00E9"},
        {"un cre", {"cr\u00E8me"}, "un cr\u00E8me"},
        {"phr", {"phrase"}, "phrase"},
        {"zz", {}, "zz"},
    };
    for (const auto& c : cases) {
        Keyword()->clear();
        QTest::keyClicks(Keyword(), c.typed);
        QStringList offered;
        for (int row = 0; row < completer->completionModel()->rowCount(); ++row)
            offered << completer->completionModel()->index(row, 0).data().toString();
        EXPECT_EQ(offered, c.offered) << c.typed;
        // The arrow keys choose in the popup and Enter takes the word in place of what was typed.
        if (completer->popup()->isVisible()) {
            QTest::keyClick(completer->popup(), Qt::Key_Down);
            QTest::keyClick(completer->popup(), Qt::Key_Return);
        }
        EXPECT_EQ(Keyword()->text(), c.taken) << c.typed;
        EXPECT_FALSE(completer->popup()->isVisible()) << c.typed;
    }
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(Commands, AddingAndRemovingFavourites)
{
    OpenWindow();
    const QString added = "One item has just added to your favorite category", caption = "Lexavant_French";
    const QString removed = "One item has just removed from your favorite category", remove = "Remove from Favorite";
    const QStringList basic = {"Phrase 1", "Phrase [two]", "Phrase 5", "Phrase 6", "Phrase 7"};
    auto toggle = [&] { Click(kFavouriteToggleButton); };
    const struct {
        std::function<void()> act; Boxed said; QStringList rows; QString french; std::size_t stored;
        QString tip = "Add to Favorite";
    } steps[] = {
        {[&] { Click(kFavouritesViewButton); }, {{"No favorite phrase!", platform::DefaultCaption()}}, basic,
         "Phrase 1 fr", 0},
        {[&] { toggle(); window->PhraseList()->setCurrentRow(1); toggle(); toggle(); },
         {{added, caption}, {added, caption}, {"This item has already existed in favorite category!", caption}},
         basic, "Phrase 2 fr", 2},
        {[&] { Click(kFavouritesViewButton); }, {}, {"Phrase 1", "Phrase two"}, "Phrase 1 fr", 2, remove},
        {toggle, {{removed, caption}}, {"Phrase two"}, "Phrase 2 fr", 1, remove},
        {toggle, {{removed, caption}}, {}, "", 0, remove},
        {toggle, {}, {}, "", 0, remove},
        {[&] { Click(kBasicButton); }, {}, basic, "Phrase 1 fr", 0},
    };
    for (const auto& step : steps) {
        boxes.Clear();
        step.act();
        EXPECT_EQ(Boxes(), step.said);
        EXPECT_EQ(std::tuple(Rows(), Translation(), ReadFile("favorite.dat").size() / 124),
                  std::tuple(step.rows, step.french, step.stored));
        EXPECT_EQ(std::pair(TipOf(kFavouriteToggleButton), Subcategory()->isEnabled()),
                  std::pair(step.tip, step.tip != remove));
    }
}

TEST_F(Commands, PlayKeysInTheListPlayAtSpeedAndWithShiftSlowlyLikeTheSlowPlayButton)
{
    SKIP_WITHOUT_CLIP();
    OpenWindow(true);
    EXPECT_EQ(TipOf(kSlowPlayButton), "Play slowly");
    // Under the play button, clear of it and of the translation.
    const QRect slow = window->Control(kSlowPlayButton)->geometry();
    EXPECT_EQ(std::tuple(slow.size(), slow.intersects(window->Control(kPlayButton)->geometry()),
                         slow.intersects(window->Control(kTranslationText)->geometry())),
              std::tuple(QSize(24, 24), false, false));
    CMyListBox* list = window->PhraseList();
    Click(kPlayButton);
    emit list->itemDoubleClicked(list->item(0));
    const Qt::KeyboardModifiers none, shift = Qt::ShiftModifier, keypad = Qt::KeypadModifier;
    for (const auto& [key, with] : {std::pair{Qt::Key_Space, none}, {Qt::Key_Return, none}, {Qt::Key_Enter, keypad},
                                    {Qt::Key_Return, shift}, {Qt::Key_Space, shift}, {Qt::Key_Enter, shift | keypad}})
        QTest::keyClick(list, key, with);
    Click(kSlowPlayButton);
    const auto& written = device->Written();
    ASSERT_EQ(written.size(), 9u);
    // Each play at speed comes from the same decoded block, and each slow one, 0.7 times as fast, likewise.
    const Bytes& fast = written[0];
    EXPECT_EQ(written, (std::vector{fast, fast, fast, fast, fast, written[5], written[5], written[5], written[5]}));
    EXPECT_NEAR(double(written[5].size()) * 0.7 / double(fast.size()), 1.0, 0.03);
    EXPECT_EQ(std::pair(list->currentRow(), window->Player().CurrentState()), std::pair(0, CSoundPlayer::kPlaying));
    QTest::keyClick(list, Qt::Key_Down);   // another phrase stops it, and is not played
    EXPECT_EQ(std::tuple(Plays(), window->Player().CurrentState(), window->Book().selectedPhrase),
              std::tuple(std::size_t(9), CSoundPlayer::kOpen, 2));
}
