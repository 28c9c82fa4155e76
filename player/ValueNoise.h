#pragma once
// Smooth, repeatable one-dimensional value noise for flicker and wobble over time.

// In −1 to 1: cosine interpolation between the lattice values at trunc(x) and trunc(x) + 1.
double ValueNoise1D(double x);
// The sum over octave k < octaves of persistence^k × ValueNoise1D(2^k × x / scale); 0 when
// octaves ≤ 0.
double FractalNoise1D(double x, double scale, double persistence, int octaves);
// The lattice value of integer n: 1 − (hash(n) & 0x7FFFFFFF) / 2^30, in wrapping 32-bit
// arithmetic.
double NoiseLattice(int n);
