#pragma once
// The alternative group of an English text: "Today is [Monday|Tuesday]." holds
// the group [Monday|Tuesday] between "Today is " and ".". A family's first
// phrase carries the whole group; each member carries its own alternative
// alone in brackets, which is the text the phrase list shows after a choice.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct AlternativeGroup {
    std::string before;
    std::vector<std::string> alternatives;   // at least one
    std::string after;

    // The text with the group replaced by alternative `index` in brackets.
    std::string WithAlternative(std::size_t index) const;
};

// The text's group, or nothing when it has no brackets. A malformed group
// (nested, unclosed, a second group, an empty alternative, a bar outside the
// brackets) gives nothing and a description in `fault`.
std::optional<AlternativeGroup> FindGroup(std::string_view text, std::string& fault);
