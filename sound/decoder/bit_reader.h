#pragma once
// Reads a buffer as a stream of bits, most significant bit first. It never
// loads a byte at or past its end: past the end it reads zero bits, which
// BitsRead() counts like any others.

#include <cstdint>
#include <cstring>

struct BitReader {
    const uint8_t* start = nullptr; // where reading began
    const uint8_t* next = nullptr;  // next byte to load
    const uint8_t* end = nullptr;   // first byte that must not be loaded
    uint64_t cache = 0;             // unread bits, left-aligned
    int held = 0;                   // bits in cache
    int64_t zerosFed = 0;           // bytes of zeros loaded past the end

    void Start(const uint8_t* bytes, const uint8_t* stop)
    {
        start = bytes;
        next = bytes;
        end = stop;
        cache = 0;
        held = 0;
        zerosFed = 0;
    }

    // Keeps at least 57 bits in the cache: whole bytes, eight at a time
    // where the data goes on that far, one at a time near its end.
    void Refill()
    {
        if (held <= 56 && end - next >= 8) {
            uint64_t word;
            std::memcpy(&word, next, 8);
            word = __builtin_bswap64(word);
            const int bytes = (64 - held) / 8;
            const int keep = held + 8 * bytes;
            cache |= (word >> held) & (keep == 64 ? ~uint64_t(0) : ~(~uint64_t(0) >> keep));
            next += bytes;
            held = keep;
            return;
        }
        while (held <= 56) {
            uint64_t byte = 0;
            if (next < end)
                byte = *next++;
            else
                ++zerosFed;
            cache |= byte << (56 - held);
            held += 8;
        }
    }

    // n in 0..32; the caller refilled when it needs more than `held`.
    uint32_t Peek(int n) const { return n == 0 ? 0 : uint32_t(cache >> (64 - n)); }
    // The same for n in 1..32, without the test for zero.
    uint32_t PeekSome(int n) const { return uint32_t(cache >> (64 - n)); }
    // Takes n bits, n in 1..32, that the caller made sure are held.
    uint32_t Take(int n)
    {
        const uint32_t value = PeekSome(n);
        Drop(n);
        return value;
    }
    // n in 0..held; all 64 bits go when the cache is full (a shift by 64
    // would leave them).
    void Drop(int n)
    {
        cache = n < 64 ? cache << n : 0;
        held -= n;
    }
    uint32_t Get(int n)
    {
        if (n > held)
            Refill();
        const uint32_t value = Peek(n);
        Drop(n);
        return value;
    }
    // Skips any number of bits, jumping over whole bytes without reading them.
    void Skip(int64_t n)
    {
        if (n <= held) {
            Drop(int(n));
            return;
        }
        n -= held;
        cache = 0;
        held = 0;
        const int64_t bytes = n / 8;
        const int64_t room = end - next;
        if (bytes <= room) {
            next += bytes;
        } else {
            zerosFed += bytes - room;
            next = end;
        }
        Get(int(n % 8));
    }
    int64_t BitsRead() const { return (next - start + zerosFed) * 8 - held; }
};
