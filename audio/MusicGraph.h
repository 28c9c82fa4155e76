#pragma once
// The one DirectShow filter graph that plays the document's music, track after track.
// Its events go to a window as WM_APP messages; each message is answered by GetAudioEvent.
// Without a graph (creation failed, or a mode without music) every operation does nothing.
#include <windows.h>
#include <dshow.h>
#include <string>

#include "audio/MusicPlayback.h"
#include "base/ComHolder.h"

class MusicGraph : public MusicPlayback {
public:
    MusicGraph() = default;
    MusicGraph(const MusicGraph&) = delete;
    MusicGraph& operator=(const MusicGraph&) = delete;
    ~MusicGraph() override { ReleaseAudioGraph(); }

    // Makes the graph and its control, seeking, event and audio interfaces; the events are
    // posted to window as WM_APP. A failure keeps the interfaces obtained before it.
    HRESULT InitAudioGraph(HWND window);
    // Releases the interfaces, then undoes the initialisations of COM made for them.
    void ReleaseAudioGraph();
    bool HasGraph() const { return static_cast<bool>(graph_); }
    IGraphBuilder* Graph() const { return graph_.Get(); }

    void PlayAudioFile(const QV_AudioFile& file) override;
    void RestartAudio() override;
    void SetAudioVolume(bool muted, uint32_t soundVolume) override;
    // Stops the music (before the graph is released around a device reset).
    void StopAudio();

    // Disconnects every pin of the graph and drops the file sources of earlier tracks,
    // keeping the other filters for reuse, then renders the source's "Output" pin and runs
    // from the start.
    HRESULT RenderSourceOutputPin(IBaseFilter* source);
    // Lets the graph build the whole chain for the file, then runs it.
    HRESULT RenderAudioFile(const std::wstring& path);
    // The code of the next waiting graph event, or -1 when there is none.
    long GetAudioEvent();

    // The IBasicAudio volume for a setting: hundredths of a decibel, 0 loudest.
    static long MusicVolume(bool muted, uint32_t soundVolume);

private:
    HRESULT ReconnectAllFilters(IBaseFilter* source);

    ComHolder<IGraphBuilder> graph_;
    ComHolder<IMediaControl> control_;
    ComHolder<IMediaSeeking> seeking_;
    ComHolder<IMediaEventEx> events_;
    ComHolder<IBasicAudio> audio_;
    int comInitializations_ = 0;
};
