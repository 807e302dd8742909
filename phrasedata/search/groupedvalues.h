#pragma once
// Values grouped by key, filled once while the word index is built, sealed,
// then only read. Each group's values sit side by side in one vector, so a
// key costs one hash node however many values it has; a hash map of vectors
// cost a vector per key, and those allocations made up most of the time it
// took to build the index.

#include <cstdint>
#include <span>
#include <unordered_map>
#include <utility>
#include <vector>

// Values in numbered groups, 0 to the number of groups less one.
template <typename Value>
class GroupedValues {
public:
    void Add(std::uint32_t group, Value value) { added.emplace_back(group, std::move(value)); }

    // Puts each group's values side by side, in the order they were added;
    // a value for which `repeats(previous, value)` holds, against the value
    // kept before it in its group, is dropped.
    template <typename Repeats>
    void Seal(std::uint32_t groupCount, Repeats repeats)
    {
        starts.assign(std::size_t(groupCount) + 1, 0);
        for (const auto& [group, value] : added)
            ++starts[group + 1];
        for (std::size_t group = 1; group < starts.size(); ++group)
            starts[group] += starts[group - 1];
        std::vector<std::uint32_t> ends(starts.begin(), starts.end() - 1);
        values.resize(added.size());
        for (auto& [group, value] : added)
            values[ends[group]++] = std::move(value);
        added = {};
        // Each group's kept values move down to close the gaps the dropped ones leave.
        std::uint32_t kept = 0;
        for (std::uint32_t group = 0; group < groupCount; ++group) {
            const std::uint32_t first = kept;
            for (std::uint32_t at = starts[group]; at < ends[group]; ++at) {
                if (kept > first && repeats(values[kept - 1], values[at]))
                    continue;
                // A string moved onto itself would be left empty.
                if (kept != at)
                    values[kept] = std::move(values[at]);
                ++kept;
            }
            starts[group] = first;
        }
        starts[groupCount] = kept;
        values.resize(kept);
    }
    void Seal(std::uint32_t groupCount)
    {
        Seal(groupCount, [](const Value&, const Value&) { return false; });
    }

    std::span<const Value> Of(std::uint32_t group) const
    {
        if (std::size_t(group) + 1 >= starts.size())
            return {};
        return {values.data() + starts[group], values.data() + starts[group + 1]};
    }

private:
    std::vector<std::pair<std::uint32_t, Value>> added;   // until sealed
    std::vector<std::uint32_t> starts;                    // where each group begins in `values`
    std::vector<Value> values;
};

// Values grouped by a key that a hash map finds.
template <typename Key, typename Value>
class KeyedGroups {
public:
    void Reserve(std::size_t keyCount) { groups.reserve(keyCount); }
    void Add(const Key& key, Value value)
    {
        const auto [it, added] = groups.try_emplace(key, std::uint32_t(groups.size()));
        values.Add(it->second, std::move(value));
    }
    void Seal() { values.Seal(std::uint32_t(groups.size())); }

    // The values under `key`, the groups sealed.
    std::span<const Value> Find(const Key& key) const
    {
        const auto found = groups.find(key);
        return found == groups.end() ? std::span<const Value>() : values.Of(found->second);
    }

private:
    std::unordered_map<Key, std::uint32_t> groups;
    GroupedValues<Value> values;
};
