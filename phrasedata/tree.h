#pragma once
// The test-map loader: reads 600-byte records (three UTF-16 texts of 100 code
// units) of "My Documents/Test/map.txt" into a singly linked list.

#include <array>
#include <memory>
#include <string>

struct MapNode {
    static constexpr std::size_t kTextUnits = 100;
    static constexpr std::size_t kRecordSize = 3 * 2 * kTextUnits;

    std::array<std::u16string, 3> texts;
    int id = 0;
    std::unique_ptr<MapNode> next;
};

// Numbers the nodes as they are made; set to `first` by each load.
extern unsigned testMapNodeCounter;

// Appends records first .. end - 1 to the list whose first node is `head` and
// last node `tail` (both empty for an empty list). A missing file leaves the
// list unchanged; reading stops at the last whole record.
void LoadTestMap(std::unique_ptr<MapNode>& head, MapNode*& tail, unsigned first, unsigned end);
