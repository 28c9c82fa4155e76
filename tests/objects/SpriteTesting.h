#pragma once
// What the sprite-system tests share: a published picture size, records read through the
// object registry, a time line driven to a slide time, and a device with a resource manager
// holding the test's pictures.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ArchiveOver.h"
#include "DocumentRecords.h"
#include "SceneWriter.h"
#include "TestDevice.h"
#include "document/QV_ABObj_Constructor.h"
#include "document/QV_DocResManager.h"
#include "document/QV_TimeLineControl.h"
#include "document/ReaderRegistry.h"
#include "objects/QV_SpriteArrayObj.h"
#include "objects/QV_StatObjConstructor.h"

namespace spritetest {

// The picture size the sprite systems place by (W × H), and the shared generator seeded 1.
void PublishPicture(int width, int height);

// Drives a time line with slide time t (seconds), as the slide does every frame.
void DriveTimeLine(QV_TimeLineControl& timeLine, float t);

// A record read through the object registry: the description (null when it is not a T) and
// whether the read used exactly the record's bytes without failing.
template <class T>
struct ReadResult {
    std::unique_ptr<T> description;
    bool exact = false;
};

template <class T>
ReadResult<T> ReadObject(const scenewriter::SceneWriter& record) {
    vgtest::ArchiveOver in(record.Bytes());
    std::unique_ptr<QV_ABObj_Constructor> read(ReadTaggedObject(in.Archive()));
    ReadResult<T> result;
    result.exact = !in.Failed() && in.Consumed() == record.Size();
    if (dynamic_cast<T*>(read.get())) result.description.reset(static_cast<T*>(read.release()));
    return result;
}


// A real device with CurrentDevice and CurrentDocResManager set to it and a manager holding
// pictures under (path, stamp) keys; both cleared again at the end.
class DeviceWithPictures {
public:
    using Picture = std::pair<std::string, std::vector<uint8_t>>;

    DeviceWithPictures(UINT width, UINT height);
    ~DeviceWithPictures();

    // Each picture under (its path, stamp 1), in a new manager that becomes current.
    void LoadPictures(const std::vector<Picture>& pictures);
    // A whole resource section, in a new manager that becomes current.
    void LoadSection(const scenewriter::ResourceSection& section);
    vgtest::TestDevice& Device() { return device_; }
    QV_DocResManager& Manager() { return *manager_; }

private:
    vgtest::TestDevice device_;
    std::unique_ptr<QV_DocResManager> manager_;
};

// A static sprite of `size` showing (image, stamp 1), centred at picture pixel (x, y).
QV_StatObjConstructor Placed(const wchar_t* image, unsigned int size, int x, int y);
// The runtime object the description makes.
std::unique_ptr<QV_SpriteArrayObj> CreateSprites(QV_ParticleSystemCtrl& description);

}  // namespace spritetest
