// Layer III Huffman decoding through multi-level look-up tables built from
// the standard's code words: a level peeks a fixed number of bits and either
// finds the pair (and how many bits it took) or the next level to look in.

#include "bit_reader.h"
#include "huffman_codes.h"
#include "layer3.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstring>
#include <vector>

namespace {

// Entry: a leaf holds kLeaf | length << 16 | symbol, where length is the
// number of bits the leaf consumes at its level; a link holds the index of
// the next level and the number of bits that level peeks.
//
// Tables without linbits take each pair's sign bits into the code (a pair
// with two non-zero values has four codes), so the symbol is the signed
// pair: (x + 15) << 5 | (y + 15). With linbits the sign follows the escape
// bits, so the symbol stays x << 4 | y.
constexpr uint32_t kLeaf = 0x80000000u;
constexpr int kRootBits = 8;

struct Code {
    uint32_t word;
    int length;
    int symbol;
};

constexpr int SignedPair(int x, int y) { return (x + 15) << 5 | (y + 15); }

// sign(v) |v|^(4/3) for v = -15..15, at v + 15.
float signedSmallPow43[31];

struct LookupTable {
    std::vector<uint32_t> entries;
    int rootBits = 0;
    int linbits = 0;
    bool codesNothing = true;
};

LookupTable bigValueTables[32];

uint32_t Link(uint32_t index, int bits) { return index << 5 | uint32_t(bits); }

// Fills the level at `base` (peeking `bits`) with the codes, all of which
// share the `consumed` bits already taken by the levels above.
void FillLevel(std::vector<uint32_t>& entries, size_t base, int bits, const std::vector<Code>& codes, int consumed,
               uint32_t gap)
{
    std::vector<std::vector<Code>> deeper(size_t(1) << bits);
    for (const Code& code : codes) {
        const int remaining = code.length - consumed;
        const uint32_t tail = code.word & ((1u << remaining) - 1);
        if (remaining <= bits) {
            const uint32_t first = tail << (bits - remaining);
            for (uint32_t i = 0; i < (1u << (bits - remaining)); ++i)
                entries[base + first + i] = kLeaf | uint32_t(remaining) << 16 | uint32_t(code.symbol);
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
        entries.resize(next + (size_t(1) << longest), gap);
        entries[base + prefix] = Link(uint32_t(next), longest);
        FillLevel(entries, next, longest, deeper[prefix], consumed + bits, gap);
    }
}

// `zero` is the symbol of the pair (0, 0): what a gap in the code (a bit
// pattern no code word starts with) decodes to, taking no bits.
LookupTable Build(const std::vector<Code>& codes, int linbits, int zero)
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
    const uint32_t gap = kLeaf | uint32_t(zero);
    table.entries.assign(size_t(1) << table.rootBits, gap);
    FillLevel(table.entries, 0, table.rootBits, codes, 0, gap);
    return table;
}

// Walks the levels; the reader holds at least 57 bits, enough for any code.
inline uint32_t Lookup(BitReader& reader, const uint32_t* entries, int rootBits)
{
    int bits = rootBits;
    uint32_t entry = entries[reader.PeekSome(bits)];
    while (!(entry & kLeaf)) {
        reader.Drop(bits);
        bits = int(entry & 31);
        entry = entries[(entry >> 5) + reader.PeekSome(bits)];
    }
    reader.Drop(int((entry >> 16) & 31));
    return entry & 0x3FF;
}

// A non-zero magnitude is followed by its sign bit: read it without a branch
// (zeros take no bit), so the loop does not stall on the mix of zeros.
inline float Signed(BitReader& reader, int magnitude)
{
    const uint32_t taken = magnitude != 0;
    const uint32_t sign = uint32_t(reader.cache >> 63) & taken;
    reader.Drop(int(taken));
    return std::bit_cast<float>(std::bit_cast<uint32_t>(pow43Table[magnitude]) | sign << 31);
}

// Count1 quadruples with their sign bits, looked up together: the code (at
// most 6 bits for table A, 4 for table B) and one sign bit per non-zero value.
struct Count1Entry {
    uint8_t values; // v, w, x, y: each -1, 0 or 1 as a base-3 digit (0, 1, 2), v the highest
    uint8_t length; // code and sign bits
};
constexpr int kCount1BitsA = 10, kCount1BitsB = 8;
Count1Entry count1EntriesA[1 << kCount1BitsA], count1EntriesB[1 << kCount1BitsB];
// The 81 quadruples as floats, by their base-3 number.
float count1Values[81][4];

void BuildCount1Entries(Count1Entry* entries, int bits, const uint16_t* codes, const uint8_t* lengths)
{
    for (uint32_t pattern = 0; pattern < (1u << bits); ++pattern) {
        for (int quadruple = 0; quadruple < 16; ++quadruple) {
            const int length = lengths[quadruple];
            if ((pattern >> (bits - length)) != codes[quadruple])
                continue;
            Count1Entry entry{0, uint8_t(length)};
            for (int k = 0; k < 4; ++k) {
                int digit = 0;
                if ((quadruple >> (3 - k)) & 1) {
                    const bool negative = (pattern >> (bits - 1 - entry.length)) & 1;
                    digit = negative ? 2 : 1;
                    ++entry.length;
                }
                entry.values = uint8_t(entry.values * 3 + digit);
            }
            entries[pattern] = entry;
            break;
        }
    }
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
                const uint32_t word = source.codes[i];
                const int length = source.lengths[i];
                if (source.linbits) {
                    codes.push_back({word, length, x << 4 | y});
                    continue;
                }
                // One code per choice of signs: x's sign bit, then y's.
                const int signs = (x != 0) + (y != 0);
                for (uint32_t s = 0; s < (1u << signs); ++s) {
                    const bool xNegative = x != 0 && ((s >> (signs - 1)) & 1);
                    const bool yNegative = y != 0 && (s & 1);
                    codes.push_back({word << signs | s, length + signs,
                                     SignedPair(xNegative ? -x : x, yNegative ? -y : y)});
                }
            }
        bigValueTables[t] = Build(codes, source.linbits, source.linbits ? 0 : SignedPair(0, 0));
    }
    for (int v = -15; v <= 15; ++v)
        signedSmallPow43[v + 15] = v < 0 ? -pow43Table[-v] : pow43Table[v];
    for (int number = 0; number < 81; ++number)
        for (int k = 0, rest = number; k < 4; ++k, rest /= 3)
            count1Values[number][3 - k] = float(rest % 3 == 2 ? -1 : rest % 3);
    BuildCount1Entries(count1EntriesA, kCount1BitsA, kCount1CodesA, kCount1LengthsA);
    // Table B codes each quadruple in four bits, inverted.
    uint16_t codesB[16];
    uint8_t lengthsB[16];
    for (int i = 0; i < 16; ++i) {
        codesB[i] = uint16_t(i ^ 15);
        lengthsB[i] = 4;
    }
    BuildCount1Entries(count1EntriesB, kCount1BitsB, codesB, lengthsB);
}

