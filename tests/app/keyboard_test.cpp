// Using the window without the mouse, and where every view starts.

#include "controlid.h"
#include "hoverbutton.h"
#include "mylistbox.h"
#include "resources/controlids.h"
#include "windowfixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

using namespace resources;

namespace {

QWidget* Focused()
{
    return QApplication::focusWidget();
}

// The ids of the controls Tab visits from `start`, `count` presses.
std::vector<int> TabWalk(QWidget* start, int count, Qt::Key key = Qt::Key_Tab)
{
    start->setFocus(Qt::TabFocusReason);
    std::vector<int> ids;
    for (int i = 0; i < count; ++i) {
        QTest::keyClick(Focused(), key);
        ids.push_back(ControlId(Focused()));
    }
    return ids;
}

} // namespace

class KeyboardTest : public WindowTest {
protected:
    void ShowActive()
    {
        OpenWindow();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    std::size_t Plays() const { return device->Written().size(); }
};

TEST_F(KeyboardTest, TheListPlaysOnEnterOrSpaceAfterAnySearchTheKeywordAsks)
{
    if (!TestClip())
        GTEST_SKIP() << "sox and lame are needed to make a clip";
    ShowActive();
    CMyListBox* list = window->PhraseList();
    EXPECT_EQ(Focused(), list);
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::size_t plays;
    } cases[] = {
        {Qt::Key_Space, Qt::NoModifier, 1},     {Qt::Key_Return, Qt::NoModifier, 1},
        {Qt::Key_Enter, Qt::KeypadModifier, 1}, {Qt::Key_Space, Qt::ShiftModifier, 0},
        {Qt::Key_Return, Qt::ShiftModifier, 0}, {Qt::Key_Down, Qt::NoModifier, 0},
    };
    for (const auto& c : cases) {
        const std::size_t before = Plays();
        QTest::keyClick(list, c.key, c.modifiers);
        EXPECT_EQ(Plays() - before, c.plays) << c.key << " " << c.modifiers;
        EXPECT_TRUE(window->isVisible());
    }
    // The arrow moved on, and the next Space speaks the new phrase.
    EXPECT_EQ(window->Book().selectedPhrase, 2);

    // After the play button, the arrows browse the list again.
    QTest::mouseClick(window->Button(kPlayButton), Qt::LeftButton);
    EXPECT_EQ(Focused(), list);
    QTest::keyClick(Focused(), Qt::Key_Down);
    EXPECT_EQ(window->Book().selectedPhrase, 5);

