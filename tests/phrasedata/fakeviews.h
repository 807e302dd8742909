#pragma once
// Stand-ins for the main window's views, recording what the phrase data asks of them.

#include "citem.h"
#include "phrasebook.h"
#include "text.h"

#include <memory>
#include <ostream>
#include <string>
#include <vector>

using Texts = std::vector<std::string>;

struct FakeRow { std::u16string text; std::unique_ptr<CItem> item; };

class FakeList : public PhraseListRows {
public:
    void ClearRows() override { rows.clear(); selected = -1; }
    void AddPlainRow(const std::u16string& text) override { rows.push_back({text, nullptr}); }
    int AddPhraseItem(std::unique_ptr<CItem> item) override
    {
        rows.push_back({item->displayText, std::move(item)});   // the text is copied before the item moves
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
};

class FakeSubcategories : public SubcategoryBox {
public:
    void Clear() override { names.clear(); selected = -1; }
    void SetEnabled(bool) override {}
    void InsertAt(int at, const std::u16string& name) override { names.insert(names.begin() + at, Utf16ToUtf8(name)); }
    void Select(int index) override { selected = index < int(names.size()) ? index : -1; }
    int SelectedIndex() const override { return selected; }

    Texts names;
    int selected = -1;
};

struct ShownMessage {
    std::string text;
    std::string caption = "Lexavant_French";
    bool operator==(const ShownMessage&) const = default;
    friend void PrintTo(const ShownMessage& m, std::ostream* os) { *os << m.text << " / " << m.caption; }
};
using Shown = std::vector<ShownMessage>;

class FakeMessages : public MessageBoxes {
public:
    void ShowMessage(std::u16string_view text, std::u16string_view caption) override
    {
        shown.push_back({Utf16ToUtf8(text), Utf16ToUtf8(caption)});
    }
    Shown shown;
};

// ReadControls hands the controls to the book; SelectFirstRow selects row 0 and shows it, as the window's do.
class FakeWindow : public WindowHooks {
public:
    void RefreshControls() override {}
    void ReadControls() override
    {
        book->keywordText = keywordControl;
        book->exactMatch = exactMatchControl;
    }
    void SelectFirstRow() override
    {
        if (list && list->RowCount() > 0) {
            list->selected = 0;
            book->ShowPhrase();
        }
    }

    PhraseBook* book = nullptr;
    FakeList* list = nullptr;
    std::u16string keywordControl;
    bool exactMatchControl = false;
};

class FakePlayer : public ClipPlayer {
public:
    void Close() override { ++closes; }
    int Open(std::unique_ptr<std::uint8_t[]>& clip, std::uint32_t length) override
    {
        ++opens;
        opened.assign(clip.get(), clip.get() + length);
        return 0;
    }
    int Prepare(std::uint32_t, std::uint32_t) override { return 0; }

    int opens = 0;
    int closes = 0;
    std::vector<std::uint8_t> opened;
};

// A phrase book wired to fakes; its clips go to `clips` when one is given, else to `player`.
struct FakeWindowSet {
    explicit FakeWindowSet(ClipPlayer* clips = nullptr) : clips(clips) { window.book = &book; window.list = &list; }
    // Types `keyword` in the keyword box and searches; the window's command also loads all phrases first.
    void Search(const std::u16string& keyword, bool exact = false)
    {
        window.keywordControl = keyword;
        window.exactMatchControl = exact;
        book.SearchPhrases();
    }

    FakeList list;
    FakeSubcategories subcategories;
    FakeMessages messages;
    FakeWindow window;
    FakePlayer player;
    ClipPlayer* clips;
    PhraseBook book{WindowViews{list, subcategories, messages, window, clips ? *clips : player}};
};
