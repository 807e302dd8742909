#pragma once
// The inverse MDCT of Layer III with its window, for four adjacent subbands
// at once: each value is a FloatLanes over the subbands.

#include "float_lanes.h"

constexpr int kImdctLanes = kFloatLanes;

// Per lane: 18 lines in, 36 windowed samples out. `window` holds each
// lane's 36 window values with the signs of the transform folded in.
void LongImdct(const FloatLanes* lines, const FloatLanes* window, FloatLanes* out);
// Per lane: three windows of 6 lines (window 0, 1, 2) in, the three
// windowed 12-point transforms overlapped at 6, 12 and 18 out.
void ShortImdct(const FloatLanes* lines, FloatLanes* out);

// The long window of a block type (0 normal, 1 start, 3 stop), signs folded
// in, the same in every lane.
const FloatLanes* LongWindowLanes(int blockType);
// One lane's signed long window: for building a group whose lanes differ.
float SignedLongWindow(int blockType, int sample);

void BuildImdctTables();