    // Ctrl+F opens the search with the cursor in the keyword box.
    QTest::keyClick(Focused(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(window->Book().captionMode, kSearchMode);
    ASSERT_EQ(Focused(), window->Control(kKeywordBox));
    QTest::keyClicks(Focused(), "phrase 12");
    QTest::keyClick(Focused(), Qt::Key_Return);
    ASSERT_EQ(list->count(), 11);
    EXPECT_EQ(Focused(), list);
    // A changed keyword is searched first; only then does Enter play.
    qobject_cast<QLineEdit*>(window->Control(kKeywordBox))->setText("phrase 13");
    std::size_t before = Plays();
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(Plays(), before);
    EXPECT_EQ(RowText(0), "Phrase 13");
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(Plays(), before + 1);

    // The Search button puts the cursor in the keyword box too.
    Click(kBasicButton);
    EXPECT_EQ(Focused(), list);
    Click(kSearchModeButton);
    EXPECT_EQ(Focused(), window->Control(kKeywordBox));
}

TEST_F(KeyboardTest, TabWalksTheControlsInScreenOrderAndKeysPressTheFocusedButton)
{
    ShowActive();
    const std::vector<int> tail = {kPhraseList,    kPlayButton,        kBasicButton,    kTravelButton,
                                   kLodgingButton, kFoodButton,        kSocialButton,   kBusinessButton,
                                   kSightseeingButton, kShoppingButton, kEmergencyButton, kQuestionButton,
                                   kNewVersionButton, kSupportButton,  kBugReportButton, kAboutButton};
    auto walk = [&](std::vector<int> middle) {
        std::vector<int> ids = {kFavouritesViewButton, kRelatedButton, kMinimiseButton, kExitButton,
                                kSearchModeButton};
        ids.insert(ids.end(), middle.begin(), middle.end());
        ids.insert(ids.end(), tail.begin(), tail.end());
        return ids;
    };
    auto walkFrom = [&](int start, const std::vector<int>& expected) {
        EXPECT_EQ(TabWalk(window->Control(start), int(expected.size())), expected);
    };
    walkFrom(kAboutButton, walk({kFavouriteToggleButton, kSubcategoryBox}));
    QWidget* about = window->Control(kAboutButton);
    EXPECT_EQ(TabWalk(about, 1, Qt::Key_Backtab), std::vector<int>{kBugReportButton});

    // A focused picture button shows a mark; Space and Enter press it.
    CHoverButton* travel = window->Button(kTravelButton);
    TabWalk(window->Control(kBasicButton), 1);
    ASSERT_EQ(Focused(), travel);
    EXPECT_TRUE(travel->ShowsFocusMark());
    const QImage marked = travel->grab().toImage();
    window->PhraseList()->setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(travel->ShowsFocusMark());
    EXPECT_NE(travel->grab().toImage(), marked);
    const struct {
        int button;
        Qt::Key key;
        int viewCode;
    } presses[] = {
        {kTravelButton, Qt::Key_Space, 200},
        {kFoodButton, Qt::Key_Return, 300},
        {kBasicButton, Qt::Key_Enter, 100},
    };
    for (const auto& press : presses) {
        window->Control(press.button)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(Focused(), press.key);
        EXPECT_EQ(window->Book().viewCode, press.viewCode);
        // The new view's list takes the keyboard.
        EXPECT_EQ(Focused(), window->PhraseList());
    }

    // The search mode's controls join the walk; a disabled box is passed over.
    Click(kSearchModeButton);
    walkFrom(kAboutButton, walk({kRunSearchButton, kFavouriteToggleButton, kKeywordBox, kExactMatchBox}));
    window->Control(kKeywordBox)->setEnabled(false);
    walkFrom(kAboutButton, walk({kRunSearchButton, kFavouriteToggleButton, kExactMatchBox}));
}

TEST_F(KeyboardTest, EveryViewStartsAtItsFirstRowSelectedAndShown)
{
    ShowActive();
    CMyListBox* list = window->PhraseList();
    auto* combo = qobject_cast<QComboBox*>(window->Control(kSubcategoryBox));
    auto* edit = qobject_cast<QLineEdit*>(window->Control(kKeywordBox));
    const struct {
        const char* view;
        std::function<void()> open;
        int firstPhrase;
    } views[] = {
        {"category", [&] { Click(kShoppingButton); }, 661},
        {"subcategory", [&] { combo->setCurrentIndex(2); emit combo->activated(2); }, 674},
        {"category again", [&] { Click(kBasicButton); }, 1},
        {"search", [&] { Click(kSearchModeButton); edit->setText("phrase 1"); Click(kRunSearchButton); }, 1},
        {"search again", [&] { edit->setText("phrase 2"); Click(kRunSearchButton); }, 20},
    };
    for (const auto& view : views) {
        // The list left at its end, as the user may leave it.
        list->setFocus();
        QTest::keyClick(list, Qt::Key_End);
        ASSERT_GT(list->verticalScrollBar()->value(), 0) << view.view;
        view.open();
        QCoreApplication::processEvents();
        EXPECT_EQ(list->verticalScrollBar()->value(), 0) << view.view;
        EXPECT_EQ(list->SelectedRow(), 0) << view.view;
        EXPECT_TRUE(list->viewport()->rect().contains(list->visualItemRect(list->item(0)))) << view.view;
        EXPECT_EQ(window->Book().selectedPhrase, view.firstPhrase) << view.view;
        EXPECT_EQ(window->Book().translationText, QString("Phrase %1 fr").arg(view.firstPhrase).toStdU16String())
            << view.view;
    }
}
