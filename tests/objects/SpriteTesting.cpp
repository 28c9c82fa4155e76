#include "SpriteTesting.h"

#include <gtest/gtest.h>

#include "GuardedBytes.h"
#include "ManagerFromSection.h"
#include "PublishedPicture.h"

#include "base/CurrentDevice.h"
#include "document/AnimationStateCycle.h"
#include "document/QV_IOF_R.h"
#include "document/ResourceBuffer.h"
#include "document/SharedRandom.h"
#include "document/PictureLayout.h"
#include "player/PictureView.h"
#include "document/ScreenQuad.h"

namespace spritetest {

void PublishPicture(int width, int height) {
    vgtest::PublishPictureSize(width, height);
    SharedRandom::Seed(SharedRandom::kInitialSeed);
}

void DriveTimeLine(QV_TimeLineControl& timeLine, float t) {
    AnimationStateCycle::LocalTime(timeLine, timeLine.Cycle(), t);
}

DeviceWithPictures::DeviceWithPictures(UINT width, UINT height) : device_(width, height) {
    CurrentDevice = device_.Device();
    manager_ = std::make_unique<QV_DocResManager>();
    CurrentDocResManager = manager_.get();
}

DeviceWithPictures::~DeviceWithPictures() {
    CurrentDocResManager = nullptr;
    manager_.reset();
    GetPictureView().ReleaseDeviceObjects(device_.Device());
    CurrentDevice = nullptr;
}

void DeviceWithPictures::LoadPictures(const std::vector<Picture>& pictures) {
    scenewriter::ResourceSection section;
    for (const auto& [path, bytes] : pictures)
        section.images.push_back({path, 1, {scenewriter::StoredFile{0, "", bytes, path}}});
    LoadSection(section);
}

void DeviceWithPictures::LoadSection(const scenewriter::ResourceSection& section) {
    manager_ = vgtest::ManagerFromSection(section);
    CurrentDocResManager = manager_.get();
}

QV_StatObjConstructor Placed(const wchar_t* image, unsigned int size, int x, int y) {
    QV_StatObjConstructor placed;
    placed.image.SetSilently({image, 1});
    placed.size.SetSilently(size);
    placed.spriteRect.further1.SetSilently(x);
    placed.spriteRect.further2.SetSilently(y);
    return placed;
}

std::unique_ptr<QV_SpriteArrayObj> CreateSprites(QV_ParticleSystemCtrl& description) {
    return std::unique_ptr<QV_SpriteArrayObj>(static_cast<QV_SpriteArrayObj*>(description.CreateObject()));
}

}  // namespace spritetest
