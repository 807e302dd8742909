// Category buttons, the subcategory box and the caption modes.

#include "captionlabel.h"
#include "windowfixture.h"

#include <QScrollBar>
#include <QTest>
#include <functional>

using namespace resources;

class Navigation : public WindowFixture {};

TEST_F(Navigation, EveryCategoryButtonListsItsWholeCategoryFromAllAtItsFirstRowAndTheArrowsChooseASubcategory)
{
    // Basic holds phrases 1 to 171, the family 2-4 in one row.
    const struct { int button, code, first, rows; } categories[] = {
        {kBasicButton, 100, 1, 169},       {kTravelButton, 200, 172, 159},   {kFoodButton, 300, 331, 144},
        {kLodgingButton, 400, 475, 74},    {kBusinessButton, 500, 549, 19}, {kSightseeingButton, 600, 568, 44},
        {kSocialButton, 700, 612, 49},     {kShoppingButton, 800, 661, 54}, {kEmergencyButton, 900, 715, 50},
        {kQuestionButton, 1000, 765, 67},
    };
    OpenWindow(true);
    CMyListBox* list = window->PhraseList();
    // What the list shows: the view, the subcategory, the rows, the phrase selected, the scroll
    // position, the row selected and whether it is in sight, though the user left the list at its end.
    auto shown = [&] {
        QCoreApplication::processEvents();
        const bool inSight = list->viewport()->rect().contains(list->visualItemRect(list->item(0)));
        return std::vector<int>{window->Book().viewCode, Subcategory()->currentIndex(), RowCount(),
                                window->Book().selectedPhrase, list->verticalScrollBar()->value(), list->SelectedRow(),
                                inSight};
    };
    // The sixth subcategory, five steps down with the arrow keys: the list follows while the keyboard stays there.
    auto sixthSubcategory = [&] {
        Subcategory()->setFocus(Qt::TabFocusReason);
        for (int step = 0; step < 5; ++step)
            QTest::keyClick(Subcategory(), Qt::Key_Down);
        EXPECT_EQ(Focused(), Subcategory());
    };
    for (const auto& c : categories) {
        sixthSubcategory();   // a subcategory of the last category chosen
        QTest::keyClick(list, Qt::Key_End);
        Click(c.button);
        EXPECT_EQ(shown(), (std::vector<int>{c.code, 0, c.rows, c.first, 0, 0, 1}));
    }
    Click(kTravelButton);
    QTest::keyClick(list, Qt::Key_End);
    ASSERT_GT(list->verticalScrollBar()->value(), 0);
    sixthSubcategory();
    EXPECT_EQ(Subcategory()->currentText(), "Signs");
    EXPECT_EQ(shown(), (std::vector<int>{200, 5, 26, 268, 0, 0, 1}));
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(Navigation, EachCaptionModeShowsItsControlsWholeCaptionsAndRows)
{
    SKIP_WITHOUT_CLIP();
    OpenWindow(true);
    const std::vector<int> browse = {kSubcategoryBox}, search = {kKeywordBox, kExactMatchBox, kRunSearchButton};
    const QStringList browsing = {"Sub category:", "", ""}, ofOne = {"Your phrase:", "Related phrases:", "Phrase 1"};
    auto related = [&] { Click(kRelatedButton); };
    const struct {
        std::function<void()> act; int mode; std::vector<int> shown; QStringList captionsAndKeyword, rows;
    } modes[] = {
        {[] {}, kBrowseMode, browse, browsing, {"Phrase 1", "Phrase [two]"}},
        {[&] { Click(kSearchModeButton); }, kSearchMode, search, {"Your key word:", "Your phrases:", ""}, {}},
        {[&] { Click(kFoodButton); }, kBrowseMode, browse, browsing, {"Phrase 331", "Phrase 332"}},
        // The related phrases of the shown phrase, its brackets gone; phrase 5 has none, and the view stays.
        {[&] { Click(kBasicButton); window->PhraseList()->setCurrentRow(1); related(); }, kRelatedMode, {kKeywordBox},
         {"Your phrase:", "Related phrases:", "Phrase two"}, {"Phrase 1"}},
        {related, kRelatedMode, {kKeywordBox}, ofOne, {"Phrase 5", "Phrase 9"}},
        {related, kRelatedMode, {kKeywordBox}, ofOne, {"Phrase 5", "Phrase 9"}},
    };
    for (const auto& m : modes) {
        m.act();
        std::vector<int> shown;
        for (int id : {kSubcategoryBox, kKeywordBox, kExactMatchBox, kRunSearchButton})
            if (window->Control(id)->isVisible())
                shown.push_back(id);
        EXPECT_EQ(std::pair(window->Book().captionMode, shown), std::pair(m.mode, m.shown));
        EXPECT_EQ((QStringList{CaptionText(kFirstCaption), CaptionText(kSecondCaption), Keyword()->text()}),
                  m.captionsAndKeyword);
        EXPECT_EQ(Rows(2), m.rows);
        EXPECT_EQ(Translation(), m.rows.isEmpty() ? "" : m.rows[0] + " fr");
        // Each caption is read whole, on one line, at a readable size.
        for (int id : {kFirstCaption, kSecondCaption}) {
            auto* caption = qobject_cast<CaptionLabel*>(window->Control(id));
            EXPECT_TRUE(caption->FitsOneLine() && caption->ShownFont().pixelSize() >= 12) << id;
        }
    }
    EXPECT_EQ(Boxes(), (Boxed{{"No related phrase(s) found!", platform::DefaultCaption()}}));
    // The related phrase is not typed over, and shows its start.
    EXPECT_EQ(std::pair(Keyword()->isEnabled(), Keyword()->cursorPosition()), std::pair(false, 0));

    // A caption with more words than one line holds wraps, its first line whole.
    auto* second = qobject_cast<CaptionLabel*>(window->Control(kSecondCaption));
    second->setText("A caption with far more words than its box could ever hold");
    EXPECT_TRUE(!second->FitsOneLine() && QFontMetrics(second->ShownFont()).height() <= second->height());
}
