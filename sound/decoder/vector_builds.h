#pragma once
// Which build of the vector routines (synthesis, inverse MDCT) runs: the
// portable one, or on x86-64 the one compiled for AVX2 and FMA where the
// processor has both.

// True when the AVX2 build is compiled in, the processor runs it, and the
// portable build has not been asked for.
bool WidestVectorBuildUsable();

// Rebuilds the tables of the vector routines for the portable build alone
// (true), or for the best build the processor runs (false, the default).
// Takes effect for streams started afterwards; for tests, which must reach
// both builds.
void UsePortableVectorRoutinesOnly(bool portableOnly);
