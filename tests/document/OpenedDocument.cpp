#include "OpenedDocument.h"

#include "GuardedBytes.h"
#include "document/ResourceBuffer.h"
#include "player/SceneDocument.h"

namespace vgtest {

OpenedDocument OpenGuarded(const std::vector<uint8_t>& bytes) {
    GuardedBytes guarded(bytes);
    ResourceBuffer buffer(guarded.Data(), guarded.Size());
    QV_SlideShow_Light* show = nullptr;
    OpenedDocument opened;
    opened.result = LoadSceneDocument(buffer, &show);
    opened.show.reset(show);
    return opened;
}

}  // namespace vgtest
