#pragma once
// Views for running phrase operations where there is no window (the
// command-line tools, fuzzers and tests that only look up clips): the list
// holds nothing, the subcategory box selects nothing, the window does nothing.

#include "citem.h"
#include "windowviews.h"

class HeadlessRows : public PhraseListRows {
public:
    void ClearRows() override {}
    void AddPlainRow(const std::u16string&) override {}
    int AddPhraseItem(std::unique_ptr<CItem>) override { return -1; }
    int RowCount() const override { return 0; }
    int SelectedRow() const override { return -1; }
    std::u16string RowText(int) const override { return {}; }
    int TextWidth(const std::u16string&) const override { return 0; }
    void SetHorizontalExtent(int) override {}
};

class HeadlessSubcategories : public SubcategoryBox {
public:
    void Clear() override {}
    void SetEnabled(bool) override {}
    void InsertAt(int, const std::u16string&) override {}
    void Select(int) override {}
    int SelectedIndex() const override { return -1; }
};

class HeadlessWindow : public WindowHooks {
public:
    void RefreshControls() override {}
    void ReadControls() override {}
    void SelectFirstRow() override {}
};

// A player that takes no clip: searching loads none.
class HeadlessPlayer : public ClipPlayer {
public:
    void Close() override {}
    int Open(std::unique_ptr<std::uint8_t[]>&, std::uint32_t) override { return 0; }
    int Prepare(std::uint32_t, std::uint32_t) override { return 0; }
};