void DecodeBigValues(BitReader& reader, int tableNumber, float* lines, int from, int to)
{
    const LookupTable& table = bigValueTables[tableNumber & 31];
    if (table.codesNothing) {
        for (int i = from; i < to; ++i)
            lines[i] = 0.0f;
        return;
    }
    // A local copy keeps the cache in registers: stores to `lines` could
    // otherwise alias it.
    BitReader r = reader;
    const uint32_t* entries = table.entries.data();
    const int rootBits = table.rootBits;
    const int linbits = table.linbits;
    if (linbits == 0) {
        for (int i = from; i < to; i += 2) {
            if (r.held < 21) // a code word and two sign bits: 21 bits at most
                r.Refill();
            const uint32_t pair = Lookup(r, entries, rootBits);
            lines[i] = signedSmallPow43[pair >> 5];
            lines[i + 1] = signedSmallPow43[pair & 31];
        }
    } else {
        for (int i = from; i < to; i += 2) {
            if (r.held < 47) // 19 + 2 x (13 + 1) = 47 bits at most
                r.Refill();
            const uint32_t pair = Lookup(r, entries, rootBits);
            int x = int(pair >> 4);
            int y = int(pair & 15);
            if (x == 15)
                x += int(r.Take(linbits));
            lines[i] = Signed(r, x);
            if (y == 15)
                y += int(r.Take(linbits));
            lines[i + 1] = Signed(r, y);
        }
    }
    reader = r;
}

int DecodeCount1(BitReader& reader, int table, float* lines, int from, int lineEnd, int64_t bitEnd)
{
    const Count1Entry* entries = table == 0 ? count1EntriesA : count1EntriesB;
    const int bits = table == 0 ? kCount1BitsA : kCount1BitsB;
    BitReader r = reader;
    int64_t bitsLeft = bitEnd - r.BitsRead();
    int i = from;
    while (i < lineEnd && bitsLeft > 0) {
        if (r.held < kCount1BitsA)
            r.Refill();
        const Count1Entry& entry = entries[r.PeekSome(bits)];
        bitsLeft -= entry.length;
        if (bitsLeft < 0) // the last quadruple ran past the channel's bits
            break;
        r.Drop(entry.length);
        std::memcpy(lines + i, count1Values[entry.values], sizeof count1Values[0]);
        i += 4;
    }
    reader = r;
    return i;
}
