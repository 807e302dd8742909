// Using the window without the mouse (focus, Tab order, keys) and through the
// accessibility interfaces a screen reader uses.

#include "controlid.h"
#include "resources/dialogtemplate.h"
#include "windowfixture.h"

#include <QAccessible>
#include <QTest>
#include <map>

using namespace resources;

namespace {

// The name and description of every control in the accessibility tree under `node`, by id.
void Walk(QAccessibleInterface* node, std::map<int, QStringList>& found)
{
    if (auto* widget = qobject_cast<QWidget*>(node->object()); widget && ControlId(widget) != 0)
        found[ControlId(widget)] = {node->text(QAccessible::Name), node->text(QAccessible::Description)};
    for (int i = 0; i < node->childCount(); ++i)
        if (QAccessibleInterface* child = node->child(i))
            Walk(child, found);
}

} // namespace

class Keyboard : public WindowFixture {
protected:
    // The ids of the controls Tab visits from the About button until it comes back there.
    std::vector<int> Cycle()
    {
        window->Control(kAboutButton)->setFocus(Qt::TabFocusReason);
        std::vector<int> ids;
        do {
            QTest::keyClick(Focused(), Qt::Key_Tab);
            ids.push_back(ControlId(Focused()));
        } while (ids.back() != kAboutButton && ids.size() < 60);
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
    // Ctrl+F opens the search with the cursor in the keyword box. When nothing is found the box keeps the
    // keyboard with the keyword selected, so that the next words typed replace it; results take the keyboard.
    QTest::keyClick(Focused(), Qt::Key_F, Qt::ControlModifier);
    ASSERT_EQ(Focused(), Keyword());
    QTest::keyClicks(Focused(), "zebra crossing");
    QTest::keyClick(Focused(), Qt::Key_Return);
    EXPECT_EQ(Boxes(), (Boxed{{"This item can't be found", "Lexavant_French"}}));
    ASSERT_EQ(Focused(), Keyword());
    EXPECT_EQ(Keyword()->selectedText(), "zebra crossing");
    QTest::keyClicks(Focused(), "phrase 12");
    QTest::keyClick(Focused(), Qt::Key_Return);
    EXPECT_EQ(std::tuple(Keyword()->text(), RowCount(), Focused()), std::tuple(QString("phrase 12"), 11, list));
    Keyword()->setText("phrase 13");
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(std::pair(Plays(), Rows(1)), std::pair(std::size_t(1), QStringList{"Phrase 13"}));
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(Plays(), 2u);
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
    EXPECT_EQ(Cycle(), walk({kFavouriteToggleButton, kSubcategoryBox}));

    // A focused picture button shows a mark; Space and Enter press it, and the new view's list takes the keyboard,
    // or in search mode the keyword box.
    CHoverButton* travel = window->Button(kTravelButton);
    window->Control(kBasicButton)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Focused(), Qt::Key_Tab);
    ASSERT_TRUE(Focused() == travel && travel->ShowsFocusMark());
    const QImage marked = travel->grab().toImage();
    window->PhraseList()->setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(travel->ShowsFocusMark() || travel->grab().toImage() == marked);
    std::vector<std::pair<int, int>> pressed;
    for (const auto& [button, key] : {std::pair{kTravelButton, Qt::Key_Space}, {kFoodButton, Qt::Key_Return},
                                      {kBasicButton, Qt::Key_Enter}, {kSearchModeButton, Qt::Key_Space}}) {
        window->Control(button)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(Focused(), key);
        pressed.emplace_back(window->Book().viewCode, ControlId(Focused()));
    }
    EXPECT_EQ(pressed, (std::vector<std::pair<int, int>>{{200, kPhraseList}, {300, kPhraseList}, {100, kPhraseList},
                                                         {0, kKeywordBox}}));

    // The search mode's controls join the walk.
    EXPECT_EQ(Cycle(), walk({kRunSearchButton, kFavouriteToggleButton, kKeywordBox, kExactMatchBox}));
}

// Every shown control is in the accessibility tree, named and described, and the first caption labels the box
// shown under it, in either mode. (What they say is heard on the accessibility bus by accessibility_bus_test.)
TEST_F(Keyboard, EveryShownControlIsNamedAndDescribedForScreenReadersAndTheCaptionLabelsItsBox)
{
    OpenWindow(true);
    for (const int box : {kSubcategoryBox, kKeywordBox}) {
        if (box == kKeywordBox)
            Click(kSearchModeButton);
        std::map<int, QStringList> found;
        Walk(QAccessible::queryAccessibleInterface(window.get()), found);
        for (const TemplateControl& row : kMainTemplate.controls) {
            const QStringList& read = found[row.id];
            EXPECT_TRUE(!window->Control(row.id)->isVisible() || (read.size() == 2 && !read.contains(""))) << row.id;
        }
        const auto labels = QAccessible::queryAccessibleInterface(window->Control(box))->relations(QAccessible::Label);
        EXPECT_TRUE(labels.size() == 1 && labels[0].first->text(QAccessible::Name) == CaptionText(kFirstCaption)) << box;
    }
}
