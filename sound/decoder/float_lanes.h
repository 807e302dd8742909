#pragma once
// Four floats worked on together. With GCC and Clang they are a vector of
// the language extension, which becomes one SSE or NEON register (or plain
// floats on a target without either); elsewhere, or with
// TESSALY_PLAIN_LANES defined, a plain array with the same operators.

#include <cstdint>
#include <cstring>

#if defined(__GNUC__) && !defined(TESSALY_PLAIN_LANES)
using FloatLanes = float __attribute__((vector_size(16)));
using IntLanes = int32_t __attribute__((vector_size(16)));

inline FloatLanes ReverseLanes(FloatLanes x) { return __builtin_shufflevector(x, x, 3, 2, 1, 0); }

// rows[i][j] becomes rows[j][i].
inline void TransposeLanes(FloatLanes (&rows)[4])
{
    const FloatLanes t0 = __builtin_shufflevector(rows[0], rows[1], 0, 4, 1, 5);
    const FloatLanes t1 = __builtin_shufflevector(rows[0], rows[1], 2, 6, 3, 7);
    const FloatLanes t2 = __builtin_shufflevector(rows[2], rows[3], 0, 4, 1, 5);
    const FloatLanes t3 = __builtin_shufflevector(rows[2], rows[3], 2, 6, 3, 7);
    rows[0] = __builtin_shufflevector(t0, t2, 0, 1, 4, 5);
    rows[1] = __builtin_shufflevector(t0, t2, 2, 3, 6, 7);
    rows[2] = __builtin_shufflevector(t1, t3, 0, 1, 4, 5);
    rows[3] = __builtin_shufflevector(t1, t3, 2, 3, 6, 7);
}

// Four samples (clipped already) written one after another as 16-bit
// signed or 8-bit unsigned values (the top byte with its sign flipped).
template <bool EightBit>
inline void StoreSamples(uint8_t* at, IntLanes samples)
{
    if constexpr (EightBit) {
        using Bytes = uint8_t __attribute__((vector_size(4)));
        const Bytes bytes = __builtin_convertvector((samples >> 8) ^ 0x80, Bytes);
        std::memcpy(at, &bytes, sizeof bytes);
    } else {
        using Shorts = int16_t __attribute__((vector_size(8)));
        const Shorts shorts = __builtin_convertvector(samples, Shorts);
        std::memcpy(at, &shorts, sizeof shorts);
    }
}

// The same for two channels, interleaved: left, right, left, right ...
template <bool EightBit>
inline void StoreSamplePairs(uint8_t* at, IntLanes left, IntLanes right)
{
    if constexpr (EightBit) {
        using Bytes = uint8_t __attribute__((vector_size(4)));
        const Bytes a = __builtin_convertvector((left >> 8) ^ 0x80, Bytes);
        const Bytes b = __builtin_convertvector((right >> 8) ^ 0x80, Bytes);
        using Pairs = uint8_t __attribute__((vector_size(8)));
        const Pairs pairs = __builtin_shufflevector(a, b, 0, 4, 1, 5, 2, 6, 3, 7);
        std::memcpy(at, &pairs, sizeof pairs);
    } else {
        using Shorts = int16_t __attribute__((vector_size(8)));
        const Shorts a = __builtin_convertvector(left, Shorts), b = __builtin_convertvector(right, Shorts);
        using Pairs = int16_t __attribute__((vector_size(16)));
        const Pairs pairs = __builtin_shufflevector(a, b, 0, 4, 1, 5, 2, 6, 3, 7);
        std::memcpy(at, &pairs, sizeof pairs);
    }
}

// Each lane clipped to [low, high] (NaN becomes low) and truncated toward zero.
inline IntLanes ClipToInt(FloatLanes x, float low, float high)
{
    const FloatLanes lows = {low, low, low, low}, highs = {high, high, high, high};
    x = x >= lows ? x : lows;
    x = x <= highs ? x : highs;
    return __builtin_convertvector(x, IntLanes);
}
#else
struct FloatLanes {
    float v[4];
    float& operator[](int i) { return v[i]; }
    float operator[](int i) const { return v[i]; }
};
inline FloatLanes operator+(FloatLanes a, FloatLanes b) { return {a.v[0] + b.v[0], a.v[1] + b.v[1], a.v[2] + b.v[2], a.v[3] + b.v[3]}; }
inline FloatLanes operator-(FloatLanes a, FloatLanes b) { return {a.v[0] - b.v[0], a.v[1] - b.v[1], a.v[2] - b.v[2], a.v[3] - b.v[3]}; }
inline FloatLanes operator*(FloatLanes a, FloatLanes b) { return {a.v[0] * b.v[0], a.v[1] * b.v[1], a.v[2] * b.v[2], a.v[3] * b.v[3]}; }
inline FloatLanes operator*(FloatLanes a, float b) { return {a.v[0] * b, a.v[1] * b, a.v[2] * b, a.v[3] * b}; }
inline FloatLanes operator-(FloatLanes a) { return {-a.v[0], -a.v[1], -a.v[2], -a.v[3]}; }
inline FloatLanes& operator+=(FloatLanes& a, FloatLanes b) { return a = a + b; }

inline FloatLanes ReverseLanes(FloatLanes x) { return {x.v[3], x.v[2], x.v[1], x.v[0]}; }

inline void TransposeLanes(FloatLanes (&rows)[4])
{
    for (int i = 0; i < 4; ++i)
        for (int j = i + 1; j < 4; ++j) {
            const float t = rows[i].v[j];
            rows[i].v[j] = rows[j].v[i];
            rows[j].v[i] = t;
        }
}

struct IntLanes {
    int32_t v[4];
    int32_t operator[](int i) const { return v[i]; }
};

template <bool EightBit>
inline void PutSample(uint8_t* at, int32_t sample)
{
    if constexpr (EightBit) {
        *at = uint8_t((sample >> 8) ^ 0x80);
    } else {
        const int16_t s16 = int16_t(sample);
        std::memcpy(at, &s16, 2);
    }
}

template <bool EightBit>
inline void StoreSamples(uint8_t* at, IntLanes samples)
{
    for (int i = 0; i < 4; ++i)
        PutSample<EightBit>(at + i * (EightBit ? 1 : 2), samples.v[i]);
}

template <bool EightBit>
inline void StoreSamplePairs(uint8_t* at, IntLanes left, IntLanes right)
{
    for (int i = 0; i < 4; ++i) {
        PutSample<EightBit>(at + 2 * i * (EightBit ? 1 : 2), left.v[i]);
        PutSample<EightBit>(at + (2 * i + 1) * (EightBit ? 1 : 2), right.v[i]);
    }
}

inline IntLanes ClipToInt(FloatLanes x, float low, float high)
{
    IntLanes out;
    for (int i = 0; i < 4; ++i) {
        float value = x.v[i] >= low ? x.v[i] : low;
        value = value <= high ? value : high;
        out.v[i] = int32_t(value);
    }
    return out;
}
#endif

constexpr int kFloatLanes = 4;

inline FloatLanes SplatLanes(float x) { return FloatLanes{x, x, x, x}; }

inline FloatLanes LoadLanes(const float* from)
{
    FloatLanes lanes;
    std::memcpy(&lanes, from, sizeof lanes);
    return lanes;
}

inline void StoreLanes(float* to, FloatLanes lanes) { std::memcpy(to, &lanes, sizeof lanes); }
