#pragma once
// One line of the benchmark report: the figure, its value, what it is compared against.
#include <string>

namespace bench {

void PrintFigure(const std::string& figure, const std::string& value, const std::string& comparison);
// "%.*f" of a value with its unit, e.g. Format(1.234, 2, "ms") is "1.23 ms".
std::string Format(double value, int decimals, const char* unit = "");

}  // namespace bench
