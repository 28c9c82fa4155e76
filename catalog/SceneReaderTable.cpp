// The registered classes of the scene document, in the order their readers register at
// start-up, with the process-wide objects created between them. New classes add their row.
// Nothing calls it by name, so every program that reads documents links it whole.
#include "audio/QV_WAV_Constructor.h"
#include "audio/SoundDevice.h"
#include "brushes/FakeLake2D.h"
#include "brushes/FakeUndervater.h"
#include "brushes/QV_BackgroundCopy.h"
#include "brushes/QV_BendFX.h"
#include "brushes/QV_ExpandFX.h"
#include "brushes/QV_FireFX.h"
#include "brushes/QV_FlameLight.h"
#include "brushes/QV_GlassBallLight.h"
#include "brushes/QV_LightFX.h"
#include "brushes/QV_MatrixCodeLight.h"
#include "brushes/QV_MoveFX.h"
#include "brushes/QV_PatternBrushC.h"
#include "brushes/QV_RadialWaveFX.h"
#include "brushes/QV_RotationFX.h"
#include "brushes/QV_WaterFX.h"
#include "brushes/QV_WaterRingLight.h"
#include "brushes/QV_WaterfallFX.h"
#include "brushes/QV_WavesFX.h"
#include "document/ReaderRegistry.h"
#include "objects/QV_3D_in_2D_array_Constructor.h"
#include "objects/QV_BirdConstructor.h"
#include "objects/QV_ButterflyConstructor.h"
#include "objects/QV_ClockConstructor.h"
#include "objects/QV_DischargeConstructor.h"
#include "objects/QV_DischargeFXConstructor.h"
#include "objects/QV_ExplosionConstructor.h"
#include "objects/QV_FishConstructor.h"
#include "objects/QV_FlowConstructor.h"
#include "objects/QV_FlowerConstructor.h"
#include "objects/QV_FogConstructor.h"
#include "objects/QV_GhostConstructor.h"
#include "objects/QV_GodRayConstructor.h"
#include "objects/QV_GrassConstructor.h"
#include "objects/QV_LightingConstructor.h"
#include "objects/QV_LightningGN.h"
#include "objects/QV_Plant.h"
#include "objects/QV_RainConstructor.h"
#include "objects/QV_Smoke.h"
#include "objects/QV_SparkleConstructor.h"
#include "objects/QV_StatObjConstructor.h"
#include "objects/QV_StaticTextConstructor.h"
#include "objects/StaticAnimationReader.h"
#include "player/PictureView.h"
#include "player/QV_2D_Light.h"
#include "player/QV_SlideContainer.h"
#include "player/TargetSizeStack.h"

