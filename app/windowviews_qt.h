#pragma once
// The phrase data's views of the main window, over its Qt controls.

#include "windowviews.h"

class QComboBox;

// The subcategory drop-down list.
class ComboSubcategoryBox : public SubcategoryBox {
public:
    explicit ComboSubcategoryBox(QComboBox* combo) : combo(combo) {}
    void Clear() override;
    void SetEnabled(bool enabled) override;
    void InsertAt(int index, const std::u16string& name) override;
    void Select(int index) override;
    int SelectedIndex() const override;

private:
    QComboBox* combo;
};

// Message boxes through the platform layer, so tests can record them.
class PlatformMessageBoxes : public MessageBoxes {
public:
    void ShowMessage(std::u16string_view text, std::u16string_view caption) override;
};

// The views the main window gives its phrase data, besides its list and itself.
struct MainWindowViews {
    explicit MainWindowViews(QComboBox* combo) : subcategories(combo) {}
    ComboSubcategoryBox subcategories;
    PlatformMessageBoxes messages;
};
