#pragma once
// Stand-ins for the main window's views, recording what the phrase data asks of them.

#include "citem.h"
#include "phrasebook.h"
#include "tempdir.h"
#include "text.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

struct FakeRow {
    std::u16string text;
    std::unique_ptr<CItem> item;
};

class FakeList : public PhraseListRows {
public:
    void ClearRows() override
    {
        rows.clear();
        selected = -1;
        ++clears;
    }
    void AddPlainRow(const std::u16string& text) override { rows.push_back({text, nullptr}); }
    int AddPhraseItem(std::unique_ptr<CItem> item) override
    {
        std::u16string text = item->displayText;
        rows.push_back({std::move(text), std::move(item)});
        return int(rows.size()) - 1;
    }
    int RowCount() const override { return int(rows.size()); }
    int SelectedRow() const override { return selected; }
    std::u16string RowText(int row) const override { return rows.at(std::size_t(row)).text; }
    // One pixel per code unit keeps widths easy to predict.
    int TextWidth(const std::u16string& text) const override { return int(text.size()); }
    void SetHorizontalExtent(int pixels) override { extent = pixels; }

    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const FakeRow& row : rows)
            texts.push_back(Utf16ToUtf8(row.text));
        return texts;
    }

    std::vector<FakeRow> rows;
    int selected = -1;
    int extent = -1;
    int clears = 0;
};

class FakeSubcategories : public SubcategoryBox {
public:
    void Clear() override { names.clear(); selected = -1; }
    void SetEnabled(bool on) override { enabled = on; }
    void InsertAt(int index, const std::u16string& name) override
    {
        names.insert(names.begin() + index, Utf16ToUtf8(name));
    }
    void Select(int index) override { selected = index < int(names.size()) ? index : -1; }
    int SelectedIndex() const override { return selected; }

    std::vector<std::string> names;
    int selected = -1;
    bool enabled = false;
};

struct ShownMessage {
    std::string text;
    std::string caption;
    bool operator==(const ShownMessage&) const = default;
    friend void PrintTo(const ShownMessage& m, std::ostream* os) { *os << '"' << m.text << "\" / \"" << m.caption << '"'; }
};

class FakeMessages : public MessageBoxes {
public:
    void ShowMessage(std::u16string_view text, std::u16string_view caption) override
    {
        shown.push_back({Utf16ToUtf8(text), Utf16ToUtf8(caption)});
    }
    std::vector<ShownMessage> shown;
};

// SelectFirstRow behaves as the window's does: select row 0 and show it.
class FakeWindow : public WindowHooks {
public:
    void RefreshControls() override { ++refreshes; }
    void ReadControls() override
    {
        ++reads;
        if (book) {
            book->keywordText = keywordControl;
            book->exactMatch = exactMatchControl;
        }
    }
    void SelectFirstRow() override
    {
        ++firstRowSelections;
        if (list && list->RowCount() > 0 && book) {
            list->selected = 0;
            book->ShowPhrase();
        }
    }

    PhraseBook* book = nullptr;
    FakeList* list = nullptr;
    std::u16string keywordControl;
    bool exactMatchControl = false;
    int refreshes = 0;
    int reads = 0;
    int firstRowSelections = 0;
};

class FakePlayer : public ClipPlayer {
public:
    void Close() override { calls.push_back("Close"); }
    int Open(std::unique_ptr<std::uint8_t[]>& clip, std::uint32_t length) override
    {
        calls.push_back("Open");
        opened.assign(clip.get(), clip.get() + length);
        clip.reset();
        return 0;
    }
    int Prepare(std::uint32_t startMs, std::uint32_t endMs) override
    {
        calls.push_back("Prepare " + std::to_string(startMs) + " " + std::to_string(endMs));
        return 0;
    }
    std::vector<std::string> calls;
    std::vector<std::uint8_t> opened;
};

// A phrase book wired to fakes.
struct FakeWindowSet {
    FakeList list;
    FakeSubcategories subcategories;
    FakeMessages messages;
    FakeWindow window;
    FakePlayer player;
    PhraseBook book{WindowViews{list, subcategories, messages, window, player}};

    FakeWindowSet()
    {
        window.book = &book;
        window.list = &list;
    }
};

// A phrase book wired to fakes, in a fresh current directory of its own.
class PhraseBookTest : public ::testing::Test {
protected:
    ScopedTempDir dir;
    FakeWindowSet w;
    PhraseBook& book = w.book;
};
