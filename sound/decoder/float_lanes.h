#pragma once
// Four floats worked on together. With GCC and Clang they are a vector of
// the language extension, which becomes one SSE or NEON register (or plain
// floats on a target without either); elsewhere, or with
// TESSALY_PLAIN_LANES defined, a plain array with the same operators.

#include <cstring>

#if defined(__GNUC__) && !defined(TESSALY_PLAIN_LANES)
using FloatLanes = float __attribute__((vector_size(16)));
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
