// The English and French phrase files: opening them, loading ranges of English
// phrases into the text-to-number table, and showing the selected phrase.

#include "phrasebook.h"
#include "text.h"

#include <algorithm>

PhraseBook::PhraseBook(WindowViews views) : views(views) {}

PhraseBook::~PhraseBook() = default;

void PhraseBook::ShowMessage(std::u16string_view text, std::u16string_view caption)
{
    views.messages.ShowMessage(text, caption);
}

void PhraseBook::ShowFailureOnce(std::u16string_view text, std::u16string_view caption, std::u16string_view failure)
{
    if (shownFailures.insert(std::u16string(failure.empty() ? text : failure)).second)
        ShowMessage(text, caption);
}

void PhraseBook::MarkFailureShown(std::u16string_view text)
{
    shownFailures.insert(std::u16string(text));
}

void PhraseBook::OpenDataFiles()
{
    OpenPhraseFiles();
    favoriteFile = OpenFavourites();
    favoriteFileOpen = favoriteFile != nullptr;
}

void PhraseBook::OpenPhraseFiles()
{
    CloseDataFiles();
    englishFile = OpenFile("English.dat", "rb");
    frenchFile = OpenFile("French.dat", "rb");
    frenchOpenedFirst = true;
    if (!englishFile)
        englishFile = OpenFile("English.dat", "rb");
    if (!frenchFile) {
        // A French file that only opens at the second attempt is not trusted:
        // translations stay empty for the whole run.
        frenchOpenedFirst = false;
        frenchFile = OpenFile("French.dat", "rb");
    }
}

void PhraseBook::CloseDataFiles()
{
    englishFile.reset();
    frenchFile.reset();
    favoriteFile.reset();
    favoriteFileOpen = false;
}

void PhraseBook::StorePhraseId(const PhraseRecord& record)
{
    phraseIds[PhraseKey(record.text)] = DecimalText(record.phraseNumber);
}

std::optional<int> PhraseBook::PhraseNumberOf(const std::u16string& rowText) const
{
    const auto found = phraseIds.find(rowText);
    if (found == phraseIds.end())
        return std::nullopt;
    return ParseDecimal(found->second);
}

bool PhraseBook::LoadPhraseRange(int first, int last)
{
    if (!englishFile)
        return false;
    phraseIds.clear();
    if (captionMode == kBrowseMode)
        views.list.ClearRows();
    if (first >= 1 && std::fseek(englishFile.get(), long(first - 1) * long(PhraseRecord::kSize), SEEK_SET) == 0) {
        PhraseRecord record;
        for (int i = first - 1; i < last && ReadPhraseRecord(englishFile.get(), record); ++i)
            StorePhraseId(record);
    }
    if (captionMode == kBrowseMode)
        LoadMapRange(first, last);
    views.window.RefreshControls();
    return true;
}

void PhraseBook::LoadAllPhrases()
{
    phraseIds.clear();
    FilePtr file = OpenFile("English.dat", "rb");
    if (!file) {
        ShowFailureOnce(u"Can't read file");
        return;
    }
    PhraseRecord record;
    for (int i = 1; i <= kPhraseCount && ReadPhraseRecord(file.get(), record); ++i)
        StorePhraseId(record);
}

void PhraseBook::ShowPhrase()
{
    const int row = views.list.SelectedRow();
    if (views.list.RowCount() == 0 || row < 0) {
        ForgetSelectedPhrase();
        return;
    }
    // The selection buffer holds 59 units and a terminator; a longer row text
    // is cut, and then simply not found.
    const std::u16string rowText = views.list.RowText(row).substr(0, kSelectedTextUnits - 1);
    const std::optional<int> number = PhraseNumberOf(rowText);
    if (!number) {
        // Neither the translation nor the sound of the phrase shown before
        // may pass for this one.
        ForgetSelectedPhrase();
        selectedText = rowText;
        ShowFailureOnce(u"This phrase not found");
        return;
    }
    selectedText = rowText;
    selectedPhrase = *number;
    LoadPhraseClip(selectedPhrase);
    translation = ReadTranslation(selectedPhrase);
    translationText = DropLineEnd(DropByteOrderMark(translation.text));
}

void PhraseBook::ForgetSelectedPhrase()
{
    selectedText.clear();
    selectedPhrase = 0;
    translation = TranslationRecord{};
    translationText.clear();
    loadedPhrase = -1;
    views.player.Close();
}

TranslationRecord PhraseBook::ReadTranslation(int number)
{
    TranslationRecord record;
    if (number < 1 || !frenchOpenedFirst || !frenchFile)
        return record;
    std::uint8_t bytes[TranslationRecord::kSize];
    if (ReadAt(frenchFile.get(), long(number - 1) * long(TranslationRecord::kSize), bytes, sizeof bytes))
        record = TranslationRecord::Decode(bytes);
    return record;
}
