#pragma once
// The phrase data of the main window over the committed data files, with
// fakes for its views: the content tests drive the same operations the
// window runs (LoadPhraseRange, ShowPhrase, SearchPhrases, ...) and read
// what the user would see.

#include "citem.h"
#include "phrasebook.h"
#include "tempdir.h"

#include <memory>
#include <string>
#include <vector>

class FakePhraseList : public PhraseListRows {
public:
    struct Row {
        std::u16string text;
        std::unique_ptr<CItem> item;
    };

    void ClearRows() override;
    void AddPlainRow(const std::u16string& text) override;
    int AddPhraseItem(std::unique_ptr<CItem> item) override;
    int RowCount() const override { return int(rows.size()); }
    int SelectedRow() const override { return selected; }
    std::u16string RowText(int row) const override { return rows.at(std::size_t(row)).text; }
    int TextWidth(const std::u16string& text) const override { return int(text.size()) * 7; }
    void SetHorizontalExtent(int) override {}

    void Select(int row) { selected = row; }
    // What the list does when the user picks another alternative in a row.
    void SetRowText(int row, std::u16string text) { rows.at(std::size_t(row)).text = std::move(text); }
    const CItem* ItemAt(int row) const { return rows.at(std::size_t(row)).item.get(); }

private:
    std::vector<Row> rows;
    int selected = -1;
};

class FakeSubcategoryBox : public SubcategoryBox {
public:
    void Clear() override {}
    void SetEnabled(bool) override {}
    void InsertAt(int, const std::u16string&) override {}
    void Select(int index) override { selected = index; }
    int SelectedIndex() const override { return selected; }

private:
    int selected = -1;
};

class RecordedMessages : public MessageBoxes {
public:
    void ShowMessage(std::u16string_view text, std::u16string_view) override { shown.emplace_back(text); }
    std::vector<std::u16string> shown;
};

// The window's controls as the phrase operations read them: the keyword box
// and the exact-match check box.
class FakeWindowHooks : public WindowHooks {
public:
    void RefreshControls() override {}
    void ReadControls() override;
    void SelectFirstRow() override {}

    PhraseBook* book = nullptr;
    std::u16string keyword;
    bool exactMatch = false;
};

// Keeps the last clip handed over, as the player would.
class RecordingClipPlayer : public ClipPlayer {
public:
    void Close() override {}
    int Open(std::unique_ptr<std::uint8_t[]>& clip, std::uint32_t length) override;
    int Prepare(std::uint32_t, std::uint32_t) override { return 0; }

    std::vector<std::uint8_t> lastClip;
};

// A fresh current directory that links to the committed data files (the
// window opens them there, and makes its own favourites file there).
class ContentWindow {
public:
    // Clips go to `clipPlayer` when one is given, else to `player`.
    explicit ContentWindow(ClipPlayer* clipPlayer = nullptr);

    // Selects a row and shows it; the phrase number the window found.
    int ShowRow(int row);

    ScopedTempDir dir;
    FakePhraseList list;
    FakeSubcategoryBox subcategories;
    RecordedMessages messages;
    FakeWindowHooks hooks;
    RecordingClipPlayer player;
    PhraseBook book;
};
