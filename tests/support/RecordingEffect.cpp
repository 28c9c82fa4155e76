#include "RecordingEffect.h"

namespace vgtest {

namespace {
std::string Name(D3DXHANDLE handle) { return handle ? std::string(handle) : std::string(); }
}  // namespace

HRESULT RecordingEffect::SetTechnique(D3DXHANDLE name) {
    technique = Name(name);
    calls.push_back("SetTechnique " + technique);
    return D3D_OK;
}

HRESULT RecordingEffect::SetFloat(D3DXHANDLE name, FLOAT value) {
    floats[Name(name)] = {value};
    calls.push_back("SetFloat " + Name(name));
    return D3D_OK;
}

HRESULT RecordingEffect::SetFloatArray(D3DXHANDLE name, const FLOAT* values, UINT count) {
    floats[Name(name)].assign(values, values + count);
    calls.push_back("SetFloatArray " + Name(name));
    return D3D_OK;
}

HRESULT RecordingEffect::SetVector(D3DXHANDLE name, const D3DXVECTOR4* vector) {
    floats[Name(name)] = {vector->x, vector->y, vector->z, vector->w};
    calls.push_back("SetVector " + Name(name));
    return D3D_OK;
}

HRESULT RecordingEffect::SetMatrix(D3DXHANDLE name, const D3DXMATRIX* matrix) {
    const FLOAT* m = &matrix->_11;
    floats[Name(name)].assign(m, m + 16);
    calls.push_back("SetMatrix " + Name(name));
    return D3D_OK;
}

HRESULT RecordingEffect::SetInt(D3DXHANDLE name, INT value) {
    ints[Name(name)] = value;
    calls.push_back("SetInt " + Name(name));
    return D3D_OK;
}

HRESULT RecordingEffect::SetBool(D3DXHANDLE name, WINBOOL value) {
    ints[Name(name)] = value ? 1 : 0;
    calls.push_back("SetBool " + Name(name));
    return D3D_OK;
}

HRESULT RecordingEffect::SetTexture(D3DXHANDLE name, IDirect3DBaseTexture9* texture) {
    textures[Name(name)] = texture;
    calls.push_back("SetTexture " + Name(name));
    return D3D_OK;
}

HRESULT RecordingEffect::Begin(UINT* passes, DWORD) {
    if (passes) *passes = passes_;
    calls.push_back("Begin");
    return D3D_OK;
}

HRESULT RecordingEffect::BeginPass(UINT pass) {
    calls.push_back("BeginPass " + std::to_string(pass));
    return D3D_OK;
}

HRESULT RecordingEffect::CommitChanges() {
    calls.push_back("CommitChanges");
    return D3D_OK;
}

HRESULT RecordingEffect::EndPass() {
    calls.push_back("EndPass");
    return D3D_OK;
}

HRESULT RecordingEffect::End() {
    calls.push_back("End");
    return D3D_OK;
}

HRESULT RecordingEffect::OnLostDevice() {
    ++lostDevice;
    return D3D_OK;
}

HRESULT RecordingEffect::OnResetDevice() {
    ++resetDevice;
    return D3D_OK;
}

}  // namespace vgtest
