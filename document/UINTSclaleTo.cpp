#include "document/UINTSclaleTo.h"

#include <cmath>

template <>
float UINTSclaleTo<float>::ScaleValue(unsigned int value, float scale, float offset) {
    return float(double(value) * double(scale) + double(offset));
}

template <>
unsigned char UINTSclaleTo<unsigned char>::ScaleValue(unsigned int value, float scale,
                                                     float offset) {
    double sum = std::trunc(double(value) * double(scale) + double(offset));
    if (std::isnan(sum)) return 0;
    // The low 8 bits of the two's-complement integer, for a sum of any size.
    double low = std::fmod(sum, 256.0);
    if (low < 0) low += 256.0;
    return static_cast<unsigned char>(low);
}
