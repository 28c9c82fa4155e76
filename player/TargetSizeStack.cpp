#include "player/TargetSizeStack.h"

TargetSizeStack& GetTargetSizeStack() {
    static TargetSizeStack stack;
    return stack;
}
