// Using the window without the mouse: focus, Tab order and keys.

#include "controlid.h"
#include "hoverbutton.h"
#include "windowfixture.h"

#include <QTest>

using namespace resources;

class Keyboard : public WindowFixture {
protected:
    static QWidget* Focused() { return QApplication::focusWidget(); }
    // The ids of the controls Tab (or `key`) visits from `start`, `count` presses.
    std::vector<int> TabWalk(int start, std::size_t count, Qt::Key key = Qt::Key_Tab)
    {
        window->Control(start)->setFocus(Qt::TabFocusReason);
        std::vector<int> ids;
        while (ids.size() < count) {
            QTest::keyClick(Focused(), key);
            ids.push_back(ControlId(Focused()));
        }
        return ids;
    }
};

TEST_F(Keyboard, TheListTakesTheKeyboardAndEnterPlaysOnlyAfterTheChangedKeywordIsSearched)
{
    SKIP_WITHOUT_CLIP();
    OpenWindow(true);
    QWidget* list = window->PhraseList();
    EXPECT_EQ(Focused(), list);
    // After the play button, the arrows browse the list again.
    QTest::mouseClick(window->Button(kPlayButton), Qt::LeftButton);
    QTest::keyClick(Focused(), Qt::Key_Down);
    EXPECT_EQ(window->Book().selectedPhrase, 2);
    // Ctrl+F opens the search with the cursor in the keyword box; the results take the keyboard.
    QTest::keyClick(Focused(), Qt::Key_F, Qt::ControlModifier);
    ASSERT_EQ(Focused(), Keyword());
    QTest::keyClicks(Focused(), "phrase 12");
    QTest::keyClick(Focused(), Qt::Key_Return);
    EXPECT_EQ(std::pair(RowCount(), Focused()), std::pair(11, list));
    Keyword()->setText("phrase 13");
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(std::pair(Plays(), Rows(1)), std::pair(std::size_t(1), QStringList{"Phrase 13"}));
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(Plays(), 2u);
    // The Search button puts the cursor in the keyword box too.
    Click(kBasicButton);
    Click(kSearchModeButton);
    EXPECT_EQ(Focused(), Keyword());
}

TEST_F(Keyboard, TabWalksTheControlsInScreenOrderAndKeysPressTheFocusedButton)
{
    OpenWindow(true);
    auto walk = [](std::vector<int> middle) {
        std::vector<int> ids = {kFavouritesViewButton, kRelatedButton, kMinimiseButton, kExitButton, kSearchModeButton};
        ids.insert(ids.end(), middle.begin(), middle.end());
        ids.insert(ids.end(), {kPhraseList, kPlayButton, kSlowPlayButton, kBasicButton, kTravelButton, kLodgingButton,
                               kFoodButton, kSocialButton, kBusinessButton, kSightseeingButton, kShoppingButton,
                               kEmergencyButton, kQuestionButton, kNewVersionButton, kSupportButton,
                               kBugReportButton, kAboutButton});
        return ids;
    };
    const std::vector<int> browse = walk({kFavouriteToggleButton, kSubcategoryBox});
    EXPECT_EQ(TabWalk(kAboutButton, browse.size()), browse);
    EXPECT_EQ(TabWalk(kAboutButton, 1, Qt::Key_Backtab), std::vector<int>{kBugReportButton});

    // A focused picture button shows a mark; Space and Enter press it, and the new view's list takes the keyboard.
    CHoverButton* travel = window->Button(kTravelButton);
    TabWalk(kBasicButton, 1);
    ASSERT_TRUE(Focused() == travel && travel->ShowsFocusMark());
    const QImage marked = travel->grab().toImage();
    window->PhraseList()->setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(travel->ShowsFocusMark());
    EXPECT_NE(travel->grab().toImage(), marked);
    std::vector<std::pair<int, QWidget*>> pressed;
    for (const auto& [button, key] : {std::pair{kTravelButton, Qt::Key_Space}, {kFoodButton, Qt::Key_Return},
                                      {kBasicButton, Qt::Key_Enter}}) {
        window->Control(button)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(Focused(), key);
        pressed.emplace_back(window->Book().viewCode, Focused());
    }
    QWidget* list = window->PhraseList();
    EXPECT_EQ(pressed, (std::vector<std::pair<int, QWidget*>>{{200, list}, {300, list}, {100, list}}));

    // The search mode's controls join the walk; a disabled box is passed over.
    Click(kSearchModeButton);
    const std::vector<int> search = walk({kRunSearchButton, kFavouriteToggleButton, kKeywordBox, kExactMatchBox});
    EXPECT_EQ(TabWalk(kAboutButton, search.size()), search);
    Keyword()->setEnabled(false);
    const std::vector<int> disabled = walk({kRunSearchButton, kFavouriteToggleButton, kExactMatchBox});
    EXPECT_EQ(TabWalk(kAboutButton, disabled.size()), disabled);
}
