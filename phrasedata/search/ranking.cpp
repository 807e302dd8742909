#include "ranking.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace {

// A word in more than this share of the families is common: it ranks rows
// but never brings one on its own.
constexpr int kCommonShare = 20;
constexpr int kFewestCommonFamilies = 3;
// What a common word counts for, beside the rarity of the others.
constexpr double kCommonWeight = 0.05;
// The length of a row matched by more than its own words: such rows are not
// told apart by length.
constexpr int kUnmeasured = 1 << 20;

} // namespace

std::vector<int> RankPhrases(const std::vector<std::uint8_t>& kinds, std::size_t n, const std::vector<IndexedSlot>& phrases,
                             std::size_t familyCount)
{
    // How many families each word brings, by itself or a form of it, or else at all.
    std::vector<double> weight(n);
    std::vector<bool> common(n);
    bool allCommon = true;
    for (std::size_t i = 0; i < n; ++i) {
        std::vector<std::uint8_t> familyBest(familyCount, kNoMatch);
        for (std::size_t p = 0; p < phrases.size(); ++p) {
            std::uint8_t& best = familyBest[std::size_t(phrases[p].family)];
            best = std::min(best, kinds[p * n + i]);
        }
        const auto strong = std::count_if(familyBest.begin(), familyBest.end(), [](std::uint8_t k) { return k <= kWordForm; });
        const auto any = std::count_if(familyBest.begin(), familyBest.end(), [](std::uint8_t k) { return k != kNoMatch; });
        const double holding = double(strong > 0 ? strong : std::max<std::ptrdiff_t>(any, 1));
        common[i] = strong > std::max<std::ptrdiff_t>(kFewestCommonFamilies, std::ptrdiff_t(familyCount) / kCommonShare);
        const double rarity = std::log(1.0 + double(familyCount) / holding);
        weight[i] = common[i] ? kCommonWeight : rarity * rarity;
        allCommon = allCommon && common[i];
    }

    struct Candidate {
        int number;
        int family;
        double coverage;
        double cost;
        int length;
        int need;
    };
    // What orders rows, best first; rows equal in it keep the book's order.
    const auto order = [](const Candidate& c) { return std::tuple(-c.coverage, c.cost, c.length, -c.need); };
    const auto better = [&](const Candidate& a, const Candidate& b) {
        return order(a) != order(b) ? order(a) < order(b) : a.number < b.number;
    };
    std::vector<Candidate> bestOfFamily(familyCount, Candidate{0, -1, 0, 0, 0, 0});
    for (std::size_t p = 0; p < phrases.size(); ++p) {
        Candidate candidate{phrases[p].number, phrases[p].family, 0, 0, phrases[p].length, phrases[p].need};
        bool rare = false;
        for (std::size_t i = 0; i < n; ++i) {
            const std::uint8_t kind = kinds[p * n + i];
            if (kind == kNoMatch)
                continue;
            candidate.coverage += weight[i];
            candidate.cost += weight[i] * kind;
            if (kind > kWordForm)
                candidate.length = kUnmeasured;
            rare = rare || !common[i];
        }
        if (candidate.coverage == 0 || !(rare || allCommon))
            continue;
        Candidate& best = bestOfFamily[std::size_t(candidate.family)];
        if (best.family < 0 || better(candidate, best))
            best = candidate;
    }
    std::vector<Candidate> rows;
    for (const Candidate& candidate : bestOfFamily)
        if (candidate.family >= 0)
            rows.push_back(candidate);
    // Equal matches keep the book's order, that of the families' first phrases.
    std::sort(rows.begin(), rows.end(), [&](const Candidate& a, const Candidate& b) {
        return order(a) != order(b) ? order(a) < order(b) : a.family < b.family;
    });
    std::vector<int> numbers;
    for (const Candidate& row : rows)
        numbers.push_back(row.number);
    return numbers;
}

