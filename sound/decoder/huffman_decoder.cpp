// Layer III Huffman decoding through multi-level look-up tables built from
// the standard's code words: a level peeks a fixed number of bits and either
// finds the pair (and how many bits it took) or the next level to look in.

#include "bit_reader.h"
#include "huffman_codes.h"
#include "layer3.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace {

// Entry: a leaf holds kLeaf | length << 8 | x << 4 | y, where length is the
// number of bits the leaf consumes at its level; a link holds the index of
// the next level and the number of bits that level peeks.
constexpr uint32_t kLeaf = 0x80000000u;
constexpr int kRootBits = 8;

struct Code {
    uint32_t word;
    int length;
    int symbol; // x << 4 | y, or the count1 quadruple
};

struct LookupTable {
    std::vector<uint32_t> entries;
    int rootBits = 0;
    int linbits = 0;
    bool codesNothing = true;
};

LookupTable bigValueTables[32];
LookupTable count1TableA;

uint32_t Link(uint32_t index, int bits) { return index << 5 | uint32_t(bits); }

// Fills the level at `base` (peeking `bits`) with the codes, all of which
// share the `consumed` bits already taken by the levels above.
void FillLevel(std::vector<uint32_t>& entries, size_t base, int bits, const std::vector<Code>& codes, int consumed)
{
    std::vector<std::vector<Code>> deeper(size_t(1) << bits);
    for (const Code& code : codes) {
        const int remaining = code.length - consumed;
        const uint32_t tail = code.word & ((1u << remaining) - 1);
        if (remaining <= bits) {
            const uint32_t first = tail << (bits - remaining);
            for (uint32_t i = 0; i < (1u << (bits - remaining)); ++i)
                entries[base + first + i] = kLeaf | uint32_t(remaining) << 8 | uint32_t(code.symbol);
        } else {
            deeper[tail >> (remaining - bits)].push_back(code);
        }
    }
    for (size_t prefix = 0; prefix < deeper.size(); ++prefix) {
        if (deeper[prefix].empty())
            continue;
        int longest = 0;
        for (const Code& code : deeper[prefix])
            longest = std::max(longest, code.length - consumed - bits);
        const size_t next = entries.size();
        entries.resize(next + (size_t(1) << longest), kLeaf); // gaps decode as (0,0), 0 bits
        entries[base + prefix] = Link(uint32_t(next), longest);
        FillLevel(entries, next, longest, deeper[prefix], consumed + bits);
    }
}

LookupTable Build(const std::vector<Code>& codes, int linbits)
{
    LookupTable table;
    table.linbits = linbits;
    table.codesNothing = codes.empty();
    if (codes.empty())
        return table;
    int longest = 0;
    for (const Code& code : codes)
        longest = std::max(longest, code.length);
    table.rootBits = std::min(longest, kRootBits);
    table.entries.assign(size_t(1) << table.rootBits, kLeaf);
    FillLevel(table.entries, 0, table.rootBits, codes, 0);
    return table;
}

// Walks the levels; the reader holds at least 57 bits, enough for any code.
inline uint32_t Lookup(BitReader& reader, const LookupTable& table)
{
    const uint32_t* entries = table.entries.data();
    int bits = table.rootBits;
    uint32_t entry = entries[reader.Peek(bits)];
    while (!(entry & kLeaf)) {
        reader.Drop(bits);
        bits = int(entry & 31);
        entry = table.entries[(entry >> 5) + reader.Peek(bits)];
    }
    reader.Drop(int((entry >> 8) & 31));
    return entry & 0xFF;
}

} // namespace

void BuildHuffmanDecoders()
{
    for (int t = 0; t < 32; ++t) {
        const HuffmanCodeTable& source = BigValuesCodeTable(t);
        std::vector<Code> codes;
        for (int x = 0; x < source.size; ++x)
            for (int y = 0; y < source.size; ++y) {
                const int i = x * source.size + y;
                codes.push_back({source.codes[i], source.lengths[i], x << 4 | y});
            }
        bigValueTables[t] = Build(codes, source.linbits);
    }
    std::vector<Code> quadruples;
    for (int i = 0; i < 16; ++i)
        quadruples.push_back({kCount1CodesA[i], kCount1LengthsA[i], i});
    count1TableA = Build(quadruples, 0);
}

void DecodeBigValues(BitReader& reader, int tableNumber, int* values, int from, int to)
{
    const LookupTable& table = bigValueTables[tableNumber & 31];
    if (table.codesNothing) {
        for (int i = from; i < to; ++i)
            values[i] = 0;
        return;
    }
    const int linbits = table.linbits;
    for (int i = from; i < to; i += 2) {
        reader.Refill();
        const uint32_t pair = Lookup(reader, table);
        int x = int(pair >> 4);
        int y = int(pair & 15);
        // At most 13 + 1 + 13 + 1 bits follow the code word: refill once.
        reader.Refill();
        if (x == 15 && linbits)
            x += int(reader.Get(linbits));
        if (x && reader.Get(1))
            x = -x;
        if (y == 15 && linbits)
            y += int(reader.Get(linbits));
        if (y && reader.Get(1))
            y = -y;
        values[i] = x;
        values[i + 1] = y;
    }
}

int DecodeCount1(BitReader& reader, int table, int* values, int from, int lineEnd, int64_t bitEnd)
{
    int i = from;
    while (i < lineEnd && reader.BitsRead() < bitEnd) {
        reader.Refill();
        uint32_t quadruple;
        if (table == 0)
            quadruple = Lookup(reader, count1TableA);
        else
            quadruple = reader.Get(4) ^ 15;
        int v[4] = {int(quadruple >> 3) & 1, int(quadruple >> 2) & 1, int(quadruple >> 1) & 1, int(quadruple) & 1};
        for (int k = 0; k < 4; ++k)
            if (v[k] && reader.Get(1))
                v[k] = -v[k];
        if (reader.BitsRead() > bitEnd) // the last quadruple ran past the channel's bits
            break;
        for (int k = 0; k < 4; ++k)
            values[i + k] = v[k];
        i += 4;
    }
    return i;
}
