// The commands that act on phrases: play, keyword search, related phrases,
// and adding or removing a favourite.

#include "captionmodes.h"
#include "hoverbutton.h"
#include "keywordcompleter.h"
#include "mylistbox.h"
#include "soundplayer.h"
#include "tessalydlg.h"
#include "text.h"
#include "windowviews_qt.h"

#include <QLineEdit>
#include <QShortcut>

void CTessalyDlg::PlaySelectedPhrase()
{
    if (!phraseShown || phraseList->count() == 0)
        return;
    player->Stop();
    player->Play();
    // Back to the list, so that the arrows go on browsing.
    phraseList->setFocus();
}

void CTessalyDlg::PlaySelectedPhraseSlowly()
{
    if (!phraseShown || phraseList->count() == 0)
        return;
    player->Stop();
    player->PlaySlowly();
}

void CTessalyDlg::BindSlowPlayKeys()
{
    // Shift with a play key, in the phrase list. A shortcut is matched before
    // the list sees the key, so the plain key's own meaning never runs too.
    for (const QKeyCombination keys :
         {Qt::SHIFT | Qt::Key_Return, Qt::SHIFT | Qt::Key_Enter, Qt::SHIFT | Qt::Key_Space}) {
        auto* shortcut = new QShortcut(QKeySequence(keys), phraseList, nullptr, nullptr, Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this, &CTessalyDlg::PlaySelectedPhraseSlowly);
    }
}

void CTessalyDlg::EnterSearchMode()
{
    keywordEdit->setEnabled(true);
    book->captionMode = kSearchMode;
    book->viewCode = 0;
    UpdateCaptions();
    book->favoriteButtonAdds = true;
    SetFavouriteTip(QStringLiteral("Add to Favorite"));
    Button(resources::kRunSearchButton)->SetTipText(QStringLiteral("Search"), true);
    update(translationArea);
    // The book's words are offered once the index is built, here rather than
    // at start, where no search may ever be made.
    if (!keywordEdit->completer())
        new KeywordCompleter(book->SearchIndex().BookWords(), keywordEdit);
    // The first key the user types goes into the keyword.
    keywordEdit->setFocus(Qt::OtherFocusReason);
}

void CTessalyDlg::RunSearch()
{
    if (book->captionMode != kSearchMode)
        return;
    book->LoadAllPhrases();
    book->SearchPhrases();
    SelectFirstRow();
    RefreshControls();
    // Nothing found: once the message has closed, the next word typed
    // replaces the keyword rather than joining it.
    if (phraseList->count() == 0 && !book->keywordText.empty()) {
        keywordEdit->setFocus(Qt::OtherFocusReason);
        keywordEdit->selectAll();
    }
}

void CTessalyDlg::RunSearchIfDirty()
{
    if (searchDirty)
        RunSearch();
    searchDirty = false;
}

void CTessalyDlg::ShowRelatedPhrases()
{
    book->favoriteButtonAdds = true;
    SetFavouriteTip(QStringLiteral("Add to Favorite"));
    RefreshControls();
    keywordEdit->setEnabled(false);
    if (book->loadedPhrase < 1)
        return;
    const std::u16string shown = book->selectedText;
    if (!book->FindRelatedPhrases()) {
        if (book->relatedTableUnreadable)
            book->ShowFailureOnce(u"No related phrase(s) found!", kDefaultCaption);
        else
            views->messages.ShowMessage(u"No related phrase(s) found!", kDefaultCaption);
        return;
    }
    book->viewCode = 0;
    book->keywordText = StripBrackets(shown);
    book->loadedPhrase = -1;
    book->captionMode = kRelatedMode;
    UpdateCaptions();
    RefreshControls();
    SelectFirstRow();
}

void CTessalyDlg::ToggleFavorite()
{
    if (phraseList->count() == 0)
        return;
    if (book->favoriteButtonAdds) {
        if (book->AddFavourite())
            views->messages.ShowMessage(u"One item has just added to your favorite category", kProgramCaption);
        return;
    }
    if (!book->RemoveFavourite())
        return;
    views->messages.ShowMessage(u"One item has just removed from your favorite category", kProgramCaption);
    ClearPhraseList();
    if (book->favoriteCount == 1) {
        book->translationText.clear();
        RefreshControls();
        update(translationArea);
    } else {
        book->ListFavourites();
    }
}
