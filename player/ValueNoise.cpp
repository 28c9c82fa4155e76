#include "player/ValueNoise.h"

#include <cmath>
#include <cstdint>

#include "document/NumericHelpers.h"

double NoiseLattice(int n) {
    // Unsigned arithmetic wraps exactly as the 32-bit two's-complement hash does.
    uint32_t u = uint32_t(n);
    uint32_t m = u ^ (u << 13);
    uint32_t hash = m * (m * m * 15731u + 789221u) - 771171059u;
    return 1.0 - double(hash & 0x7FFFFFFFu) / 1073741824.0;
}

double ValueNoise1D(double x) {
    int i = TruncateToInt(x);
    double fraction = x - i;
    double f = (1.0 - std::cos(fraction * double(kSinglePi))) / 2.0;
    int next = int32_t(uint32_t(i) + 1u);
    return NoiseLattice(i) * (1.0 - f) + NoiseLattice(next) * f;
}

double FractalNoise1D(double x, double scale, double persistence, int octaves) {
    double sum = 0.0;
    double frequency = 1.0;
    for (int k = 0; k < octaves; ++k) {
        sum += std::pow(persistence, k) * ValueNoise1D(frequency * x / scale);
        frequency *= 2.0;
    }
    return sum;
}
