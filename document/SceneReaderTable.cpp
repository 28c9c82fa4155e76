// The registered classes of the scene document, in the order their readers register at
// start-up, with the process-wide objects created between them. New classes add their row.
// The registries live here so that any program that reads documents links this table.
#include "audio/QV_WAV_Constructor.h"
#include "audio/SoundDevice.h"
#include "brushes/QV_BackgroundCopy.h"
#include "brushes/QV_LightFX.h"
#include "brushes/QV_PatternBrushC.h"
#include "brushes/QV_WaterFX.h"
#include "brushes/QV_WavesFX.h"
#include "document/ReaderRegistry.h"
#include "player/PictureView.h"
#include "player/QV_2D_Light.h"
#include "player/QV_SlideContainer.h"
#include "player/TargetSizeStack.h"

// Function-local statics: each registry exists from its first registration on.
ReaderRegistry<IOF_Virtual_ReaderII<QV_2D_Light>>& GetLightReaderRegistry() {
    static ReaderRegistry<IOF_Virtual_ReaderII<QV_2D_Light>> registry;
    return registry;
}

ReaderRegistry<IOF_Virtual_ReaderII<QV_SlideContainer>>& GetSlideReaderRegistry() {
    static ReaderRegistry<IOF_Virtual_ReaderII<QV_SlideContainer>> registry;
    return registry;
}

ReaderRegistry<IOF_Virtual_Reader>& GetObjectReaderRegistry() {
    static ReaderRegistry<IOF_Virtual_Reader> registry;
    return registry;
}

namespace {

IOF_Virtual_ReaderT_II<QV_2D_Light, QV_2D_Light> lightReader;
IOF_Virtual_ReaderT_II<QV_SlideContainer, QV_SlideContainer> slideReader;
IOF_Virtual_ReaderT<QV_BackgroundCopy> backgroundCopyReader;
IOF_Virtual_ReaderT<QV_WavesFX> wavesReader;
IOF_Virtual_ReaderT<QV_LightFX> lightBrushReader;
IOF_Virtual_ReaderT<QV_PatternBrush> patternReader;
IOF_Virtual_ReaderT<QV_PatternBrushC> patternCReader;
IOF_Virtual_ReaderT<QV_WaterFX> waterReader;
IOF_Virtual_ReaderT<QV_WAV_Constructor> wavReader;

const bool startedUp = [] {
    GetPictureView();
    RegisterSceneReader(GetLightReaderRegistry(), L"QV_2D_Light", lightReader);  // 1
    GetTargetSizeStack();
    RegisterSceneReader(GetSlideReaderRegistry(), L"QV_SlideContainer", slideReader);  // 5
    RegisterSceneReader(GetObjectReaderRegistry(), L"QV_BackgroundCopy", backgroundCopyReader);  // 25
    RegisterSceneReader(GetObjectReaderRegistry(), L"QV_WavesFX", wavesReader);                  // 26
    RegisterSceneReader(GetObjectReaderRegistry(), L"QV_LightFX", lightBrushReader);             // 27
    RegisterSceneReader(GetObjectReaderRegistry(), L"QV_PatternBrush", patternReader);           // 28
    RegisterSceneReader(GetObjectReaderRegistry(), L"QV_PatternBrushC", patternCReader);         // 29
    RegisterSceneReader(GetObjectReaderRegistry(), L"QV_WaterFX", waterReader);                  // 30
    // The sound device's exit routines come before the sound reader's registration.
    SoundDevice::Shared();
    RegisterSceneReader(GetObjectReaderRegistry(), L"QV_WAV_Constructor", wavReader);  // 44
    return true;
}();

}  // namespace
