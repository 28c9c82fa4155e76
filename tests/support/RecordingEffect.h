#pragma once
// An ID3DXEffect that records what its caller does with it: the technique, every parameter
// set by name, and the Begin/BeginPass/EndPass/End sequence. Under Wine, D3DX cannot compile
// effect text, so tests of effect users hand the resource manager one of these.
#include <d3dx9.h>

#include <map>
#include <string>
#include <vector>

namespace vgtest {

class RecordingEffect : public ID3DXEffect {
public:
    explicit RecordingEffect(UINT passes = 1) : passes_(passes) {}
    virtual ~RecordingEffect() = default;

    // What was called, in order, e.g. "SetTechnique Main", "Begin", "BeginPass 0".
    std::vector<std::string> calls;
    std::string technique;
    std::map<std::string, std::vector<float>> floats;  // SetFloat, SetFloatArray, SetVector, SetMatrix
    std::map<std::string, int> ints;
    std::map<std::string, IDirect3DBaseTexture9*> textures;
    int lostDevice = 0;
    int resetDevice = 0;
    ULONG references = 1;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    // Never deletes itself: the test owns it and checks the count.
    ULONG STDMETHODCALLTYPE Release() override { return --references; }

    HRESULT STDMETHODCALLTYPE SetTechnique(D3DXHANDLE name) override;
    D3DXHANDLE STDMETHODCALLTYPE GetCurrentTechnique() override { return technique.c_str(); }
    HRESULT STDMETHODCALLTYPE SetFloat(D3DXHANDLE name, FLOAT value) override;
    HRESULT STDMETHODCALLTYPE SetFloatArray(D3DXHANDLE name, const FLOAT* values, UINT count) override;
    HRESULT STDMETHODCALLTYPE SetVector(D3DXHANDLE name, const D3DXVECTOR4* vector) override;
    HRESULT STDMETHODCALLTYPE SetMatrix(D3DXHANDLE name, const D3DXMATRIX* matrix) override;
    HRESULT STDMETHODCALLTYPE SetInt(D3DXHANDLE name, INT value) override;
    HRESULT STDMETHODCALLTYPE SetBool(D3DXHANDLE name, WINBOOL value) override;
    HRESULT STDMETHODCALLTYPE SetTexture(D3DXHANDLE name, IDirect3DBaseTexture9* texture) override;
    HRESULT STDMETHODCALLTYPE Begin(UINT* passes, DWORD flags) override;
    HRESULT STDMETHODCALLTYPE BeginPass(UINT pass) override;
    HRESULT STDMETHODCALLTYPE CommitChanges() override;
    HRESULT STDMETHODCALLTYPE EndPass() override;
    HRESULT STDMETHODCALLTYPE End() override;
    HRESULT STDMETHODCALLTYPE OnLostDevice() override;
    HRESULT STDMETHODCALLTYPE OnResetDevice() override;

