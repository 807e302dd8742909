#include "tree.h"

#include "cfile.h"
#include "records.h"

unsigned testMapNodeCounter = 0;

void LoadTestMap(std::unique_ptr<MapNode>& head, MapNode*& tail, unsigned first, unsigned end)
{
    testMapNodeCounter = first;
    FilePtr file = OpenFile("My Documents/Test/map.txt", "rb");
    if (!file)
        return;
    if (first != 0 && std::fseek(file.get(), long(first) * long(MapNode::kRecordSize), SEEK_SET) != 0)
        return;
    std::uint8_t bytes[MapNode::kRecordSize];
    for (unsigned record = first; record < end; ++record) {
        if (std::fread(bytes, 1, sizeof bytes, file.get()) != sizeof bytes)
            return;
        auto node = std::make_unique<MapNode>();
        for (std::size_t k = 0; k < node->texts.size(); ++k)
            node->texts[k] = DecodeText16(bytes + k * 2 * MapNode::kTextUnits, MapNode::kTextUnits);
        node->id = int(testMapNodeCounter++);
        MapNode* added = node.get();
        if (tail != nullptr)
            tail->next = std::move(node);
        else
            head = std::move(node);
        tail = added;
    }
}
