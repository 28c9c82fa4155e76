#include "document/SharedRandom.h"

float RandomRange(float a, float b) {
    long double unit = static_cast<long double>(SharedRandom::Next()) / SharedRandom::kMaxValue;
    float span = b - a;
    float product = static_cast<float>(unit * span);
    return a + product;
}