    // The rest of the interface is not used by the player.
    HRESULT STDMETHODCALLTYPE GetDesc(D3DXEFFECT_DESC*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetParameterDesc(D3DXHANDLE, D3DXPARAMETER_DESC*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTechniqueDesc(D3DXHANDLE, D3DXTECHNIQUE_DESC*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetPassDesc(D3DXHANDLE, D3DXPASS_DESC*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetFunctionDesc(D3DXHANDLE, D3DXFUNCTION_DESC*) override { return E_NOTIMPL; }
    D3DXHANDLE STDMETHODCALLTYPE GetParameter(D3DXHANDLE, UINT) override { return nullptr; }
    D3DXHANDLE STDMETHODCALLTYPE GetParameterByName(D3DXHANDLE, const char *) override { return nullptr; }
    D3DXHANDLE STDMETHODCALLTYPE GetParameterBySemantic(D3DXHANDLE, const char *) override { return nullptr; }
    D3DXHANDLE STDMETHODCALLTYPE GetParameterElement(D3DXHANDLE, UINT) override { return nullptr; }
    D3DXHANDLE STDMETHODCALLTYPE GetTechnique(UINT) override { return nullptr; }
    D3DXHANDLE STDMETHODCALLTYPE GetTechniqueByName(const char *) override { return nullptr; }
    D3DXHANDLE STDMETHODCALLTYPE GetPass(D3DXHANDLE, UINT) override { return nullptr; }
    D3DXHANDLE STDMETHODCALLTYPE GetPassByName(D3DXHANDLE, const char *) override { return nullptr; }
    D3DXHANDLE STDMETHODCALLTYPE GetFunction(UINT) override { return nullptr; }
    D3DXHANDLE STDMETHODCALLTYPE GetFunctionByName(const char *) override { return nullptr; }
    D3DXHANDLE STDMETHODCALLTYPE GetAnnotation(D3DXHANDLE, UINT) override { return nullptr; }
    D3DXHANDLE STDMETHODCALLTYPE GetAnnotationByName(D3DXHANDLE, const char *) override { return nullptr; }
    HRESULT STDMETHODCALLTYPE SetValue(D3DXHANDLE, const void *, UINT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetValue(D3DXHANDLE, void *, UINT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetBool(D3DXHANDLE, WINBOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetBoolArray(D3DXHANDLE, const WINBOOL *, UINT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetBoolArray(D3DXHANDLE, WINBOOL*, UINT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetInt(D3DXHANDLE, INT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetIntArray(D3DXHANDLE, const INT *, UINT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIntArray(D3DXHANDLE, INT*, UINT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetFloat(D3DXHANDLE, FLOAT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetFloatArray(D3DXHANDLE, FLOAT*, UINT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetVector(D3DXHANDLE, D3DXVECTOR4*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetVectorArray(D3DXHANDLE, const D3DXVECTOR4 *, UINT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetVectorArray(D3DXHANDLE, D3DXVECTOR4*, UINT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMatrix(D3DXHANDLE, D3DXMATRIX*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetMatrixArray(D3DXHANDLE, const D3DXMATRIX *, UINT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMatrixArray(D3DXHANDLE, D3DXMATRIX*, UINT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetMatrixPointerArray(D3DXHANDLE, const D3DXMATRIX **, UINT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMatrixPointerArray(D3DXHANDLE, D3DXMATRIX**, UINT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetMatrixTranspose(D3DXHANDLE, const D3DXMATRIX *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMatrixTranspose(D3DXHANDLE, D3DXMATRIX*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetMatrixTransposeArray(D3DXHANDLE, const D3DXMATRIX *, UINT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMatrixTransposeArray(D3DXHANDLE, D3DXMATRIX*, UINT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetMatrixTransposePointerArray(D3DXHANDLE, const D3DXMATRIX **, UINT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMatrixTransposePointerArray(D3DXHANDLE, D3DXMATRIX**, UINT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetString(D3DXHANDLE, const char *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetString(D3DXHANDLE, const char **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTexture(D3DXHANDLE, struct IDirect3DBaseTexture9 **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetPixelShader(D3DXHANDLE, struct IDirect3DPixelShader9 **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetVertexShader(D3DXHANDLE, struct IDirect3DVertexShader9 **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetArrayRange(D3DXHANDLE, UINT, UINT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetPool(ID3DXEffectPool **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE ValidateTechnique(D3DXHANDLE) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE FindNextValidTechnique(D3DXHANDLE, D3DXHANDLE*) override { return E_NOTIMPL; }
    WINBOOL STDMETHODCALLTYPE IsParameterUsed(D3DXHANDLE, D3DXHANDLE) override { return FALSE; }
    HRESULT STDMETHODCALLTYPE GetDevice(struct IDirect3DDevice9 **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetStateManager(ID3DXEffectStateManager *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetStateManager(ID3DXEffectStateManager **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE BeginParameterBlock() override { return E_NOTIMPL; }
    D3DXHANDLE STDMETHODCALLTYPE EndParameterBlock() override { return nullptr; }
    HRESULT STDMETHODCALLTYPE ApplyParameterBlock(D3DXHANDLE) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DeleteParameterBlock(D3DXHANDLE) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CloneEffect(struct IDirect3DDevice9 *, struct ID3DXEffect **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetRawValue(D3DXHANDLE, const void *, UINT, UINT) override { return E_NOTIMPL; }

private:
    UINT passes_;
};

}  // namespace vgtest
