#include "MeshSlides.h"

#include <algorithm>
#include <string>

#include "MeshObjectRecords.h"
#include "MeshPictures.h"
#include "MeshShapes.h"
#include "PictureEncoder.h"

using namespace scenewriter;

namespace meshslides {

namespace {

constexpr int kWidth = 1200, kHeight = 800;

StoreEntry PictureEntry(const std::string& path, int64_t stamp, std::vector<uint8_t> bytes) {
    return StoreEntry{path, stamp, {StoredFile{0, "", std::move(bytes), path}}};
}

// The rectangle both in pixels and in fractions of the picture.
PlacedRecord Area(float left, float right, float top, float bottom, const std::string& name) {
    PlacedRecord area;
    area.left = int32_t(left * kWidth), area.right = int32_t(right * kWidth);
    area.top = int32_t(top * kHeight), area.bottom = int32_t(bottom * kHeight);
    area.relativeLeft = left, area.relativeRight = right, area.relativeTop = top, area.relativeBottom = bottom;
    area.base.name = name;
    return area;
}

SceneWriter Butterflies(const StoreEntry& wing) {
    ButterflyRecord record;
    record.object.count = 4;
    record.object.size = 150;
    record.object.image = {wing.path, wing.stamp};
    record.object.placed = Area(0.08f, 0.92f, 0.12f, 0.7f, "Butterflies");
    return MakeButterflies(record);
}

SceneWriter Clock() {
    ClockRecord record;
    const int32_t centreX = kWidth * 82 / 100, centreY = kHeight * 26 / 100, half = 110;
    const int32_t rectangle[6] = {centreX - half, centreX + half, centreY - half, centreY + half, centreX, centreY};
    std::copy(rectangle, rectangle + 6, record.rectangle);
    record.object.size = 2 * half;
    record.object.placed = Area(0, 1, 0, 1, "Clock");
    return MakeClock(record);
}

SceneWriter Leaves() {
    FallingObjectsRecord record;
    record.count = 30;
    record.mesh = {0, "", meshes::XFileBytes(meshes::FoldedLeaf()), "leaf.x"};
    record.texture = {0, "", pictures::EncodePng(pictures::LeafPicture(128)), "leaf.png"};
    record.size = 46;
    record.speed = 25;
    record.wobble = 60;
    record.wobbleFrequency = 30;
    record.tumble = 70;
    record.angle = 290;  // down, drifting a little to the right
    record.base.name = "Leaves";
    return MakeFallingObjects(record);
}

}  // namespace

GardenSlide MakeGardenSlide() {
    GardenSlide slide;
    slide.meadow = PictureEntry("C:\\Velmora\\Scenes\\meadow.jpg", 1765000500,
                                pictures::EncodeJpeg(pictures::Meadow(kWidth, kHeight), 88));
    slide.wing = PictureEntry("C:\\Velmora\\Scenes\\wing.png", 1765000600,
                              pictures::EncodePng(pictures::ButterflyWingPicture(128)));
    // Drawn last to first: the leaves over the clock over the butterflies.
    slide.objects.push_back(Leaves());
    slide.objects.push_back(Clock());
    slide.objects.push_back(Butterflies(slide.wing));
    return slide;
}

}  // namespace meshslides
