#pragma once
// Documents of a few kilobytes that once made a frame take seconds or the memory balloon:
// counts at their caps with their own sizes, scales and sizes at extremes, 3D objects past
// their cap, fonts at their clamp. Each class is one slide over the module's default picture,
// written with its hostile values or with the values a scene normally stores.
#include <cstdint>
#include <string>
#include <vector>

namespace bench {

struct HeavyClass {
    const char* name;  // as the benchmarks take it on their command lines
    const char* what;  // what is hostile in it
};

const std::vector<HeavyClass>& HeavyClasses();
// Empty for a name that is not a class.
std::vector<uint8_t> HeavyDocument(const std::string& name, bool hostile);

}  // namespace bench
