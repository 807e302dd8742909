#pragma once
// The small views of the main window that the phrase operations reach.
// The window implements them with its controls; tests implement them with fakes.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class CItem;

// The phrase list's rows.
class PhraseListRows {
public:
    virtual ~PhraseListRows() = default;
    virtual void ClearRows() = 0;
    // A row without an item (related phrases, favourites).
    virtual void AddPlainRow(const std::u16string& text) = 0;
    // A row showing item->displayText, owning the item; returns the row's index.
    virtual int AddPhraseItem(std::unique_ptr<CItem> item) = 0;
    virtual int RowCount() const = 0;
    // The selected row's index, or -1 when no row is selected.
    virtual int SelectedRow() const = 0;
    virtual std::u16string RowText(int row) const = 0;
    // Width in pixels of a text drawn in the list's font.
    virtual int TextWidth(const std::u16string& text) const = 0;
    virtual void SetHorizontalExtent(int pixels) = 0;
};

// The subcategory drop-down list.
class SubcategoryBox {
public:
    virtual ~SubcategoryBox() = default;
    virtual void Clear() = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual void InsertAt(int index, const std::u16string& name) = 0;
    virtual void Select(int index) = 0;
    // The selected entry's index, or -1 when none is selected.
    virtual int SelectedIndex() const = 0;
};

// Modal message boxes with one OK button.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // An empty caption means the program's default title (its executable's name).
    virtual void ShowMessage(std::u16string_view text, std::u16string_view caption) = 0;
};

// What the phrase operations ask of the window itself.
class WindowHooks {
public:
    virtual ~WindowHooks() = default;
    // Writes the bound fields (translation, keyword, exact match) into their controls.
    virtual void RefreshControls() = 0;
    // Reads the bound fields back from their controls.
    virtual void ReadControls() = 0;
    // Selects row 0, when there is one, and shows its phrase.
    virtual void SelectFirstRow() = 0;
};

// The pronunciation player, as the sound-archive lookup uses it.
class ClipPlayer {
public:
    virtual ~ClipPlayer() = default;
    virtual void Close() = 0;
    // Takes the clip (resetting `clip`) when it opens it; returns 0, or 3 when
    // the PCM block could not be allocated.
    virtual int Open(std::unique_ptr<std::uint8_t[]>& clip, std::uint32_t length) = 0;
    virtual int Prepare(std::uint32_t startMs, std::uint32_t endMs) = 0;
};
