// Using the window without the mouse, and where every view starts.

#include "controlid.h"
#include "hoverbutton.h"
#include "mylistbox.h"
#include "resources/controlids.h"
#include "windowfixture.h"

#include <QScrollBar>
#include <QTest>
#include <functional>

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

TEST_F(Keyboard, TheListPlaysOnEnterOrSpaceAfterAnySearchTheKeywordAsks)
{
    SKIP_WITHOUT_CLIP();
    OpenWindow(true);
    CMyListBox* list = window->PhraseList();
    EXPECT_EQ(Focused(), list);
    std::vector<std::size_t> plays;
    for (const auto& [key, modifiers] : {std::pair{Qt::Key_Space, Qt::KeyboardModifiers()},
                                         {Qt::Key_Return, {}}, {Qt::Key_Enter, Qt::KeypadModifier}, {Qt::Key_Down, {}}}) {
        QTest::keyClick(list, key, modifiers);
        plays.push_back(Plays());
    }
    EXPECT_EQ(plays, (std::vector<std::size_t>{1, 2, 3, 3}));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->Book().selectedPhrase, 2);

    // After the play button, the arrows browse the list again.
    QTest::mouseClick(window->Button(kPlayButton), Qt::LeftButton);
    EXPECT_EQ(Focused(), list);
    QTest::keyClick(Focused(), Qt::Key_Down);
    EXPECT_EQ(window->Book().selectedPhrase, 5);

    // Ctrl+F opens the search with the cursor in the keyword box.
    QTest::keyClick(Focused(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(window->Book().captionMode, kSearchMode);
    ASSERT_EQ(Focused(), Keyword());
    QTest::keyClicks(Focused(), "phrase 12");
    QTest::keyClick(Focused(), Qt::Key_Return);
    EXPECT_EQ(RowCount(), 11);
    EXPECT_EQ(Focused(), list);
    // A changed keyword is searched first; only then does Enter play.
    Keyword()->setText("phrase 13");
    const std::size_t before = Plays();
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(Plays(), before);
    EXPECT_EQ(Rows(1), QStringList{"Phrase 13"});
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(Plays(), before + 1);

    // A category button gives the list the keyboard; the Search button gives it the keyword box.
    Click(kBasicButton);
    EXPECT_EQ(Focused(), list);
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

    // A focused picture button shows a mark; Space and Enter press it.
    CHoverButton* travel = window->Button(kTravelButton);
    TabWalk(kBasicButton, 1);
    ASSERT_EQ(Focused(), travel);
    EXPECT_TRUE(travel->ShowsFocusMark());
    const QImage marked = travel->grab().toImage();
    window->PhraseList()->setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(travel->ShowsFocusMark());
    EXPECT_NE(travel->grab().toImage(), marked);
    std::vector<int> views;
    for (const auto& [button, key] : {std::pair{kTravelButton, Qt::Key_Space}, {kFoodButton, Qt::Key_Return},
                                      {kBasicButton, Qt::Key_Enter}}) {
        window->Control(button)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(Focused(), key);
        views.push_back(window->Book().viewCode);
        // The new view's list takes the keyboard.
        EXPECT_EQ(Focused(), window->PhraseList());
    }
    EXPECT_EQ(views, (std::vector<int>{200, 300, 100}));

    // The search mode's controls join the walk; a disabled box is passed over.
    Click(kSearchModeButton);
    const std::vector<int> search = walk({kRunSearchButton, kFavouriteToggleButton, kKeywordBox, kExactMatchBox});
    EXPECT_EQ(TabWalk(kAboutButton, search.size()), search);
    Keyword()->setEnabled(false);
    const std::vector<int> disabled = walk({kRunSearchButton, kFavouriteToggleButton, kExactMatchBox});
    EXPECT_EQ(TabWalk(kAboutButton, disabled.size()), disabled);
}

TEST_F(Keyboard, EveryViewStartsAtItsFirstRowSelectedAndShown)
{
    OpenWindow(true);
    CMyListBox* list = window->PhraseList();
    const std::pair<std::function<void()>, int> views[] = {
        {[&] { Click(kShoppingButton); }, 661},
        {[&] { Subcategory()->setCurrentIndex(2); emit Subcategory()->activated(2); }, 674},
        {[&] { Click(kBasicButton); }, 1},
        {[&] { Search("phrase 1"); }, 1},
        {[&] { Keyword()->setText("phrase 2"); Click(kRunSearchButton); }, 20},
    };
    for (const auto& [open, firstPhrase] : views) {
        SCOPED_TRACE(firstPhrase);
        // The list left at its end, as the user may leave it.
        list->setFocus();
        QTest::keyClick(list, Qt::Key_End);
        ASSERT_GT(list->verticalScrollBar()->value(), 0);
        open();
        QCoreApplication::processEvents();
        EXPECT_EQ(list->verticalScrollBar()->value(), 0);
        EXPECT_EQ(list->SelectedRow(), 0);
        EXPECT_TRUE(list->viewport()->rect().contains(list->visualItemRect(list->item(0))));
        EXPECT_EQ(Translation(), QString("Phrase %1 fr").arg(firstPhrase));
    }
}
