#include "TestSlide.h"

#include "document/ReaderRegistry.h"

namespace vgtest {

void RegisterTestSlide() {
    static IOF_Virtual_ReaderT_II<TestSlide, QV_SlideContainer> reader;
    RegisterSceneReader(GetSlideReaderRegistry(), L"TestSlide", reader);
}

}  // namespace vgtest
