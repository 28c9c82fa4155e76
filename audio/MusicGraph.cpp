#include "audio/MusicGraph.h"

#include <new>
#include <vector>

#include "audio/QV_AudioFile.h"

namespace {

// Rewinds to the start and leaves the end where it is.
void SeekToStart(IMediaSeeking* seeking) {
    LONGLONG start = 0;
    seeking->SetPositions(&start, AM_SEEKING_AbsolutePositioning, nullptr,
                          AM_SEEKING_NoPositioning);
}

bool IsFileSource(IBaseFilter* filter) {
    ComHolder<IFileSourceFilter> source;
    return SUCCEEDED(filter->QueryInterface(IID_IFileSourceFilter, reinterpret_cast<void**>(source.Receive())));
}

}  // namespace

HRESULT MusicGraph::InitAudioGraph(HWND window) {
    HRESULT hr = CoInitialize(nullptr);
    if (FAILED(hr)) return hr;
    ++comInitializations_;
    hr = CoCreateInstance(CLSID_FilterGraph, nullptr,
                          CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER, IID_IGraphBuilder,
                          reinterpret_cast<void**>(graph_.Receive()));
    if (FAILED(hr)) return hr;
    hr = graph_->QueryInterface(IID_IMediaControl, reinterpret_cast<void**>(control_.Receive()));
    if (FAILED(hr)) return hr;
    hr = graph_->QueryInterface(IID_IMediaSeeking, reinterpret_cast<void**>(seeking_.Receive()));
    if (FAILED(hr)) return hr;
    hr = graph_->QueryInterface(IID_IMediaEventEx, reinterpret_cast<void**>(events_.Receive()));
    if (FAILED(hr)) return hr;
    hr = graph_->QueryInterface(IID_IBasicAudio, reinterpret_cast<void**>(audio_.Receive()));
    if (FAILED(hr)) return hr;
    events_->SetNotifyWindow(reinterpret_cast<OAHWND>(window), WM_APP, 0);
    return S_OK;
}

void MusicGraph::ReleaseAudioGraph() {
    audio_.Reset();
    events_.Reset();
    seeking_.Reset();
    control_.Reset();
    graph_.Reset();
    // Each initialisation of COM is undone once the graph is gone, the last one taking down
    // what COM ran for the thread.
    for (; comInitializations_ > 0; --comInitializations_) CoUninitialize();
}

void MusicGraph::PlayAudioFile(const QV_AudioFile& file) {
    const std::wstring& path = file.Data().Name();
    if (graph_) {
        ComHolder<IBaseFilter> source;
        HRESULT hr = graph_->AddSourceFilter(path.c_str(), path.c_str(), source.Receive());
        if (SUCCEEDED(hr) && SUCCEEDED(RenderSourceOutputPin(source.Get()))) return;
    }
    if (control_) control_->Stop();
    RenderAudioFile(path);
}

HRESULT MusicGraph::RenderSourceOutputPin(IBaseFilter* source) {
    if (!source) return E_POINTER;
    ComHolder<IPin> output;
    HRESULT hr = source->FindPin(L"Output", output.Receive());
    if (FAILED(hr)) return hr;
    if (!output) return VFW_E_NOT_FOUND;
    if (!control_ || !seeking_) return E_POINTER;
    control_->Stop();
    hr = ReconnectAllFilters(source);
    if (FAILED(hr)) return hr;
    // A chain that cannot be built is a failure, so the caller can try the whole file.
    hr = graph_->Render(output.Get());
    if (FAILED(hr)) return hr;
    SeekToStart(seeking_.Get());
    return control_->Run();
}

// Removing a filter and adding it back drops its connections: the new track gets a clean
// graph. The file sources of earlier tracks are only removed: each one kept would hold its
// file and a thread for the rest of the run, one more at every track change.
HRESULT MusicGraph::ReconnectAllFilters(IBaseFilter* source) {
    ComHolder<IEnumFilters> enumerator;
    HRESULT hr = graph_->EnumFilters(enumerator.Receive());
    if (FAILED(hr)) return hr;
    if (!enumerator) return E_POINTER;
    try {
        size_t count = 0;
        while (enumerator->Skip(1) == S_OK) ++count;
        enumerator->Reset();
        std::vector<ComHolder<IBaseFilter>> filters(count);
        for (ComHolder<IBaseFilter>& filter : filters) {
            if (enumerator->Next(1, filter.Receive(), nullptr) != S_OK) filter.Reset();
        }
        for (const ComHolder<IBaseFilter>& filter : filters) {
            if (!filter) return E_POINTER;
            graph_->RemoveFilter(filter.Get());
            if (filter.Get() == source || !IsFileSource(filter.Get())) graph_->AddFilter(filter.Get(), nullptr);
        }
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    return S_OK;
}

HRESULT MusicGraph::RenderAudioFile(const std::wstring& path) {
    if (!graph_ || !control_) return E_POINTER;
    HRESULT hr = graph_->RenderFile(path.c_str(), nullptr);
    if (FAILED(hr)) return hr;
    return control_->Run();
}

void MusicGraph::RestartAudio() {
    if (!control_ || !seeking_) return;
    SeekToStart(seeking_.Get());
    control_->Run();
}

void MusicGraph::StopAudio() {
    if (control_) control_->Stop();
}

long MusicGraph::MusicVolume(bool muted, uint32_t soundVolume) {
    if (muted) return -10000;
    double level = (static_cast<double>(soundVolume) - 100.0) * 100.0 * 0.4000000059604645;
    if (level > 0.0) return 0;  // a setting above 100 cannot be louder than full
    return static_cast<long>(level);
}

void MusicGraph::SetAudioVolume(bool muted, uint32_t soundVolume) {
    if (audio_) audio_->put_Volume(MusicVolume(muted, soundVolume));
}

long MusicGraph::GetAudioEvent() {
    if (!events_) return -1;
    long code = 0;
    LONG_PTR first = 0, second = 0;
    if (FAILED(events_->GetEvent(&code, &first, &second, 0))) return -1;
    events_->FreeEventParams(code, first, second);
    return code;
}
