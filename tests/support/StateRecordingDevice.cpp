#include "StateRecordingDevice.h"

#include <sstream>

namespace vgtest {
namespace {

#define VG_STATE(prefix, name) {#name, prefix##name}

template <class State>
struct StateName {
    const char* name;
    State state;
};

const StateName<D3DRENDERSTATETYPE> kRenderStates[] = {
    VG_STATE(D3DRS_, ZENABLE),          VG_STATE(D3DRS_, ZWRITEENABLE),  VG_STATE(D3DRS_, ZFUNC),
    VG_STATE(D3DRS_, LIGHTING),         VG_STATE(D3DRS_, SPECULARENABLE), VG_STATE(D3DRS_, AMBIENT),
    VG_STATE(D3DRS_, ALPHABLENDENABLE), VG_STATE(D3DRS_, SRCBLEND),      VG_STATE(D3DRS_, DESTBLEND),
    VG_STATE(D3DRS_, CULLMODE),         VG_STATE(D3DRS_, TEXTUREFACTOR), VG_STATE(D3DRS_, SHADEMODE),
    VG_STATE(D3DRS_, DITHERENABLE),     VG_STATE(D3DRS_, ALPHATESTENABLE),
};

const StateName<D3DTEXTURESTAGESTATETYPE> kStageStates[] = {
    VG_STATE(D3DTSS_, COLOROP),       VG_STATE(D3DTSS_, COLORARG1),     VG_STATE(D3DTSS_, COLORARG2),
    VG_STATE(D3DTSS_, ALPHAOP),       VG_STATE(D3DTSS_, ALPHAARG1),     VG_STATE(D3DTSS_, ALPHAARG2),
    VG_STATE(D3DTSS_, TEXCOORDINDEX), VG_STATE(D3DTSS_, TEXTURETRANSFORMFLAGS),
    VG_STATE(D3DTSS_, BUMPENVMAT00),  VG_STATE(D3DTSS_, BUMPENVMAT11),
};

const StateName<D3DSAMPLERSTATETYPE> kSamplerStates[] = {
    VG_STATE(D3DSAMP_, MINFILTER), VG_STATE(D3DSAMP_, MAGFILTER),
    VG_STATE(D3DSAMP_, ADDRESSU),  VG_STATE(D3DSAMP_, ADDRESSV),
};

#undef VG_STATE

constexpr DWORD kTrackedSlots = 2;

std::string Slot(const char* prefix, DWORD slot, const std::string& name) {
    return prefix + std::to_string(slot) + "." + name;
}

template <class Table, class Type>
std::string NameIn(const Table& table, Type state) {
    for (const auto& entry : table)
        if (entry.state == state) return entry.name;
    return "#" + std::to_string(DWORD(state));
}

}  // namespace

StateValues StateRecordingDevice::StateInForce() const {
    StateValues values;
    DWORD value = 0;
    for (const auto& s : kRenderStates)
        if (SUCCEEDED(inner_->GetRenderState(s.state, &value))) values[s.name] = value;
    for (DWORD slot = 0; slot < kTrackedSlots; ++slot) {
        for (const auto& s : kStageStates)
            if (SUCCEEDED(inner_->GetTextureStageState(slot, s.state, &value))) values[Slot("ts", slot, s.name)] = value;
        for (const auto& s : kSamplerStates)
            if (SUCCEEDED(inner_->GetSamplerState(slot, s.state, &value))) values[Slot("s", slot, s.name)] = value;
    }
    return values;
}

void StateRecordingDevice::Impose(const StateValues& values) {
    auto value = [&](const std::string& name) { return values.at(name); };
    for (const auto& s : kRenderStates) inner_->SetRenderState(s.state, value(s.name));
    for (DWORD slot = 0; slot < kTrackedSlots; ++slot) {
        for (const auto& s : kStageStates) inner_->SetTextureStageState(slot, s.state, value(Slot("ts", slot, s.name)));
        for (const auto& s : kSamplerStates) inner_->SetSamplerState(slot, s.state, value(Slot("s", slot, s.name)));
    }
}

HRESULT StateRecordingDevice::SetRenderState(D3DRENDERSTATETYPE a0, DWORD a1) {
    writes.push_back({NameIn(kRenderStates, a0), a1});
    return inner_->SetRenderState(a0, a1);
}

HRESULT StateRecordingDevice::SetTextureStageState(DWORD a0, D3DTEXTURESTAGESTATETYPE a1, DWORD a2) {
    writes.push_back({Slot("ts", a0, NameIn(kStageStates, a1)), a2});
    return inner_->SetTextureStageState(a0, a1, a2);
}

HRESULT StateRecordingDevice::SetSamplerState(DWORD a0, D3DSAMPLERSTATETYPE a1, DWORD a2) {
    writes.push_back({Slot("s", a0, NameIn(kSamplerStates, a1)), a2});
    return inner_->SetSamplerState(a0, a1, a2);
}

HRESULT StateRecordingDevice::DrawPrimitive(D3DPRIMITIVETYPE a0, UINT a1, UINT a2) {
    NoteDraw("DrawPrimitive");
    return inner_->DrawPrimitive(a0, a1, a2);
}

HRESULT StateRecordingDevice::DrawIndexedPrimitive(D3DPRIMITIVETYPE a0, INT a1, UINT a2, UINT a3, UINT a4, UINT a5) {
    NoteDraw("DrawIndexedPrimitive");
    return inner_->DrawIndexedPrimitive(a0, a1, a2, a3, a4, a5);
}

HRESULT StateRecordingDevice::DrawPrimitiveUP(D3DPRIMITIVETYPE a0, UINT a1, const void* a2, UINT a3) {
    NoteDraw("DrawPrimitiveUP");
    return inner_->DrawPrimitiveUP(a0, a1, a2, a3);
}

HRESULT StateRecordingDevice::DrawIndexedPrimitiveUP(D3DPRIMITIVETYPE a0, UINT a1, UINT a2, UINT a3, const void* a4,
                                                     D3DFORMAT a5, const void* a6, UINT a7) {
    NoteDraw("DrawIndexedPrimitiveUP");
    return inner_->DrawIndexedPrimitiveUP(a0, a1, a2, a3, a4, a5, a6, a7);
}

std::string StateChanges(const StateValues& base, const StateValues& state) {
    std::ostringstream out;
    for (const auto& [name, value] : state) {
        const auto was = base.find(name);
        if (was != base.end() && was->second == value) continue;
        if (out.tellp() > 0) out << ' ';
        out << name << '=' << value;
    }
    return out.str();
}

}  // namespace vgtest
