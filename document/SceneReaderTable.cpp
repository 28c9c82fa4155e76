// The registered classes of the scene document, in the order their readers register at
// start-up, with the process-wide objects created between them. New classes add their row.
// The registries live here so that any program that reads documents links this table.
#include "audio/QV_WAV_Constructor.h"
#include "audio/SoundDevice.h"
#include "document/ReaderRegistry.h"
#include "objects/QV_3D_in_2D_array_Constructor.h"
#include "objects/QV_ButterflyConstructor.h"
#include "objects/QV_ClockConstructor.h"
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
IOF_Virtual_ReaderT<QV_ButterflyConstructor> butterflyReader;
IOF_Virtual_ReaderT<QV_ClockConstructor> clockReader;
IOF_Virtual_ReaderT<QV_3D_in_2D_array_Constructor> fallingObjectsReader;
IOF_Virtual_ReaderT<QV_WAV_Constructor> wavReader;

const bool startedUp = [] {
    GetPictureView();
    RegisterSceneReader(GetLightReaderRegistry(), L"QV_2D_Light", lightReader);  // 1
    GetTargetSizeStack();
    RegisterSceneReader(GetSlideReaderRegistry(), L"QV_SlideContainer", slideReader);  // 5
    RegisterSceneReader(GetObjectReaderRegistry(), L"QV_ButterflyConstructor", butterflyReader);  // 23
    RegisterSceneReader(GetObjectReaderRegistry(), L"QV_ClockConstructor", clockReader);  // 24
    RegisterSceneReader(GetObjectReaderRegistry(), L"QV_3D_in_2D_array_Constructor", fallingObjectsReader);  // 43
    // The sound device's exit routines come before the sound reader's registration.
    SoundDevice::Shared();
    RegisterSceneReader(GetObjectReaderRegistry(), L"QV_WAV_Constructor", wavReader);  // 44
    return true;
}();

}  // namespace
