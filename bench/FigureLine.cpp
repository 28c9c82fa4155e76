#include "FigureLine.h"

#include <cstdio>

namespace bench {

void PrintFigure(const std::string& figure, const std::string& value, const std::string& comparison) {
    std::printf("%-40s %11s   %s\n", figure.c_str(), value.c_str(), comparison.c_str());
    std::fflush(stdout);
}

std::string Format(double value, int decimals, const char* unit) {
    char text[64];
    std::snprintf(text, sizeof text, *unit ? "%.*f %s" : "%.*f%s", decimals, value, unit);
    return text;
}

}  // namespace bench
