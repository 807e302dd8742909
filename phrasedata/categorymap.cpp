// Browsing by category: the subcategory box and the rows of the category map.

#include "categories.h"
#include "citem.h"
#include "codepage.h"
#include "phrasebook.h"

#include <algorithm>
#include <memory>

void PhraseBook::FillSubcategories()
{
    SubcategoryBox& box = views.subcategories;
    box.SetEnabled(true);
    box.Clear();
    favoriteButtonAdds = true;
    if (viewCode / 100 == kFavouritesCode / 100) {
        box.InsertAt(0, u"All");
        box.SetEnabled(false);
        favoriteButtonAdds = false;
    } else if (const Category* category = CategoryOf(viewCode)) {
        int index = 0;
        for (const Subcategory& sub : category->subcategories)
            box.InsertAt(index++, std::u16string(sub.name));
    }
    box.Select(viewCode % 100);
}

void PhraseBook::ShowSubcategory()
{
    favoriteButtonAdds = true;
    const int code = viewCode + views.subcategories.SelectedIndex();
    if (const std::optional<PhraseRange> range = RangeOfCode(code)) {
        LoadPhraseRange(range->first, range->last);
    } else if (code == kFavouritesCode) {
        ListFavourites();
        views.window.RefreshControls();
    }
    FitListWidth();
    views.window.SelectFirstRow();
}

void PhraseBook::LoadMapRange(int first, int last)
{
    FilePtr file = OpenFile("MapEngSpec.data", "rb");
    if (!file) {
        ShowFailureOnce(u"Can't read Map file");
        return;
    }
    views.list.ClearRows();
    if (first < 1 || std::fseek(file.get(), long(first - 1) * long(MapRecord::kSize), SEEK_SET) != 0)
        return;
    MapRecord record;
    for (int i = first; i <= last && ReadMapRecord(file.get(), record); ++i) {
        views.list.AddPhraseItem(std::make_unique<CItem>(Windows1252ToUtf16(record.text)));
        // The records a family's first record stands for are never rows of their own.
        MapRecord covered;
        for (int k = 1; k < record.variantCount && ReadMapRecord(file.get(), covered); ++k)
            ++i;
    }
}

void PhraseBook::FitListWidth()
{
    int widest = 0;
    for (int row = 0; row < views.list.RowCount(); ++row)
        widest = std::max(widest, views.list.TextWidth(views.list.RowText(row)));
    views.list.SetHorizontalExtent(widest + 10);
}
