#include "RecordCuts.h"

#include <gtest/gtest.h>

#include "GuardedBytes.h"
#include "document/QV_IOF_R.h"
#include "document/ReaderRegistry.h"
#include "document/ResourceBuffer.h"

namespace vgtest {

void ExpectEveryCutFails(const scenewriter::SceneWriter& record) {
    const std::vector<uint8_t>& bytes = record.Bytes();
    for (size_t cut = 0; cut < bytes.size(); ++cut) {
        GuardedBytes guarded({bytes.begin(), bytes.begin() + cut});
        ResourceBuffer buffer(guarded.Data(), guarded.Size());
        QV_IOF_R<ResourceBuffer> archive(&buffer);
        delete ReadTaggedObject(archive);
        EXPECT_TRUE(archive.Failed()) << "cut at " << cut << " of " << bytes.size();
    }
}

}  // namespace vgtest
