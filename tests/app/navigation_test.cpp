// Category buttons, the subcategory box, the favourites view and the caption modes.

#include "hoverbutton.h"
#include "mylistbox.h"
#include "resources/controlids.h"
#include "windowfixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

using namespace resources;

namespace {

struct CategoryButton {
    int id;
    int code;
    int first;
    int last;
};

const CategoryButton kCategoryButtons[] = {
    {kBasicButton, 100, 1, 171},          {kTravelButton, 200, 172, 330},   {kFoodButton, 300, 331, 474},
    {kLodgingButton, 400, 475, 548},      {kBusinessButton, 500, 549, 567}, {kSightseeingButton, 600, 568, 611},
    {kSocialButton, 700, 612, 660},       {kShoppingButton, 800, 661, 714}, {kEmergencyButton, 900, 715, 764},
    {kQuestionButton, 1000, 765, 831},
};

} // namespace

TEST_F(WindowTest, EveryCategoryButtonListsItsWholeCategory)
{
    OpenWindow();
    auto* combo = qobject_cast<QComboBox*>(window->Control(kSubcategoryBox));
    for (const CategoryButton& button : kCategoryButtons) {
        Click(button.id);
        const int familyRowsSaved = button.code == 100 ? 2 : 0;
        EXPECT_EQ(window->Book().viewCode, button.code);
        EXPECT_EQ(combo->currentIndex(), 0);
        EXPECT_EQ(window->PhraseList()->count(), button.last - button.first + 1 - familyRowsSaved) << button.code;
        EXPECT_EQ(RowText(0), QString("Phrase %1").arg(button.first));
        EXPECT_EQ(window->Book().selectedPhrase, button.first);
        EXPECT_EQ(window->PhraseList()->currentRow(), 0);
    }
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(WindowTest, TheSubcategoryBoxListsItsRange)
{
    OpenWindow();
    Click(kTravelButton);
    auto* combo = qobject_cast<QComboBox*>(window->Control(kSubcategoryBox));
    ASSERT_EQ(combo->itemText(5), "Signs");
    combo->setCurrentIndex(5);
    emit combo->activated(5);
    EXPECT_EQ(window->PhraseList()->count(), 26);
    EXPECT_EQ(RowText(0), "Phrase 268");
    EXPECT_EQ(window->Book().translationText, u"Phrase 268 fr");
    EXPECT_EQ(window->Book().viewCode, 200);

    // The same category again starts over from "All".
    Click(kTravelButton);
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_EQ(window->PhraseList()->count(), 159);
}

TEST_F(WindowTest, CaptionModesShowTheirControls)
{
    OpenWindow();
    window->show();
    auto visible = [&](int id) { return window->Control(id)->isVisible(); };

    EXPECT_TRUE(visible(kSubcategoryBox));
    EXPECT_FALSE(visible(kKeywordBox));
    EXPECT_FALSE(visible(kExactMatchBox));
    EXPECT_FALSE(visible(kRunSearchButton));

    Click(kSearchModeButton);
    EXPECT_EQ(window->Book().captionMode, kSearchMode);
    EXPECT_EQ(window->Book().viewCode, 0);
    EXPECT_FALSE(visible(kSubcategoryBox));
    EXPECT_TRUE(visible(kKeywordBox));
    EXPECT_TRUE(visible(kExactMatchBox));
    EXPECT_TRUE(visible(kRunSearchButton));
    EXPECT_EQ(CaptionText(kFirstCaption), "Your key word:");
    EXPECT_EQ(CaptionText(kSecondCaption), "Your phrases:");
    EXPECT_EQ(window->PhraseList()->count(), 0);
    EXPECT_TRUE(window->Book().translationText.empty());
    EXPECT_EQ(TipOf(kRunSearchButton), "Search");

    Click(kFoodButton);
    EXPECT_TRUE(visible(kSubcategoryBox));
    EXPECT_FALSE(visible(kKeywordBox));
    EXPECT_FALSE(visible(kExactMatchBox));
    EXPECT_FALSE(visible(kRunSearchButton));
    EXPECT_EQ(CaptionText(kFirstCaption), "Sub category:");
    EXPECT_EQ(CaptionText(kSecondCaption), "");
}

TEST_F(WindowTest, FavouritesViewNeedsFavourites)
{
    OpenWindow();
    Click(kFavouritesViewButton);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].first, "No favorite phrase!");
    EXPECT_EQ(Boxes()[0].second, platform::DefaultCaption());
    EXPECT_EQ(window->Book().viewCode, 100);
    EXPECT_EQ(window->PhraseList()->count(), 169);
}

TEST_F(WindowTest, AChosenAlternativeShowsItsOwnPhrase)
{
    OpenWindow();
    CMyListBox* list = window->PhraseList();
    list->setCurrentRow(1);
    EXPECT_EQ(window->Book().selectedPhrase, 2);
    // The list rewrites the row to the chosen alternative and asks its owner
    // to show it.
    list->item(1)->setText("Phrase [four]");
    mainWindow->ShowSelectedPhrase();
    EXPECT_EQ(window->Book().selectedPhrase, 4);
    EXPECT_EQ(window->Book().translationText, u"Phrase 4 fr");
}
