#include "contentwindow.h"

#include "contentdata.h"

#include <algorithm>
#include <filesystem>

void FakePhraseList::ClearRows()
{
    rows.clear();
    selected = -1;
}

void FakePhraseList::AddPlainRow(const std::u16string& text)
{
    rows.push_back({text, nullptr});
}

int FakePhraseList::AddPhraseItem(std::unique_ptr<CItem> item)
{
    std::u16string text = item->displayText;
    rows.push_back({std::move(text), std::move(item)});
    return int(rows.size()) - 1;
}

void FakeWindowHooks::ReadControls()
{
    book->keywordText = keyword;
    book->exactMatch = exactMatch;
}

int RecordingClipPlayer::Open(std::unique_ptr<std::uint8_t[]>& clip, std::uint32_t length)
{
    lastClip.assign(clip.get(), clip.get() + length);
    clip.reset();
    return 0;
}

ContentWindow::ContentWindow(ClipPlayer* clipPlayer)
    : book(WindowViews{list, subcategories, messages, hooks, clipPlayer ? *clipPlayer : player})
{
    for (const char* name : {"English.dat", "French.dat", "MapEngSpec.data", "Relate.dat", "data.idx", "data.dat"})
        std::filesystem::create_symlink(DataPath(name), name);
    hooks.book = &book;
    book.OpenDataFiles();
}

int ContentWindow::ShowRow(int row)
{
    list.Select(row);
    book.ShowPhrase();
    return book.selectedPhrase;
}