namespace {

IOF_Virtual_ReaderT_II<QV_2D_Light, QV_2D_Light> lightReader;
IOF_Virtual_ReaderT_II<FakeLake2D, QV_2D_Light> lakeLightReader;
IOF_Virtual_ReaderT_II<FakeUndervater, QV_2D_Light> underwaterLightReader;
IOF_Virtual_ReaderT_II<QV_FlameLight, QV_2D_Light> flameLightReader;
IOF_Virtual_ReaderT_II<QV_GlassBallLight, QV_2D_Light> glassBallReader;
IOF_Virtual_ReaderT_II<QV_MatrixCodeLight, QV_2D_Light> matrixCodeReader;
IOF_Virtual_ReaderT_II<QV_SlideContainer, QV_SlideContainer> slideReader;
IOF_Virtual_ReaderT_II<QV_WaterRingLight, QV_2D_Light> waterRingReader;
IOF_Virtual_ReaderT<QV_GodRayConstructor> godRayReader;
IOF_Virtual_ReaderT<QV_SparkleConstructor> sparkleReader;
IOF_Virtual_ReaderT<QV_FlowConstructor> flowReader;
IOF_Virtual_ReaderT<QV_FishConstructor> fishReader;
IOF_Virtual_ReaderT<QV_GhostConstructor> ghostReader;
IOF_Virtual_ReaderT<QV_FogConstructor> fogReader;
IOF_Virtual_ReaderT<QV_LightingConstructor> lightingReader;
IOF_Virtual_ReaderT<QV_GrassConstructor> grassReader;
IOF_Virtual_ReaderT<QV_RainConstructor> rainReader;
IOF_Virtual_ReaderT<QV_StatObjConstructor> statObjReader;
IOF_Virtual_ReaderT<QV_FlowerConstructor> flowerReader;
IOF_Virtual_ReaderT<QV_BirdConstructor> birdReader;
IOF_Virtual_ReaderT<QV_DischargeConstructor> dischargeReader;
IOF_Virtual_ReaderT<QV_DischargeFXConstructor> dischargeFXReader;
IOF_Virtual_ReaderT<QV_ButterflyConstructor> butterflyReader;
IOF_Virtual_ReaderT<QV_ClockConstructor> clockReader;
IOF_Virtual_ReaderT<QV_LightningGN> lightningReader;
IOF_Virtual_ReaderT<QV_Plant> plantReader;
IOF_Virtual_ReaderT<QV_Smoke> smokeReader;
IOF_Virtual_ReaderT<QV_ExplosionConstructor> explosionReader;
IOF_Virtual_ReaderT<QV_StaticTextConstructor> staticTextReader;
IOF_Virtual_ReaderT<QV_3D_in_2D_array_Constructor> fallingObjectsReader;
IOF_Virtual_ReaderT<QV_BackgroundCopy> backgroundCopyReader;
IOF_Virtual_ReaderT<QV_WavesFX> wavesReader;
IOF_Virtual_ReaderT<QV_LightFX> lightBrushReader;
IOF_Virtual_ReaderT<QV_PatternBrush> patternReader;
IOF_Virtual_ReaderT<QV_PatternBrushC> patternCReader;
IOF_Virtual_ReaderT<QV_WaterFX> waterReader;
IOF_Virtual_ReaderT<QV_MoveFX> moveReader;
IOF_Virtual_ReaderT<QV_FireFX> fireReader;
IOF_Virtual_ReaderT<QV_ExpandFX> expandReader;
IOF_Virtual_ReaderT<QV_RadialWaveFX> radialWaveReader;
IOF_Virtual_ReaderT<QV_RotationFX> rotationReader;
IOF_Virtual_ReaderT<QV_WaterfallFX> waterfallReader;
IOF_Virtual_ReaderT<QV_BendFX> bendReader;
IOF_Virtual_ReaderT<QV_WAV_Constructor> wavReader;
StaticAnimationReader staticAnimationReader;

const bool startedUp = [] {
    GetPictureView();
    RegisterSceneReader(GetLightReaderRegistry(), L"QV_2D_Light", lightReader);  // 1
    GetTargetSizeStack();
    RegisterSceneReader(GetLightReaderRegistry(), L"QV_FlameLight", flameLightReader);  // 2
    RegisterSceneReader(GetLightReaderRegistry(), L"QV_GlassBallLight", glassBallReader);    // 3
    RegisterSceneReader(GetLightReaderRegistry(), L"QV_MatrixCodeLight", matrixCodeReader);  // 4
    RegisterSceneReader(GetSlideReaderRegistry(), L"QV_SlideContainer", slideReader);  // 5
    RegisterSceneReader(GetLightReaderRegistry(), L"FakeUndervater", underwaterLightReader);  // 6
    RegisterSceneReader(GetLightReaderRegistry(), L"FakeLake2D", lakeLightReader);            // 7
    RegisterSceneReader(GetLightReaderRegistry(), L"QV_WaterRingLight", waterRingReader);  // 8
    // The first object row makes the object registry.
    auto& objects = GetObjectReaderRegistry();
    RegisterSceneReader(objects, L"QV_GodRayConstructor", godRayReader);        // 9
    RegisterSceneReader(objects, L"QV_SparkleConstructor", sparkleReader);      // 10
    RegisterSceneReader(objects, L"QV_FlowConstructor", flowReader);            // 11
    RegisterSceneReader(objects, L"QV_FishConstructor", fishReader);            // 12
    RegisterSceneReader(objects, L"QV_GhostConstructor", ghostReader);          // 13
    RegisterSceneReader(objects, L"QV_FogConstructor", fogReader);              // 14
    RegisterSceneReader(objects, L"QV_LightingConstructor", lightingReader);    // 15
    RegisterSceneReader(objects, L"QV_GrassConstructor", grassReader);          // 16
    RegisterSceneReader(objects, L"QV_RainConstructor", rainReader);            // 17
    RegisterSceneReader(objects, L"QV_StatObjConstructor", statObjReader);      // 18
    RegisterSceneReader(objects, L"QV_FlowerConstructor", flowerReader);        // 19
    RegisterSceneReader(objects, L"QV_BirdConstructor", birdReader);            // 20
    RegisterSceneReader(objects, L"QV_DischargeConstructor", dischargeReader);  // 21
    RegisterSceneReader(objects, L"QV_DischargeFXConstructor", dischargeFXReader);  // 22
    RegisterSceneReader(objects, L"QV_ButterflyConstructor", butterflyReader);  // 23
    RegisterSceneReader(objects, L"QV_ClockConstructor", clockReader);          // 24
    RegisterSceneReader(objects, L"QV_BackgroundCopy", backgroundCopyReader);  // 25
    RegisterSceneReader(objects, L"QV_WavesFX", wavesReader);                  // 26
    RegisterSceneReader(objects, L"QV_LightFX", lightBrushReader);             // 27
    RegisterSceneReader(objects, L"QV_PatternBrush", patternReader);           // 28
    RegisterSceneReader(objects, L"QV_PatternBrushC", patternCReader);         // 29
    RegisterSceneReader(objects, L"QV_WaterFX", waterReader);                  // 30
    RegisterSceneReader(objects, L"QV_MoveFX", moveReader);                    // 31
    RegisterSceneReader(objects, L"QV_FireFX", fireReader);                    // 32
    RegisterSceneReader(objects, L"QV_ExpandFX", expandReader);                // 33
    RegisterSceneReader(objects, L"QV_RadialWaveFX", radialWaveReader);        // 34
    RegisterSceneReader(objects, L"QV_RotationFX", rotationReader);            // 35
    RegisterSceneReader(objects, L"QV_WaterfallFX", waterfallReader);          // 36
    RegisterSceneReader(objects, L"QV_BendFX", bendReader);                    // 37
    RegisterSceneReader(objects, L"QV_ExplosionConstructor", explosionReader);  // 38
    RegisterSceneReader(objects, L"QV_LightningGN", lightningReader);           // 39
    RegisterSceneReader(objects, L"QV_Plant", plantReader);                     // 40
    RegisterSceneReader(objects, L"QV_Smoke", smokeReader);                     // 41
    RegisterSceneReader(objects, L"QV_StaticTextConstructor", staticTextReader);  // 42
    RegisterSceneReader(objects, L"QV_3D_in_2D_array_Constructor", fallingObjectsReader);  // 43
    // The sound device's exit routines come before the sound reader's registration.
    SoundDevice::Shared();
    RegisterSceneReader(objects, L"QV_WAV_Constructor", wavReader);  // 44
    // Not a class of the document: the foreign record the authoring tool leaves in lists.
    RegisterSceneReader(GetForeignRecordRegistry(), L"QV_StaticAnimation", staticAnimationReader);
    return true;
}();

}  // namespace
