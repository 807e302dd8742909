#pragma once
// The Layer III Huffman code tables as the standard prints them: for each
// pair (x, y), row by row, the code word and its length in bits.

#include <cstdint>

struct HuffmanCodeTable {
    int size;               // x and y run over 0..size-1; 0: the table codes nothing
    int linbits;            // extra bits after an x or y of 15
    const uint16_t* codes;  // size * size code words, index x * size + y
    const uint8_t* lengths; // their lengths
};

// Tables 0..31 of the big-values region (4 and 14 code nothing).
const HuffmanCodeTable& BigValuesCodeTable(int tableNumber);

// Count1 table A: quadruples (v, w, x, y), index v*8 + w*4 + x*2 + y.
// (Table B is the four bits inverted, so it needs no table.)
extern const uint16_t kCount1CodesA[16];
extern const uint8_t kCount1LengthsA[16];
