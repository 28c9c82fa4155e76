// Every effect that common_res.dll ships loads from its binary and validates every technique:
// Wine's effect loader does not check bounds, so a malformed binary must never ship. The module
// holds what its table lists, each under its id and type, and nothing else.
#include <gtest/gtest.h>

#include <d3dx9.h>

#include <algorithm>
#include <vector>

#include "TestDevice.h"
#include "base/ComHolder.h"
#include "document/BuiltinResources.h"
#include "document/ModuleResource.h"

namespace {

BOOL CALLBACK CollectId(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR ids) {
    if (IS_INTRESOURCE(name)) reinterpret_cast<std::vector<int>*>(ids)->push_back(int(LOWORD(name)));
    return TRUE;
}

TEST(ShippedEffects, EveryEffectOfTheModuleLoadsAndValidatesEveryTechnique) {
    vgtest::TestDevice device;
    VG_REQUIRE_DEVICE(device);
    HMODULE module = LoadLibraryW(L"common_res.dll");
    ASSERT_NE(module, nullptr);
    std::vector<int> ids;
    // A module without effects has no RT_RCDATA type at all.
    EnumResourceNamesW(module, RT_RCDATA, CollectId, reinterpret_cast<LONG_PTR>(&ids));
    for (int id : ids) {
        SCOPED_TRACE(id);
        ModuleResource resource = FindModuleResource(module, id, RT_RCDATA);
        ASSERT_NE(resource.bytes, nullptr);
        ComHolder<ID3DXEffect> effect;
        ASSERT_EQ(D3DXCreateEffect(device.Device(), resource.bytes, resource.size, nullptr, nullptr, 0,
                                   nullptr, effect.Receive(), nullptr), D3D_OK);
        D3DXEFFECT_DESC desc;
        ASSERT_EQ(effect->GetDesc(&desc), D3D_OK);
        EXPECT_GT(desc.Techniques, 0u);
        for (UINT t = 0; t < desc.Techniques; ++t)
            EXPECT_EQ(effect->ValidateTechnique(effect->GetTechnique(t)), D3D_OK) << "technique " << t;
    }
}

TEST(ShippedEffects, TheModuleHoldsEveryResourceOfItsTableUnderItsTypeAndNothingElse) {
    HMODULE module = LoadLibraryW(L"common_res.dll");
    ASSERT_NE(module, nullptr);
    std::vector<int> effects, others, listedEffects, listedOthers;
    EnumResourceNamesW(module, RT_RCDATA, CollectId, reinterpret_cast<LONG_PTR>(&effects));
    EnumResourceNamesW(module, L"KDV", CollectId, reinterpret_cast<LONG_PTR>(&others));
    for (const builtin::Resource& resource : builtin::kAll) {
        SCOPED_TRACE(resource.id);
        const bool effect = resource.kind == builtin::Kind::Effect;
        (effect ? listedEffects : listedOthers).push_back(resource.id);
        const ModuleResource found = FindModuleResource(module, resource.id, effect ? RT_RCDATA : L"KDV");
        ASSERT_NE(found.bytes, nullptr);
        EXPECT_GT(found.size, 0u);
    }
    for (std::vector<int>* ids : {&effects, &others, &listedEffects, &listedOthers}) std::sort(ids->begin(), ids->end());
    EXPECT_EQ(effects, listedEffects);
    EXPECT_EQ(others, listedOthers);
}

}  // namespace
