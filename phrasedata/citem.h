#pragma once
// One row of the phrase list, made from a category-map text.

#include <string>

// A map text may offer alternatives for a word as a group "[first|second|...]".
// rawText keeps the text as stored, groups included; displayText shows each
// group by its first alternative, brackets kept: "Do you have [a map|a guide]?"
// is displayed as "Do you have [a map]?".
class CItem {
public:
    explicit CItem(std::u16string text);
    virtual ~CItem() = default;

    std::u16string rawText;
    std::u16string displayText;
};
