#include "make_phrasebook_group.h"

std::string AlternativeGroup::WithAlternative(std::size_t index) const
{
    return before + "[" + alternatives.at(index) + "]" + after;
}

std::optional<AlternativeGroup> FindGroup(std::string_view text, std::string& fault)
{
    fault.clear();
    const std::size_t open = text.find('[');
    const std::size_t close = text.find(']');
    if (open == std::string_view::npos && close == std::string_view::npos) {
        if (text.find('|') != std::string_view::npos)
            fault = "a \"|\" outside brackets";
        return std::nullopt;
    }
    if (open == std::string_view::npos || close == std::string_view::npos || close < open) {
        fault = "unmatched bracket";
        return std::nullopt;
    }
    const std::string_view inside = text.substr(open + 1, close - open - 1);
    const std::string_view rest = text.substr(close + 1);
    if (inside.find('[') != std::string_view::npos || rest.find_first_of("[]") != std::string_view::npos) {
        fault = "more than one bracket group (a family varies in one place)";
        return std::nullopt;
    }
    if (text.substr(0, open).find('|') != std::string_view::npos || rest.find('|') != std::string_view::npos) {
        fault = "a \"|\" outside brackets";
        return std::nullopt;
    }

    AlternativeGroup group{std::string(text.substr(0, open)), {}, std::string(rest)};
    std::size_t start = 0;
    while (true) {
        const std::size_t bar = inside.find('|', start);
        const std::string_view alternative = inside.substr(start, bar - start);
        if (alternative.empty() || alternative.front() == ' ' || alternative.back() == ' ') {
            fault = "an empty alternative, or one with spaces at its ends, in \"[" + std::string(inside) + "]\"";
            return std::nullopt;
        }
        group.alternatives.emplace_back(alternative);
        if (bar == std::string_view::npos)
            break;
        start = bar + 1;
    }
    return group;
}
