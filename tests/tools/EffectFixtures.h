#pragma once
// The test effect's files as the writer's tests read them: the binary's own RCDATA resources
// (EffectWriterFiles.rc): 1 the source, 2 the manifest, 10 to 12 the bytecode.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "document/ModuleResource.h"

namespace vgtest {

enum EffectFixture { kTestEffectSource = 1, kTestEffectManifest = 2, kTinted = 10, kTransformed = 11, kSwizzled = 12 };

inline std::string EffectFixtureText(EffectFixture id) {
    ModuleResource resource = FindModuleResource(GetModuleHandleW(nullptr), id, RT_RCDATA);
    return resource.bytes ? std::string(static_cast<const char*>(resource.bytes), resource.size) : std::string();
}

inline std::vector<uint8_t> EffectFixtureBytes(EffectFixture id) {
    std::string text = EffectFixtureText(id);
    return std::vector<uint8_t>(text.begin(), text.end());
}

}  // namespace vgtest
