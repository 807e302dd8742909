// Views and navigation: categories, favourites, the caption modes, and
// showing the selected phrase.

#include "captionmodes.h"
#include "categories.h"
#include "hoverbutton.h"
#include "mylistbox.h"
#include "tessalydlg.h"
#include "windowviews_qt.h"

#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>

namespace {

// The caption area, in window pixels: the captions and the input controls.
const QRect kCaptionArea(QPoint(120, 80), QPoint(499, 209));

} // namespace

void CTessalyDlg::SelectCategory(int code)
{
    book->viewCode = code;
    SwitchView();
}

void CTessalyDlg::ShowFavorites()
{
    if (!book->EnsureFavouritesOpen()) {
        views->messages.ShowMessage(u"No favorite phrase!", kDefaultCaption);
        return;
    }
    const long length = FileSize(book->favoriteFile.get());
    if (length > 0) {
        book->viewCode = kFavouritesCode;
        SwitchView();
    } else {
        views->messages.ShowMessage(u"No favorite phrase!", kDefaultCaption);
    }
}

void CTessalyDlg::SwitchView()
{
    book->captionMode = kBrowseMode;
    UpdateCaptions();
    book->FillSubcategories();
    book->ShowSubcategory();
    SetFavouriteTip(book->viewCode == kFavouritesCode ? QStringLiteral("Remove from Favorite")
                                                      : QStringLiteral("Add to Favorite"));
    RepaintCaptionArea();
}

void CTessalyDlg::UpdateCaptions()
{
    for (const CaptionModeRow& row : kCaptionModes) {
        if (row.mode != book->captionMode)
            continue;
        for (int id : row.hidden)
            if (id != 0)
                Control(id)->hide();
        for (int id : row.shown)
            if (id != 0)
                Control(id)->show();
        Control(resources::kFirstCaption)->setProperty("text", QString::fromUtf16(row.firstCaption));
        Control(resources::kSecondCaption)->setProperty("text", QString::fromUtf16(row.secondCaption));
        // An empty caption shows nothing; hidden, it is no nameless stop for a screen reader.
        Control(resources::kSecondCaption)->setVisible(*row.secondCaption != u'\0');
        if (row.emptiesList)
            ClearPhraseList();
    }
    DescribeControls();
    RepaintCaptionArea();
}

void CTessalyDlg::RepaintCaptionArea()
{
    update(kCaptionArea);
}

void CTessalyDlg::SelectFirstRow()
{
    if (phraseList->count() == 0) {
        // An empty result shows nothing, says nothing and plays nothing.
        book->ForgetSelectedPhrase();
        RefreshControls();
        update(translationArea);
        return;
    }
    // The subcategory box keeps the keyboard while the arrows walk through
    // it; the list follows what it shows.
    if (!subcategoryCombo->hasFocus())
        phraseList->setFocus();
    // Selecting row 0 when it is already selected reports no change, so the
    // phrase is shown here in every case, once.
    const QSignalBlocker quiet(phraseList);
    phraseList->setCurrentRow(0);
    // The new rows start from the top left, wherever the old ones were scrolled.
    phraseList->horizontalScrollBar()->setValue(0);
    phraseList->scrollToTop();
    ShowSelectedPhrase();
}

void CTessalyDlg::ClearPhraseList()
{
    phraseList->ClearRows();
    book->keywordText.clear();
    book->ForgetSelectedPhrase();
    RefreshControls();
}

void CTessalyDlg::ShowSelectedPhrase()
{
    phraseShown = true;
    book->ShowPhrase();
    RefreshControls();
    update(translationArea);
}

void CTessalyDlg::SetFavouriteTip(const QString& text)
{
    Button(resources::kFavouriteToggleButton)->SetTipText(text, true);
}

void CTessalyDlg::FocusPhraseList()
{
    // Never while the user types a keyword.
    if (!keywordEdit->hasFocus())
        phraseList->setFocus();
}
