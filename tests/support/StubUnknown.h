#pragma once
// IUnknown for test doubles that the test owns: counts references, never deletes itself.
#include <unknwn.h>

namespace vgtest {

template <class I>
class StubUnknown : public I {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override {
        if (object) *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }

    ULONG references = 1;
};

}  // namespace vgtest
